#!/usr/bin/env python3
"""The forest walks' pictures (29 x 29 cells): the forest, the hut, the wolf and
the path shared by trilogis and capucine, with the exercise buttons and menu
entries; the piglet, the letters cell and the piglet at home of trilogis; the
girl in red and the girl at home of capucine. Every cell but the forest stands
on the same sandy chequered ground, so that the path reads as one road."""
import os

ROOT = os.path.join(os.path.dirname(__file__), "..", "..", "games")
INK = "#1E1E28"
SAND, SAND2 = "#F2D79B", "#E3BE72"


def write(game, name, title, width, height, body):
    svg = ('<?xml version="1.0" encoding="UTF-8"?>\n'
           f'<!-- {title} -->\n'
           f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{width}" height="{height}" '
           f'viewBox="0 0 {width} {height}">\n{body}</svg>\n')
    open(os.path.join(ROOT, game, "resources", name + ".svg"), "w").write(svg)


def ground():
    checks = "".join(f'<rect x="{x}" y="{y}" width="7.25" height="7.25"/>'
                     for i, x in enumerate((0, 7.25, 14.5, 21.75)) for j, y in enumerate((0, 7.25, 14.5, 21.75))
                     if (i + j) % 2 == 0)
    return (f'  <rect x="0" y="0" width="29" height="29" fill="{SAND}"/>\n'
            f'  <g fill="{SAND2}">{checks}</g>\n')


def tree():
    return ('  <rect x="0" y="0" width="29" height="29" fill="#1F5A1F"/>\n'
            '  <circle cx="5" cy="25" r="4" fill="#2C7A2C"/><circle cx="25" cy="4" r="3.5" fill="#2C7A2C"/>\n'
            '  <rect x="12.5" y="17" width="4" height="10" fill="#7A4A1C" stroke="#3A2008" stroke-width="1"/>\n'
            '  <circle cx="14.5" cy="11" r="9" fill="#3FBF3F" stroke="#0E3A0E" stroke-width="1.4"/>\n'
            '  <circle cx="11" cy="8" r="3" fill="#8CEB8C"/>\n'
            '  <circle cx="18" cy="14" r="1.6" fill="#2A9A2A"/><circle cx="12" cy="15" r="1.3" fill="#2A9A2A"/>\n')


def hut(door=""):
    return ('  <path d="M3,14 L14.5,3 L26,14 Z" fill="#D8322A" stroke="#5A0E0A" stroke-width="1.2" stroke-linejoin="round"/>\n'
            '  <rect x="6" y="14" width="17" height="13" fill="#B0702E" stroke="#4A2A0A" stroke-width="1.2"/>\n'
            '  <path d="M6.5,18.5 H22.5 M6.5,22.5 H22.5" stroke="#8A5420" stroke-width="0.8"/>\n'
            + (door or '  <rect x="11.5" y="18" width="6" height="9" fill="#4A2A0A"/>\n'))


def wolf():
    return ('  <path d="M6,4 L10,12 L5,13 Z M23,4 L19,12 L24,13 Z" fill="#5A5A66" stroke="#1E1E28" stroke-width="1" stroke-linejoin="round"/>\n'
            '  <path d="M4,12 Q14.5,5 25,12 L22,20 L17,27 L12,27 L7,20 Z" fill="#6E6E7C" stroke="#1E1E28" stroke-width="1.2" stroke-linejoin="round"/>\n'
            '  <path d="M10,18 L14.5,27 L19,18 Z" fill="#C8C8D2"/>\n'
            '  <path d="M8,13 L12,15 L8,16 Z M21,13 L17,15 L21,16 Z" fill="#FFE000" stroke="#1E1E28" stroke-width="0.8"/>\n'
            '  <ellipse cx="14.5" cy="22.5" rx="2.4" ry="1.8" fill="#1E1E28"/>\n'
            '  <path d="M12,25.5 L13,27 L14,25.5 M15,25.5 L16,27 L17,25.5" fill="#FFFFFF" stroke="#1E1E28" stroke-width="0.5"/>\n')


def piglet(s=1.0, dx=0.0, dy=0.0):
    return (f'  <g transform="translate({dx},{dy}) scale({s})">'
            '<path d="M5,8 L8,2 L11,7 Z M24,8 L21,2 L18,7 Z" fill="#F48FB1" stroke="#A0305A" stroke-width="1"/>'
            '<circle cx="14.5" cy="15" r="11" fill="#F9B4CB" stroke="#A0305A" stroke-width="1.2"/>'
            '<circle cx="10" cy="12" r="1.8" fill="#1E1E28"/><circle cx="19" cy="12" r="1.8" fill="#1E1E28"/>'
            '<circle cx="10.6" cy="11.4" r="0.6" fill="#FFFFFF"/><circle cx="19.6" cy="11.4" r="0.6" fill="#FFFFFF"/>'
            '<ellipse cx="14.5" cy="19" rx="5" ry="3.6" fill="#F06292" stroke="#A0305A" stroke-width="1"/>'
            '<ellipse cx="12.6" cy="19" rx="1" ry="1.5" fill="#7A1A3A"/><ellipse cx="16.4" cy="19" rx="1" ry="1.5" fill="#7A1A3A"/>'
            '</g>\n')


def girl(s=1.0, dx=0.0, dy=0.0):
    return (f'  <g transform="translate({dx},{dy}) scale({s})">'
            '<path d="M4,27 Q4,12 14.5,3 Q25,12 25,27 Z" fill="#E01818" stroke="#6A0000" stroke-width="1.2" stroke-linejoin="round"/>'
            '<circle cx="14.5" cy="15" r="6.5" fill="#FFD9B8" stroke="#8A4A2A" stroke-width="0.8"/>'
            '<path d="M8.5,13 Q14.5,6 20.5,13 Q17,10.5 14.5,11 Q12,10.5 8.5,13 Z" fill="#F2B033"/>'
            '<circle cx="12.2" cy="15" r="1.1" fill="#1E1E28"/><circle cx="16.8" cy="15" r="1.1" fill="#1E1E28"/>'
            '<path d="M12.3,18 Q14.5,19.8 16.7,18" fill="none" stroke="#B0203A" stroke-width="1"/>'
            '<rect x="11" y="22" width="7" height="5" fill="#FFFFFF" stroke="#6A0000" stroke-width="0.8"/>'
            '</g>\n')


def letters():
    return ('  <rect x="3" y="5" width="23" height="19" rx="3" fill="#FFFFFF" stroke="#1E46B4" stroke-width="1.4"/>\n'
            '  <text x="14.5" y="19.5" text-anchor="middle" font-family="Liberation Sans" font-weight="bold" '
            'font-size="11" fill="#1E46B4">abc</text>\n')


def button(body):
    return ('  <rect x="0" y="0" width="29" height="29" fill="#D4D0C8"/>\n' + body +
            '  <rect x="0.5" y="0.5" width="28" height="28" fill="none" stroke="#404040" stroke-width="1"/>\n')


def digit(n):
    return button('  <rect x="3" y="3" width="23" height="23" rx="4" fill="#FFF4C0" stroke="#1E46B4" stroke-width="2"/>\n'
                  f'  <text x="14.5" y="22" text-anchor="middle" font-family="Liberation Sans" font-weight="bold" '
                  f'font-size="19" fill="#1E46B4">{n}</text>\n')


def menu(width, height, icon, word):
    return (f'  <rect x="0" y="0" width="{width}" height="{height}" fill="#E8E8E8"/>\n  {icon}\n'
            f'  <text x="{24}" y="{height - 8}" font-family="Liberation Sans" font-weight="bold" font-size="15" '
            f'fill="#000080">{word}</text>\n')


def flowers(s=1.0, dx=0.0, dy=0.0):
    def flower(x, y, petal, r=3.2):
        petals = "".join(f'<circle cx="{x + dx2}" cy="{y + dy2}" r="{r * 0.62}" fill="{petal}" stroke="#7A1A3A" stroke-width="0.5"/>'
                         for dx2, dy2 in ((0, -r), (r * 0.95, -r * 0.3), (r * 0.6, r * 0.8), (-r * 0.6, r * 0.8), (-r * 0.95, -r * 0.3)))
        return petals + f'<circle cx="{x}" cy="{y}" r="{r * 0.45}" fill="#FFD21E" stroke="#A06A00" stroke-width="0.4"/>'
    return (f'  <g transform="translate({dx},{dy}) scale({s})">'
            '<path d="M8,14 Q9,21 12,27 M21,13 Q20,20 17,27 M14.5,18 V27" fill="none" stroke="#2C8A2C" stroke-width="1.4"/>'
            '<path d="M10,22 Q6,19 7,17 Q10,18 10,22 Z M19,22 Q23,19 22,17 Q19,18 19,22 Z" fill="#3FBF3F" stroke="#1E6A1E" stroke-width="0.5"/>'
            + flower(8, 10, "#F0409A") + flower(21, 9, "#8A4AE8") + flower(14.5, 16, "#FF7A1E") +
            '</g>\n')


def basket(s=1.0, dx=0.0, dy=0.0):
    return (f'  <g transform="translate({dx},{dy}) scale({s})">'
            '<path d="M7,14 Q14.5,0 22,14" fill="none" stroke="#7A4A1C" stroke-width="2.2"/>'
            '<circle cx="10" cy="12" r="2.4" fill="#F0409A"/><circle cx="14.5" cy="10.5" r="2.4" fill="#FFD21E"/>'
            '<circle cx="19" cy="12" r="2.4" fill="#8A4AE8"/>'
            '<path d="M3,14 H26 L23,27 H6 Z" fill="#C8862E" stroke="#5A3208" stroke-width="1.2" stroke-linejoin="round"/>'
            '<path d="M4.5,18.5 H24.5 M5.5,22.5 H23.5 M10,14 L11,27 M14.5,14 V27 M19,14 L18,27" stroke="#8A5420" stroke-width="0.9"/>'
            '</g>\n')


def gun(s=1.0, dx=0.0, dy=0.0):
    return (f'  <g transform="translate({dx},{dy}) scale({s})">'
            '<path d="M2,21 L11,16 L13,19 L5,26 Q2,26 2,21 Z" fill="#9A5A22" stroke="#3A2008" stroke-width="1" stroke-linejoin="round"/>'
            '<path d="M10,15 L26,6 L27.5,8.5 L12,18.5 Z" fill="#4A4A56" stroke="#1E1E28" stroke-width="1" stroke-linejoin="round"/>'
            '<path d="M12,18.5 Q12,22 14.5,22" fill="none" stroke="#1E1E28" stroke-width="1.2"/>'
            '<path d="M24,7.5 L25,5.5" stroke="#1E1E28" stroke-width="1.4"/>'
            '</g>\n')


def small_forest():
    return ('  <rect x="1" y="1" width="27" height="27" fill="#BFE6FF"/>\n'
            '  <rect x="1" y="22" width="27" height="6" fill="#3FA03F"/>\n'
            + "".join(f'  <rect x="{x - 1.2}" y="{y + 6}" width="2.4" height="5" fill="#7A4A1C"/>'
                      f'<path d="M{x},{y - 7} L{x + 6},{y + 7} H{x - 6} Z" fill="{c}" stroke="#0E3A0E" stroke-width="0.9" stroke-linejoin="round"/>\n'
                      for x, y, c in ((8, 13, "#2C8A2C"), (21, 12, "#3FBF3F"), (14.5, 16, "#1F7A1F"))))


def path_button():
    return ('  <rect x="1" y="1" width="27" height="27" fill="#1F5A1F"/>\n'
            '  <path d="M4,28 C6,18 22,20 22,10 L24,1" fill="none" stroke="#F2D79B" stroke-width="7"/>\n'
            '  <path d="M4,28 C6,18 22,20 22,10 L24,1" fill="none" stroke="#E3BE72" stroke-width="2" stroke-dasharray="2 3"/>\n'
            '  <circle cx="8" cy="8" r="4" fill="#3FBF3F"/><circle cx="24" cy="23" r="3.5" fill="#3FBF3F"/>\n')


def main():
    write("foret", "Bitmap00", "Forest: a tree", 29, 29, tree())
    write("foret", "Bitmap01", "The hut", 29, 29, ground() + hut())
    write("foret", "Bitmap04", "The wolf", 29, 29, ground() + wolf())
    write("foret", "Bitmap07", "Path: chequered ground", 29, 29, ground())
    for n in (1, 2, 3):
        write("foret", str(220 + n), f"Exercise {n}", 29, 29, digit(n))
        write("foret", f"BITMAPNumero{n}", f"Menu item: exercise {n}", 96, 25,
              menu(96, 25, f'<rect x="4" y="4" width="16" height="16" rx="3" fill="#FFF4C0" stroke="#1E46B4" stroke-width="1.5"/>'
                   f'<text x="12" y="17" text-anchor="middle" font-family="Liberation Sans" font-weight="bold" font-size="13" fill="#1E46B4">{n}</text>',
                   f"Numéro {n}"))
    write("foret", "BITMAPExercice", "Menu entry: the exercises", 100, 28,
          menu(100, 28, '<rect x="4" y="5" width="16" height="18" rx="2" fill="#FFFFFF" stroke="#1E46B4" stroke-width="1.5"/>'
               '<path d="M7,10 H17 M7,14 H17 M7,18 H14" stroke="#1E46B4" stroke-width="1.5"/>', "Exercice"))
    write("foret", "230", "New game: a path to a hut", 29, 29, button(
        '  <rect x="1" y="1" width="27" height="27" fill="#3FA03F"/>\n'
        '  <path d="M6,28 C8,22 20,22 17,15" fill="none" stroke="#F2D79B" stroke-width="5"/>\n'
        '  <path d="M10,11 L17,4 L24,11 Z" fill="#D8322A" stroke="#5A0E0A" stroke-width="1"/>\n'
        '  <rect x="12" y="11" width="10" height="7" fill="#B0702E" stroke="#4A2A0A" stroke-width="1"/>\n'
        '  <rect x="15.5" y="13.5" width="3" height="4.5" fill="#4A2A0A"/>\n'))
    write("trilogis", "Bitmap02", "Letters cell", 29, 29, ground() + letters())
    write("trilogis", "Bitmap05", "The piglet", 29, 29, ground() + piglet())
    write("trilogis", "Bitmap06", "The piglet at home", 29, 29, ground() + hut(
        '  <rect x="9" y="16.5" width="11" height="10.5" fill="#4A2A0A"/>\n' + piglet(0.42, 8.4, 16.5)))
    write("capucine", "Bitmap05", "The girl in red", 29, 29, ground() + girl())
    write("capucine", "Bitmap06", "The girl at home", 29, 29, ground() + hut(
        '  <rect x="9" y="16.5" width="11" height="10.5" fill="#4A2A0A"/>\n' + girl(0.42, 8.4, 16.2)))

    write("sentier", "Bitmap02", "The gun", 29, 29, ground() + gun())
    write("sentier", "Bitmap03", "Flowers", 29, 29, ground() + flowers())
    write("sentier", "Bitmap05", "The girl in red", 29, 29, ground() + girl())
    write("sentier", "Bitmap06", "The basket", 29, 29, ground() + basket())
    write("sentier", "230", "New game: a small forest", 29, 29, button(small_forest()))
    write("sentier", "280", "Mode: the girl in red", 29, 29, button(girl(0.86, 2, 2)))
    write("sentier", "226", "Mode: the hut", 29, 29, button(f'  <g transform="translate(2,2) scale(0.86)">\n{hut()}  </g>\n'))
    write("sentier", "290", "Mode: flowers", 29, 29, button(flowers(0.9, 1.5, 1.5)))
    write("sentier", "235", "Mode: a wolf", 29, 29, button(f'  <g transform="translate(2,2) scale(0.86)">\n{wolf()}  </g>\n'))
    write("sentier", "241", "Mode: the path", 29, 29, button(path_button()))
    write("sentier", "245", "Mode: the basket, walking", 29, 29, button(basket(0.9, 1.5, 1.5)))
    write("sentier", "250", "Mode: the gun, hunting", 29, 29, button(gun(0.9, 1.5, 1.5)))
    write("sentier", "BITMAPProgrammer", "Menu entry: building", 120, 28,
          menu(120, 28, '<path d="M4,22 L14,8 L18,12 L8,24 Z" fill="#C8862E" stroke="#5A3208" stroke-width="1"/>'
               '<rect x="12" y="3" width="9" height="7" rx="1" fill="#7A7A86" stroke="#1E1E28" stroke-width="1" transform="rotate(40 16 7)"/>',
               "Programmer"))
    write("sentier", "BITMAPJouer", "Menu entry: playing", 80, 28,
          menu(80, 28, basket(0.72, 1, 1).strip(), "Jouer"))

if __name__ == "__main__":
    main()

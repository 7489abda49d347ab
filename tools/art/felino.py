#!/usr/bin/env python3
"""felino's pictures: the bin, the four heats and the cat (29 x 29 cells), the
twenty digit buttons (column digits in the column marker's green, row digits in
the row marker's red) and the look button."""
import os

OUT = os.path.join(os.path.dirname(__file__), "..", "..", "games", "felino", "resources")
HEAD = ('<?xml version="1.0" encoding="UTF-8"?>\n<!-- {title} -->\n'
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="29" height="29" viewBox="0 0 29 29">\n')
INK = "#1E1E28"


def bin_shape(lid_dy=0.0, lid_rot=0.0):
    return (f'  <rect x="7" y="10" width="15" height="16" rx="1.5" fill="#7A8A99" stroke="{INK}" stroke-width="1.2"/>\n'
            f'  <path d="M10.5,12.5 V23.5 M14.5,12.5 V23.5 M18.5,12.5 V23.5" stroke="#B8C4CF" stroke-width="1.4"/>\n'
            f'  <g transform="translate(0,{lid_dy}) rotate({lid_rot},6,9)">'
            f'<rect x="5" y="7" width="19" height="3" rx="1" fill="#5C6B79" stroke="{INK}" stroke-width="1.2"/>'
            f'<rect x="12" y="4.6" width="5" height="2.6" rx="1" fill="#5C6B79" stroke="{INK}" stroke-width="1"/></g>\n')


def cell(name, title, body, ground="#FFF4D6"):
    svg = HEAD.format(title=title) + f'  <rect x="0" y="0" width="29" height="29" fill="{ground}"/>\n' + body + "</svg>\n"
    open(os.path.join(OUT, name + ".svg"), "w").write(svg)


def flame(x, y, s, outer="#FF6A00", inner="#FFD21F"):
    return (f'  <path transform="translate({x},{y}) scale({s})" d="M0,-10 C6,-4 7,2 4,7 C2,10 -2,10 -4,7 C-7,2 -4,-2 -2,-5 '
            f'C-1,-2 1,-1 1,-3 C2,-6 1,-8 0,-10 Z" fill="{outer}" stroke="#A02000" stroke-width="0.8"/>\n'
            f'  <path transform="translate({x},{y + 3}) scale({s * 0.5})" d="M0,-10 C6,-4 7,2 4,7 C2,10 -2,10 -4,7 C-7,2 -4,-2 0,-10 Z" '
            f'fill="{inner}"/>\n')


def snowflake(cx, cy, r, colour):
    arms = "".join(f'<line x1="{cx}" y1="{cy}" x2="{cx}" y2="{cy - r}" transform="rotate({a},{cx},{cy})"/>'
                   f'<line x1="{cx}" y1="{cy - r * 0.6}" x2="{cx - r * 0.3}" y2="{cy - r * 0.85}" transform="rotate({a},{cx},{cy})"/>'
                   f'<line x1="{cx}" y1="{cy - r * 0.6}" x2="{cx + r * 0.3}" y2="{cy - r * 0.85}" transform="rotate({a},{cx},{cy})"/>'
                   for a in range(0, 360, 60))
    return f'  <g stroke="{colour}" stroke-width="1.6" stroke-linecap="round">{arms}</g>\n'


def cat(scale=1.0, dx=0.0, dy=0.0):
    return (f'  <g transform="translate({dx},{dy}) scale({scale})">\n'
            f'  <path d="M5,11 L6,3 L11,8 L18,8 L23,3 L24,11 C26,16 24,24 14.5,25 C5,24 3,16 5,11 Z" fill="#F29A2E" stroke="{INK}" stroke-width="1.2"/>\n'
            f'  <path d="M8,14 L11,15 M21,14 L18,15 M12.5,9 L13.5,12 M16.5,9 L15.5,12" stroke="#B55A00" stroke-width="1.3" stroke-linecap="round"/>\n'
            f'  <ellipse cx="10.5" cy="16" rx="2" ry="2.4" fill="#FFFFFF" stroke="{INK}" stroke-width="0.8"/>'
            f'<ellipse cx="18.5" cy="16" rx="2" ry="2.4" fill="#FFFFFF" stroke="{INK}" stroke-width="0.8"/>\n'
            f'  <ellipse cx="10.8" cy="16.3" rx="0.9" ry="1.6" fill="#2A7A2A"/><ellipse cx="18.2" cy="16.3" rx="0.9" ry="1.6" fill="#2A7A2A"/>\n'
            f'  <path d="M13.3,19.5 L15.7,19.5 L14.5,21 Z" fill="#E85080"/>\n'
            f'  <path d="M14.5,21 C13.5,22.5 12,22.5 11.5,21.7 M14.5,21 C15.5,22.5 17,22.5 17.5,21.7" fill="none" stroke="{INK}" stroke-width="0.8"/>\n'
            f'  <path d="M3,19 L9,19.5 M3,22 L9,21 M26,19 L20,19.5 M26,22 L20,21" stroke="{INK}" stroke-width="0.6"/>\n'
            f'  </g>\n')


def main():
    os.makedirs(OUT, exist_ok=True)
    cell("Poubelle", "A closed bin: nobody has looked under it yet", bin_shape(), "#E8F0E0")
    cell("Is_Cold", "Cold: a snowflake on ice blue, the cat is far away", snowflake(14.5, 14.5, 11, "#FFFFFF"), "#5AA8E8")
    cell("Is_Tepid", "Lukewarm: a small flame on pale yellow", flame(14.5, 16, 0.9), "#FFF2A8")
    cell("Is_Hot", "Hot: two flames on orange", flame(9.5, 17, 0.9) + flame(19.5, 15, 1.1), "#FFB347")
    cell("Burning", "Burning: three big flames on red",
         flame(7, 17, 1.0, "#FFD21F", "#FFFFFF") + flame(21.5, 17, 1.0, "#FFD21F", "#FFFFFF") + flame(14.5, 15, 1.3, "#FFD21F", "#FFFFFF"),
         "#E02A1A")
    cell("IsTheCat", "Tigron the cat, found!", cat(), "#FFE6F0")
    for k in range(10):
        for name, colour, light in (("colonne", "#008000", "#C8F0C8"), ("rangee", "#800000", "#F4CACA")):
            title = f"Digit {k} of the {'column' if name == 'colonne' else 'row'}"
            body = (f'  <rect x="2" y="2" width="25" height="25" rx="4" fill="{light}" stroke="{colour}" stroke-width="2"/>\n'
                    f'  <text x="14.5" y="22.5" text-anchor="middle" font-family="Liberation Sans" font-weight="bold" '
                    f'font-size="20" fill="{colour}">{k}</text>\n')
            svg = HEAD.format(title=title) + '  <rect x="0" y="0" width="29" height="29" fill="#D4D0C8"/>\n' + body + "</svg>\n"
            open(os.path.join(OUT, f"{name}{k}.svg"), "w").write(svg)
    look = (HEAD.format(title="Look under the bin: its lid lifted, an eye peeping")
            + '  <rect x="0" y="0" width="29" height="29" fill="#D4D0C8"/>\n'
            + bin_shape(-2.5, -28)
            + f'  <ellipse cx="14.5" cy="14.5" rx="5" ry="3.2" fill="#FFFFFF" stroke="{INK}" stroke-width="1"/>'
              f'<circle cx="14.5" cy="14.5" r="1.8" fill="#1E64DC"/>\n</svg>\n')
    open(os.path.join(OUT, "regarder.svg"), "w").write(look)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Writes rempart's pictures from one family of shapes and colours: the pitch
cells and players (43 x 71), the goal (137 x 55), the arrows of the stack and
of the button bar (29 x 29), the eraser, the kick and the goal button.

Run it from anywhere; it writes into games/rempart/resources. The SVG files it
writes are the sources the build renders."""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(os.path.dirname(HERE)), "games", "rempart", "resources")

OUTLINE = "#1E1E28"
GRASS, GRASS_LIGHT = "#2E9E3E", "#44B854"
SKY, FIELD = "#00FFFF", "#00FF00"  # the strips the goal stands on
SKIN, HAIR = "#F2C18D", "#6B3A1A"
ATTACKER = ("#2F6FE0", "#FFFFFF")  # blue shirt, white shorts
DEFENDER = ("#E8302A", "#1E1E28")  # red shirt, black shorts
FACE = "#D4D0C8"                   # face of a raised slot or button
ARROW, ARROW_DONE = "#2F6FE0", "#A8A8A8"


def svg(name, w, h, title, body):
    with open(os.path.join(OUT, name + ".svg"), "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="UTF-8"?>\n')
        f.write(f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{w}" height="{h}" '
                f'viewBox="0 0 {w} {h}">\n  <title>{title}</title>\n')
        for line in body:
            f.write("  " + line + "\n")
        f.write("</svg>\n")


def grass():
    """Mown grass: light and dark bands across the cell."""
    out = [f'<rect x="0" y="0" width="43" height="71" fill="{GRASS}"/>']
    for y in range(0, 71, 18):
        out.append(f'<rect x="0" y="{y}" width="43" height="9" fill="{GRASS_LIGHT}"/>')
    return out


def ball(cx, cy, r=5.0):
    return [f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="#FFFFFF" stroke="{OUTLINE}" stroke-width="1"/>',
            f'<polygon points="{cx},{cy - r * 0.45:.1f} {cx + r * 0.43:.1f},{cy - r * 0.1:.1f} '
            f'{cx + r * 0.27:.1f},{cy + r * 0.38:.1f} {cx - r * 0.27:.1f},{cy + r * 0.38:.1f} '
            f'{cx - r * 0.43:.1f},{cy - r * 0.1:.1f}" fill="{OUTLINE}"/>']


def player(colours, with_ball, number):
    """A player seen from the front, the ball at his right foot if he has it."""
    shirt, shorts = colours
    o = f'stroke="{OUTLINE}" stroke-width="1" stroke-linejoin="round"'
    out = grass()
    out += [f'<ellipse cx="21.5" cy="66" rx="12" ry="3" fill="#1E6E2A"/>',
            f'<rect x="14" y="47" width="5" height="14" fill="{SKIN}" {o}/>',
            f'<rect x="24" y="47" width="5" height="14" fill="{SKIN}" {o}/>',
            f'<rect x="14" y="53" width="5" height="8" fill="{shirt}" {o}/>',
            f'<rect x="24" y="53" width="5" height="8" fill="{shirt}" {o}/>',
            f'<path d="M11.5,64.5 L19,64.5 L19,60.5 L13,60.5 Z" fill="{OUTLINE}"/>',
            f'<path d="M24,64.5 L31.5,64.5 L30,60.5 L24,60.5 Z" fill="{OUTLINE}"/>',
            f'<path d="M13,40 L30,40 L30.5,49 L12.5,49 Z" fill="{shorts}" {o}/>',
            f'<path d="M6,31 L12,21 L31,21 L37,31 L33,34 L30,29 L30,41 L13,41 L13,29 L10,34 Z" fill="{shirt}" {o}/>',
            f'<circle cx="8" cy="34.5" r="2.3" fill="{SKIN}" {o}/>',
            f'<circle cx="35" cy="34.5" r="2.3" fill="{SKIN}" {o}/>',
            f'<text x="21.5" y="36" text-anchor="middle" font-family="Liberation Sans" font-weight="bold" '
            f'font-size="10" fill="#FFFFFF">{number}</text>',
            f'<circle cx="21.5" cy="13" r="7" fill="{SKIN}" {o}/>',
            f'<path d="M14.5,12 C14.5,4 28.5,4 28.5,12 C26,8.5 17,8.5 14.5,12 Z" fill="{HAIR}"/>',
            f'<circle cx="19" cy="13.5" r="1" fill="{OUTLINE}"/>',
            f'<circle cx="24" cy="13.5" r="1" fill="{OUTLINE}"/>',
            f'<path d="M19,16.5 Q21.5,18.5 24,16.5" fill="none" stroke="{OUTLINE}" stroke-width="0.9"/>']
    if with_ball:
        out += ball(36.5, 62.5)
    return out


def star():
    points = []
    import math
    for i in range(10):
        r = 13 if i % 2 == 0 else 5.5
        a = math.pi / 2 + i * math.pi / 5
        points.append(f"{21.5 + r * math.cos(a):.1f},{37 - r * math.sin(a):.1f}")
    return grass() + [f'<polygon points="{" ".join(points)}" fill="#FF2020" stroke="#801010" stroke-width="1" '
                      f'stroke-linejoin="round"/>']


def goal(with_ball):
    out = [f'<rect x="0" y="0" width="137" height="32" fill="{SKY}"/>',
           f'<rect x="0" y="32" width="137" height="23" fill="{FIELD}"/>',
           '<rect x="14" y="6" width="109" height="46" fill="#E8F8F8"/>']
    for x in range(18, 123, 7):
        out.append(f'<line x1="{x}.5" y1="6" x2="{x}.5" y2="52" stroke="#9AAAB0" stroke-width="1"/>')
    for y in range(10, 52, 7):
        out.append(f'<line x1="14" y1="{y}.5" x2="123" y2="{y}.5" stroke="#9AAAB0" stroke-width="1"/>')
    out += ['<rect x="10" y="3" width="117" height="5" fill="#FFFFFF" stroke="#404040" stroke-width="1"/>',
            '<rect x="10" y="3" width="5" height="51" fill="#FFFFFF" stroke="#404040" stroke-width="1"/>',
            '<rect x="122" y="3" width="5" height="51" fill="#FFFFFF" stroke="#404040" stroke-width="1"/>',
            '<rect x="0" y="52" width="137" height="3" fill="#FFFFFF"/>']
    if with_ball:
        out += ball(68.5, 38, 8)
    return out


# An arrow pointing up in a 29 x 29 box; the others are turned.
ARROW_PATH = "M14.5,3 L25,14 L18.5,14 L18.5,26 L10.5,26 L10.5,14 L4,14 Z"
TURN = {"up": 0, "down": 180, "left": 270, "right": 90}
WORD = {"up": "vers le haut", "down": "vers le bas", "left": "vers la gauche", "right": "vers la droite"}


def raised(face=FACE):
    return [f'<rect x="0" y="0" width="29" height="29" fill="{face}"/>',
            '<path d="M0.5,28.5 V0.5 H28.5" fill="none" stroke="#FFFFFF" stroke-width="1"/>',
            '<path d="M0.5,28.5 H28.5 V0.5" fill="none" stroke="#404040" stroke-width="1"/>',
            '<path d="M1.5,27.5 H27.5 V1.5" fill="none" stroke="#808080" stroke-width="1"/>']


def arrow(direction, done):
    if done:
        # Done: flat and grey, with a green tick.
        out = ['<rect x="0" y="0" width="29" height="29" fill="#E4E4E4" stroke="#A0A0A0" stroke-width="1"/>']
        colour, outline = ARROW_DONE, "#8A8A8A"
    else:
        out = raised()
        colour, outline = ARROW, "#0A2A66"
    out.append(f'<path d="{ARROW_PATH}" transform="rotate({TURN[direction]} 14.5 14.5)" fill="{colour}" '
               f'stroke="{outline}" stroke-width="1.2" stroke-linejoin="round"/>')
    if done:
        out.append('<path d="M17,21 L20,24.5 L27,15.5" fill="none" stroke="#1E9E3A" stroke-width="2.6" '
                   'stroke-linecap="round" stroke-linejoin="round"/>')
    return out


def main():
    svg("Bitmap99", 43, 71, "Attaquant avec le ballon", player(ATTACKER, True, 9))
    svg("Bitmap00", 43, 71, "Attaquant sans le ballon", player(ATTACKER, False, 9))
    svg("Bitmap01", 43, 71, "Défenseur avec le ballon", player(DEFENDER, True, 4))
    svg("Bitmap02", 43, 71, "Défenseur", player(DEFENDER, False, 4))
    svg("Bitmap03", 43, 71, "Herbe", grass())
    svg("Bitmap04", 43, 71, "Herbe avec une étoile rouge (trajet)", star())
    svg("Bitmap97", 137, 55, "But avec le ballon dans le filet", goal(True))
    svg("Bitmap98", 137, 55, "But vide", goal(False))
    for number, direction in ((6, "up"), (7, "down"), (8, "left"), (9, "right")):
        svg(f"Bitmap{number:02d}", 29, 29, f"Flèche {WORD[direction]}", arrow(direction, False))
    for number, direction in ((10, "up"), (11, "down"), (12, "right"), (13, "left")):
        svg(f"Bitmap{number:02d}", 29, 29, f"Flèche {WORD[direction]}, faite", arrow(direction, True))
    svg("Bitmap14", 29, 29, "Case vide de la pile", raised())
    for name, direction in (("225", "up"), ("221", "down"), ("222", "left"), ("223", "right")):
        svg(name, 29, 29, f"Bouton flèche {WORD[direction]}", arrow(direction, False))


if __name__ == "__main__":
    main()

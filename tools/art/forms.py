#!/usr/bin/env python3
"""Writes the pictures of the two form games from one family of shapes and
colours: velisca's twenty forms (83 x 83) and their found forms (79 x 79),
peldano's five forms (79 x 79) and its four step looks (49 x 76).

Run it from anywhere; it writes into games/velisca/resources and
games/peldano/resources. The SVG files it writes are the sources the build
renders."""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
GAMES = os.path.join(os.path.dirname(os.path.dirname(HERE)), "games")

OUTLINE = "#1E1E28"
GROUND = "#FFF4D6"        # cream ground of a form
FOUND_GROUND = "#D9F2CF"  # pale green ground of a found form
TICK = "#1E9E3A"

# The family: five shapes, five colours.
SHAPES = ["rond", "carre", "triangle", "losange", "etoile"]
COLOURS = {
    "rouge": ("#E8302A", "#FF8A80"),
    "bleu": ("#2F6FE0", "#8DB6FF"),
    "vert": ("#2DB34A", "#8FE39E"),
    "jaune": ("#FFC81E", "#FFE98A"),
    "violet": ("#9A4BD6", "#D3A8F5"),
}
GRID_COLOURS = ["rouge", "bleu", "vert", "jaune"]


def shape(name, cx, cy, r, colour, width):
    """The shape `name` centred on (cx, cy), about r from centre to edge."""
    fill, light = COLOURS[colour]
    style = f'fill="{fill}" stroke="{OUTLINE}" stroke-width="{width}" stroke-linejoin="round"'
    if name == "rond":
        body = f'<circle cx="{cx:.1f}" cy="{cy:.1f}" r="{r:.1f}" {style}/>'
        shine = f'<circle cx="{cx - r * 0.38:.1f}" cy="{cy - r * 0.38:.1f}" r="{r * 0.2:.1f}" fill="{light}"/>'
    elif name == "carre":
        a = r * 0.86
        body = (f'<rect x="{cx - a:.1f}" y="{cy - a:.1f}" width="{2 * a:.1f}" height="{2 * a:.1f}" '
                f'rx="{r * 0.12:.1f}" {style}/>')
        shine = (f'<rect x="{cx - a * 0.7:.1f}" y="{cy - a * 0.7:.1f}" width="{a * 0.45:.1f}" '
                 f'height="{a * 0.3:.1f}" rx="{r * 0.08:.1f}" fill="{light}"/>')
    elif name == "triangle":
        top, base = cy - r * 1.02, cy + r * 0.78
        half = r * 1.04
        body = polygon([(cx, top), (cx + half, base), (cx - half, base)], style)
        shine = polygon([(cx - r * 0.12, top + r * 0.5), (cx - r * 0.06, top + r * 0.62),
                         (cx - r * 0.42, base - r * 0.25), (cx - r * 0.56, base - r * 0.25)], f'fill="{light}"')
    elif name == "losange":
        w = r * 0.82
        body = polygon([(cx, cy - r * 1.05), (cx + w, cy), (cx, cy + r * 1.05), (cx - w, cy)], style)
        shine = polygon([(cx - r * 0.06, cy - r * 0.72), (cx - w * 0.6, cy - r * 0.04),
                         (cx - w * 0.45, cy - r * 0.04), (cx + r * 0.02, cy - r * 0.6)], f'fill="{light}"')
    elif name == "etoile":
        points = []
        for k in range(10):
            radius = r * 1.06 if k % 2 == 0 else r * 0.46
            angle = -math.pi / 2 + k * math.pi / 5
            points.append((cx + radius * math.cos(angle), cy + 0.06 * r + radius * math.sin(angle)))
        body = polygon(points, style)
        shine = f'<circle cx="{cx - r * 0.14:.1f}" cy="{cy - r * 0.08:.1f}" r="{r * 0.12:.1f}" fill="{light}"/>'
    else:
        raise ValueError(name)
    return body + "\n  " + shine


def polygon(points, style):
    return '<polygon points="' + " ".join(f"{x:.1f},{y:.1f}" for x, y in points) + f'" {style}/>'


def svg(width, height, title, body):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n  <title>{title}</title>\n  {body}\n</svg>\n')


def write(folder, name, text):
    path = os.path.join(GAMES, folder, "resources", name + ".svg")
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def grid_form(k):
    """Form of velisca's square k (row k / 5, column k % 5): each row holds the
    five shapes, each shape comes once in each of the four colours."""
    i, j = divmod(k, 5)
    s = (j + 2 * i) % 5
    return SHAPES[s], GRID_COLOURS[(i + s) % 4]


def velisca():
    for k in range(20):
        name, colour = grid_form(k)
        body = (f'<rect x="0" y="0" width="83" height="83" fill="{GROUND}"/>\n  '
                + shape(name, 41.5, 41.5, 29, colour, 3))
        write("velisca", f"Bitmap{k:02d}", svg(83, 83, f"{name} {colour}", body))
        # Found: the same form a little smaller on green, with a tick.
        tick = (f'<circle cx="60" cy="60" r="15" fill="{TICK}" stroke="{OUTLINE}" stroke-width="2.5"/>\n  '
                f'<polyline points="52,60 58,66 68,53" fill="none" stroke="#FFFFFF" stroke-width="4.5" '
                f'stroke-linecap="round" stroke-linejoin="round"/>')
        body = (f'<rect x="0" y="0" width="79" height="79" fill="#FFFFFF"/>\n  '
                f'<rect x="1.5" y="1.5" width="76" height="76" rx="6" fill="{FOUND_GROUND}" stroke="{TICK}" '
                f'stroke-width="3"/>\n  ' + shape(name, 35, 35, 23, colour, 3) + "\n  " + tick)
        write("velisca", f"Bitmap{k + 20:02d}", svg(79, 79, f"{name} {colour}, trouvé", body))


PELDANO_FORMS = [("rond", "rouge"), ("carre", "bleu"), ("triangle", "vert"), ("losange", "jaune"),
                 ("etoile", "violet")]


def peldano_forms():
    for k, (name, colour) in enumerate(PELDANO_FORMS):
        body = (f'<rect x="0" y="0" width="79" height="79" fill="#FFFFFF"/>\n  '
                f'<rect x="1.5" y="1.5" width="76" height="76" rx="5" fill="{GROUND}" stroke="{OUTLINE}" '
                f'stroke-width="3"/>\n  ' + shape(name, 39.5, 39.5, 27, colour, 3))
        write("peldano", f"Bitmap{k:02d}", svg(79, 79, f"{name} {colour}", body))


# The step looks. Each picture is 49 x 76: white sky above the tread at row
# 44, the block below it. Steps are laid 32 across and 22 down from each
# other, so a step shows its columns 0 to 31 whole and only its top 22 rows
# beyond; the figure keeps to that part.
STONE, STONE_TOP, STONE_LINE = "#B5774A", "#E2A66E", "#5A3418"
GOLD, GOLD_TOP = "#F2B632", "#FFE27A"


def block(fill, top, seam):
    parts = [f'<rect x="0" y="0" width="49" height="76" fill="#FFFFFF"/>',
             f'<rect x="0.5" y="44.5" width="48" height="31" fill="{fill}" stroke="{OUTLINE}" stroke-width="1"/>',
             f'<rect x="1" y="45" width="47" height="6" fill="{top}"/>',
             f'<line x1="0" y1="44.5" x2="49" y2="44.5" stroke="{OUTLINE}" stroke-width="2"/>',
             f'<line x1="1" y1="51.5" x2="48" y2="51.5" stroke="{STONE_LINE}" stroke-width="1"/>',
             f'<line x1="16.5" y1="52" x2="16.5" y2="63" stroke="{STONE_LINE}" stroke-width="1"/>',
             f'<line x1="1" y1="63.5" x2="48" y2="63.5" stroke="{STONE_LINE}" stroke-width="1"/>',
             f'<line x1="8.5" y1="64" x2="8.5" y2="75" stroke="{STONE_LINE}" stroke-width="1"/>',
             f'<line x1="40.5" y1="64" x2="40.5" y2="75" stroke="{STONE_LINE}" stroke-width="1"/>']
    if seam:  # the right edge of the step where the next one starts
        parts.append(f'<line x1="31.5" y1="44" x2="31.5" y2="76" stroke="{OUTLINE}" stroke-width="1.5"/>')
    return "\n  ".join(parts)


def figure(arms_up):
    """A child in a red jumper facing left, feet on row 43."""
    o = OUTLINE
    parts = [
        # legs, the front one lifted onto the next step
        f'<path d="M 13 31 L 11 37 L 6 37" fill="none" stroke="#2A4FA8" stroke-width="4.5" stroke-linecap="round"/>'
        if not arms_up else
        f'<path d="M 13 31 L 12 42" fill="none" stroke="#2A4FA8" stroke-width="4.5" stroke-linecap="round"/>',
        f'<path d="M 18 31 L 20 42" fill="none" stroke="#2A4FA8" stroke-width="4.5" stroke-linecap="round"/>',
        f'<ellipse cx="{5 if not arms_up else 10}" cy="{38 if not arms_up else 42.5}" rx="3.5" ry="1.8" fill="{o}"/>',
        f'<ellipse cx="20" cy="42.5" rx="3.5" ry="1.8" fill="{o}"/>',
        # jumper
        f'<path d="M 9 32 L 10 19 Q 15.5 16 21 19 L 22 32 Z" fill="#E8302A" stroke="{o}" stroke-width="1.5" '
        f'stroke-linejoin="round"/>',
    ]
    if arms_up:
        parts += [f'<path d="M 10 21 L 4 12" stroke="#E8302A" stroke-width="4" stroke-linecap="round"/>',
                  f'<path d="M 21 21 L 27 12" stroke="#E8302A" stroke-width="4" stroke-linecap="round"/>',
                  f'<circle cx="4" cy="11" r="2.4" fill="#F6C9A0" stroke="{o}" stroke-width="1"/>',
                  f'<circle cx="27" cy="11" r="2.4" fill="#F6C9A0" stroke="{o}" stroke-width="1"/>']
    else:
        parts += [f'<path d="M 11 21 L 4 18" stroke="#E8302A" stroke-width="4" stroke-linecap="round"/>',
                  f'<path d="M 20 21 L 26 27" stroke="#E8302A" stroke-width="4" stroke-linecap="round"/>',
                  f'<circle cx="3" cy="17.5" r="2.4" fill="#F6C9A0" stroke="{o}" stroke-width="1"/>',
                  f'<circle cx="26.5" cy="28" r="2.4" fill="#F6C9A0" stroke="{o}" stroke-width="1"/>']
    parts += [
        # head, hair and face, looking left (up the stairs)
        f'<circle cx="15.5" cy="10" r="7" fill="#F6C9A0" stroke="{o}" stroke-width="1.5"/>',
        f'<path d="M 8.5 9 Q 10 1.5 17 2.6 Q 23.5 3.5 22.5 11 Q 19 7 14 6.5 Q 11 6.6 8.5 9 Z" fill="#F0B020" '
        f'stroke="{o}" stroke-width="1.2" stroke-linejoin="round"/>',
        f'<circle cx="12" cy="10" r="1.3" fill="{o}"/>',
        f'<path d="M 10.5 13.2 Q 12.5 15 14.5 13.6" fill="none" stroke="{o}" stroke-width="1.2" '
        f'stroke-linecap="round"/>',
    ]
    return "\n  ".join(parts)


def peldano_steps():
    looks = [
        ("marche", block(STONE, STONE_TOP, True)),
        ("place du palier avec un enfant", block(GOLD, GOLD_TOP, False) + "\n  " + figure(True)),
        ("marche avec un enfant", block(STONE, STONE_TOP, True) + "\n  " + figure(False)),
        ("place du palier vide", block(GOLD, GOLD_TOP, False)),
    ]
    for k, (title, body) in enumerate(looks):
        write("peldano", f"Bitmap{5 + k:02d}", svg(49, 76, title, body))


if __name__ == "__main__":
    velisca()
    peldano_forms()
    peldano_steps()

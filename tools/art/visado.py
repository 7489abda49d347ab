#!/usr/bin/env python3
"""Writes visado's pictures: the catalogue of thirty 49 x 49 patterns, the
jalopy's mask and colour picture (49 x 49), the nine pictures of the tree
losing its leaves (123 x 123) and the words "Non" and "Oui" (85 x 40).

Run it from anywhere; it writes into games/visado/resources. The SVG files it
writes are the sources the build renders."""

import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(os.path.dirname(HERE)), "games", "visado", "resources")

OUTLINE = "#1E1E28"
GROUND = "#FFF8E6"

# Catalogue: picture i (1 .. 29) takes kind (i - 1) % 10 and colour (i - 1) % 7,
# so that neighbours differ in both and no two pictures are alike. Two
# pictures of a row share a colour only when they are 7 apart; the kinds are
# ordered so that those two never both have a square outline or both a round one.
KINDS = ["rond", "carre", "triangle", "losange", "lune", "rayures", "etoile", "croix", "cible", "damier"]
COLOURS = ["#E8302A", "#2F6FE0", "#2DB34A", "#FFC81E", "#9A4BD6", "#FF8A1E", "#14A8B8"]


def svg(width, height, title, body):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n  <title>{title}</title>\n  {body}\n</svg>\n')


def write(name, text):
    with open(os.path.join(OUT, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(text)


def polygon(points, style):
    return '<polygon points="' + " ".join(f"{x:.1f},{y:.1f}" for x, y in points) + f'" {style}/>'


def pattern(kind, colour):
    """One pattern drawn on the cream ground inside a 49 x 49 frame."""
    s = f'fill="{colour}" stroke="{OUTLINE}" stroke-width="2" stroke-linejoin="round"'
    c = 24.5
    if kind == "rond":
        return f'<circle cx="{c}" cy="{c}" r="16" {s}/>'
    if kind == "carre":
        return f'<rect x="10" y="10" width="29" height="29" {s}/>'
    if kind == "triangle":
        return polygon([(c, 7), (42, 40), (7, 40)], s)
    if kind == "losange":
        return polygon([(c, 5), (42, c), (c, 44), (7, c)], s)
    if kind == "etoile":
        pts = []
        for k in range(10):
            r = 19 if k % 2 == 0 else 8
            a = -math.pi / 2 + k * math.pi / 5
            pts.append((c + r * math.cos(a), c + 1.5 + r * math.sin(a)))
        return polygon(pts, s)
    if kind == "croix":
        return polygon([(19, 7), (30, 7), (30, 19), (42, 19), (42, 30), (30, 30), (30, 42), (19, 42), (19, 30),
                        (7, 30), (7, 19), (19, 19)], s)
    if kind == "rayures":
        bands = "".join(f'<rect x="4" y="{y}" width="41" height="5" fill="{colour}"/>' for y in (6, 16, 26, 36))
        return bands + f'<rect x="4" y="6" width="41" height="35" fill="none" stroke="{OUTLINE}" stroke-width="2"/>'
    if kind == "cible":
        return (f'<circle cx="{c}" cy="{c}" r="18" {s}/><circle cx="{c}" cy="{c}" r="12" fill="{GROUND}" '
                f'stroke="{OUTLINE}" stroke-width="2"/><circle cx="{c}" cy="{c}" r="6" {s}/>')
    if kind == "damier":
        squares = "".join(f'<rect x="{6 + 9 * i}" y="{6 + 9 * j}" width="9" height="9" fill="{colour}"/>'
                          for i in range(4) for j in range(4) if (i + j) % 2 == 0)
        return squares + f'<rect x="6" y="6" width="36" height="36" fill="none" stroke="{OUTLINE}" stroke-width="2"/>'
    if kind == "lune":
        return f'<path d="M 24.7 7.5 A 17 17 0 1 0 40.5 30.3 A 14 14 0 1 1 24.7 7.5 Z" {s}/>'
    raise ValueError(kind)


def catalogue():
    frame = f'<rect x="1" y="1" width="47" height="47" fill="none" stroke="#000000" stroke-width="2"/>'
    write("Bitmap00", svg(49, 49, "carré vide", f'<rect x="0" y="0" width="49" height="49" fill="#FFFFFF"/>\n  '
                          + frame))
    for i in range(1, 30):
        kind, colour = KINDS[(i - 1) % len(KINDS)], COLOURS[(i - 1) % len(COLOURS)]
        body = (f'<rect x="0" y="0" width="49" height="49" fill="{GROUND}"/>\n  ' + pattern(kind, colour)
                + "\n  " + frame)
        write(f"Bitmap{i:02d}", svg(49, 49, f"{kind} {colour}", body))


# The jalopy: a small red tractor driving right, its wheels on the bottom row.
# It is laid out pixel by pixel so that the mask and the colour picture agree
# exactly: black on the vehicle in the mask, black around it in the colour.
def tractor():
    px = {}

    def disc(cx, cy, r, colour):
        for y in range(49):
            for x in range(49):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= r * r:
                    px[(x, y)] = colour

    def box(x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                px[(x, y)] = colour

    red, dark_red, blue, grey, hub, tyre, yellow = ("#D82820", "#8A1410", "#9ED8F8", "#505050", "#F2C230",
                                                   "#202020", "#FFE25A")
    box(35, 14, 38, 27, grey)          # exhaust pipe
    box(34, 12, 39, 14, grey)
    box(8, 8, 26, 11, dark_red)        # cabin roof
    box(9, 11, 12, 27, red)            # cabin posts
    box(22, 11, 25, 27, red)
    box(12, 11, 22, 24, blue)          # window
    box(6, 26, 44, 38, red)            # body and bonnet
    box(25, 22, 44, 27, red)
    box(42, 24, 46, 34, dark_red)      # grille
    box(44, 25, 46, 28, yellow)        # lamp
    box(6, 26, 44, 28, dark_red)       # a dark line along the body
    disc(15, 36.5, 12.5, tyre)         # rear wheel
    disc(15, 36.5, 6.5, hub)
    disc(15, 36.5, 2.5, tyre)
    disc(38, 42, 7, tyre)              # front wheel
    disc(38, 42, 3.5, hub)

    def runs(colour_of):
        out = []
        for y in range(49):
            x = 0
            while x < 49:
                colour = colour_of(px.get((x, y)))
                end = x
                while end < 49 and colour_of(px.get((end, y))) == colour:
                    end += 1
                out.append(f'<rect x="{x}" y="{y}" width="{end - x}" height="1" fill="{colour}"/>')
                x = end
        return "\n  ".join(out)

    write("Bitmap31", svg(49, 49, "masque du tacot", runs(lambda c: "#000000" if c else "#FFFFFF")))
    write("Bitmap32", svg(49, 49, "tacot", runs(lambda c: c or "#000000")))


# The tree: one trunk and its branches; the foliage thins and yellows from
# picture to picture and the fallen leaves gather on the ground.
def tree():
    rng = random.Random(9)
    clusters = []
    while len(clusters) < 34:  # leaf clusters within a round crown
        x, y = rng.uniform(16, 107), rng.uniform(10, 72)
        if ((x - 61.5) / 47) ** 2 + ((y - 41) / 33) ** 2 <= 1:
            clusters.append((x, y, rng.uniform(10, 15)))
    clusters.sort(key=lambda c: -c[1])  # the lowest go first
    fallen = [(rng.uniform(4, 119), rng.uniform(116, 121), rng.uniform(0, 180)) for _ in range(40)]
    greens = ["#2E9E3A", "#3BAE3A", "#6CB830", "#A8B828", "#D8B020", "#E89020", "#D86A1E", "#C0501A", "#A0401A"]
    trunk = "#7A4A22"
    wood = (f'<path d="M 55 123 L 57 80 L 40 52 L 45 49 L 59 70 L 60 40 L 66 40 L 66 66 L 82 46 L 87 50 '
            f'L 68 80 L 70 123 Z" fill="{trunk}" stroke="#4A2A10" stroke-width="1.5" stroke-linejoin="round"/>\n  '
            f'<path d="M 60 46 L 48 26 M 64 44 L 72 20 M 84 48 L 98 34 M 44 52 L 28 40" fill="none" '
            f'stroke="{trunk}" stroke-width="4" stroke-linecap="round"/>\n  '
            f'<path d="M 48 26 L 42 18 M 72 20 L 78 12 M 98 34 L 106 30 M 28 40 L 20 38" fill="none" '
            f'stroke="{trunk}" stroke-width="2.5" stroke-linecap="round"/>')
    for stage in range(9):
        keep = len(clusters) * (8 - stage) // 8
        colour = greens[stage]
        leaves = "\n  ".join(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="{r:.1f}" fill="{colour}" stroke="#1E5A20" '
                             f'stroke-width="1"/>' for x, y, r in clusters[len(clusters) - keep:])
        ground = "\n  ".join(f'<ellipse cx="{x:.1f}" cy="{y:.1f}" rx="3" ry="1.6" fill="{greens[min(8, stage + 2)]}" '
                             f'transform="rotate({a:.0f} {x:.1f} {y:.1f})"/>'
                             for x, y, a in fallen[: 5 * stage])
        body = (f'<rect x="0" y="0" width="123" height="123" fill="#FFFFFF"/>\n  {wood}\n  {leaves}\n  {ground}')
        write(f"Bitmap{40 + stage}", svg(123, 123, f"arbre, étape {stage + 1} sur 9", body))


def words():
    for name, word, colour in (("Bitmap55", "Non", "#C02020"), ("Bitmap56", "Oui", "#208030")):
        body = (f'<rect x="0" y="0" width="85" height="40" fill="#E8E8E8"/>\n  '
                f'<rect x="1.5" y="1.5" width="82" height="37" rx="6" fill="#FFFFFF" stroke="{colour}" '
                f'stroke-width="3"/>\n  '
                f'<text x="42.5" y="28" text-anchor="middle" font-family="Liberation Sans" font-weight="bold" '
                f'font-size="22" fill="{colour}">{word}</text>')
        write(name, svg(85, 40, word, body))


if __name__ == "__main__":
    catalogue()
    tractor()
    tree()
    words()

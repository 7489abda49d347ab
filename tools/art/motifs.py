#!/usr/bin/env python3
"""Writes the pictures of the pattern games (tesselo, cadenza, nevado), all
49 x 49: Bitmap00 the empty cell, Bitmap01 to Bitmap27 the abstract patterns,
Bitmap28 to Bitmap41 one friendly face on fourteen grounds; and 230, the
new-game button (29 x 29), a row of patterns.

Run it from anywhere; it writes into games/motifs/resources."""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(os.path.dirname(HERE)), "games", "motifs", "resources")

OUTLINE = "#1E1E28"
# Pattern i (1 .. 27) takes kind (i - 1) % 9 and colour (i - 1) % 7, so that
# neighbours in the catalogue differ in both, and two of one kind never share
# a colour (9 and 18 apart are not multiples of 7).
KINDS = ["rayures", "damier", "pois", "carres", "diagonales", "zigzag", "cible", "croix", "triangles"]
COLOURS = [("#E8302A", "#FFE3D6"), ("#2F6FE0", "#DDEBFF"), ("#2DB34A", "#E0F7DF"), ("#F2A900", "#FFF5CC"),
           ("#9A4BD6", "#F0E2FF"), ("#FF7A1E", "#FFE8D2"), ("#14A8B8", "#D8F6F8")]
# Fourteen grounds for the portraits, each far from its neighbours.
GROUNDS = ["#FF5A5A", "#4D8DFF", "#5CD65C", "#FFD23F", "#B36BFF", "#FF9F40", "#3FD1D1",
           "#FF7FC8", "#8C6A4A", "#A8E05F", "#5A5AC8", "#C8C8C8", "#2E8B57", "#FFB3A7"]


def svg(width, height, title, body):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n  <title>{title}</title>\n  {body}\n</svg>\n')


def write(name, text):
    with open(os.path.join(OUT, name + ".svg"), "w", encoding="utf-8") as f:
        f.write(text)


def border():
    return '<rect x="0.5" y="0.5" width="48" height="48" fill="none" stroke="#000000" stroke-width="1"/>'


def pattern(kind, ink, ground):
    parts = [f'<rect x="0" y="0" width="49" height="49" fill="{ground}"/>']
    s = f'fill="{ink}"'
    if kind == "rayures":
        parts += [f'<rect x="0" y="{y}" width="49" height="6" {s}/>' for y in range(4, 49, 12)]
    elif kind == "damier":
        parts += [f'<rect x="{x * 12.25:.2f}" y="{y * 12.25:.2f}" width="12.25" height="12.25" {s}/>'
                  for x in range(4) for y in range(4) if (x + y) % 2 == 0]
    elif kind == "pois":
        parts += [f'<circle cx="{x}" cy="{y}" r="5" {s}/>' for x in (9, 24.5, 40) for y in (9, 24.5, 40)]
    elif kind == "carres":
        parts += [f'<rect x="6" y="6" width="37" height="37" fill="none" stroke="{ink}" stroke-width="5"/>',
                  f'<rect x="17" y="17" width="15" height="15" {s}/>']
    elif kind == "diagonales":
        parts += [f'<polygon points="{a},0 {a + 7},0 {a + 7 - 49},49 {a - 49},49" {s}/>' for a in range(0, 100, 16)]
    elif kind == "zigzag":
        for y in (12, 28, 44):
            pts = " ".join(f"{x},{y - (8 if (x // 8) % 2 else 0)}" for x in range(-4, 54, 8))
            parts.append(f'<polyline points="{pts}" fill="none" stroke="{ink}" stroke-width="4" '
                         f'stroke-linejoin="miter"/>')
    elif kind == "cible":
        parts += [f'<circle cx="24.5" cy="24.5" r="20" {s}/>', f'<circle cx="24.5" cy="24.5" r="13" fill="{ground}"/>',
                  f'<circle cx="24.5" cy="24.5" r="6" {s}/>']
    elif kind == "croix":
        parts += [f'<rect x="18" y="4" width="13" height="41" {s}/>', f'<rect x="4" y="18" width="41" height="13" {s}/>']
    elif kind == "triangles":
        parts += [f'<polygon points="{x},{y + 20} {x + 11},{y} {x + 22},{y + 20}" {s}/>'
                  for x in (2, 25) for y in (3, 26)]
    parts.append(border())
    return "\n  ".join(parts)


def face(ground):
    return "\n  ".join([
        f'<rect x="0" y="0" width="49" height="49" fill="{ground}"/>',
        '<path d="M 9 22 Q 10 6 24.5 6 Q 39 6 40 22 Z" fill="#6B3E1E"/>',
        f'<circle cx="24.5" cy="26" r="15" fill="#FFD9B0" stroke="{OUTLINE}" stroke-width="1.5"/>',
        '<path d="M 10 21 Q 16 11 24.5 13 Q 33 11 39 21 Q 31 16 24.5 17 Q 18 16 10 21 Z" fill="#6B3E1E"/>',
        f'<circle cx="19" cy="24" r="2.2" fill="{OUTLINE}"/>',
        f'<circle cx="30" cy="24" r="2.2" fill="{OUTLINE}"/>',
        '<circle cx="15" cy="30" r="2.5" fill="#FF9A9A"/>',
        '<circle cx="34" cy="30" r="2.5" fill="#FF9A9A"/>',
        f'<path d="M 18 31 Q 24.5 38 31 31" fill="none" stroke="{OUTLINE}" stroke-width="2" stroke-linecap="round"/>',
        border()])


def main():
    os.makedirs(OUT, exist_ok=True)
    write("Bitmap00", svg(49, 49, "Case vide", '<rect x="0" y="0" width="49" height="49" fill="#FFFFFF"/>\n  '
                          '<rect x="0.5" y="0.5" width="48" height="48" fill="none" stroke="#000000" stroke-width="1"/>'))
    for i in range(1, 28):
        kind, (ink, ground) = KINDS[(i - 1) % 9], COLOURS[(i - 1) % 7]
        write(f"Bitmap{i:02d}", svg(49, 49, f"{kind} {ink}", pattern(kind, ink, ground)))
    for k, ground in enumerate(GROUNDS):
        write(f"Bitmap{28 + k:02d}", svg(49, 49, f"Portrait sur {ground}", face(ground)))
    cells = []
    for k, (kind, colour) in enumerate([(0, 0), (2, 1), (7, 2)]):
        ink, ground = COLOURS[colour]
        cells.append(f'<g transform="translate({1 + 9 * k},9) scale(0.1837)">{pattern(KINDS[kind], ink, ground)}</g>')
    write("230", svg(29, 29, "Nouvelle partie (une rangée de motifs)",
                     '<rect x="0" y="0" width="29" height="29" fill="#D4D0C8"/>\n  ' + "\n  ".join(cells)))


if __name__ == "__main__":
    main()

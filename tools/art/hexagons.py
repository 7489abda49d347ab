#!/usr/bin/env python3
"""Writes alveolo's fourteen cell pictures (42 x 48, a pointy-topped
hexagon on black) and the mask that goes with them.

The hexagon's outline is a staircase of whole pixels: a pixel belongs to the
hexagon when its centre lies inside (21,0) (42,12) (42,36) (21,48) (0,36)
(0,12). No pixel centre lies on an edge, so the mask is pure black on pure
white, every picture is pure black outside it, and neighbouring cells placed
42 pixels apart in a row, or 21 across and 36 down, meet without gap or overlap.
Everything else is drawn inside an inner hexagon two pixels in from the edge.

Run it from anywhere: python3 tools/art/hexagons.py; it writes into
games/alveolo/resources.
"""
import math
import os

OUT = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), "games", "alveolo", "resources")

W, H = 42, 48
CX, CY = 21, 24
HEX = [(21, 0), (42, 12), (42, 36), (21, 48), (0, 36), (0, 12)]


def span(y):
    yc = y + 0.5
    if yc < 12:
        w = 21 * yc / 12
    elif yc > 36:
        w = 21 * (48 - yc) / 12
    else:
        w = 21
    x0 = max(0, math.floor(20.5 - w) + 1)
    x1 = min(W, math.ceil(20.5 + w))
    return x0, x1


def staircase():
    right, left = [], []
    for y in range(H):
        x0, x1 = span(y)
        right += [(x1, y), (x1, y + 1)]
        left += [(x0, y), (x0, y + 1)]
    points = right + left[::-1]
    # Drop points in the middle of straight runs.
    kept = []
    for p in points:
        if len(kept) >= 2 and (kept[-2][0] == kept[-1][0] == p[0] or kept[-2][1] == kept[-1][1] == p[1]):
            kept[-1] = p
        else:
            kept.append(p)
    return " ".join(f"{x},{y}" for x, y in kept)


def hexagon(scale):
    pts = [(CX + (x - CX) * scale, CY + (y - CY) * scale) for x, y in HEX]
    return pts


def fmt(pts):
    return " ".join(f"{x:.2f},{y:.2f}" for x, y in pts)


OUTLINE = "#1C1C28"


def picture(title, body):
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{W}" height="{H}" viewBox="0 0 {W} {H}">
  <title>{title}</title>
  <rect x="0" y="0" width="{W}" height="{H}" fill="#000000"/>
  <polygon points="{staircase()}" fill="{OUTLINE}"/>
{body}</svg>
"""


def raised(face, light, shadow):
    """A raised cell: light on the upper left, shadow on the lower right."""
    t, ur, lr, b, ll, ul = hexagon(19 / 21)
    c = (CX, CY)
    return (f'  <polygon points="{fmt([ll, ul, t, ur, c])}" fill="{light}"/>\n'
            f'  <polygon points="{fmt([ur, lr, b, ll, c])}" fill="{shadow}"/>\n'
            f'  <polygon points="{fmt(hexagon(14 / 21))}" fill="{face}"/>\n')


def hidden():
    return raised("#B4BCC8", "#F2F5FA", "#66707E")


def sunk():
    """A revealed cell: a flat pale face with a thin darker rim."""
    return (f'  <polygon points="{fmt(hexagon(19 / 21))}" fill="#C9B98E"/>\n'
            f'  <polygon points="{fmt(hexagon(17 / 21))}" fill="#FFF7DE"/>\n')


NUMBER_COLOURS = ["", "#1546D6", "#0F7A2A", "#D81E1E", "#5B1A9E", "#8A3A0A", "#0A7080"]


def number(n):
    if n == 0:
        return ""
    colour = NUMBER_COLOURS[n]
    return (f'  <text x="21" y="35" text-anchor="middle" font-family="Liberation Sans" font-weight="bold" '
            f'font-size="31" fill="{colour}" stroke="{colour}" stroke-width="0.8">{n}</text>\n')


def flag(dx=0.0, dy=0.0):
    return (f'  <g transform="translate({dx},{dy})">\n'
            f'    <rect x="11" y="34" width="16" height="4" rx="1" fill="#2A2A2A"/>\n'
            f'    <rect x="16.5" y="9" width="3" height="27" fill="#3A2A1A"/>\n'
            f'    <polygon points="19.5,9.5 32,15.5 19.5,22" fill="#E8141C" stroke="#6A0008" stroke-width="1.2" '
            f'stroke-linejoin="round"/>\n'
            f'  </g>\n')


def mine(r=8.5):
    spikes = []
    for k in range(8):
        a = k * math.pi / 4
        x1, y1 = CX + math.cos(a) * (r + 4.5), CY + math.sin(a) * (r + 4.5)
        spikes.append(f'<line x1="{CX}" y1="{CY}" x2="{x1:.2f}" y2="{y1:.2f}" stroke="#000000" '
                      f'stroke-width="2.6" stroke-linecap="round"/>')
    return ("  " + "".join(spikes) + "\n"
            f'  <circle cx="{CX}" cy="{CY}" r="{r}" fill="#101010"/>\n'
            f'  <circle cx="{CX - r / 2.6:.2f}" cy="{CY - r / 2.6:.2f}" r="{r / 3.4:.2f}" fill="#FFFFFF"/>\n')


def burst():
    """A red and yellow explosion filling the cell."""
    face = f'  <polygon points="{fmt(hexagon(19 / 21))}" fill="#D7141A"/>\n'
    outer, inner = [], []
    for k in range(20):
        a = -math.pi / 2 + k * math.pi / 10
        rad = 17 if k % 2 == 0 else 9.5
        outer.append((CX + math.cos(a) * rad * 0.98, CY + math.sin(a) * rad))
        rad2 = 11.5 if k % 2 == 0 else 6
        inner.append((CX + math.cos(a) * rad2, CY + math.sin(a) * rad2))
    return (face + f'  <polygon points="{fmt(outer)}" fill="#FF8A00"/>\n'
            f'  <polygon points="{fmt(inner)}" fill="#FFE82A"/>\n')


def cleared():
    return (sunk() + '  <polyline points="11,25 18,33 31,15" fill="none" stroke="#0E7A2A" stroke-width="5" '
            'stroke-linecap="round" stroke-linejoin="round"/>\n')


def mask():
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="{W}" height="{H}" viewBox="0 0 {W} {H}">
  <title>Masque de l'alvéole</title>
  <rect x="0" y="0" width="{W}" height="{H}" fill="#FFFFFF"/>
  <polygon points="{staircase()}" fill="#000000"/>
</svg>
"""


def main():
    files = {}
    for n in range(7):
        files[f"BaseHexag{n}ppv"] = picture(f"Case déminée, {n} mine(s) autour", sunk() + number(n))
    files["BaseHexagCumDrapeau"] = picture("Case cachée avec un drapeau", hidden() + flag())
    files["BaseHexagCumMine"] = picture("Mine découverte", sunk() + mine())
    files["BaseHexagDemine"] = picture("Case déminée", cleared())
    files["BaseHexagExploseDrapeau"] = picture("Mine qui a sauté, sous un drapeau", burst() + flag())
    files["BaseHexagExplosion"] = picture("Mine qui a sauté", burst() + mine(7.5))
    files["BaseHexagPlusTour"] = picture("Case cachée", hidden())
    files["BaseHexagNoire"] = mask()
    for name, text in files.items():
        with open(os.path.join(OUT, f"{name}.svg"), "w", encoding="utf-8") as out:
            out.write(text)


if __name__ == "__main__":
    main()

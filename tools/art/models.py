#!/usr/bin/env python3
"""Writes calco's twenty model pictures, 29 x 29: models 0 to 11 are 5 x 5
blocks of 5 pixels from (2, 2), models 12 to 19 are 9 x 9 blocks of 3 pixels
from (1, 1), the rest white. Every block is a whole-pixel square of one
colour, so the rendered picture holds exactly these colours.

Run it from anywhere; it writes into games/calco/resources."""

import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(os.path.dirname(os.path.dirname(HERE)), "games", "calco", "resources")

COLOURS = {
    "R": "#E8302A",  # red
    "B": "#2F6FE0",  # blue
    "G": "#2DB34A",  # green
    "Y": "#FFC81E",  # yellow
    "O": "#FF8C1A",  # orange
    "V": "#9A4BD6",  # violet
    "P": "#FF4FA3",  # pink
    "C": "#29B6D8",  # cyan
    "K": "#8B5A2B",  # brown
}

MODELS = [
    ("Chiffre 4 manuscrit", ["R..B.", "R..B.", "RRRBR", "...B.", "...B."]),
    ("Signe plus", ["..R..", "..R..", "BBYBB", "..R..", "..R.."]),
    ("Lettre h", ["G....", "G....", "GOOO.", "G...O", "G...O"]),
    ("Losange", ["..R..", ".RYR.", "RYBYR", ".RYR.", "..R.."]),
    ("Chiffre 8", [".RRR.", "R...R", ".VVV.", "B...B", ".BBB."]),
    ("Damier", ["R.B.R", ".G.Y.", "B.R.B", ".Y.G.", "R.B.R"]),
    ("Lettre X", ["R...B", ".R.B.", "..V..", ".B.R.", "B...R"]),
    ("Chiffre 3", ["RRRR.", "....R", ".GGG.", "....B", "BBBB."]),
    ("Chiffre 4", ["..GB.", ".G.B.", "G..B.", "GGGBG", "...B."]),
    ("Lettre F", ["BBBBB", "B....", "BRRR.", "B....", "B...."]),
    ("Petit Carré", [".....", ".RBR.", ".B.B.", ".RBR.", "....."]),
    ("Lettre b", ["G....", "G....", "GPPP.", "G...P", "GPPP."]),
    ("Usine", [".C...C...", ".K...K...", ".K...K...", "OOOOOOOOO", "RBRBRBRBR",
               "RRRRRRRRR", "RBRRGRRBR", "RRRRGRRRR", "RRRRGRRRR"]),
    ("Sapin", ["....Y....", "...GGG...", "..GGRGG..", "...GGG...", "..GBGGG..",
               ".GGGGGRG.", "GGRGGGBGG", "....K....", "...KKK..."]),
    ("Fleur", ["...PPP...", "..PPPPP..", "..PPYPP..", "..PPPPP..", "...PPP...",
               "....G....", ".GG.G.GG.", "..GGGGG..", "....G...."]),
    ("Chiffre 5", [".RRRRRRR.", ".R.......", ".R.......", ".OOOOOO..", ".......O.",
                   ".......O.", ".......O.", ".O.....O.", "..OOOOO.."]),
    ("Chiffre 6", ["..BBBBBB.", ".B.......", ".B.......", ".BGGGGG..", ".B.....G.",
                   ".B.....G.", ".B.....G.", ".B.....G.", "..GGGGG.."]),
    ("Chiffre 8", ["..RRRRR..", ".R.....R.", ".R.....R.", ".R.....R.", "..VVVVV..",
                   ".B.....B.", ".B.....B.", ".B.....B.", "..BBBBB.."]),
    ("Lettre g", ["..VVVVVB.", ".V.....B.", ".V.....B.", ".V.....B.", "..VVVVVB.",
                  ".......B.", ".......B.", ".B.....B.", "..BBBBB.."]),
    ("Lettre k", [".R.......", ".R.......", ".R....O..", ".R...O...", ".R..O....",
                  ".ROO.....", ".R..G....", ".R...G...", ".R....G.."]),
]


def svg(name, rows):
    count = len(rows)
    block, offset = (5, 2) if count == 5 else (3, 1)
    parts = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        '<svg xmlns="http://www.w3.org/2000/svg" version="1.1" width="29" height="29" viewBox="0 0 29 29"'
        ' shape-rendering="crispEdges">',
        f"  <title>{name}</title>",
        '  <rect x="0" y="0" width="29" height="29" fill="#FFFFFF"/>',
    ]
    for r, row in enumerate(rows):
        assert len(row) == count, (name, row)
        for k, ch in enumerate(row):
            if ch != ".":
                x, y = offset + k * block, offset + r * block
                parts.append(f'  <rect x="{x}" y="{y}" width="{block}" height="{block}" fill="{COLOURS[ch]}"/>')
    parts.append("</svg>")
    return "\n".join(parts) + "\n"


def main():
    assert len(MODELS) == 20
    for number, (name, rows) in enumerate(MODELS):
        assert len(rows) == (5 if number < 12 else 9), name
        with open(os.path.join(OUT, f"Bitmap{number:02d}.svg"), "w", encoding="utf-8") as f:
            f.write(svg(name, rows))


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The picture cellaro-render draws, with matplotlib: a "label,count" list as
a square grid of filled, outlined boxes on a 639 x 639 PNG, grey from white
(count 0) to black (the largest count) as in the Gri scheme; label, count and
share in each box up to 121 entries; the header letters around a list of
exactly 1296 entries.

    grid_matplotlib.py LIST OUT.png
"""
import math
import sys

import matplotlib

matplotlib.use("Agg")
from matplotlib.backends.backend_agg import FigureCanvasAgg  # noqa: E402
from matplotlib.collections import PolyCollection  # noqa: E402
from matplotlib.figure import Figure  # noqa: E402

from lists import HEADER_TEXTS  # noqa: E402

SIZE = 639
DPI = 100
TEXT_POINTS = 12 * 72 / DPI  # 12-pixel text
BACKGROUND = "#efefef"
TEAL = "#004040"


def read_list(path):
    entries = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            label, _, count = line.rstrip("\r\n").partition(",")
            entries.append((label, int(count)))
    return entries


def draw(entries, out):
    n = len(entries)
    top = max(c for _, c in entries)
    total = sum(c for _, c in entries)
    side = math.isqrt(n - 1) + 1
    cell = math.floor(600 / side + 0.5)

    fig = Figure(figsize=(SIZE / DPI, SIZE / DPI), dpi=DPI, facecolor=BACKGROUND)
    ax = fig.add_axes([0, 0, 1, 1])
    ax.set_xlim(0, SIZE)
    ax.set_ylim(SIZE, 0)
    ax.axis("off")

    boxes, fills, texts = [], [], []
    for i, (label, count) in enumerate(entries):
        x = 15 + (i % side) * cell
        y = 15 + (i // side) * cell
        # A box covers pixels 5 .. cell+4 of its cell; its outline runs on
        # the outermost pixels' centres.
        a, b = 5.5, cell + 4.5
        boxes.append([(x + a, y + a), (x + b, y + a), (x + b, y + b), (x + a, y + b)])
        g = round(255 * (top - count) / top) / 255
        fills.append((g, g, g))
        if n <= 121:
            texts += [(x + 7, y + 7, label, "#ffff00"), (x + 7, y + 19, str(count), "#ff8000"),
                      (x + 7, y + 31, f"{100 * count / total:.2f}%", "#ff8000")]
    edges = [TEAL] * n if n <= 100 else fills
    ax.add_collection(PolyCollection(boxes, facecolors=fills, edgecolors=edges,
                                     linewidths=72 / DPI, antialiased=False))
    if n == 1296:
        for k, letter in enumerate(HEADER_TEXTS):
            texts += [(15 + k * cell + 7, 2, letter, "black"), (2, 15 + k * cell + 7, letter, "black")]
    for x, y, text, colour in texts:
        ax.text(x, y, text, color=colour, fontsize=TEXT_POINTS, family="DejaVu Sans",
                ha="left", va="top")
    FigureCanvasAgg(fig).print_png(out)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    draw(read_list(sys.argv[1]), sys.argv[2])

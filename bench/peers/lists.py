#!/usr/bin/env python3
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""The benchmark lists as files: the formula of bench/generated_lists.cpp
(GeneratedList), so the peers draw the very lists cellaro_bench measures.

    lists.py FOLDER [ENTRIES ...]   writes FOLDER/list-ENTRIES.txt (default 36 121 1296 10000)
"""
import os
import sys

# The alphabet's letters, in order (src/entries/alphabet.h).
HEADER_TEXTS = ("a b c \u00e7 d dh e \u00eb f g gj h i j k l ll m n nj o p q r rr "
                "s sh t th u v x xh y z zh").split()
SIZES = (36, 121, 1296, 10000)


def scattered_count(i):
    # A fixed walk over 0..1999 (7919 is prime to 2000).
    return (i * 7919 + 13) % 2000


def pair_label(i):
    n = len(HEADER_TEXTS)
    label = HEADER_TEXTS[(i // n) % n] + HEADER_TEXTS[i % n]
    if i >= n * n:
        label += str(i // (n * n))
    return label


def generated_list(entries):
    """`entries` lines "label,count" with CR LF endings, all accepted at threshold 0."""
    return "".join(f"{pair_label(i)},{scattered_count(i)}\r\n" for i in range(entries))


def write_lists(folder, sizes=SIZES):
    """Writes list-N.txt for each size; returns {size: path}."""
    os.makedirs(folder, exist_ok=True)
    paths = {}
    for entries in sizes:
        path = os.path.join(folder, f"list-{entries}.txt")
        with open(path, "wb") as out:
            out.write(generated_list(entries).encode("utf-8"))
        paths[entries] = path
    return paths


if __name__ == "__main__":
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    sizes = [int(a) for a in sys.argv[2:]] or SIZES
    for path in write_lists(sys.argv[1], sizes).values():
        print(path)

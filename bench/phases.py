#!/usr/bin/env python3
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Where a cellaro-render process spends its instructions, phase by phase.

Runs the program under callgrind for the four benchmark lists and for
--version, --help and a usage error, and prints the instructions (millions)
of each phase, from the inclusive cost of the functions that begin it:

    start     dynamic linking and library constructors (_dl_start, _dl_init)
    app       QGuiApplication construction (platform plugin, theme, palette)
    fonts     the font database: QFontDatabasePrivate::load wherever it runs
    fc-init   of that or of the teardown: fontconfig reading its configuration
    parse     reading the list file (ReadListFile), or the list text (ReadList)
    paint     PaintGrid, less the font database when the first text loads it
    texts     of paint, the picture's texts: layout, glyphs, blending
    encode    PNG encoding (the toolkit's writer or EncodePng)
    write     QSaveFile open, write, commit
    teardown  ~QGuiApplication, then the exit handlers

    phases.py BINARY [BINARY ...]
"""
import os
import re
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "peers"))
from lists import SIZES, write_lists  # noqa: E402

FUNCTIONS = {
    "dl_start": r"rtld\.c:_dl_start ",
    "dl_init": r"dl-init\.c:_dl_init ",
    "app": r"QGuiApplication::QGuiApplication\(int&, char\*\*, int\)",
    "fonts": r"QFontDatabasePrivate::load\(",
    "fc_init": r"FcInitLoadConfigAndFonts ",
    "surface": r"cellaro::ImageSurface::ImageSurface\(",
    "parse": r"cellaro::ReadList\(",
    "read_list": r"cellaro::ReadListFile\(",
    "paint": r"cellaro::PaintGrid\(",
    "texts": r"cellaro::TextPainter::Print\(",
    "toolkit_png": r"QImage::save\(QIODevice\*",
    "encode_png": r"cellaro::EncodePng\(",
    "save_open": r"QSaveFile::open\(",
    "save_write": r"QSaveFile::writeData\(",
    "save_commit": r"QSaveFile::commit\(",
    "dtor": r"QGuiApplication::~QGuiApplication\(\)",
    "exit": r"stdlib/exit\.c:exit ",
}
COLUMNS = ["total", "start", "app", "fonts", "fc-init", "parse", "paint", "texts", "encode", "write", "teardown", "rest"]


def inclusive_costs(profile):
    text = subprocess.run(["callgrind_annotate", "--inclusive=yes", "--threshold=100", profile],
                          capture_output=True, text=True, check=True).stdout
    total = int(re.search(r"^([\d,]+) .*PROGRAM TOTALS", text, re.M).group(1).replace(",", ""))
    costs = {"total": total}
    for key, pattern in FUNCTIONS.items():
        values = [int(m.group(1).replace(",", "")) for m in
                  re.finditer(r"^\s*([\d,]+) \([ \d.]+%\)\s+\S*" + pattern, text, re.M)]
        costs[key] = max(values, default=0)
    return costs


def phases(c):
    fonts_in_paint = c["fonts"] if c["fonts"] and c["surface"] < c["fonts"] else 0
    p = {
        "total": c["total"],
        "start": c["dl_start"] + c["dl_init"],
        "app": c["app"],
        "fonts": c["fonts"],
        "fc-init": c["fc_init"],
        "parse": max(c["read_list"], c["parse"]),
        "paint": max(c["paint"] - fonts_in_paint, 0),
        "texts": c["texts"],
        "encode": c["toolkit_png"] + c["encode_png"],
        "write": c["save_open"] + c["save_write"] + c["save_commit"],
        "teardown": c["dtor"] + c["exit"],
    }
    p["rest"] = p["total"] - sum(p[k] for k in ("start", "app", "fonts", "parse", "paint", "encode", "write",
                                                "teardown"))
    return p


def main():
    binaries = sys.argv[1:]
    if not binaries:
        sys.exit(__doc__)
    with tempfile.TemporaryDirectory() as folder:
        lists = write_lists(folder)
        cases = [(str(n), ["--list", lists[n], "-o", os.path.join(folder, "out.png")]) for n in SIZES]
        cases += [("--version", ["--version"]), ("--help", ["--help"]),
                  ("usage error", ["--scheme", "x", "-o", "x.png"])]
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        print("Instructions in millions (callgrind, inclusive per phase)\n")
        print("| binary | case | " + " | ".join(COLUMNS) + " |")
        print("|---" * (len(COLUMNS) + 2) + "|")
        for binary in binaries:
            for name, arguments in cases:
                profile = os.path.join(folder, "callgrind.out")
                subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={profile}", binary]
                               + arguments, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
                p = phases(inclusive_costs(profile))
                print(f"| {os.path.relpath(binary)} | {name} | "
                      + " | ".join(f"{p[k] / 1e6:.1f}" for k in COLUMNS) + " |", flush=True)


if __name__ == "__main__":
    main()

#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing (with the peers, gnuplot and matplotlib), builds
# in Release and runs every benchmark headless:
#   1. cellaro_bench: parse, paint, Show and repaint at 36, 121, 1296 and
#      10000 entries against two baselines, interleaved, with the ratios of
#      the fastest repetitions (arguments go to it, e.g.
#      ./bench.sh --benchmark_filter='Show|Baseline');
#   2. the window's start-up time and peak memory, offscreen;
#   3. cellaro-render as a whole process against gnuplot and matplotlib
#      drawing the same picture, runs interleaved;
#   4. the window on Xvfb from outside: start to first frame, and a key to
#      the changed picture with 10000 entries;
#   5. cellaro-count on a generated 100 MB text, beside wc -m.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
cellaro_ensure_packages "${CELLARO_PACKAGES[@]}" gnuplot-nox python3-matplotlib
cellaro_build release
export QT_QPA_PLATFORM=offscreen
build="$CELLARO_ROOT/build/release"
bin="$build/bench"
"$bin/cellaro_bench" "$@"
"$bin/cellaro_first_paint" 2>/dev/null
echo
python3 "$CELLARO_ROOT/bench/peers/run.py" --render "$build/src/render/cellaro-render" --runs 9
bash "$CELLARO_ROOT/bench/x11_timings.sh" "$build/src/app/cellaro" "$build/tests/app/clipboard" \
  "$build/tests/app/answer_time" 7 "$bin/cellaro_first_paint"
"$bin/cellaro_count_bench"

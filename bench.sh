#!/usr/bin/env bash
# Installs what is missing, builds in Release and runs the benchmark suite
# headless, ending with a table of median times and the ratios to the two
# baselines, then the window's start-up time and peak memory. Arguments go
# to the benchmark program, for instance
#   ./bench.sh --benchmark_filter='Show|Baseline'
#   ./bench.sh --benchmark_repetitions=21
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
cellaro_ensure_packages
cellaro_build release
export QT_QPA_PLATFORM=offscreen
bin="$CELLARO_ROOT/build/release/bench"
"$bin/cellaro_bench" "$@"
if [ -x "$bin/cellaro_first_paint" ]; then
  "$bin/cellaro_first_paint" 2>/dev/null
fi

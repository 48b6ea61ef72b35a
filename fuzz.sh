#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang (libFuzzer + AddressSanitizer +
# UndefinedBehaviorSanitizer) into build/fuzz and runs each in turn:
#   show_list    the Show action and the grid painter
#   list_input   the renderer's reading of a list file: decoding, pieces,
#                the size limit
#   ./fuzz.sh [SECONDS] [TARGET...]   fuzz each target for SECONDS
#                                      (default 60; default targets: both)
# New inputs collect in build/fuzz/corpus/<target>; the small starting
# corpora in tests/fuzz/corpus/<target> are only read. A crash or broken
# invariant leaves its input in build/fuzz/artifacts/ and makes this script
# exit non-zero.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

seconds="${1:-60}"
case "$seconds" in
  ''|*[!0-9]*) echo "usage: $0 [SECONDS] [show_list|list_input ...]" >&2; exit 2 ;;
esac
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(show_list list_input)
for target in "${targets[@]}"; do
  case "$target" in
    show_list|list_input) ;;
    *) echo "usage: $0 [SECONDS] [show_list|list_input ...]" >&2; exit 2 ;;
  esac
done

cellaro_ensure_packages "${CELLARO_PACKAGES[@]}" clang libclang-rt-14-dev

dir="$CELLARO_ROOT/build/fuzz"
cmake -S "$CELLARO_ROOT" -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCELLARO_SANITIZE=ON -DCELLARO_FUZZ=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
executables=()
for target in "${targets[@]}"; do executables+=("fuzz_$target"); done
cmake --build "$dir" --target "${executables[@]}" -j"$(nproc)" -- --no-print-directory >/dev/null \
  || cmake --build "$dir" --target "${executables[@]}" -j1

mkdir -p "$dir/artifacts"
export QT_QPA_PLATFORM=offscreen
# Leak checking stays on: the harnesses own nothing that outlives an input
# except their starting tables, statics still reachable at exit.
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
for target in "${targets[@]}"; do
  echo "== fuzz_$target for $seconds s"
  mkdir -p "$dir/corpus/$target"
  "$dir/tests/fuzz/fuzz_$target" \
    -max_total_time="$seconds" -max_len=4096 -timeout=20 -rss_limit_mb=4096 \
    -print_final_stats=1 -artifact_prefix="$dir/artifacts/$target-" \
    "$dir/corpus/$target" "$CELLARO_ROOT/tests/fuzz/corpus/$target"
done

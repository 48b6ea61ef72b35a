#!/usr/bin/env bash
# Builds the fuzz target with clang (libFuzzer + AddressSanitizer +
# UndefinedBehaviorSanitizer) into build/fuzz and runs it.
#   ./fuzz.sh [SECONDS]   fuzz for SECONDS (default 60), then print the stats
# New inputs collect in build/fuzz/corpus; the small starting corpus in
# tests/fuzz/corpus is only read. A crash or broken invariant leaves its
# input in build/fuzz/artifacts/ and makes this script exit non-zero.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

seconds="${1:-60}"
case "$seconds" in
  ''|*[!0-9]*) echo "usage: $0 [SECONDS]" >&2; exit 2 ;;
esac

cellaro_ensure_packages "${CELLARO_PACKAGES[@]}" clang libclang-rt-14-dev

dir="$CELLARO_ROOT/build/fuzz"
cmake -S "$CELLARO_ROOT" -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCELLARO_SANITIZE=ON -DCELLARO_FUZZ=ON -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON >/dev/null
cmake --build "$dir" --target fuzz_show_list -j"$(nproc)" -- --no-print-directory >/dev/null \
  || cmake --build "$dir" --target fuzz_show_list -j1

mkdir -p "$dir/corpus" "$dir/artifacts"
export QT_QPA_PLATFORM=offscreen
# Leak checking stays on: the harness owns nothing that outlives an input
# except the one starting table, which is a static still reachable at exit.
export ASAN_OPTIONS="${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
exec "$dir/tests/fuzz/fuzz_show_list" \
  -max_total_time="$seconds" -max_len=4096 -timeout=20 -rss_limit_mb=4096 \
  -print_final_stats=1 -artifact_prefix="$dir/artifacts/" \
  "$dir/corpus" "$CELLARO_ROOT/tests/fuzz/corpus"

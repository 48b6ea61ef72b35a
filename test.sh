#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds, and runs the whole test suite headless.
#   ./test.sh             Release build, all tests
#   ./test.sh --sanitize  the same under AddressSanitizer + UndefinedBehaviorSanitizer
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

build=release
cmake_args=()
case "${1:-}" in
  "") ;;
  # Benchmarks are left out of the sanitizer build: they prove nothing there
  # and would only lengthen CI.
  --sanitize) build=sanitize
    cmake_args=(-DCELLARO_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_DISABLE_FIND_PACKAGE_benchmark=ON)
    # Any finding fails its test: no recovery, leaks included. Not
    # strict_string_checks: it takes strndup's bound for a terminator, and the
    # X keyboard library legitimately copies unterminated names that way.
    export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1}"
    export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
    # Leaks inside system libraries only, each with its reason there.
    export LSAN_OPTIONS="${LSAN_OPTIONS:-suppressions=$(cd "$(dirname "$0")" && pwd)/tests/lsan.supp:print_suppressions=0}" ;;
  *) echo "usage: $0 [--sanitize]" >&2; exit 2 ;;
esac

cellaro_ensure_packages
cellaro_ensure_locale de_DE.UTF-8
cellaro_build "$build" "${cmake_args[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$CELLARO_ROOT/build/$build" --output-on-failure -j"$(nproc)"

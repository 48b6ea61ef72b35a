#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite headless.
#   ./test.sh             Release build, all tests
#   ./test.sh --sanitize  the same under AddressSanitizer + UndefinedBehaviorSanitizer
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"

build=release
cmake_args=()
case "${1:-}" in
  "") ;;
  --sanitize) build=sanitize; cmake_args=(-DCELLARO_SANITIZE=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
  *) echo "usage: $0 [--sanitize]" >&2; exit 2 ;;
esac

cellaro_ensure_packages
cellaro_build "$build" "${cmake_args[@]}"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$CELLARO_ROOT/build/$build" --output-on-failure -j"$(nproc)"

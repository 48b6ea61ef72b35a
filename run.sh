#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds in Release and starts Cellaro. Where no
# display is reachable the program says so in one line and exits with 1.
set -euo pipefail
source "$(dirname "$0")/scripts/setup.sh"
cellaro_ensure_packages
CELLARO_TARGETS=cellaro cellaro_build release
exec "$CELLARO_ROOT/build/release/src/app/cellaro" "$@"

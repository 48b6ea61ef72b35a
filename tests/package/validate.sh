#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a validator on a file; its findings fail the test.
#   validate.sh <validator> [<argument>...] <file>
# Exits 77 (skipped) only when the validator is not installed.
set -euo pipefail
command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed"; exit 77; }
output=$("$@" 2>&1) || { echo "FAIL: $output"; exit 1; }
# desktop-file-validate reports warnings but passes them.
if [ "$1" = desktop-file-validate ] && [ -n "$output" ]; then echo "FAIL: $output"; exit 1; fi
echo "PASS: $output"

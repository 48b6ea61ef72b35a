#!/usr/bin/env bash
# SPDX-FileCopyrightText: the Cellaro developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every folder of src/ is a layer and includes only from itself and the
# layers below it:
#   app -> window, render -> paint -> entries -> surface
#   count -> cli -> surface
# Fails on an include that points up or sideways, or names a folder that
# has no place in the order.
#   include_layers.sh <src>
set -euo pipefail
src=$1

declare -A rank=([surface]=0 [entries]=1 [cli]=1 [paint]=2 [count]=2 [window]=3 [render]=3 [app]=4)

failures=0
while IFS= read -r -d '' file; do
  folder=${file#"$src"/}
  folder=${folder%%/*}
  if [ -z "${rank[$folder]+set}" ]; then
    echo "FAIL: $file: folder \"$folder\" has no place in the layer order"
    failures=$((failures + 1))
    continue
  fi
  while IFS= read -r included; do
    target=${included%%/*}
    if [ "$target" = "$included" ]; then
      echo "FAIL: $file: #include \"$included\" names no folder"
      failures=$((failures + 1))
    elif [ "$target" != "$folder" ] && { [ -z "${rank[$target]+set}" ] || [ "${rank[$target]}" -ge "${rank[$folder]}" ]; }; then
      echo "FAIL: $file: #include \"$included\" points from $folder to $target"
      failures=$((failures + 1))
    fi
  done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find "$src" -type f \( -name '*.h' -o -name '*.cpp' -o -name '*.h.in' \) -print0)

[ "$failures" -eq 0 ] || exit 1
echo "PASS: every include in $src points to its own folder or one below"

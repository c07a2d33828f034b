#!/usr/bin/env bash
# Fails when a source file includes a header of a module above its own
# (gui <- plan <- run <- app): the link check in cmake/modules.cmake catches
# calls upwards, this catches an include that uses only types or inlines.
# Tests and the benchmark may include any module.
set -euo pipefail
cd "$(dirname "$0")/.."
rank() {
  case $1 in gui) echo 0 ;; plan) echo 1 ;; run) echo 2 ;; app) echo 3 ;; *) echo -1 ;; esac
}
bad=0
while IFS= read -r file; do
  module=${file#src/}
  module=${module%%/*}
  own=$(rank "$module")
  while IFS=: read -r line included; do
    target=${included%%/*}
    if [ "$(rank "$target")" -gt "$own" ]; then
      echo "$file:$line: includes \"$included\", a header of $target above $module" >&2
      bad=1
    fi
  done < <(grep -n '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$file" |
    sed 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1:\2/')
done < <(find src -name '*.cpp' -o -name '*.h' | sort)
[ "$bad" = 0 ] || exit 1
echo "layers: every include points down"

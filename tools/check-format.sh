#!/usr/bin/env bash
# Checks that every C++ source follows .clang-format (the house style); lists
# the files that do not. tools/check-format.sh --fix rewrites them.
set -euo pipefail
cd "$(dirname "$0")/.."
# Found on disk, not through git, so a copy without its history checks too.
mapfile -t files < <(find src tests bench tools cmake -type f \( -name '*.cpp' -o -name '*.h' \) | sort)
if [ "${1:-}" = --fix ]; then
  clang-format -i --style=file "${files[@]}"
  exit 0
fi
# One run over all files; its complaints name file and line.
if ! out=$(clang-format --dry-run --Werror --style=file "${files[@]}" 2>&1); then
  echo "not in the house style (tools/check-format.sh --fix rewrites them):" >&2
  grep -o '^[^:]*:[0-9]*' <<<"$out" | cut -d: -f1 | sort -u | sed 's/^/  /' >&2
  exit 1
fi
echo "format: ${#files[@]} files in the house style"

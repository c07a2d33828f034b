#!/usr/bin/env bash
# Checks the release zip: the stripped, large-address-aware 32-bit program
# with version 1.0 and the readme, nothing else. Given a test program of the
# i686 test build (test_res), it also starts the program from the zip with it,
# under the Wine that tools/wine-env.sh set up: the main window must appear
# and the program end with exit code 0 when it is closed.
# Usage: tools/check-release.sh build/x86/bundelor-1.0.zip [test_res.exe]
set -euo pipefail
zip=$1
starter=${2:-}
fail() { echo "release check: $*" >&2; exit 1; }
[ -f "$zip" ] || fail "$zip is missing (cmake --build --preset x86 --target release)"
listing=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[ "$listing" = "LIESMICH-README.txt bundelor.exe " ] || fail "unexpected contents: $listing"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
unzip -q "$zip" -d "$dir"
exe=$dir/bundelor.exe
i686-w64-mingw32-objdump -f "$exe" | grep -q "file format pei-i386" || fail "bundelor.exe is not a 32-bit program"
i686-w64-mingw32-objdump -t "$exe" | grep -q "no symbols" || fail "bundelor.exe is not stripped"
# 4 GiB of address space under WoW64 instead of 2 GiB.
headers=$(i686-w64-mingw32-objdump -p "$exe")
grep -q "large address aware" <<<"$headers" || fail "bundelor.exe is not large-address-aware"
strings -el -n 3 "$exe" | grep -A1 -x ProductVersion | tail -1 | grep -qx "1.0" ||
  fail "bundelor.exe has no product version 1.0"
# Notepad on older Windows wants CRLF and a byte-order mark to show the umlauts.
head -c 3 "$dir/LIESMICH-README.txt" | od -An -tx1 | grep -q "ef bb bf" || fail "readme has no UTF-8 BOM"
grep -q $'\r$' "$dir/LIESMICH-README.txt" || fail "readme lines do not end in CRLF"
if [ -n "$starter" ]; then
  started=$(BUNDELOR_EXE="Z:${exe//\//\\}" "$(dirname "$0")/wine-run.sh" "$starter" \
    --gtest_filter='Program.*' --gtest_color=no 2>&1) || fail "the shipped program: $started"
  grep -q "PASSED.* 1 test" <<<"$started" || fail "the start test did not run: $started"
  echo "release check: the shipped program started and ended with exit code 0"
fi
echo "release check: $zip is fine"

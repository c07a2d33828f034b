#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# With the argument wine32 also a 32-bit Wine beside wine64 (multiarch
# wine32:i386), for the 32-bit test lanes, where this machine runs 32-bit code.
# A base package that cannot be installed fails the command. The 32-bit Wine
# that cannot does not: build/wine32-missing then says why, and tools/test.sh
# skips the 32-bit lanes with that reason. An index apt-get update cannot
# fetch is a warning only: the install that follows decides. A failed update
# or install is tried once more after BUNDELOR_APT_PAUSE seconds (default 5),
# for a mirror in the middle of a sync.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
pause=${BUNDELOR_APT_PAUSE:-5}
missing_note=build/wine32-missing
rm -f "$missing_note"
log=$(mktemp)
trap 'rm -f "$log"' EXIT
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
# apt's words without the mirror's name: no URL's host, no address, no quoted host name.
hostless() {
  sed -u -E "s#[a-z][a-z0-9+]*://[^/ ]*/?##g; s# *\[IP: [^]]*\]##g; s#'[^' ]+\.[^' ]+'#the mirror#g"
}
again() {
  echo "$1 failed; once more in $pause s"
  sleep "$pause"
}
updated=false
# Refreshes the package lists; an index left out only warns, with apt's errors.
update() {
  local out
  updated=true
  out=$($SUDO apt-get update -q 2>&1) && return 0
  again "apt-get update"
  out=$($SUDO apt-get update -q 2>&1) && return 0
  echo "warning: apt-get update failed; going on with the lists apt has:"
  { grep '^E: ' <<<"$out" || tail -n 1 <<<"$out"; } | hostless | sed 's/^/  /'
}
# install <package...>: a plain install that leaves the installed packages as
# they are: with -y and without --allow-downgrades apt refuses a downgrade, and
# --no-remove makes it stop rather than remove one. The output is kept in $log.
install() {
  local try
  for try in 1 2; do
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends \
      --no-remove "$@" 2>&1 | hostless | tee "$log" && return 0
    [ "$try" = 2 ] || again "apt-get install"
  done
  return 1
}
# apt's first error line of the last install, without "E: " and the full stop.
first_error() {
  local line
  line=$(grep -m 1 '^E: ' "$log") || line="E: apt-get install failed without an error line"
  line=${line#E: }
  echo "${line%.}"
}

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  googletest wine64 fonts-wine xvfb xdotool imagemagick python3 zip unzip binutils
  clang-format)
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  update
  if ! install "${missing[@]}"; then
    echo "the packages the 64-bit build and lane need could not be installed: $(first_error)" >&2
    exit 1
  fi
fi
# wine64 stays the loader the scripts call (/usr/lib/wine/wine64); the i386
# package adds /usr/lib/wine/wine, the 32-bit one.
if [ "${1:-}" = wine32 ] && ! installed wine32:i386 && tools/runs-32bit.sh >/dev/null; then
  echo "Installing: wine32:i386"
  why=""
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    # The lists read so far hold no i386 packages.
    updated=false
    $SUDO dpkg --add-architecture i386 || why="dpkg could not add the architecture i386"
  fi
  [ -n "$why" ] || $updated || update
  if [ -z "$why" ] && ! install wine32:i386; then
    why="wine32:i386 could not be installed: $(first_error)"
  fi
  if [ -n "$why" ]; then
    mkdir -p build
    echo "$why" >"$missing_note"
    echo "warning: $why; the 32-bit lanes (win32, wow64) cannot run"
  fi
fi

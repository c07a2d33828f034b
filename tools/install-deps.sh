#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# With the argument wine32 also a 32-bit Wine beside wine64 (multiarch
# wine32:i386), for the 32-bit test lanes, where this machine runs 32-bit code.
set -euo pipefail
cd "$(dirname "$0")/.."
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed"; }
packages=(cmake ninja-build g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  googletest wine64 fonts-wine xvfb xdotool imagemagick python3 zip unzip binutils
  clang-format)
missing=()
for p in "${packages[@]}"; do
  installed "$p" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
# wine64 stays the loader the scripts call (/usr/lib/wine/wine64); the i386
# package adds /usr/lib/wine/wine, the 32-bit one.
if [ "${1:-}" = wine32 ] && ! installed wine32:i386 && tools/runs-32bit.sh >/dev/null; then
  echo "Installing: wine32:i386"
  dpkg --print-foreign-architectures | grep -qx i386 || $SUDO dpkg --add-architecture i386
  $SUDO apt-get update -q
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q --no-install-recommends wine32:i386
fi

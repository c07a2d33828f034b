#!/usr/bin/env bash
# Runs one Windows program under wine64 (CTest's emulator). WINEPREFIX and
# DISPLAY come from the caller (tools/test.sh starts both).
# A German Windows locale, as the program's users have; number formatting must
# not depend on it. (Given through env so bash does not try the glibc locale.)
exec env LC_ALL=de_DE.UTF-8 /usr/lib/wine/wine64 "$@"

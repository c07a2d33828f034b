#!/usr/bin/env bash
# Runs one Windows program under Wine (CTest's emulator): wine64 unless
# BUNDELOR_WINE names another loader. WINEPREFIX and DISPLAY come from the
# caller (tools/wine-env.sh sets all three).
# A German Windows locale, as the program's users have; number formatting must
# not depend on it. (Given through env so bash does not try the glibc locale.)
exec env LC_ALL=de_DE.UTF-8 "${BUNDELOR_WINE:-/usr/lib/wine/wine64}" "$@"

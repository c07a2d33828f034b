#!/usr/bin/env bash
# Installs what is missing, builds the 64-bit and the 32-bit program, and runs
# every test under wine64 on a private Xvfb display.
# Extra arguments go to ctest (for example -R gui).
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset x64 >/dev/null
cmake --build --preset x64
cmake --preset x86 >/dev/null
cmake --build --preset x86 --target bundelor release
. tools/wine-env.sh
wine_env_start build/x64
trap wine_env_stop EXIT
ctest --preset x64 "$@"

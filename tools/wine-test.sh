#!/usr/bin/env bash
# Runs one test program of a build tree under Wine on a private Xvfb display,
# for work on a single area: tools/wine-test.sh build/x64 test_gui --gtest_filter=Gadget*
# The i686 test build in a 32-bit prefix:
#   BUNDELOR_WINEARCH=win32 tools/wine-test.sh build/x86-tests test_gui
set -euo pipefail
build=$1
exe=$2
shift 2
cd "$(dirname "$0")/.."
. tools/wine-env.sh
wine_env_start "$build"
trap wine_env_stop EXIT
# The end-to-end tests start the program through the runner from a Linux shell.
export BUNDELOR_WINE_RUN="$(pwd)/tools/wine-run.sh"
tools/wine-run.sh "$build/tests/$exe.exe" "$@"

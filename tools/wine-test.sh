#!/usr/bin/env bash
# Runs one test program of a build tree under wine64 on a private Xvfb display,
# for work on a single area: tools/wine-test.sh build/x64 test_gui --gtest_filter=Gadget*
set -euo pipefail
build=$1
exe=$2
shift 2
cd "$(dirname "$0")/.."
. tools/wine-env.sh
wine_env_start "$build"
trap wine_env_stop EXIT
tools/wine-run.sh "$build/tests/$exe.exe" "$@"

#!/usr/bin/env bash
# Regenerates docs/main-window.png (a filled preview), the same at 150 %
# display scale (docs/main-window-144dpi.png) and docs/progress-window.png (a
# copy in progress): the end-to-end test program drives the real program on a
# private Xvfb display and saves each window.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset x64 >/dev/null
cmake --build --preset x64 --target bundelor test_e2e
out="$PWD/build/screenshots"
rm -rf "$out"
mkdir -p "$out"
. tools/wine-env.sh
wine_env_start build/x64
trap wine_env_stop EXIT
BUNDELOR_SCREENSHOT_DIR="Z:$out" tools/wine-run.sh build/x64/tests/test_e2e.exe \
  --gtest_also_run_disabled_tests --gtest_color=no \
  --gtest_filter='DISABLED_Screenshots.*:DISABLED_ScaledScreenshots.*'
for name in main-window main-window-144dpi progress-window; do
  convert "$out/$name.bmp" -strip "docs/$name.png"
  echo "docs/$name.png"
done

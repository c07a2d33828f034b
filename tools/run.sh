#!/usr/bin/env bash
# Installs what is missing, builds the 64-bit program and starts it under
# wine64. With no DISPLAY it runs on its own Xvfb, saves a screenshot of the
# main window to build/screenshot.png and ends.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset x64 >/dev/null
cmake --build --preset x64 --target bundelor window_rect
. tools/wine-env.sh
if [ -n "${DISPLAY:-}" ]; then
  BUNDELOR_OWN_DISPLAY=0 wine_env_start build/x64
  trap wine_env_stop EXIT
  tools/wine-run.sh build/x64/bundelor.exe
  exit 0
fi
wine_env_start build/x64
trap wine_env_stop EXIT
tools/wine-run.sh build/x64/bundelor.exe &
app=$!
title="Quoddle - Bundelor 1.0"
for _ in $(seq 1 100); do
  xdotool search --name "^$title\$" >/dev/null 2>&1 && break
  sleep 0.2
done
sleep 1
# The Wine virtual desktop is one X window; cut the main window out of it.
python3 tools/screenshot_window.py "$title" build/screenshot.png || import -window root build/screenshot.png
echo "Screenshot: build/screenshot.png"
/usr/lib/wine/wine64 taskkill /im bundelor.exe >/dev/null 2>&1 || true
wait "$app" 2>/dev/null || true

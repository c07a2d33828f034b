# Sourced by the build scripts: a Wine prefix inside a build tree and an Xvfb
# display, both started here and stopped by wine_env_stop.
#   wine_env_start <build dir> [win64|win32]
# win64 (the default, or BUNDELOR_WINEARCH): build/<dir>/wineprefix under
# wine64, which runs a 32-bit program under WoW64 where a 32-bit Wine is
# installed. win32: build/<dir>/wineprefix-win32 under the 32-bit loader, a
# 32-bit Windows. The loader goes to tools/wine-run.sh in BUNDELOR_WINE.
WINESERVER64=/usr/lib/wine/wineserver64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

_bundelor_xvfb_pid=""
_bundelor_other_fs=""

wine_env_start() {
  local build_dir arch wine
  build_dir=$(cd "$1" && pwd)
  arch=${2:-${BUNDELOR_WINEARCH:-win64}}
  if [ "$arch" = win32 ]; then
    export WINEPREFIX="$build_dir/wineprefix-win32"
    wine=/usr/lib/wine/wine
  else
    export WINEPREFIX="$build_dir/wineprefix"
    wine=/usr/lib/wine/wine64
  fi
  export BUNDELOR_WINE=$wine
  if [ -z "${DISPLAY:-}" ] || [ "${BUNDELOR_OWN_DISPLAY:-1}" = 1 ]; then
    local n=90
    while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    _bundelor_xvfb_pid=$!
    export DISPLAY=":$n"
    for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  fi
  if [ ! -f "$WINEPREFIX/.bundelor-ready-3" ]; then
    rm -rf "$WINEPREFIX"
    WINEARCH=$arch "$wine" wineboot -i >/dev/null 2>&1 </dev/null || true
    "$WINESERVER64" -w
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    # A virtual desktop: Wine draws the frames itself and destroying a window
    # does not stall for lack of a window manager. Large enough for the main
    # window at 200 % display scale.
    "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1280x1024 /f >/dev/null 2>&1
    # No debugger for a crash: the program ends at once with an error code, and
    # the test fails, instead of waiting for a debugger that may never finish.
    "$wine" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f \
      >/dev/null 2>&1
    "$WINESERVER64" -w
    touch "$WINEPREFIX/.bundelor-ready-3"
  fi
  # C:\tmpfs: a folder on another file system than the prefix (when Linux has
  # a tmpfs at /dev/shm), for moves between file systems. Gone after the tests.
  _bundelor_other_fs="/dev/shm/bundelor-$(printf %s "$WINEPREFIX" | md5sum | cut -c1-12)"
  rm -f "$WINEPREFIX/drive_c/tmpfs"
  if mkdir -p "$_bundelor_other_fs" 2>/dev/null &&
     [ "$(stat -c %d "$_bundelor_other_fs")" != "$(stat -c %d "$WINEPREFIX")" ]; then
    ln -s "$_bundelor_other_fs" "$WINEPREFIX/drive_c/tmpfs"
  fi
  # Helper processes inherit the first process's stdio; start them here with
  # stdio closed so CTest does not wait on them. That first process puts the
  # display scale back to 100 %, in case a run that scaled it was killed.
  "$WINESERVER64" -p >/dev/null 2>&1 </dev/null
  "$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f \
    >/dev/null 2>&1 </dev/null || true
}

wine_env_stop() {
  "$WINESERVER64" -k >/dev/null 2>&1 || true
  [ -n "$_bundelor_other_fs" ] && rm -rf "$_bundelor_other_fs"
  if [ -n "$_bundelor_xvfb_pid" ]; then
    kill "$_bundelor_xvfb_pid" 2>/dev/null || true
    wait "$_bundelor_xvfb_pid" 2>/dev/null || true
    _bundelor_xvfb_pid=""
  fi
}

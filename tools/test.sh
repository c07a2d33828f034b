#!/usr/bin/env bash
# Installs what is missing, checks the house style (tools/check-format.sh), that
# includes point down the modules (tools/check-layers.sh) and the install's
# decisions (tests/tools/install_deps_test.sh), builds, and runs
# the test lanes, each under Wine
# on a private Xvfb display:
#   x64    the 64-bit build (build/x64) with every test under wine64;
#   win32  the i686 test build (build/x86-tests) with every test in a 32-bit
#          prefix, like 32-bit Windows;
#   wow64  the same in a 64-bit prefix, like 64-bit Windows (WoW64).
# In both 32-bit lanes the tests that start or read bundelor.exe take the
# shipped one, as it comes out of the release zip. All three run by default;
# where the machine cannot run 32-bit code or the 32-bit Wine cannot be
# installed, one line says why and the command passes or fails with x64 alone.
# BUNDELOR_LANES narrows the choice (for example BUNDELOR_LANES=x64). Extra
# arguments go to each lane's ctest (for example -R gui).
set -euo pipefail
cd "$(dirname "$0")/.."
lanes=" ${BUNDELOR_LANES:-x64 win32 wow64} "
for lane in $lanes; do
  case $lane in x64 | win32 | wow64) ;; *) echo "unknown lane: $lane" >&2; exit 2 ;; esac
done
has() { [[ $lanes == *" $1 "* ]]; }
lanes32=false
if has win32 || has wow64; then lanes32=true; fi

if $lanes32; then tools/install-deps.sh wine32; else tools/install-deps.sh; fi
# The house style and the install's decisions first: quick refusals before a long build.
tools/check-format.sh
tools/check-layers.sh
tests/tools/install_deps_test.sh
if has x64; then
  cmake --preset x64 >/dev/null
  cmake --build --preset x64
fi
cmake --preset x86 >/dev/null
cmake --build --preset x86 --target bundelor release
shipped_exe=""
not_run="32-bit lanes (win32, wow64) not run: not chosen in BUNDELOR_LANES; the i686 tests were built only."
# Built in every case, even where it cannot run: the tests compile for the
# shipped architecture (stdcall callbacks, 32-bit sizes).
cmake --preset x86-tests >/dev/null
cmake --build --preset x86-tests
if $lanes32; then
  not_run=""
  why=$(tools/runs-32bit.sh) || true
  # Left by tools/install-deps.sh where the 32-bit Wine could not be installed.
  if [ -z "$why" ] && [ -f build/wine32-missing ]; then why=$(<build/wine32-missing); fi
  if [ -n "$why" ]; then
    not_run="32-bit lanes (win32, wow64) did not run: $why; the i686 tests were built only."
  else
    # The file from the zip itself, byte for byte what users get.
    rm -rf build/x86-tests/shipped
    unzip -q build/x86/bundelor-*.zip bundelor.exe -d build/x86-tests/shipped
    shipped_exe="Z:$(pwd)/build/x86-tests/shipped/bundelor.exe"
    shipped_exe=${shipped_exe//\//\\}
  fi
fi

. tools/wine-env.sh
trap wine_env_stop EXIT
failed=""
# run_lane <name> <build dir> <preset> <prefix arch> <program under test or ""> [ctest arguments]
run_lane() {
  local name=$1 build=$2 preset=$3 arch=$4 exe=$5 start=$SECONDS
  shift 5
  echo "== lane $name"
  wine_env_start "$build" "$arch"
  env ${exe:+BUNDELOR_EXE="$exe"} ctest --preset "$preset" "$@" || failed="$failed $name"
  wine_env_stop
  echo "== lane $name: $((SECONDS - start)) s"
}
if has x64; then run_lane x64 build/x64 x64 win64 "" "$@"; fi
if [ -n "$shipped_exe" ] && has win32; then
  run_lane win32 build/x86-tests x86-tests win32 "$shipped_exe" "$@"
fi
if [ -n "$shipped_exe" ] && has wow64; then
  run_lane wow64 build/x86-tests x86-tests win64 "$shipped_exe" "$@"
fi
[ -z "$not_run" ] || echo "$not_run"
if [ -n "$failed" ]; then
  echo "failed lanes:$failed" >&2
  exit 1
fi

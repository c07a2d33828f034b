#!/usr/bin/env bash
# Plays tools/test.sh with the real tools/install-deps.sh against stand-in
# apt-get, dpkg and dpkg-query in a temporary directory (build and Wine
# stubbed as well): which lanes run, the line for skipped 32-bit lanes, the
# retries, and that nothing the script prints names the mirror.
set -euo pipefail
src=$(cd "$(dirname "$0")/../.." && pwd)
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
root=$tmp/root bin=$tmp/bin
mkdir -p "$root/tools" "$root/tests/tools" "$bin"
cp "$src/tools/test.sh" "$src/tools/install-deps.sh" "$root/tools/"
stub() { printf '#!/usr/bin/env bash\n%s\n' "$2" >"$1" && chmod +x "$1"; }
for f in tools/check-format.sh tools/check-layers.sh tools/runs-32bit.sh \
  tests/tools/install_deps_test.sh; do
  stub "$root/$f" :
done
stub "$root/tools/wine-env.sh" 'wine_env_start() { :; }; wine_env_stop() { :; }'
stub "$bin/cmake" :
stub "$bin/unzip" :
stub "$bin/sudo" 'exec "$@"'
stub "$bin/ctest" 'echo "$2" >>"$STUB_LOG.ctest"'
stub "$bin/dpkg" '[ "$1" != --print-foreign-architectures ] || echo i386'
stub "$bin/dpkg-query" '[[ " $STUB_MISSING " == *" ${!#} "* ]] || echo "install ok installed"'
# Fails update (STUB_UPDATE=fail), or the first STUB_FAIL_BASE installs of the
# base packages and the first STUB_FAIL_WINE32 of wine32:i386, as a mirror does.
stub "$bin/apt-get" '
url=http://mirror.example/debian-security ip="[IP: 192.0.2.7 80]"
echo "$*" >>"$STUB_LOG.apt"
if [ "$1" = update ]; then
  echo "Get:1 $url bookworm-security InRelease"
  [ "$STUB_UPDATE" = fail ] || exit 0
  echo "Err:4 $url bookworm-security/main i386 Packages"
  echo "E: Failed to fetch $url/dists/bookworm-security/main/binary-i386/Packages.xz" \
    " File has unexpected size (374820 != 376004). Mirror sync in progress? $ip" >&2
  exit 100
fi
kind=base limit=$STUB_FAIL_BASE
[ "${!#}" != wine32:i386 ] || kind=wine32 limit=$STUB_FAIL_WINE32
echo "$kind" >>"$STUB_LOG.installs"
if [ "$(grep -cx "$kind" "$STUB_LOG.installs")" -le "$limit" ]; then
  [ $kind = base ] && echo "E: Failed to fetch $url/pool/wine64.deb  404  Not Found $ip" >&2
  [ $kind = wine32 ] && echo "E: Error, pkgProblemResolver::Resolve generated breaks," \
    "this may be caused by held packages." >&2
  exit 100
fi
echo "Get:1 $url bookworm/main amd64 wine64"'

skip="32-bit lanes (win32, wow64) did not run: wine32:i386 could not be installed: Error,"
skip+=" pkgProblemResolver::Resolve generated breaks, this may be caused by held packages;"
skip+=" the i686 tests were built only."
warning="  E: Failed to fetch debian-security/dists/bookworm-security/main/binary-i386/"
warning+="Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
no_base="the packages the 64-bit build and lane need could not be installed: Failed to fetch"
no_base+=" debian-security/pool/wine64.deb  404  Not Found"
failures=0
check() { # check <case> <what> <expected> <seen>
  [ "$3" = "$4" ] && return
  printf 'FAIL %s: %s\n  expected: %s\n  seen:     %s\n' "$1" "$2" "$3" "$4"
  failures=$((failures + 1))
}
# case | missing packages | update | failed base installs | failed wine32 installs |
# status | ctest presets | installs tried | last line
cases=(
  "index left out|wine64 wine32:i386|fail|0|0|0|x64 x86-tests x86-tests|base wine32|"
  "no wine32|wine32:i386|fail|0|2|0|x64|wine32 wine32|$skip"
  "base on retry|xvfb|ok|1|0|0|x64 x86-tests x86-tests|base base|"
  "no base|xvfb wine32:i386|ok|2|0|1||base base|$no_base"
)
for row in "${cases[@]}"; do
  IFS='|' read -r name missing update fail_base fail_wine32 status presets installs last <<<"$row"
  log=$tmp/$(tr ' ' _ <<<"$name")
  touch "$log.ctest" "$log.installs" "$log.apt"
  seen_status=0
  out=$(PATH="$bin:$PATH" STUB_LOG=$log STUB_MISSING=$missing STUB_UPDATE=$update \
    STUB_FAIL_BASE=$fail_base STUB_FAIL_WINE32=$fail_wine32 BUNDELOR_APT_PAUSE=0 \
    BUNDELOR_LANES= "$root/tools/test.sh" 2>&1) || seen_status=$?
  check "$name" status "$status" "$seen_status"
  check "$name" "ctest presets" "$presets" "$(paste -sd ' ' "$log.ctest")"
  check "$name" "installs tried" "$installs" "$(paste -sd ' ' "$log.installs")"
  [ -z "$last" ] || check "$name" "last line" "$last" "$(tail -n 1 <<<"$out")"
  check "$name" "mirror named" "" "$(grep -E 'mirror\.example|192\.0\.2\.7|://' <<<"$out" || true)"
  check "$name" "install that may downgrade or remove" "" \
    "$(awk '$1 == "install" && (!/ --no-remove / || / --allow/)' "$log.apt")"
  if [ "$update" = fail ]; then
    check "$name" "warning for the index" "$warning" "$(grep -Fx -- "$warning" <<<"$out" || true)"
  fi
done
[ "$failures" = 0 ] || exit 1
echo "install-deps: ${#cases[@]} cases as expected"

#!/usr/bin/env bash
# Runs the benchmarks: builds bundelor_bench (build/x64), writes the source
# trees below build/bench-data on the Linux side, runs each figure under
# wine64 on a private Xvfb display and prints a table. The trees are deleted
# at the end; the raw lines stay in build/bench-results.tsv.
#   tools/bench.sh                       every part
#   tools/bench.sh preview memory        some parts (preview memory small move large ops)
#   BENCH_RUNS=5 BENCH_COPY_RUNS=3       runs per figure (the medians are of these;
#                                        the second is for the 10,000-file copy and move)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${BENCH_RUNS:-5}
copy_runs=${BENCH_COPY_RUNS:-3}
parts=${*:-preview memory small move large ops}
data=build/bench-data
results=build/bench-results.tsv

want() { [[ " $parts " == *" $1 "* ]]; }
winpath() { local p; p=$(realpath "$1"); echo "Z:${p//\//\\}"; }

free_kb=$(df -Pk build 2>/dev/null | awk 'NR == 2 { print $4 }' || echo 0)
if [ "${free_kb:-0}" -lt 4000000 ]; then
  echo "bench: needs about 4 GB free below build/ (the large copy writes 1 GB per run)" >&2
  exit 1
fi

cmake --preset x64 >/dev/null
cmake --build --preset x64 --target bundelor_bench
bench=build/x64/bench/bundelor_bench.exe

. tools/wine-env.sh
cleanup() {
  wine_env_stop
  rm -rf "$data"
}
trap cleanup EXIT
rm -rf "$data"
mkdir -p "$data/scratch"

echo "bench: writing the source trees"
if want preview || want memory; then
  python3 bench/make_trees.py tree "$data/t100000" 100000
  python3 bench/make_trees.py tree "$data/t300000" 300000
fi
if want preview || want small || want move; then
  python3 bench/make_trees.py tree "$data/t10000" 10000 --data
fi
if want large; then python3 bench/make_trees.py large "$data/large" 20 50; fi
# Written back now, so the writeback does not fall into the first timed runs.
sync

wine_env_start build/x64
run() { tools/wine-run.sh "$bench" "$@" </dev/null 2>/dev/null | tr -d '\r' | tee -a "$results"; }
: >"$results"
{
  echo -e "machine\tcpu=$(lscpu | sed -n 's/^Model name: *//p' | head -1)\tcores=$(nproc)\tmemory=$(free -g | awk '/^Mem:/ { print $2 }') GiB"
  echo -e "machine\twine=$(/usr/lib/wine/wine64 --version)\tkernel=$(uname -r)\tfs=$(df -PT build | awk 'NR == 2 { print $2 }')"
} | tee -a "$results"

if want preview; then
  for n in 10000 100000 300000; do run preview "$(winpath "$data/t$n")" "$runs" 256 2; done
fi
if want memory; then
  # A fresh process each, so the peak is the plan's own.
  for n in 100000 300000; do run memory "$(winpath "$data/t$n")"; done
fi
if want small; then run copy small "$(winpath "$data/t10000")" "$(winpath "$data/scratch")" 100 "$copy_runs"; fi
# Within one volume: the tree and the scratch folder are both below $data.
if want move; then run move small "$(winpath "$data/t10000")" "$(winpath "$data/scratch")" 100 "$copy_runs"; fi
if want large; then run copy large "$(winpath "$data/large")" "$(winpath "$data/scratch")" 1 "$runs"; fi
if want ops; then run ops 2000; fi

echo
echo "Medians (seconds), ratios to the floor on the same tree:"
awk -F'\t' '
  function v(key,   i, kv) { for (i = 2; i <= NF; i++) { split($i, kv, "="); if (kv[1] == key) return kv[2] } return "" }
  $1 == "preview" { printf "preview  %7s files  floor %8s  product %8s  ratio %s\n", v("files"), v("floor"), v("product"), v("ratio") }
  $1 == "select"  { printf "select   %7s files  package of %s files: %s s\n", v("files"), v("package_files"), v("seconds") }
  $1 == "memory"  { printf "memory   %7s files  path %s B/entry, peak growth %s B/entry, overhead %s B/entry (%s-byte pointers)\n", v("files"), v("path_bytes"), v("peak_growth"), v("overhead"), v("pointer_bytes") }
  $1 == "copy" || $1 == "move" { printf "%s %-5s %6s files  bare %8s  product %8s  ratio %s  window shown after %s s  display %s names/s, longest %s s on one name\n", $1, v("label"), v("files"), v("bare"), v("product"), v("ratio_bare"), v("shown_after"), v("refresh_per_second"), v("longest_refresh_gap") }
  $1 == "window_op" { printf "window op %-15s %8s us per call\n", v("name"), v("microseconds") }
  $1 == "error"   { print "ERROR " $0; failed = 1 }
  END { exit failed }' "$results"

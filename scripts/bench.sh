#!/usr/bin/env bash
# Builds the benchmarks (preset "bench": Release) and runs every one of them on the
# national-scale data set, with the SQLite baseline built from the same data in the
# same run:
#   scripts/bench.sh [DATA] [-- BENCHMARK-ARGUMENTS]
# DATA defaults to $VENDARION_BENCH_DATA, else build/national; a missing data set is
# built first (scripts/national-data.sh, a few minutes). Arguments after -- go to the
# benchmark program (e.g. --benchmark_filter=Search --benchmark_repetitions=1).
# Results in build/bench/: results.json (Google Benchmark), results.txt (its table),
# results.md (our figures against SQLite and the targets). The SQLite database
# (several GB) is written to build/bench/national.sqlite and kept for inspection.
# The cold-start figures drop the page cache when run as root, else evict the
# archives with posix_fadvise.
set -euo pipefail
cd "$(dirname "$0")/.."
data=${VENDARION_BENCH_DATA:-build/national}
if [ $# -gt 0 ] && [ "$1" != "--" ]; then data=$1; shift; fi
[ "${1:-}" = "--" ] && shift
out=build/bench

scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench --parallel 2 --target vendarion-bench
[ -f "$data/Data.mf" ] || scripts/national-data.sh "$data"

VENDARION_BENCH_DATA="$data" VENDARION_BENCH_DB="$out/national.sqlite" \
    "$out/bench/vendarion-bench" --benchmark_repetitions=3 \
    --benchmark_out="$out/results.json" --benchmark_out_format=json "$@" |
    tee "$out/results.txt"
python3 bench/summarize.py "$out/results.json" >"$out/results.md"
cat "$out/results.md"

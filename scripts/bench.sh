#!/usr/bin/env bash
# Builds the benchmarks (preset "bench": Release) and runs every one of them on the
# national-scale data set, with the SQLite baseline built from the same data in the
# same run:
#   scripts/bench.sh [DATA] [-- BENCHMARK-ARGUMENTS]
# DATA defaults to $VENDARION_BENCH_DATA, else build/national; a missing data set is
# built first (scripts/national-data.sh, a few minutes). Arguments after -- go to the
# benchmark program (e.g. --benchmark_filter=Search --benchmark_repetitions=3).
# Every figure is repeated (9 times by default), the repetitions of all benchmarks
# interleaved in random order, so that the machine's load weighs alike on both
# sides of every ratio. The cold figures evict only the archives and the SQLite
# database from the page cache (posix_fadvise), never the rest of the machine's.
# Then a narrow search as a whole process against the sqlite3 shell, and the
# window's list with the largest book shown against a book of 1,000 entries.
# Results in build/bench/: results.json (Google Benchmark), results.txt (its table),
# process.json, window.json, and results.md (the summary: medians with min-max).
# The SQLite database (several GB) is written to build/bench/national.sqlite and
# kept for inspection ($VENDARION_BENCH_REUSE_DB=1 reuses it).
set -euo pipefail
cd "$(dirname "$0")/.."
data=${VENDARION_BENCH_DATA:-build/national}
if [ $# -gt 0 ] && [ "$1" != "--" ]; then data=$1; shift; fi
[ "${1:-}" = "--" ] && shift
out=build/bench

scripts/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench --parallel 2 --target vendarion-bench vendarion-ui-bench \
    vendarion-query
[ -f "$data/Data.mf" ] || scripts/national-data.sh "$data"

VENDARION_BENCH_DATA="$data" VENDARION_BENCH_DB="$out/national.sqlite" \
    "$out/bench/vendarion-bench" --benchmark_repetitions=9 \
    --benchmark_enable_random_interleaving=true \
    --benchmark_out="$out/results.json" --benchmark_out_format=json "$@" |
    tee "$out/results.txt"
python3 bench/process_bench.py "$data" "$out/national.sqlite" \
    vendarion-query="$out/tools/query/vendarion-query" >"$out/process.json"
VENDARION_BENCH_DATA="$data" "$out/bench/vendarion-ui-bench" --benchmark_filter=BookInWindow \
    --benchmark_out="$out/window.json" --benchmark_out_format=json
python3 bench/summarize.py "$out/results.json" --process "$out/process.json" \
    --window "$out/window.json" >"$out/results.md"
cat "$out/results.md"

#!/usr/bin/env bash
# Builds the national-scale data set (about 35 million entries) for benchmarks:
#   scripts/national-data.sh [OUT]     (default: build/national)
# Needs about 2.5 GB of disk for the sources (removed afterwards) and 2 GB of memory.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/national}
cmake --preset release >/dev/null
cmake --build --preset release --target vendarion-datagen vendarion-mkdata
src="$out-src"
mkdir -p "$src" "$out"
build/release/tools/datagen/vendarion-datagen --size national --seed 1 "$src"
build/release/tools/mkdata/vendarion-mkdata "$src" "$out"
rm -rf "$src"
echo "national data set in $out"

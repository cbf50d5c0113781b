#!/usr/bin/env bash
# Installs what is missing, builds the release configuration (with the sample data
# set) and starts the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
tool=build/release/tools/query/vendarion-query
data=build/release/data
"$tool" help
echo
echo "Folding and sound-alike codes of a few names:"
"$tool" fold "Groß-Gerau" "Müller" "O'Neill"
"$tool" phonetic "Meier" "Mayer" "Schmidt" "Schmitt"
echo
echo "The sample data set in $data:"
"$tool" towns --data "$data" "Berl" 3
"$tool" postcodes --data "$data" "8033" 3
"$tool" banks --data "$data" "dresden" | head -3
"$tool" soundalike --data "$data" "Meier" | head -5
echo
echo "A surname alone shows the whole book from that name; a mode or a second town"
echo "runs the search (Ctrl+C stops it, keeping what was found):"
"$tool" search --data "$data" --town Essen --name Mei --limit 5
"$tool" search --data "$data" --town Essen --town 42103 --name Meier --mode Phonetisch | cut -f1,2,4,5,6,8 | tail -6
"$tool" search --data "$data" --bank "dresden" | tail -3

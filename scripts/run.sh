#!/usr/bin/env bash
# Installs what is missing, builds the release configuration and starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release
tool=build/release/tools/query/vendarion-query
"$tool" help
echo
echo "Folding and sound-alike codes of a few names:"
"$tool" fold "Groß-Gerau" "Müller" "O'Neill" "Château-Landon"
"$tool" phonetic "Meier" "Mayer" "Schmidt" "Schmitt" "Müller-Lüdenscheid"

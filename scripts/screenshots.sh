#!/usr/bin/env bash
# Screenshots of the main window on the sample data set under a virtual X server, at
# 1280x800 and 1920x1080: the start page, the town list after typing Köln, a whole
# book, a search result with its detail card, the bank codes; then every page of the
# search assistant.
# Usage: scripts/screenshots.sh [OUT_DIR] [PRESET]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-build/screenshots}
preset=${2:-release}
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target vendarion-screenshots \
    vendarion-assistant-screenshots sample_data
mkdir -p "$out"
for screen in 1280x800 1920x1080; do
    xvfb-run -a -s "-screen 0 ${screen}x24" \
        "build/$preset/tools/screenshots/vendarion-screenshots" \
        --data "build/$preset/data" --out "$out"
    xvfb-run -a -s "-screen 0 ${screen}x24" \
        "build/$preset/tests/ui/vendarion-assistant-screenshots" \
        --data "build/$preset/data" --out "$out"
done

#!/usr/bin/env bash
# Installs what is missing, builds the debug configuration and runs every test.
# With "asan" as argument, builds and tests under the address and undefined-
# behaviour sanitizers instead.
set -euo pipefail
cd "$(dirname "$0")/.."
preset=${1:-debug}
scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" --parallel "$(nproc)"

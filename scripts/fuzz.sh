#!/usr/bin/env bash
# Builds the fuzz preset (clang, libFuzzer) and runs every fuzz target for SECONDS
# each (default 30), starting from its seed corpus fuzz/corpus/<name without _fuzz>.
# New inputs go to build/fuzz/corpus/<target>, so the seeds in git stay as they are.
# Fails on the first finding (a crash, a sanitizer report, a leak or a hang); the
# input that caused it is kept in build/fuzz/findings/. Prints one line per target
# with its executions and coverage.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
targets=(archive_fuzz reply_fuzz entry_store_fuzz settings_fuzz server_fuzz source_fuzz
         data_set_fuzz fastcgi_request_fuzz)

cmake --preset fuzz >/dev/null
nice cmake --build --preset fuzz --target "${targets[@]}"

findings=build/fuzz/findings
mkdir -p "$findings"
for target in "${targets[@]}"; do
    corpus=build/fuzz/corpus/$target
    log=build/fuzz/$target.log
    mkdir -p "$corpus"
    if ! nice "build/fuzz/fuzz/$target" -max_total_time="$seconds" -timeout=20 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/$target-" \
        "$corpus" "fuzz/corpus/${target%_fuzz}" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "fuzz: $target found a fault; the input is in $findings/" >&2
        exit 1
    fi
    executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
    echo "fuzz: $target: ${executions:-0} executions in ${seconds} s, ${coverage:-cov: 0}"
done

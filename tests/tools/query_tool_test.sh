#!/usr/bin/env bash
# Runs vendarion-query as a user would and checks its output and exit codes.
set -u
tool=$1
. "$(dirname "$0")/../support/check.sh"

check "fold" "Groß-Gerau	gross gerau" "$("$tool" fold 'Groß-Gerau')"
check "phonetic" "Müller-Lüdenscheid	MLRLTNST" "$("$tool" phonetic 'Müller-Lüdenscheid')"
check "help exit" "0" "$("$tool" help >/dev/null; echo $?)"
check "unknown command exit" "2" "$("$tool" frobnicate 2>/dev/null; echo $?)"
check "missing archive exit" "1" "$("$tool" archive "$work/none.mf" 2>/dev/null; echo $?)"
check "missing archive message" "vendarion-query: $work/none.mf: missing or empty file" \
    "$("$tool" archive "$work/none.mf" 2>&1)"
printf 'damaged\xff\xff\xff\x7f' > "$work/bad.mf"
check "damaged archive exit" "1" "$("$tool" archive "$work/bad.mf" 2>/dev/null; echo $?)"
printf '\x00\x00\x00\x00' > "$work/empty.mf"
check "empty archive" "# $work/empty.mf: 0 members, directory at 0, version 1.1" \
    "$("$tool" archive "$work/empty.mf" | head -1)"

finish_checks
echo "all query tool checks passed"

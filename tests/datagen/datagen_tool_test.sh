#!/usr/bin/env bash
# Runs vendarion-datagen as the build does: same arguments, same bytes; bad
# arguments and unwritable folders fail with their exit codes.
set -u
tool=$1
. "$(dirname "$0")/../support/check.sh"

mkdir "$work/a" "$work/b"
check "tiny exit" "0" "$("$tool" --size tiny --seed 9 "$work/a" >/dev/null; echo $?)"
"$tool" --size tiny --seed 9 "$work/b" >/dev/null
check "same bytes" "" "$(diff -r "$work/a" "$work/b")"
check "eight files" "8" "$(ls "$work/a" | wc -l)"
check "no temp files" "" "$(ls "$work/a" | grep '\.tmp$')"
check "unknown size exit" "2" "$("$tool" --size huge "$work/a" 2>/dev/null; echo $?)"
check "bad seed exit" "2" "$("$tool" --seed x "$work/a" 2>/dev/null; echo $?)"
check "no folder exit" "2" "$("$tool" --size tiny 2>/dev/null; echo $?)"
check "missing folder exit" "1" "$("$tool" --size tiny "$work/none" 2>/dev/null; echo $?)"
check "missing facts exit" "1" \
    "$("$tool" --size tiny --facts "$work/none" "$work/a" 2>/dev/null; echo $?)"

finish_checks

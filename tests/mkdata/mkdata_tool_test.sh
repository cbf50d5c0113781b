#!/usr/bin/env bash
# Runs vendarion-mkdata as a user would and checks its exit codes and messages.
set -u
tool=$1
. "$(dirname "$0")/../support/check.sh"

mkdir -p "$work/src" "$work/out"
printf 'book\t0\tBerlin\t10115\narea\t030\n' > "$work/src/books.tsv"
for f in towns.tsv postalcodes.tsv areacodes.tsv countries.tsv banks.tsv tips.txt; do
    : > "$work/src/$f"
done
printf '0\t0\tMeier\tHans\t\t\t\t\t\t\tWeg\t1\t\t\t0\t\t1234\t0\t0\n' > "$work/src/subscribers.tsv"

check "usage exit" "2" "$("$tool" 2>/dev/null; echo $?)"
check "bad option exit" "2" "$("$tool" --fan-out x "$work/src" "$work/out" 2>/dev/null; echo $?)"
check "compile exit" "0" "$("$tool" --list-block 1 --fan-out 2 --zlib-level 9 "$work/src" "$work/out"; echo $?)"
check "archives" "Code.mf Data.mf Index.mf List.mf" "$(cd "$work/out" && echo *)"
printf '0\t0\tMeier\n' >> "$work/src/subscribers.tsv"
check "bad line message" "vendarion-mkdata: $work/src/subscribers.tsv:2: expected 19 fields, found 3" \
    "$("$tool" "$work/src" "$work/out" 2>&1)"
check "bad line exit" "1" "$("$tool" "$work/src" "$work/out" 2>/dev/null; echo $?)"
check "archives kept" "Code.mf Data.mf Index.mf List.mf" "$(cd "$work/out" && echo *)"

finish_checks

#!/usr/bin/env bash
# Cross-checks the data compiler against the store tests' independent writer: the
# same sample data, written once by each, must read the same through every data
# command of vendarion-query (the tries differ in shape, so every lookup by text
# exercises the compiler's tries with the readers' lookup).
set -u
tool=$1
writer=$2
mkdata=$3
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir "$work/sources" "$work/builders" "$work/compiled"
"$writer" "$work/sources" --sources || { echo "cannot write the sources"; exit 1; }
"$writer" "$work/builders" || { echo "cannot write the sample data set"; exit 1; }
"$mkdata" --list-block 2 --fan-out 2 "$work/sources" "$work/compiled" ||
    { echo "the data compiler failed"; exit 1; }

run() {  # run DIR COMMAND ARGS...
    local dir=$1
    shift
    "$tool" "$@" --data "$dir" 2>&1
}
compare() {  # compare COMMAND ARGS...
    local expected actual
    expected=$(run "$work/builders" "$@")
    actual=$(run "$work/compiled" "$@")
    if [ "$expected" != "$actual" ]; then
        echo "FAIL $1: builders and compiler differ"
        diff <(echo "$expected") <(echo "$actual") | head -10
        failures=$((failures + 1))
    fi
}

# Each word, its first one to three characters and the word with a letter added.
probes() {  # probes DICTIONARY
    run "$work/builders" words "$1" 0 100000 | cut -f2 | while IFS= read -r word; do
        printf '%s\n%s\n%s\n%s\n%sz\n' "$word" "${word:0:1}" "${word:0:2}" "${word:0:3}" "$word"
    done | sort -u
}

for dictionary in Namen Vornamen Strassen bezeichnungen rufzusatz hausnr; do
    mapfile -t texts < <(probes "$dictionary")
    compare lookup "$dictionary" "${texts[@]}" a zz ß Ä 0 9 ' '
    compare words "$dictionary" 0 100000
done
compare words namezusatz 0 100

mapfile -t surnames < <(run "$work/builders" words Namen 0 100000 | cut -f2)
for prefix in '' a b d g k m p s z ü 0 1 5 9 02 03 07 099; do
    compare towns "$prefix" 100
    compare postcodes "$prefix" 100
    compare areacodes "$prefix" 100
done
for book in 0 1 2 3; do
    compare book "$book"
    compare entries "$book" "$(run "$work/builders" find "$book")" 100000
    compare streets "$book"
    compare headings "$book"
    for text in a b g h k l m s z ä; do
        compare streets "$book" "$text"
        compare headings "$book" "$text"
    done
done
for surname in "${surnames[@]}" "${surnames[@]:0:1}x" A Z zz Mei Sch; do
    compare find 0 "$surname" Anna
    compare books "$surname"
    compare soundalike "$surname"
done
for text in '' a 00 ch ö berlin 5 sparkasse; do
    compare banks "$text"
    compare countries "$text"
done

if [ "$failures" -ne 0 ]; then
    echo "$failures comparisons failed"
    exit 1
fi
echo "builders and compiler agree"

#!/usr/bin/env bash
# Writes the tones of numbers with vendarion-query and decodes them with an
# independent DTMF decoder (multimon-ng, which reads raw 16-bit samples at 22050 Hz).
set -u
tool=$1
failures=0
passes=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    else
        passes=$((passes + 1))
    fi
}

decode() {  # decode NUMBER: the keys multimon-ng hears in the tones of NUMBER
    "$tool" tones "$1" --wav "$work/tones.wav" || return
    sox "$work/tones.wav" -t raw -r 22050 -e signed-integer -b 16 -c 1 "$work/tones.raw"
    multimon-ng -q -c -a DTMF -t raw "$work/tones.raw" 2>/dev/null |
        sed -n 's/^DTMF: //p' | tr -d '\n'
}

check "number with star and hash" "0301234567*#" "$(decode '0301234567*#')"
check "all sixteen keys" "147*2580369#ABCD" "$(decode '147*2580369#abcD')"
check "separators are skipped" "03012345" "$(decode '(030) 123-45')"
"$tool" tones '0301234567*#' --wav "$work/tones.wav"
check "wave size" "46316" "$(stat -c %s "$work/tones.wav")"
check "usage exit" "2" "$("$tool" tones 123 >/dev/null 2>&1; echo $?)"
check "unwritable file exit" "1" "$("$tool" tones 123 --wav "$work/none/t.wav" 2>/dev/null; echo $?)"

echo "tone decoder: $passes passed, $failures failed"
[ "$failures" -eq 0 ]

#!/usr/bin/env bash
# Installs what is missing, builds the release configuration (with the sample data
# set) and starts the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset release >/dev/null
# Only what the window and the demo need: the tests are built by scripts/test.sh.
cmake --build --preset release --target vendarion memolet note_icon vendarion-query sample_data
tool=build/release/tools/query/vendarion-query
data=build/release/data

# Aligns tab-separated lines (the first is the header) into columns.
table() {
    python3 -c '
import sys
rows = [line.rstrip("\n").split("\t") for line in sys.stdin if line.strip()]
widths = [max(len(row[i]) for row in rows if i < len(row)) for i in range(len(rows[0]))]
for row in rows:
    print("  ".join(cell.ljust(widths[i]) for i, cell in enumerate(row)).rstrip())'
}

echo "The sample data set in $data ($tool help lists every command)."
echo
echo "Towns that begin with \"Berl\":"
{ printf 'Ort\tPostleitzahl\n'; "$tool" towns --data "$data" "Berl" 3 | cut -f2,3; } | table
echo
echo "Meier in Essen, sounding alike (Mayer, Maier, ...):"
{
    printf 'Name\tVorname\tStraße\tVorwahl\tTelefon\tOrt\n'
    "$tool" search --data "$data" --town Essen --name Meier --mode Phonetisch |
        grep -P '\t' | cut -f1,2,4,5,6,8 | sed -n 1,5p
} | table
echo
echo "Bank sort codes in Dresden:"
{
    printf 'Bankleitzahl\tName\tOrt\n'
    "$tool" search --data "$data" --bank "dresden" | grep -P '\t' | cut -f1,2,4 | sed -n 1,3p
} | table

# The window on the sample data set. Its settings file stands in for what the set-up
# of an installed copy writes: where the four archives are. Delete it to start afresh.
settings="$PWD/build/release/Vendarion.reg"
if [ ! -f "$settings" ]; then
    {
        printf 'Windows Registry Editor Version 5.00\n\n'
        printf '[HKEY_LOCAL_MACHINE\\SOFTWARE\\Morvanta\\Vendarion]\n'
        for name in Index Code List Data; do
            printf '"%sFilename"="%s/%s/%s.mf"\n' "$name" "$PWD" "$data" "$name"
        done
    } > "$settings"
fi
echo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: the window is not started. With one, run:"
    echo "  VENDARION_SETTINGS=$settings build/release/src/app/vendarion"
    exit 0
fi
VENDARION_SETTINGS="$settings" exec build/release/src/app/vendarion

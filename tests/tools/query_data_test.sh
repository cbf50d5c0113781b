#!/usr/bin/env bash
# Runs the data commands of vendarion-query over the tests' sample data set and
# over damaged copies of it, checking output lines and exit codes.
set -u
tool=$1
writer=$2
. "$(dirname "$0")/../support/check.sh"

data=$work/good
mkdir "$data"
"$writer" "$data" || { echo "cannot write the sample data set"; exit 1; }
q() { "$tool" "$@" --data "$data"; }

check "towns by folded prefix" "3	Groß-Gerau	64521	1" "$(q towns 'GROSS' 1)"
check "towns umlaut" "4	Köln	50667	1
5	Müllheim	79379	2" "$(q towns 'koe' 2)"
check "postal codes" "3	50667	Köln	1" "$(q postcodes 5 1)"
check "area codes" "1	0221	Köln	1" "$(q areacodes 0221 1)"
check "area code after all" "" "$(q areacodes 09)"
check "words by number" "61	Mueller
62	Müller" "$(q words Namen 61 62)"
check "lookup ranges" "MÜLLER	61	Mueller	61	62	61	62
mü	61	Mueller	-1	-1	61	62
zz	-1		-1	-1	-1	-1" "$(q lookup namen 'MÜLLER' mü zz)"
check "book" "2	Müllheim	79379	$(q entries 2 "$(q find 2)" 100000 | wc -l)" "$(q book 2)"
check "find" "$(q find 2 Meier)	0	0	Meier	Anna" "$(q entries 2 "$(q find 2 Meier)" 1 | cut -f1-5)"
check "entry fields" "16" "$(q entries 0 0 1 | cut -f4- | tr '\t' '\n' | wc -l)"
check "sub-entry level" "2" "$(q entries 0 0 100 | cut -f2 | sort -u | tail -1)"
check "streets of a one-street book" "0	Goethestraße" "$(q streets 2)"
check "street by text" "4	Kirchweg" "$(q streets 0 kirch)"
check "no headings" "" "$(q headings 1)"
check "books of a surname" "Meier	0	Berlin
Meier	1	Köln
Meier	2	Müllheim" "$(q books meier)"
check "bank by postal code" "2	68350048	Sparkasse Lörrach	79539	Lörrach" "$(q banks 79539)"
check "country by mark" "3	0033	F	Frankreich" "$(q countries f)"
check "sound-alike" "MR	55	Mayer
MR	56	Meier
MR	58	Mohrer" "$(q soundalike Mair)"

check "missing --data" "2" "$("$tool" towns a 2>/dev/null; echo $?)"
check "missing data set" "vendarion-query: $work/none: cannot open Index.mf: missing or empty file" \
    "$("$tool" towns a --data "$work/none" 2>&1)"
mkdir "$work/nobhi"
"$writer" "$work/nobhi" --without NameToBooks.bhi
check "missing member exit" "1" "$("$tool" books Meier --data "$work/nobhi" 2>/dev/null; echo $?)"
check "missing member message" \
    "vendarion-query: $work/nobhi: name-to-books index (NameToBooks.bhi, NameToBooks.tri2) missing or damaged" \
    "$("$tool" books Meier --data "$work/nobhi" 2>&1)"
mkdir "$work/badblock"
"$writer" "$work/badblock" --flip MainTable.z 100
check "damaged block" "vendarion-query: entry 0 cannot be read (damaged block)" \
    "$("$tool" entries 0 0 1 --data "$work/badblock" 2>&1)"
check "damaged block exit" "1" "$("$tool" entries 0 0 1 --data "$work/badblock" >/dev/null 2>&1; echo $?)"

finish_checks
echo "all query data checks passed"

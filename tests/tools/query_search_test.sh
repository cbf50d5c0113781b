#!/usr/bin/env bash
# Runs "vendarion-query search" over the tests' sample data set: name searches in one
# and in several towns, the whole book, the 1000-line limit, bank and foreign codes,
# usage errors and Ctrl+C.
set -u
tool=$1
writer=$2
. "$(dirname "$0")/../support/check.sh"

data=$work/data
mkdir "$data"
"$writer" "$data" || { echo "cannot write the sample data set"; exit 1; }
s() { "$tool" search --data "$data" "$@" 2>&1; }

check "whole book at the surname" "Meier	Anna		Bahnhofstr.  12	02203	1047439	50667	Porz	Anna von Meier		
Meier	Bernd		Goethestraße  2	0221	1047446	50667	Köln	Dr. Bernd Meier		
1814 Namen sind vorhanden." "$(s --town Köln --name meier --limit 2)"
check "exact by postal code" "Meier	Anna
Meier	Bernd
Meier	Claudia
3 Namen wurden gefunden." "$(s --town 79379 --name MEIER --mode exakt | cut -f1,2)"
check "mode by number, town by area code" "$(s --town 79379 --name Meier --mode Exakt)" \
    "$(s --town 07631 --name Meier --mode 2)"
check "phonetic" "Mayer	Anna
Meier	Anna
Mohrer	Anna
3 Namen wurden gefunden." "$(s --town Köln --name Mair --mode Phonetisch --first-name Anna | cut -f1,2)"
check "name parts" "Meier	Anna
Ein Name wurde gefunden." "$(s --town Köln --name eie --mode Namensteile --first-name Ann | cut -f1,2)"
check "street with house number" "Meier	Dieter	Kirchweg  	
Meier	Dieter	Kirchweg  	1
Meier	Lena	Kirchweg  10	
Meier	Vorname103	Kirchweg  2	
4 Namen wurden gefunden." "$(s --town Köln --name Meier --mode 2 --street 'Kirchweg 7b' | cut -f1,2,4,11)"
check "several towns merged" "Meier	Anna	Porz
Meier	Anna	Müllheim
Meier	Bernd	Köln
Meier	Bernd	Müllheim" "$(s --town 0221 --town Müllheim --name Meier --mode 2 | cut -f1,2,8 | head -4)"
check "several towns count" "25 Namen wurden gefunden." \
    "$(s --town 0221 --town Müllheim --name Meier --mode 2 | tail -1)"
check "two towns of one book search that book" "$(s --town Köln --name Meier --limit 1)" \
    "$(s --town Köln --town Porz --name Meier --limit 1)"
check "the 1000-line limit" "1000 Namen wurden gefunden.
Es wurden mehr als 1000 Einträge gefunden. Nur die ersten 1000 Einträge werden dargestellt.
Bitte verfeinern Sie Ihre Suchkriterien." "$(s --town Berlin --first-name V | tail -3)"
check "rows under the limit" "1000" "$(s --town Berlin --first-name V | grep -c '	Berlin	\|	Spandau	')"
check "nothing found" "Es wurden keine Namen gefunden." "$(s --town Berlin --name Meier --first-name Zz)"
check "bank" "37050198	Sparkasse KölnBonn	50667	Köln
Eine Bankleitzahl wurde gefunden." "$(s --bank köln)"
check "whole bank table" "10010010	Postbank	10559	Berlin
3 Bankleitzahlen sind vorhanden." "$(s --bank '' --limit 1)"
check "countries" "Österreich	0043
Schweiz	0041
Frankreich	0033
4 Auslandsvorwahlen wurden gefunden." "$(s --country ch | tail -4)"

check "unknown town" "vendarion-query: no town, postal code or area code 'Xyz'" "$(s --town Xyz)"
check "unknown town exit" "1" "$(s --town Xyz >/dev/null; echo $?)"
check "unknown mode exit" "2" "$(s --town Köln --mode 7 >/dev/null; echo $?)"
check "two kinds exit" "2" "$(s --town Köln --bank x >/dev/null; echo $?)"
check "no kind exit" "2" "$(s --name Meier >/dev/null 2>&1; echo $?)"

# Ctrl+C pressed while the search starts: the signal is already pending (and blocked)
# when the tool begins. It cancels the search, prints the rows found so far and the
# count text that matches them, and exits with 130.
interrupted() {
    perl -MPOSIX -e 'sigprocmask(SIG_BLOCK, POSIX::SigSet->new(SIGINT)); kill "INT", $$;
                     exec @ARGV or die' -- "$tool" search --data "$data" "$@"
}
out=$(interrupted --town Berlin --first-name V)
check "interrupt exit" "130" "$(interrupted --town Berlin --first-name V >/dev/null; echo $?)"
rows=$(($(printf '%s\n' "$out" | wc -l) - 1))
last=$(printf '%s\n' "$out" | tail -1)
case $rows in
    0) expected="Es wurden keine Namen gefunden." ;;
    1) expected="Ein Name wurde gefunden." ;;
    *) expected="$rows Namen wurden gefunden." ;;
esac
check "interrupt keeps the rows so far" "$expected" "$last"

finish_checks
echo "all query search checks passed"

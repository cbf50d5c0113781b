# Shared by the script tests: a scratch folder removed at exit, a check that counts
# mismatches, and the closing verdict. Source it after setting nothing else.
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

check() {  # check NAME EXPECTED ACTUAL
    if [ "$2" != "$3" ]; then
        echo "FAIL $1: expected [$2], got [$3]"
        failures=$((failures + 1))
    fi
}

finish_checks() {  # exits 1 when any check failed
    if [ "$failures" -ne 0 ]; then
        echo "$failures checks failed"
        exit 1
    fi
}

#!/usr/bin/env bash
# The directory server end to end: QueryCgi behind a real lighttpd on a free loopback
# port (generated configuration, stopped at the end), searched with
# vendarion-query internet over the tests' sample data set, paging included.
set -u
lighttpd=$1
cgi=$2
tool=$3
writer=$4
. "$(dirname "$0")/../support/check.sh"

server_pid=""
stop_server() {
    if [ -n "$server_pid" ]; then
        kill "$server_pid" 2>/dev/null
        wait "$server_pid" 2>/dev/null
        server_pid=""
    fi
}
trap 'stop_server; rm -rf "$work"' EXIT

mkdir -p "$work/data" "$work/www/cgi-bin"
"$writer" "$work/data" || { echo "cannot write the sample data set"; exit 1; }
# QueryCgi through a script that counts its calls, one per page.
printf '#!/bin/sh\necho >>"%s/calls"\nexec "%s"\n' "$work" "$cgi" >"$work/www/cgi-bin/QueryCgi"
chmod +x "$work/www/cgi-bin/QueryCgi"

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# Starts lighttpd on a free port; a few attempts in case another program takes the
# port first.
start_server() {
    for attempt in 1 2 3; do
        port=$(free_port)
        cat >"$work/lighttpd.conf" <<CONF
server.modules = ("mod_alias", "mod_cgi", "mod_setenv")
server.document-root = "$work/www"
server.bind = "127.0.0.1"
server.port = $port
server.errorlog = "$work/error.log"
# The client ends its request lines with a line feed alone.
server.http-parseopts = ("header-strict" => "disable")
alias.url = ("/cgi-bin/" => "$work/www/cgi-bin/")
\$HTTP["url"] =~ "^/cgi-bin/" { cgi.assign = ("" => "") }
setenv.add-environment = ("VENDARION_DATA" => "$work/data")
CONF
        "$lighttpd" -D -f "$work/lighttpd.conf" 2>>"$work/error.log" &
        server_pid=$!
        for _ in $(seq 100); do
            if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then return 0; fi
            kill -0 "$server_pid" 2>/dev/null || break
            sleep 0.05
        done
        stop_server
    done
    echo "lighttpd did not start:"; cat "$work/error.log"
    exit 1
}
start_server

export VENDARION_SETTINGS=$work/settings.reg
q() { "$tool" internet --server 127.0.0.1 --port "$port" --url /cgi-bin/QueryCgi "$@"; }
requests() { cat "$work/calls" 2>/dev/null | wc -l; }
tab=$'\t'

# One search in pages of 7 and in one page: the same rows; 98 rows in 14 requests.
before=$(requests)
paged=$(q --name Meier --mode Exakt --per-page 7)
check "pages of 7" "98" "$(printf '%s\n' "$paged" | wc -l)"
check "one request per page" "14" "$(($(requests) - before))"
check "one page" "$paged" "$(q --name meier --mode Exakt --per-page 1000)"
check "first row" "Meier${tab}Anna${tab}${tab}Lindenallee  1${tab}030${tab}1025417${tab}10115${tab}Spandau${tab}Anna Jr. Meier ${tab}${tab}" \
    "$(printf '%s\n' "$paged" | head -1)"
check "levels" "
1
2" "$(printf '%s\n' "$paged" | cut -f11 | sort -u)"

# The connection from the settings file.
check "no settings" "vendarion-query: Die Einstellungen für die Suche über Internet konnten nicht gefunden werden! (--server, --port, --url)" \
    "$("$tool" internet --name Meier 2>&1 | head -1)"
cat >"$VENDARION_SETTINGS" <<REG
Windows Registry Editor Version 5.00

[HKEY_LOCAL_MACHINE\\SOFTWARE\\Morvanta\\Vendarion]
"InternetServer"="127.0.0.1"
"InternetURL"="/cgi-bin/QueryCgi"
"InternetPort"=dword:$(printf '%08x' "$port")
"InternetRecPerPage"=dword:00000030
REG
before=$(requests)
check "settings" "$paged" "$("$tool" internet --name Meier --mode 2)"
check "settings page size" "3" "$(($(requests) - before))"

# Places, modes and the other fields.
koeln=$(q --name Meier --mode Exakt --town Köln)
check "town" "22" "$(printf '%s\n' "$koeln" | wc -l)"
check "town of every row" "" "$(printf '%s\n' "$koeln" | cut -f8 | grep -v -x -e Köln -e Porz)"
check "postal code" "$koeln" "$(q --name Meier --mode Exakt --town 50667)"
check "area code" "$koeln" "$(q --name Meier --mode Exakt --town 02203)"
check "town, postal code and area code" "$koeln" \
    "$(q --name Meier --mode Exakt --town Porz --town 51143 --town 0221)"
check "phonetic" "Mayer
Meier
Mohrer" "$(q --name Mair --mode Phonetisch --town Müllheim | cut -f1 | sed 's/^ *//' | sort -u)"
check "street and first name" "Anna	Kirchweg" \
    "$(q --first-name Anna --street 'Kirchweg 7' --town Berlin | grep -v "${tab}[12]\$" | cut -f2,4 |
        sed 's/  .*//' | sort -u)"

# More than the list holds: 1000 rows and a note.
many=$(q --street Kirchweg --per-page 50 2>"$work/note")
check "list limit" "1000" "$(printf '%s\n' "$many" | wc -l)"
check "list limit note" "Es wurden mehr als 1000 Einträge gefunden. Nur die ersten 1000 Einträge werden dargestellt.
Bitte verfeinern Sie Ihre Suchkriterien." "$(cat "$work/note")"

# Failures: the texts of the server and of the client, on standard error.
check "unknown town" "vendarion-query: Der Ort \"Nirgendwo\" ist nicht bekannt." \
    "$(q --name Meier --town Nirgendwo 2>&1)"
check "unknown town exit" "1" "$(q --name Meier --town Nirgendwo >/dev/null 2>&1; echo $?)"
check "not found" "vendarion-query: 404 Not Found" \
    "$("$tool" internet --server 127.0.0.1 --port "$port" --url /cgi-bin/Nothing --name Meier 2>&1)"
check "too few inputs" "vendarion-query: Nicht genug Eingaben für die Suche über Internet!
Try 'vendarion-query help'.
2" "$(q --town Köln 2>&1; echo $?)"
stop_server
check "refused" "vendarion-query: Die Verbindung wurde vom Internet Server zurückgewiesen." \
    "$(q --name Meier 2>&1)"

# The program alone, as a web server starts it.
body='l=Meier&v=1'
check "GET" "1" "$(REQUEST_METHOD=GET VENDARION_DATA=$work/data "$cgi" </dev/null |
    iconv -f WINDOWS-1252 -t UTF-8 | grep -ac 'Die Anfrage konnte nicht gelesen werden.')"
check "no data" "1" "$(printf '%s' "$body" | REQUEST_METHOD=POST CONTENT_LENGTH=${#body} \
    VENDARION_DATA=$work/none "$cgi" | iconv -f WINDOWS-1252 -t UTF-8 |
    grep -ac 'Die Verzeichnisdaten des Servers sind nicht verfügbar.')"
check "short body" "1" "$(printf '%s' "$body" | REQUEST_METHOD=POST CONTENT_LENGTH=100 \
    VENDARION_DATA=$work/data "$cgi" | grep -ac 'nicht gelesen')"
check "header" "Content-Type: application/vendarion" \
    "$(printf '%s' "$body" | REQUEST_METHOD=POST CONTENT_LENGTH=${#body} VENDARION_DATA=$work/data \
        "$cgi" | head -1 | tr -d '\r')"

finish_checks
echo "all directory server checks passed"

#!/usr/bin/env bash
# The directory server as a FastCGI server behind a real lighttpd on a free loopback
# port, over the tests' sample data set. lighttpd starts the backends itself
# (mod_fastcgi with bin-path): two behind one path in turn, each alone behind a path
# of its own, one without a cursor cache and one with a small work cap. Checks that
# pages agree with and without cache hits and across backends, that a killed
# backend comes back, that the work cap ends a request with an error reply, and that
# malformed requests get an error reply and harm no backend.
set -u
lighttpd=$1
server=$(realpath "$2")
tool=$3
writer=$4
. "$(dirname "$0")/../support/check.sh"

lighttpd_pid=""
stop_lighttpd() {
    if [ -n "$lighttpd_pid" ]; then
        kill "$lighttpd_pid" 2>/dev/null
        wait "$lighttpd_pid" 2>/dev/null
        lighttpd_pid=""
    fi
}
# Backends that outlive lighttpd (a failed check below) are ended too.
stop_backends() {
    [ -f "$work/starts" ] || return 0
    for pid in $(cut -d' ' -f2 "$work/starts"); do kill -9 "$pid" 2>/dev/null; done
}
trap 'stop_lighttpd; stop_backends; rm -rf "$work"' EXIT

mkdir -p "$work/data" "$work/www"
"$writer" "$work/data" || { echo "cannot write the sample data set"; exit 1; }
# Each backend through a script that records its name and process id at each start.
for name in a b nocache capped; do
    printf '#!/bin/sh\necho "%s $$" >>"%s/starts"\nexec "%s"\n' "$name" "$work" "$server" \
        >"$work/$name"
    chmod +x "$work/$name"
done

free_port() {
    python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

# backend NAME [ENVIRONMENT...]: one spawned backend (two workers unless told).
backend() {
    local name=$1
    shift
    local environment="\"VENDARION_DATA\" => \"$work/data\""
    case " $* " in *" VENDARION_WORKERS="*) ;; *) set -- "$@" VENDARION_WORKERS=2 ;; esac
    for pair in "$@"; do environment="$environment, \"${pair%%=*}\" => \"${pair#*=}\""; done
    printf '"%s" => ("socket" => "%s/%s.sock", "bin-path" => "%s/%s", "max-procs" => 1,
        "check-local" => "disable", "bin-environment" => (%s))' \
        "$name" "$work" "$name" "$work" "$name" "$environment"
}
# alone NAME: the socket of a backend that another path starts.
alone() {
    printf '"%s" => ("socket" => "%s/%s.sock-0", "check-local" => "disable")' "$1" "$work" "$1"
}

start_lighttpd() {
    for attempt in 1 2 3; do
        port=$(free_port)
        cat >"$work/lighttpd.conf" <<CONF
server.modules = ("mod_fastcgi")
server.document-root = "$work/www"
server.bind = "127.0.0.1"
server.port = $port
server.errorlog = "$work/error.log"
# The client ends its request lines with a line feed alone.
server.http-parseopts = ("header-strict" => "disable")
fastcgi.balance = "round-robin"
fastcgi.server = (
    "/cgi-bin/QueryCgi" => ($(backend a), $(backend b)),
    "/a/QueryCgi" => ($(alone a)),
    "/b/QueryCgi" => ($(alone b)),
    "/nocache/QueryCgi" => ($(backend nocache VENDARION_CACHE_ENTRIES=0)),
    "/capped/QueryCgi" => ($(backend capped VENDARION_MAX_VISITS=20000 VENDARION_WORKERS=1)),
)
CONF
        "$lighttpd" -D -f "$work/lighttpd.conf" 2>>"$work/error.log" &
        lighttpd_pid=$!
        for _ in $(seq 100); do
            if (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then return 0; fi
            kill -0 "$lighttpd_pid" 2>/dev/null || break
            sleep 0.05
        done
        stop_lighttpd
    done
    echo "lighttpd did not start:"; cat "$work/error.log"
    exit 1
}
start_lighttpd

export VENDARION_SETTINGS=$work/settings.reg
q() {  # q PATH OPTIONS...
    local path=$1
    shift
    "$tool" internet --server 127.0.0.1 --port "$port" --url "$path" "$@"
}
pid_of() { grep "^$1 " "$work/starts" | tail -1 | cut -d' ' -f2; }
starts_of() { grep -c "^$1 " "$work/starts"; }
# post PATH BODY [METHOD]: the reply kind (the first number of the reply header), then
# the reply body as UTF-8 text.
post() {
    python3 - "$port" "$1" "$2" "${3:-POST}" <<'PY'
import os, socket, sys
port, path, body, method = int(sys.argv[1]), sys.argv[2], os.fsencode(sys.argv[3]), sys.argv[4]
with socket.create_connection(("127.0.0.1", port)) as s:
    try:  # the server may answer before it has read a body it refuses
        s.sendall(f"{method} {path} HTTP/1.0\r\nContent-Type: application/x-www-form-urlencoded\r\n"
                  f"Content-Length: {len(body)}\r\n\r\n".encode() + body)
    except (BrokenPipeError, ConnectionResetError):
        pass
    reply = b""
    while chunk := s.recv(65536):
        reply += chunk
body = reply.split(b"\r\n\r\n", 1)[-1]
kind = int.from_bytes(body[:4], "big") if len(body) >= 32 else "none"
try:  # the reader may want the first line only
    print(f"kind {kind}\n{body.decode('cp1252', 'replace')}")
except BrokenPipeError:
    sys.stderr.close()
PY
}

# Paging: in turn over two backends (cache hits and misses mixed), on one backend
# (hits), without a cache (no hits) and in one page all give the same rows.
for query in "--name Meier --mode Exakt" "--first-name Anna --street Kirchweg" \
             "--name Mair --mode Phonetisch" "--street Kirchweg"; do
    one=$(q /nocache/QueryCgi $query --per-page 1000 2>/dev/null)
    check "$query: rows" "1" "$([ "$(printf '%s\n' "$one" | wc -l)" -gt 5 ] && echo 1)"
    check "$query: two backends in turn" "$one" "$(q /cgi-bin/QueryCgi $query --per-page 7 2>/dev/null)"
    check "$query: cache hits" "$one" "$(q /a/QueryCgi $query --per-page 7 2>/dev/null)"
    check "$query: no cache" "$one" "$(q /nocache/QueryCgi $query --per-page 7 2>/dev/null)"
    check "$query: backend b" "$one" "$(q /b/QueryCgi $query --per-page 50 2>/dev/null)"
done
check "list limit" "1000" "$(q /cgi-bin/QueryCgi --street Kirchweg --per-page 50 2>/dev/null | wc -l)"
check "unknown town" "vendarion-query: Der Ort \"Nirgendwo\" ist nicht bekannt." \
    "$(q /cgi-bin/QueryCgi --name Meier --town Nirgendwo 2>&1)"

# The work cap: an error reply, and the one worker of the backend is free again.
check "over the cap" "vendarion-query: Die Suche ist zu umfangreich. Bitte verfeinern Sie Ihre Suchkriterien." \
    "$(q /capped/QueryCgi --first-name Anna --per-page 1000 2>&1)"
check "after the cap" "$(q /a/QueryCgi --name Meier --mode Exakt --town Müllheim)" \
    "$(q /capped/QueryCgi --name Meier --mode Exakt --town Müllheim)"

# Malformed and oversized requests: the server's error reply; no backend ends.
starts_before=$(wc -l <"$work/starts")
unreadable="Die Anfrage konnte nicht gelesen werden."
for path in /a/QueryCgi /b/QueryCgi; do
    check "$path GET" "1" "$(post "$path" "" GET | grep -c "$unreadable")"
    check "$path bad encoding" "1" "$(post "$path" "l=Mei%er&v=1" | grep -c "$unreadable")"
    check "$path bad number" "1" "$(post "$path" "l=Meier&p=-x" | grep -c "$unreadable")"
    check "$path oversized" "1" "$(post "$path" "l=$(head -c 70000 /dev/zero | tr '\0' 'M')" |
        grep -c "$unreadable")"
    check "$path binary" "kind 0" "$(post "$path" "$(printf 'l=\001\377&&==&p=99999999999')" | head -1)"
    check "$path huge page" "kind 3" "$(post "$path" "f=Anna&n=2147483647&p=2147483647" | head -1)"
done
check "no backend ended" "$starts_before" "$(wc -l <"$work/starts")"
check "answers after them" "$one" "$(q /cgi-bin/QueryCgi --street Kirchweg --per-page 1000 2>/dev/null)"

# A killed backend: lighttpd starts it again, and the client sees at most one
# failed page (one failed search of several pages, the next one complete).
expected=$(q /a/QueryCgi --name Meier --mode Exakt --per-page 7)
killed=$(pid_of a)
kill -9 "$killed"
failed=0
for attempt in 1 2 3; do
    got=$(q /cgi-bin/QueryCgi --name Meier --mode Exakt --per-page 7 2>/dev/null) && break
    failed=$((failed + 1))
done
check "failed pages after the kill" "1" "$([ "$failed" -le 1 ] && echo 1)"
check "rows after the kill" "$expected" "$got"
for _ in $(seq 100); do
    [ "$(starts_of a)" -ge 2 ] && [ "$(pid_of a)" != "$killed" ] && break
    sleep 0.05
done
check "backend started again" "2" "$(starts_of a)"
for _ in $(seq 100); do
    q /a/QueryCgi --name Meier --mode Exakt --per-page 7 >/dev/null 2>&1 && break
    sleep 0.05
done
check "the new backend answers" "$expected" "$(q /a/QueryCgi --name Meier --mode Exakt --per-page 7)"

# lighttpd ends its backends when it stops.
stop_lighttpd
running=""
for _ in $(seq 100); do
    running=$(for pid in $(cut -d' ' -f2 "$work/starts"); do kill -0 "$pid" 2>/dev/null && echo "$pid"; done)
    [ -z "$running" ] && break
    sleep 0.05
done
check "backends end with lighttpd" "" "$running"

[ "$failures" -eq 0 ] || { echo "lighttpd's log:"; tail -20 "$work/error.log"; }
finish_checks
echo "all FastCGI server checks passed"

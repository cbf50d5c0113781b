#!/usr/bin/env python3
"""The directory server behind one lighttpd on loopback, as CGI and as FastCGI in the
same run, on one data set (the national one for meaningful figures):

    python3 bench/server_bench.py DATA QUERYCGI QUERY_TOOL [--seconds S] [--rounds N]
        [--parts paging,throughput,memory] > out.json

1. Paging: a whole-country search of 1000 rows in the 21 pages of 50 that the client
   asks for, CGI against FastCGI, against the floor: one request that searches to
   the 1000th hit (n=1000, first page, through FastCGI). A bare client sends the
   pages; the client program checks the 1000 rows once.
   Rounds interleave the three in random order; medians are reported.
2. Throughput and latency for a mix of one-town queries at 1, 2, 8 and 32
   concurrent clients (wrk, S seconds each), CGI against FastCGI.
3. Memory: the resident size of the FastCGI server during 10,000 mixed requests
   (users paging through one-town and whole-country searches, every name mode).

Each part's figures also go to standard error as soon as it is done.

Every run is bounded; the machine's load weighs alike on both sides of each ratio.
"""
import argparse
import http.client
import json
import os
import random
import re
import socket
import statistics
import subprocess
import sys
import tempfile
import threading
import time
import urllib.parse

WHOLE_COUNTRY = {"Müller, Exakt": ["--name", "Müller", "--mode", "Exakt"],
                 "Peter + Hauptstr": ["--first-name", "Peter", "--street", "Hauptstr"]}
SURNAMES = ["Müller", "Schmidt", "Meier", "Schulz", "Fischer", "Weber", "Wagner", "Becker"]
TOWNS = ["Essen", "Köln", "Bonn", "Kiel", "Erfurt", "Potsdam", "Ulm", "Trier"]


def form(**fields):
    return "&".join(f"{key}={urllib.parse.quote(value.encode('cp1252'), safe='')}"
                    for key, value in fields.items())


def one_town_mix():
    rng = random.Random(1)
    bodies = []
    for _ in range(64):
        fields = {"l": rng.choice(SURNAMES), "c": rng.choice(TOWNS), "n": "50"}
        if rng.random() < 0.5:
            fields["y"] = "1"
        bodies.append(form(**fields) + "&v=1")
    return bodies


def mixed_requests(count):
    """Searches as users page through them: each one's pages 0, 1, ... in a row; one in
    thirty over the whole country, every name mode."""
    rng = random.Random(2)
    bodies = []
    while len(bodies) < count:
        fields = {"l": rng.choice(SURNAMES), "c": rng.choice(TOWNS), "n": "20"}
        if rng.random() < 1 / 30:
            fields = rng.choice([{"l": "Müller", "y": "1"}, {"f": "Peter", "s": "Hauptstr"},
                                 {"l": "Meier", "x": "1"}])
            fields["n"] = "50"
        mode = rng.random()
        if "c" in fields and mode < 0.3:
            fields["y"] = "1"
        elif "c" in fields and mode < 0.4:
            fields["x"] = "1"
        for page in range(rng.randint(1, 4)):
            bodies.append(form(**fields, p=str(page)) + "&v=1")
    return bodies[:count]


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def start_lighttpd(work, data, querycgi):
    port = free_port()
    os.makedirs(f"{work}/www/cgi-bin")
    os.symlink(querycgi, f"{work}/www/cgi-bin/QueryCgi")
    with open(f"{work}/backend", "w") as f:
        f.write(f"#!/bin/sh\necho $$ >{work}/backend.pid\nexec {querycgi}\n")
    os.chmod(f"{work}/backend", 0o755)
    with open(f"{work}/lighttpd.conf", "w") as f:
        f.write(f"""server.modules = ("mod_alias", "mod_cgi", "mod_setenv", "mod_fastcgi")
server.document-root = "{work}/www"
server.bind = "127.0.0.1"
server.port = {port}
server.errorlog = "{work}/error.log"
server.max-connections = 1024
server.http-parseopts = ("header-strict" => "disable")
alias.url = ("/cgi-bin/" => "{work}/www/cgi-bin/")
$HTTP["url"] =~ "^/cgi-bin/" {{ cgi.assign = ("" => "") }}
setenv.add-environment = ("VENDARION_DATA" => "{data}")
fastcgi.server = ("/fcgi/QueryCgi" => (("socket" => "{work}/fcgi.sock",
    "bin-path" => "{work}/backend", "max-procs" => 1, "check-local" => "disable",
    "bin-environment" => ("VENDARION_DATA" => "{data}"))))
""")
    lighttpd = subprocess.Popen(["lighttpd", "-D", "-f", f"{work}/lighttpd.conf"])
    for _ in range(200):
        try:
            socket.create_connection(("127.0.0.1", port)).close()
            return lighttpd, port
        except OSError:
            time.sleep(0.05)
    raise SystemExit("lighttpd did not start")


def stop_backend(work):
    try:
        with open(f"{work}/backend.pid") as f:
            os.kill(int(f.read()), 15)
    except (OSError, ValueError):
        pass


def post(port, path, body):
    connection = http.client.HTTPConnection("127.0.0.1", port, timeout=60)
    connection.request("POST", path, body=body,
                       headers={"Content-Type": "application/x-www-form-urlencoded"})
    reply = connection.getresponse().read()
    connection.close()
    return reply


def paging(port, tool, rounds):
    """The pages a client asks for (n=50, p=0...20), sent by a bare client so that
    only the server's side is timed; the rows are checked once with the real client."""
    results = {}
    for name, options in WHOLE_COUNTRY.items():
        query = form(**{"l": "Müller", "y": "1"} if "Müller" in name else
                     {"f": "Peter", "s": "Hauptstr"})
        paths = {"cgi": "/cgi-bin/QueryCgi", "fastcgi": "/fcgi/QueryCgi"}
        rows = {mode: subprocess.run([tool, "internet", "--server", "127.0.0.1", "--port",
                                      str(port), "--url", path, "--per-page", "50", *options],
                                     capture_output=True, check=True).stdout.count(b"\n")
                for mode, path in paths.items()}
        times = {"cgi": [], "fastcgi": [], "floor": []}
        for _ in range(rounds):
            order = list(times)
            random.shuffle(order)
            for what in order:
                start = time.perf_counter()
                if what == "floor":
                    post(port, paths["fastcgi"], query + "&n=1000&v=1")
                else:
                    for page in range(21):
                        post(port, paths[what], f"{query}&n=50&p={page}&v=1")
                times[what].append(time.perf_counter() - start)
        results[name] = {what: statistics.median(t) for what, t in times.items()}
        results[name]["rows"] = rows
        results[name]["fastcgi/floor"] = results[name]["fastcgi"] / results[name]["floor"]
        results[name]["cgi/fastcgi"] = results[name]["cgi"] / results[name]["fastcgi"]
    return results


WRK_SCRIPT = """
bodies = {%s}
counter = 0
request = function()
    counter = counter + 1
    return wrk.format("POST", nil, {["Content-Type"] = "application/x-www-form-urlencoded"},
                      bodies[(counter %% #bodies) + 1])
end
"""


def to_ms(text):
    value, unit = re.fullmatch(r"([\d.]+)(us|ms|s|m)", text).groups()
    return float(value) * {"us": 0.001, "ms": 1, "s": 1000, "m": 60000}[unit]


def throughput(work, port, seconds):
    script = f"{work}/mix.lua"
    with open(script, "w") as f:
        f.write(WRK_SCRIPT % ", ".join(json.dumps(b) for b in one_town_mix()))
    results = {}
    for clients in (1, 2, 8, 32):
        for mode, path in (("cgi", "/cgi-bin/QueryCgi"), ("fastcgi", "/fcgi/QueryCgi")):
            out = subprocess.run(["wrk", "-t", str(min(clients, 2)), "-c", str(clients), "-d",
                                  f"{seconds}s", "--timeout", "30s", "--latency", "-s", script,
                                  f"http://127.0.0.1:{port}{path}"],
                                 capture_output=True, text=True, check=True).stdout
            figures = {"requests_per_s": float(re.search(r"Requests/sec:\s+([\d.]+)", out)[1])}
            for label, key in (("50%", "median_ms"), ("99%", "p99_ms")):
                figures[key] = to_ms(re.search(rf"\s{re.escape(label)}\s+(\S+)", out)[1])
            errors = re.search(r"Non-2xx or 3xx responses: (\d+)", out)
            figures["non_2xx"] = int(errors[1]) if errors else 0
            results.setdefault(str(clients), {})[mode] = figures
        entry = results[str(clients)]
        entry["fastcgi/cgi"] = entry["fastcgi"]["requests_per_s"] / entry["cgi"]["requests_per_s"]
    return results


def resident_kb(pid):
    """The resident size, and its anonymous part (heap and stacks: the mapped archives'
    pages are the rest, shared with the page cache)."""
    with open(f"/proc/{pid}/status") as f:
        status = f.read()
    return {field: int(re.search(rf"{field}:\s+(\d+)", status)[1])
            for field in ("VmRSS", "RssAnon")}


def memory(work, port, count=10_000, clients=4):
    with open(f"{work}/backend.pid") as f:
        pid = int(f.read())
    bodies = mixed_requests(count)
    samples = [(0, resident_kb(pid))]  # after the first requests of the other parts
    done = 0
    lock = threading.Lock()

    def client(part):
        nonlocal done
        for body in part:
            post(port, "/fcgi/QueryCgi", body)
            with lock:
                done += 1
                if done % 1000 == 0:
                    samples.append((done, resident_kb(pid)))

    threads = [threading.Thread(target=client, args=(bodies[i::clients],)) for i in range(clients)]
    for thread in threads:
        thread.start()
    for thread in threads:
        thread.join()
    return {"requests": count, "rss_kb": sorted(samples)}


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("data")
    parser.add_argument("querycgi")
    parser.add_argument("tool")
    parser.add_argument("--seconds", type=int, default=8)
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--parts", default="paging,throughput,memory")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as work:
        lighttpd, port = start_lighttpd(work, os.path.abspath(args.data),
                                        os.path.abspath(args.querycgi))
        try:
            post(port, "/fcgi/QueryCgi", "l=Meier&v=1")  # the backend starts
            result = {}
            for part, run in (("paging", lambda: paging(port, os.path.abspath(args.tool),
                                                         args.rounds)),
                              ("throughput", lambda: throughput(work, port, args.seconds)),
                              ("memory", lambda: memory(work, port))):
                if part not in args.parts.split(","):
                    continue
                result[part] = run()
                print(json.dumps({part: result[part]}, ensure_ascii=False), file=sys.stderr)
        finally:
            lighttpd.terminate()
            lighttpd.wait()
            stop_backend(work)
    json.dump(result, sys.stdout, indent=1, ensure_ascii=False)


if __name__ == "__main__":
    main()

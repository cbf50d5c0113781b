#!/usr/bin/env python3
"""A narrow search as a whole process, against the sqlite3 shell answering the same
query from the baseline database: every command runs once per round, in a new
random order each round, and its wall time and processor time (user + system, from
the kernel's accounting of the finished child) are recorded.

    python3 bench/process_bench.py DATA DATABASE NAME=QUERY_TOOL... [--rounds N] > out.json

Each NAME=QUERY_TOOL is a vendarion-query binary to measure (several: say, two
builds side by side). The search is Exakt "Meier" in Essen, a few dozen hits.
"""
import argparse
import sys
import json
import os
import random
import subprocess
import time

TOWN = "Essen"
SURNAME = "Meier"
FOLDED = "meier"
COLUMNS = ("position, level, surname, first_name, street, house_number, heading, area_code, "
           "phone, postal_code, town")


def run(command):
    """Wall and processor seconds of one run; the output is read and dropped."""
    start = time.perf_counter()
    child = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    wall = time.perf_counter() - start
    child.returncode = os.waitstatus_to_exitcode(status)
    if child.returncode != 0:
        raise SystemExit(f"{command[0]} failed with {child.returncode}")
    return wall, usage.ru_utime + usage.ru_stime


def town_book(tool, data):
    out = subprocess.run([tool, "towns", "--data", data, TOWN, "1"], check=True,
                         capture_output=True, text=True).stdout
    fields = out.splitlines()[0].split("\t")
    if fields[1] != TOWN:
        raise SystemExit(f"no town {TOWN} in {data}")
    return int(fields[3])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("data")
    parser.add_argument("database")
    parser.add_argument("tools", nargs="+", metavar="NAME=QUERY_TOOL")
    parser.add_argument("--rounds", type=int, default=40)
    args = parser.parse_args()
    tools = dict(tool.split("=", 1) for tool in args.tools)
    book = town_book(next(iter(tools.values())), args.data)
    sql = (f"SELECT {COLUMNS} FROM entries WHERE book = {book} AND surname_folded = "
           f"'{FOLDED}' LIMIT 1000")
    commands = {name: [tool, "search", "--data", args.data, "--town", TOWN, "--name", SURNAME,
                       "--mode", "Exakt"] for name, tool in tools.items()}
    commands["sqlite3"] = ["sqlite3", "-readonly", args.database, sql]
    for command in commands.values():  # page cache and the shell's own start warm
        run(command)
    results = {name: {"wall": [], "cpu": []} for name in commands}
    order = list(commands)
    for _ in range(args.rounds):
        random.shuffle(order)
        for name in order:
            wall, cpu = run(commands[name])
            results[name]["wall"].append(wall)
            results[name]["cpu"].append(cpu)
    json.dump({"query": f"Exakt '{SURNAME}' in {TOWN} (book {book}); sqlite3: {sql}",
               "rounds": args.rounds, "commands": results}, fp=sys.stdout, indent=1)


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
"""Turns the JSON of vendarion-bench into a Markdown table: our engine against the
SQLite baseline and against the targets. Takes the fastest of repeated runs.

    python3 bench/summarize.py build/bench/results.json > build/bench/results.md
"""
import json
import re
import sys

UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
MODES = ["Normal", "Exakt", "Phonetisch", "NormalKomplett", "ExaktKomplett", "Namensteile"]
POSITIONED = {"Normal", "Exakt", "Phonetisch"}
NAMES = ["common", "rare", "none"]


def load(path):
    """Benchmark name (without the /manual_time, /iterations:N suffixes) -> its fastest
    repetition: the machine is shared, and the fastest run is the one least disturbed."""
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    runs = {}
    for run in data["benchmarks"]:
        if run.get("run_type") == "aggregate":
            continue
        name = re.sub(r"/(manual_time|iterations:\d+|repeats:\d+)", "", run["run_name"])
        best = runs.get(name)
        if run.get("error_occurred"):
            runs.setdefault(name, run)
        elif best is None or best.get("error_occurred") or run["real_time"] < best["real_time"]:
            runs[name] = run
    return data["context"], runs


def seconds(run):
    return run["real_time"] * UNITS[run["time_unit"]]


def fmt_time(value):
    if value is None:
        return "-"
    if value >= 1:
        return f"{value:.2f} s"
    if value >= 1e-3:
        return f"{value * 1e3:.1f} ms"
    if value >= 1e-6:
        return f"{value * 1e6:.1f} µs"
    return f"{value * 1e9:.0f} ns"


def verdict(ok):
    return "met" if ok else "**missed**"


class Report:
    def __init__(self, runs):
        self.runs = runs
        self.lines = []

    def time(self, name):
        run = self.runs.get(name)
        return None if run is None or run.get("error_occurred") else seconds(run)

    def counter(self, name, key):
        run = self.runs.get(name)
        return None if run is None else run.get(key)

    def add(self, *lines):
        self.lines.extend(lines)

    def searches(self, ours_group, sqlite_group, title):
        self.add(f"## {title}", "",
                 "| mode | surname | first hit | last hit | hits | SQLite first | SQLite last "
                 "| SQLite rows | last hit vs SQLite | first hit < 1 ms |",
                 "|---|---|---|---|---|---|---|---|---|---|")
        for name in NAMES:
            for mode in MODES:
                ours, theirs = f"{ours_group}/{mode}/{name}", f"{sqlite_group}/{mode}/{name}"
                first, last = self.time(ours + "/first"), self.time(ours + "/last")
                if first is None and last is None:
                    continue
                sfirst, slast = self.time(theirs + "/first"), self.time(theirs + "/last")
                faster = "-"
                if last is not None and slast is not None:
                    ratio = slast / last if last > 0 else float("inf")
                    faster = f"{ratio:.1f}x faster" if last < slast else f"{1 / ratio:.1f}x slower"
                    if mode in POSITIONED:
                        faster += " (" + verdict(last < slast) + ")"
                first_target = verdict(first < 1e-3) if mode in POSITIONED and first else "scan"
                hits = self.counter(ours + "/last", "hits")
                rows = self.counter(theirs + "/last", "hits")
                self.add(f"| {mode} | {name} | {fmt_time(first)} | {fmt_time(last)} | "
                         f"{hits if hits is None else int(hits)} | {fmt_time(sfirst)} | "
                         f"{fmt_time(slast)} | {rows if rows is None else int(rows)} | {faster} "
                         f"| {first_target} |")
        self.add("")

    def scans(self):
        floor = self.time("Scan/Inflate")
        records = self.counter("Scan/Inflate", "records")
        self.add("## Whole-book walks (no cap)", "",
                 f"Book of {records and int(records)} records; floor = inflating its blocks "
                 "alone.", "", "| walk | time | vs floor | target |", "|---|---|---|---|",
                 f"| inflate only (floor) | {fmt_time(floor)} | 1.00 | - |")
        for mode, limit in (("NormalKomplett", 0.15), ("ExaktKomplett", 0.15),
                            ("Namensteile", 0.2)):
            value = self.time(f"Scan/{mode}")
            ratio = f"{value / floor:.2f}" if value and floor else "-"
            ok = value is not None and value < limit
            self.add(f"| {mode} | {fmt_time(value)} | {ratio} | < {limit} s: {verdict(ok)} |")
        sqlite = self.time("Sqlite/Namensteile/rare/last")
        self.add(f"| SQLite LIKE over the book | {fmt_time(sqlite)} | "
                 f"{f'{sqlite / floor:.2f}' if sqlite and floor else '-'} | - |", "")

    def keystrokes(self):
        self.add("## Keystroke lookups", "",
                 "| lookup | prefixes | median | p99 | max | p99 < 1 ms |", "|---|---|---|---|---|---|")
        for kind in ("Town", "PostalCode", "AreaCode", "Surname", "SurnameRange"):
            name = f"Keystroke/{kind}"
            p50, p99 = self.counter(name, "p50_us"), self.counter(name, "p99_us")
            top, count = self.counter(name, "max_us"), self.counter(name, "prefixes")
            if p50 is None:
                continue
            self.add(f"| {kind} | {int(count)} | {fmt_time(p50 * 1e-6)} | {fmt_time(p99 * 1e-6)} "
                     f"| {fmt_time(top * 1e-6)} | {verdict(p99 < 1000)} |")
        self.add("")

    def decode(self):
        self.add("## Decoding one hit into a SubscriberEntry", "", "| records | time | target |",
                 "|---|---|---|")
        for kind in ("TableOrder", "Random"):
            value = self.time(f"Decode/{kind}")
            self.add(f"| {kind} | {fmt_time(value)} | <= 1.5 µs: "
                     f"{verdict(value is not None and value <= 1.5e-6)} |")
        self.add("")

    def opening(self):
        self.add("## Opening, memory, cold start", "", "| figure | value | target |",
                 "|---|---|---|")
        self.add(f"| open, warm | {fmt_time(self.time('Open/Warm'))} | - |")
        cold = self.runs.get("Open/Cold", {})
        self.add(f"| open, cold ({cold.get('label', '')}) | {fmt_time(self.time('Open/Cold'))} "
                 "| - |")
        for mode in ("Normal", "Phonetisch", "Namensteile"):
            value = self.time(f"Cold/{mode}/common/first")
            target = f"< 20 ms: {verdict(value < 0.02)}" if value is not None else "-"
            self.add(f"| first hit after a cold open, {mode} common | {fmt_time(value)} | "
                     f"{target} |")
        for when, text in (("start", "before opening"), ("open", "after opening"),
                           ("scan", "after a whole-book walk")):
            rss = self.counter("Memory", f"rss_{when}_mib")
            anon = self.counter("Memory", f"anon_{when}_mib")
            mapped = self.counter("Memory", f"file_{when}_mib")
            if rss is not None:
                self.add(f"| resident memory {text} | {rss:.1f} MiB (heap {anon:.1f}, "
                         f"mapped files {mapped:.1f}) | - |")
        self.add("")

    def sizes(self):
        build = self.runs.get("Sqlite/Build")
        if build is None:
            return
        ratio = build.get("size_ratio")
        self.add("## On disk", "", "| data | size |", "|---|---|",
                 f"| our four archives | {build['archives_mib']:.0f} MiB |",
                 f"| SQLite database ({int(build['rows'])} rows, with its index) | "
                 f"{build['sqlite_mib']:.0f} MiB |",
                 f"| ratio | {ratio:.2f}x (>= 5x: {verdict(ratio >= 5)}) |",
                 f"| SQLite build time | {build.get('label') or fmt_time(self.time('Sqlite/Build'))} |",
                 "")


def main():
    context, runs = load(sys.argv[1])
    report = Report(runs)
    report.add("# Benchmark results", "",
               f"{context.get('date', '')}, {context.get('num_cpus')} CPUs at "
               f"{context.get('mhz_per_cpu')} MHz, load {context.get('load_avg')}; the fastest of "
               "the repeated runs where repeated (shared machine).", "")
    report.searches("Search", "Sqlite",
                    "Searches in the largest book, repeated (both engines' caches warm)")
    report.searches("SearchFresh", "SqliteFresh",
                    "Searches in the largest book, fresh caches (our book list opened just "
                    "before, SQLite's page cache emptied; the OS page cache warm)")
    report.scans()
    report.keystrokes()
    report.decode()
    report.opening()
    report.sizes()
    print("\n".join(report.lines))


if __name__ == "__main__":
    main()

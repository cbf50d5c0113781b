#!/usr/bin/env python3
"""Turns the JSON of vendarion-bench (and, when given, that of the whole-process and
the window benchmarks) into Markdown tables: every figure is the median of its
repetitions with their range (min-max); our engine stands against the SQLite
baseline in three cache states, and every ratio is taken repetition by repetition
from the same run, whose repetitions scripts/bench.sh interleaves.

    python3 bench/summarize.py results.json [--process process.json] [--window window.json]
"""
import argparse
import json
import re
import statistics

UNITS = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}
MODES = ["Normal", "Exakt", "Phonetisch", "NormalKomplett", "ExaktKomplett", "Namensteile"]
NAMES = ["common", "rare", "none"]
STATES = {
    "Cached": "blocks cached (the same search just ran; SQLite's page cache as it left it)",
    "Evicted": "blocks evicted (other blocks inflated since; SQLite's page cache emptied), "
               "the files in the page cache",
    "Cold": "cold files (our archives and SQLite's database evicted from the page cache, "
            "then opened afresh)",
}
SUFFIX = re.compile(r"/(manual_time|iterations:\d+|repeats:\d+|min_time:[0-9.]+)")


def load(path):
    """Benchmark name (without its option suffixes) -> its repetitions in order."""
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    runs = {}
    for run in data["benchmarks"]:
        if run.get("run_type") == "aggregate":
            continue
        runs.setdefault(SUFFIX.sub("", run["run_name"]), []).append(run)
    for reps in runs.values():
        reps.sort(key=lambda run: run.get("repetition_index", 0))
    return data["context"], runs


class Figure:
    """The values of one figure over the repetitions, by repetition index."""

    def __init__(self, values):
        self.values = {i: v for i, v in values.items() if v is not None}

    def median(self):
        return statistics.median(self.values.values()) if self.values else None

    def low(self):
        return min(self.values.values()) if self.values else None

    def high(self):
        return max(self.values.values()) if self.values else None

    def over(self, other):
        """Ratios repetition by repetition."""
        return Figure({i: v / other.values[i] for i, v in self.values.items()
                       if other.values.get(i)})


def fmt_time(value):
    if value is None:
        return "-"
    if value >= 1:
        return f"{value:.2f} s"
    if value >= 1e-3:
        return f"{value * 1e3:.2f} ms"
    if value >= 1e-6:
        return f"{value * 1e6:.1f} µs"
    return f"{value * 1e9:.0f} ns"


def spread(figure, fmt=fmt_time):
    if figure.median() is None:
        return "-"
    if len(figure.values) == 1:
        return fmt(figure.median())
    return f"{fmt(figure.median())} ({fmt(figure.low())}-{fmt(figure.high())})"


def ratio_text(value):
    return f"{value:.2f}"


class Report:
    def __init__(self, runs):
        self.runs = runs
        self.lines = []

    def add(self, *lines):
        self.lines.extend(lines)

    def time(self, name):
        reps = self.runs.get(name, [])
        return Figure({run.get("repetition_index", 0): None if run.get("error_occurred")
                       else run["real_time"] * UNITS[run["time_unit"]] for run in reps})

    def counter(self, name, key, scale=1.0):
        reps = self.runs.get(name, [])
        return Figure({run.get("repetition_index", 0): run[key] * scale if key in run else None
                       for run in reps})

    def hits(self, name):
        value = self.counter(name, "hits").median()
        return "-" if value is None else str(int(value))

    def label(self, name):
        reps = self.runs.get(name, [])
        return reps[0].get("label", "") if reps else ""

    def searches(self, state):
        floors = state != "Cached"
        self.add(f"## Searches in the largest book: {STATES[state]}", "",
                 "Times: median (min-max) of the repetitions. Ratios: ours / SQLite, taken "
                 "repetition by repetition (below 1: we are faster)" +
                 ("; vs floor: our time / inflating the same blocks alone in the same state."
                  if floors else "."), "",
                 "| mode | surname | hits | first hit | last hit | SQLite first | SQLite last "
                 "| first / SQLite | last / SQLite |" + (" last / floor |" if floors else ""),
                 "|---|---|---|---|---|---|---|---|---|" + ("---|" if floors else ""))
        for name in NAMES:
            for mode in MODES:
                ours = f"Search/{state}/{mode}/{name}"
                theirs = f"Sqlite/{state}/{mode}/{name}"
                first, last = self.time(ours + "/first"), self.time(ours + "/last")
                if first.median() is None and last.median() is None:
                    continue
                sfirst, slast = self.time(theirs + "/first"), self.time(theirs + "/last")
                hits = self.hits(ours + "/last")
                if self.hits(theirs + "/last") not in ("-", hits):
                    hits += f" (SQLite {self.hits(theirs + '/last')})"
                row = (f"| {mode} | {name} | {hits} | {spread(first)} | {spread(last)} | "
                       f"{spread(sfirst)} | {spread(slast)} | "
                       f"{spread(first.over(sfirst), ratio_text)} | "
                       f"{spread(last.over(slast), ratio_text)} |")
                if floors:
                    floor = self.counter(ours + "/last", "floor_us", 1e-6)
                    row += f" {spread(last.over(floor), ratio_text)} |"
                self.add(row)
        self.add("")

    def scans(self):
        self.add("## Whole-book walks (no cap), the book's blocks evicted", "",
                 "| walk | blocks | time | floor (inflating the blocks alone) | time / floor |",
                 "|---|---|---|---|---|")
        for mode in ("NormalKomplett", "ExaktKomplett", "Namensteile"):
            name = f"Scan/{mode}"
            time = self.time(name)
            floor = self.counter(name, "floor_us", 1e-6)
            blocks = self.counter(name, "blocks").median()
            self.add(f"| {mode} | {'-' if blocks is None else int(blocks)} | {spread(time)} | "
                     f"{spread(floor)} | {spread(time.over(floor), ratio_text)} |")
        sqlite = self.time("Sqlite/Evicted/Namensteile/rare/last")
        self.add(f"| SQLite LIKE over the book's folded surnames | - | {spread(sqlite)} | - | - |",
                 "")

    def turns(self):
        self.add("## Namensteile: the index or the walk, by how many surnames hold the text",
                 "", "Largest book, blocks as the search before left them; to the list's cap "
                 "and to the end of the book.", "",
                 "| text | words | to the cap: hits | time | by index | to the end: hits | time "
                 "| by index |", "|---|---|---|---|---|---|---|---|")
        texts = sorted({name.split("/")[1] for name in self.runs if name.startswith("Turn/")},
                       key=lambda text: self.counter(f"Turn/{text}/end", "words").median() or 0)
        for text in texts:
            words = self.counter(f"Turn/{text}/end", "words").median()
            row = f"| {text} | {'-' if words is None else int(words)} |"
            for end in ("last", "end"):
                name = f"Turn/{text}/{end}"
                indexed = self.counter(name, "indexed").median()
                row += (f" {self.hits(name)} | {spread(self.time(name))} | "
                        f"{'-' if indexed is None else ('yes' if indexed else 'no')} |")
            self.add(row)
        self.add("")

    def plans(self):
        self.add("## SQLite's plans", "", "| query | plan |", "|---|---|")
        for mode in MODES:
            plan = self.label(f"Sqlite/Evicted/{mode}/common/last")
            if plan:
                self.add(f"| {mode} | {plan} |")
        self.add("")

    def keystrokes(self):
        self.add("## Keystroke lookups", "", "Median of the repetitions (min-max).", "",
                 "| lookup | prefixes | median | p99 | max |", "|---|---|---|---|---|")
        for kind in ("Town", "PostalCode", "AreaCode", "Surname", "SurnameRange"):
            name = f"Keystroke/{kind}"
            p50 = self.counter(name, "p50_us", 1e-6)
            if p50.median() is None:
                continue
            count = self.counter(name, "prefixes").median()
            self.add(f"| {kind} | {int(count)} | {spread(p50)} | "
                     f"{spread(self.counter(name, 'p99_us', 1e-6))} | "
                     f"{spread(self.counter(name, 'max_us', 1e-6))} |")
        self.add("")

    def decode(self):
        self.add("## Decoding one hit into a SubscriberEntry", "", "| records | time |",
                 "|---|---|")
        for kind in ("TableOrder", "Random"):
            self.add(f"| {kind} | {spread(self.time(f'Decode/{kind}'))} |")
        self.add("")

    def opening(self, context):
        self.add("## Opening and memory", "", "| figure | value |", "|---|---|",
                 f"| open, warm: time | {spread(self.time('Open/Warm'))} |",
                 f"| open, warm: processor time | "
                 f"{spread(self.counter('Open/Warm', 'cpu_ms', 1e-3))} |",
                 f"| open, cold (archives evicted): time | {spread(self.time('Open/Cold'))} |",
                 f"| open, cold: processor time | "
                 f"{spread(self.counter('Open/Cold', 'cpu_ms', 1e-3))} |")
        for when, text in (("start", "before opening"), ("open", "after opening"),
                           ("scan", "after a whole-book walk")):
            if f"rss_{when}_mib" in context:
                self.add(f"| resident memory {text} | {float(context[f'rss_{when}_mib']):.1f} MiB "
                         f"(heap {float(context[f'anon_{when}_mib']):.1f}, mapped files "
                         f"{float(context[f'file_{when}_mib']):.1f}) |")
        self.add("")

    def sizes(self, context):
        if "sqlite_mib" not in context:
            return
        archives, sqlite = float(context["archives_mib"]), float(context["sqlite_mib"])
        build = context["sqlite_build_s"]
        build = build if build == "reused" else fmt_time(float(build))
        self.add("## On disk", "", "| data | size |", "|---|---|",
                 f"| our four archives | {archives:.0f} MiB |",
                 f"| SQLite database ({context['sqlite_rows']} rows, with its index) | "
                 f"{sqlite:.0f} MiB |",
                 f"| ratio | {sqlite / archives:.2f}x |",
                 f"| SQLite build time | {build} |", "")


def process_section(path):
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    lines = ["## Whole processes: a narrow search", "",
             f"{data['query']}; {data['rounds']} rounds, the commands in a new random order "
             "each round. Median (min-max); ratios per round.", "",
             "| command | wall time | processor time | wall / sqlite3 | processor / sqlite3 |",
             "|---|---|---|---|---|"]
    peer = data["commands"]["sqlite3"]
    peer_wall = Figure(dict(enumerate(peer["wall"])))
    peer_cpu = Figure(dict(enumerate(peer["cpu"])))
    for name, figures in data["commands"].items():
        wall = Figure(dict(enumerate(figures["wall"])))
        cpu = Figure(dict(enumerate(figures["cpu"])))
        lines.append(f"| {name} | {spread(wall)} | {spread(cpu)} | "
                     f"{spread(wall.over(peer_wall), ratio_text)} | "
                     f"{spread(cpu.over(peer_cpu), ratio_text)} |")
    return lines + [""]


def window_section(path):
    _, runs = load(path)
    reps = runs.get("BM_BookInWindow", [])
    if not reps:
        return []

    def figure(key):
        return Figure({run.get("repetition_index", 0): run.get(key) for run in reps})

    rows = int(figure("large_rows").median())
    small = int(figure("small_rows").median())
    fmt_mib = lambda value: f"{value:.2f} MiB"
    fmt_ms = lambda value: f"{value:.1f} ms"
    return ["## The window's list: a whole book shown", "",
            "Heap added and time until the list is painted; both books in every iteration. "
            "Median (min-max) of the repetitions.", "",
            "| book | rows | heap added | time |", "|---|---|---|---|",
            f"| largest | {rows} | {spread(figure('large_heap_mib'), fmt_mib)} | "
            f"{spread(figure('large_ms'), fmt_ms)} |",
            f"| about 1,000 entries | {small} | {spread(figure('small_heap_mib'), fmt_mib)} | "
            f"{spread(figure('small_ms'), fmt_ms)} |",
            f"| difference | | {spread(figure('extra_heap_mib'), fmt_mib)} | "
            f"{spread(figure('extra_ms'), fmt_ms)} |", ""]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("results")
    parser.add_argument("--process")
    parser.add_argument("--window")
    args = parser.parse_args()
    context, runs = load(args.results)
    repetitions = max((len(reps) for reps in runs.values()), default=0)
    report = Report(runs)
    report.add("# Benchmark results", "",
               f"{context.get('date', '')}, {context.get('num_cpus')} CPUs at "
               f"{context.get('mhz_per_cpu')} MHz, load {context.get('load_avg')}; up to "
               f"{repetitions} repetitions of each figure, interleaved in random order.", "")
    report.opening(context)
    if args.process:
        report.add(*process_section(args.process))
    for state in STATES:
        report.searches(state)
    report.scans()
    report.turns()
    report.plans()
    report.keystrokes()
    report.decode()
    if args.window:
        report.add(*window_section(args.window))
    report.sizes(context)
    print("\n".join(report.lines))


if __name__ == "__main__":
    main()

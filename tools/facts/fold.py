"""Folding of place names for matching: the same idea as the program's text folding
(lower case, umlauts and sharp s spelled out, accents dropped, punctuation to
blanks), plus the spelling variants that differ between the two place lists."""

import re
import unicodedata

_SPELLED = {"ä": "ae", "ö": "oe", "ü": "ue", "ß": "ss"}
_TOKEN_VARIANTS = {"st": "sankt", "b": "bei", "i": "im"}


def fold(text: str) -> str:
    text = text.lower()
    text = "".join(_SPELLED.get(c, c) for c in text)
    text = unicodedata.normalize("NFKD", text)
    text = "".join(c for c in text if not unicodedata.combining(c))
    text = re.sub(r"[^a-z0-9]+", " ", text)
    tokens = [_TOKEN_VARIANTS.get(t, t) for t in text.split()]
    return " ".join(tokens)

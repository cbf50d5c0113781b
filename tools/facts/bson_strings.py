"""Reads a flat BSON document whose values are all UTF-8 strings (key -> text)."""

import struct


def read_string_document(data: bytes) -> dict:
    """Returns the key/value pairs of a BSON document of string elements, in order.

    Raises ValueError on any element that is not a string or on malformed bytes.
    """
    if len(data) < 5:
        raise ValueError("BSON document too short")
    (total,) = struct.unpack_from("<i", data, 0)
    if total != len(data) or data[-1] != 0:
        raise ValueError("BSON length field does not match the data")
    result = {}
    pos = 4
    while pos < total - 1:
        kind = data[pos]
        pos += 1
        key_end = data.index(b"\0", pos)
        key = data[pos:key_end].decode("utf-8")
        pos = key_end + 1
        if kind != 0x02:
            raise ValueError(f"element {key!r} is of BSON type {kind}, not a string")
        (length,) = struct.unpack_from("<i", data, pos)
        pos += 4
        if length < 1 or pos + length > total - 1 or data[pos + length - 1] != 0:
            raise ValueError(f"element {key!r} has a bad string length")
        result[key] = data[pos:pos + length - 1].decode("utf-8")
        pos += length
    return result

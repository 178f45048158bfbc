#!/usr/bin/python3
"""Counts the D-Bus messages of a pcap recording (dbus-monitor --pcap) by kind, interface and
member: how many, and how many bytes. Usage: bus_count.py FILE"""
import collections
import struct
import sys


def align(offset, n):
    return (offset + n - 1) // n * n


def header_fields(message):
    """The message's type and its header fields of type string (path, interface, member...)."""
    endian = "<" if message[0:1] == b"l" else ">"
    kind = message[1]
    (fields_length,) = struct.unpack_from(endian + "I", message, 12)
    offset, end = 16, 16 + fields_length
    fields = {}
    while offset < end:
        offset = align(offset, 8)
        if offset >= end:
            break
        code = message[offset]
        sig_length = message[offset + 1]
        signature = message[offset + 2 : offset + 2 + sig_length].decode()
        offset += 3 + sig_length
        if signature in ("s", "o"):
            offset = align(offset, 4)
            (length,) = struct.unpack_from(endian + "I", message, offset)
            fields[code] = message[offset + 4 : offset + 4 + length].decode(errors="replace")
            offset += 4 + length + 1
        elif signature == "u":
            offset = align(offset, 4) + 4
        elif signature == "g":
            length = message[offset]
            fields[code] = message[offset + 1 : offset + 1 + length].decode()
            offset += 2 + length
        else:
            break
    return kind, fields


KINDS = {1: "call", 2: "return", 3: "error", 4: "signal"}


def main():
    with open(sys.argv[1], "rb") as f:
        data = f.read()
    endian = "<" if data[:4] == b"\xd4\xc3\xb2\xa1" else ">"
    offset = 24
    counts = collections.Counter()
    sizes = collections.Counter()
    total = 0
    while offset + 16 <= len(data):
        _, _, included, _ = struct.unpack_from(endian + "IIII", data, offset)
        message = data[offset + 16 : offset + 16 + included]
        offset += 16 + included
        if len(message) < 16:
            continue
        kind, fields = header_fields(message)
        name = KINDS.get(kind, "?")
        if kind in (1, 4):
            name += " %s.%s" % (fields.get(2, ""), fields.get(3, ""))
        counts[name] += 1
        sizes[name] += len(message)
        total += 1
    for name, count in counts.most_common():
        print("%8d msgs %12d bytes  %s" % (count, sizes[name], name))
    print("%8d msgs %12d bytes  total" % (total, sum(sizes.values())))


if __name__ == "__main__":
    main()

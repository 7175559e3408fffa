#!/usr/bin/env python3
"""Writes a copy of a TrueType collection whose 'gasp' table asks for no
smoothing from 11 to 16 pixels per em, and for smoothing below and above:
what 宋体's own table asks of Windows, which then draws those sizes from the
face's bitmap strikes. The new table goes at the end of the file and every
face of the collection points to it; nothing else changes.
    wine_ming_face.py IN.ttc OUT.ttc
"""
import struct
import sys

GRIDFIT, GRAY = 1, 2
RANGES = [(10, GRIDFIT | GRAY), (16, GRIDFIT), (0xFFFF, GRIDFIT | GRAY)]

data = bytearray(open(sys.argv[1], "rb").read())
if data[:4] != b"ttcf":
    sys.exit(f"{sys.argv[1]}: not a TrueType collection")
data += b"\0" * (-len(data) % 4)  # tables start on four-byte boundaries
table_at, table = len(data), struct.pack(">HH", 1, len(RANGES))
table += b"".join(struct.pack(">HH", *r) for r in RANGES)
data += table
faces = struct.unpack_from(">I", data, 8)[0]
for face in struct.unpack_from(f">{faces}I", data, 12):
    for i in range(struct.unpack_from(">H", data, face + 4)[0]):
        entry = face + 12 + 16 * i
        if data[entry:entry + 4] == b"gasp":
            struct.pack_into(">II", data, entry + 8, table_at, len(table))
open(sys.argv[2], "wb").write(data)

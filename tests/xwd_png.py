#!/usr/bin/python3
"""Turns an X window dump (xwd -root) of a 24-bit Xvfb screen into a PNG:
xwd_png.py SCREEN.xwd OUT.png [WIDTH HEIGHT] keeps the top left corner of that size."""
import struct
import sys
import zlib

data = open(sys.argv[1], "rb").read()
fields = struct.unpack(">25I", data[:100])
header_size, width, height, line_bytes, colours = fields[0], fields[4], fields[5], fields[12], fields[19]
if len(sys.argv) > 4:
    width, height = min(width, int(sys.argv[3])), min(height, int(sys.argv[4]))
start = header_size + colours * 12
rows = []
for y in range(height):
    line = data[start + y * line_bytes: start + y * line_bytes + 3 * width]
    rgb = bytearray(line)
    rgb[0::3], rgb[2::3] = line[2::3], line[0::3]  # stored blue first
    rows.append(b"\x00" + bytes(rgb))


def chunk(kind, body):
    return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF)


open(sys.argv[2], "wb").write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                              + chunk(b"IDAT", zlib.compress(b"".join(rows), 6)) + chunk(b"IEND", b""))

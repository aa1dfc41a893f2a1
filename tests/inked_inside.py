#!/usr/bin/python3
"""Whether every mark on every page of a PDF lies inside a box:
inked_inside.py FILE.pdf LEFT TOP RIGHT BOTTOM, in points from the page's top left
corner. The pages are rendered at 72 dpi, one pixel a point, and every pixel darker than
light grey counts; one pixel of antialiasing is allowed."""
import glob
import os
import subprocess
import sys
import tempfile

pdf, left, top, right, bottom = sys.argv[1], *map(float, sys.argv[2:6])
dark = bytes(1 if value < 200 else 0 for value in range(256))
with tempfile.TemporaryDirectory() as folder:
    subprocess.run(["pdftoppm", "-r", "72", "-gray", pdf, os.path.join(folder, "page")], check=True)
    pages = sorted(glob.glob(os.path.join(folder, "page-*.pgm")))
    if not pages:
        sys.exit("no pages rendered")
    for page in pages:
        data = open(page, "rb").read()
        magic, width, height, _, pixels = data.split(maxsplit=4)
        width, height = int(width), int(height)
        pixels = pixels[-width * height:].translate(dark)
        for y in range(height):
            row = pixels[y * width:(y + 1) * width]
            first = row.find(1)
            if first < 0:
                continue
            last = row.rfind(1)
            if y < top - 1 or y > bottom + 1 or first < left - 1 or last > right + 1:
                sys.exit(f"{os.path.basename(page)}: ink at row {y}, columns {first} to {last}, "
                         f"outside {left:g} {top:g} {right:g} {bottom:g}")

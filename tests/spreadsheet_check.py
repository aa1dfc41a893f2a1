#!/usr/bin/python3
"""Compares a CSV file of the program with the same file after a spreadsheet opened it,
saved it as a workbook and saved that again as CSV:

  spreadsheet_check.py WRITTEN.csv BACK.csv

Every cell must come back as written: a text cell (a cell the program wrote as ="..."
by its text inside) the same text, a number the same number (a spreadsheet may drop a
trailing zero), an empty cell empty; extra empty cells at the ends of rows and empty
rows are what spreadsheets add, and do not count.
"""
import csv
import sys


def cell_text(cell):
    """The text of a cell and whether it must stay text: ="..." unwrapped."""
    if len(cell) >= 3 and cell.startswith('="') and cell.endswith('"'):
        return cell[2:-1].replace('""', '"'), True
    return cell, False


def rows(path):
    with open(path, encoding="utf-8-sig", newline="") as f:
        out = []
        for row in csv.reader(f):
            row = [cell_text(c) for c in row]
            while row and row[-1][0] == "":
                row.pop()
            out.append(row)
        while out and not out[-1]:
            out.pop()
        return out


def same(written, back):
    (a, text), (b, _) = written, back
    if a == b:
        return True
    try:
        return not text and float(a) == float(b)
    except ValueError:
        return False


written, back = rows(sys.argv[1]), rows(sys.argv[2])
failures = []
if len(written) != len(back):
    failures.append(f"{len(back)} rows, written {len(written)}")
for number, (w, b) in enumerate(zip(written, back), 1):
    if len(w) != len(b) or not all(same(x, y) for x, y in zip(w, b)):
        failures.append(f"row {number}: {b} came back for {w}")
for failure in failures[:5]:
    print("FAIL", failure)
sys.exit(1 if failures else 0)

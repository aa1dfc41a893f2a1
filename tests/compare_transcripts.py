#!/usr/bin/python3
"""Compares a transcript of the Windows build with the golden one:

  compare_transcripts.py GOLDEN ACTUAL

Every line must be the same byte for byte (prompts, answers, fields, messages, the
report and the record, whose 32-bit values and printed digits the C runtime cannot
change), except the numbers of `=== every point`. Those are doubles formed through
sin, cos, atan, atan2 and sqrt, which the Windows C runtime rounds differently from
glibc in the last bit for a few arguments; they must agree within 1e-12 of the point's
largest figure.
"""
import sys

golden = open(sys.argv[1], encoding="utf-8").read().split("\n")
actual = open(sys.argv[2], encoding="utf-8").read().split("\n")
failures = []
if len(golden) != len(actual):
    failures.append(f"{len(actual)} lines, the golden transcript has {len(golden)}")
every_point = False
for number, (want, got) in enumerate(zip(golden, actual), 1):
    if want == "=== every point":
        every_point = True
    if want == got:
        continue
    if not every_point:
        failures.append(f"line {number}: {got!r}, golden {want!r}")
        continue
    want_fields, got_fields = want.split(" ", 7), got.split(" ", 7)
    if want_fields[0] != got_fields[0] or want_fields[7:] != got_fields[7:]:
        failures.append(f"line {number}: point or name differ: {got!r}")
        continue
    w = [float(v) for v in want_fields[1:7]]
    g = [float(v) for v in got_fields[1:7]]
    scale = max(abs(v) for v in w[:5]) or 1.0
    if any(abs(a - b) > 1e-12 * scale for a, b in zip(w[:5], g[:5])) or abs(w[5] - g[5]) > 1e-12 * 180:
        failures.append(f"line {number}: {got!r} beyond 1e-12 of {want!r}")
for failure in failures[:10]:
    print(failure)
sys.exit(1 if failures else 0)

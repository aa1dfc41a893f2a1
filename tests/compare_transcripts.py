#!/usr/bin/python3
"""Compares a transcript of the Windows build with the golden one:

  compare_transcripts.py GOLDEN ACTUAL

Every line must be the same byte for byte (prompts, answers, fields, messages, the
report and the record, whose 32-bit values and printed digits the C runtime cannot
change), except the numbers of `=== every point`. Those are doubles formed through
sin, cos, atan, atan2 and sqrt, which the Windows C runtime rounds differently from
glibc in the last bit for a few arguments; they must agree within 1e-10 of the point's
largest figure (a thousand triangles carry the last bits through the chain and through
the cancellation in the minor axis F; six agree within 1e-12). The numbers of
`=== grade check`, which follow from the same coefficients, must agree within 1e-12
relative, the words and side numbers the same.
"""
import sys

golden = open(sys.argv[1], encoding="utf-8").read().split("\n")
actual = open(sys.argv[2], encoding="utf-8").read().split("\n")
failures = []
if len(golden) != len(actual):
    failures.append(f"{len(actual)} lines, the golden transcript has {len(golden)}")


def close_numbers(want, got):
    """The same words, and numbers within 1e-12 of each other, relative."""
    want_words, got_words = want.split(" "), got.split(" ")
    if len(want_words) != len(got_words):
        return False
    for a, b in zip(want_words, got_words):
        if a == b:
            continue
        try:
            x, y = float(a), float(b)
        except ValueError:
            return False
        if abs(x - y) > 1e-12 * max(abs(x), abs(y)):
            return False
    return True


section = None
for number, (want, got) in enumerate(zip(golden, actual), 1):
    if want.startswith("=== "):
        section = want
    if want == got:
        continue
    if section == "=== grade check":
        if not close_numbers(want, got):
            failures.append(f"line {number}: {got!r} beyond 1e-12 of {want!r}")
        continue
    if section != "=== every point":
        failures.append(f"line {number}: {got!r}, golden {want!r}")
        continue
    want_fields, got_fields = want.split(" ", 7), got.split(" ", 7)
    if want_fields[0] != got_fields[0] or want_fields[7:] != got_fields[7:]:
        failures.append(f"line {number}: point or name differ: {got!r}")
        continue
    w = [float(v) for v in want_fields[1:7]]
    g = [float(v) for v in got_fields[1:7]]
    scale = max(abs(v) for v in w[:5]) or 1.0
    if any(abs(a - b) > 1e-10 * scale for a, b in zip(w[:5], g[:5])) or abs(w[5] - g[5]) > 1e-10 * 180:
        failures.append(f"line {number}: {got!r} beyond 1e-10 of {want!r}")
for failure in failures[:10]:
    print(failure)
sys.exit(1 if failures else 0)

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
relative, the words and side numbers the same; but its `pair I J M E F PHI` lines, which
carry the coordinates' last bits through long sums as the points do, are held as the
points are: M and E within 1e-10 of the pair's largest figure, PHI within 1e-10 of a
half turn, and the minor axis F by its square, the eigenvalue, within 1e-10 of the
largest figure's square (a relative ellipse of a centre and a known point is almost a
line, and its F is the square root of a difference that small).
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
    if section == "=== grade check" and not want.startswith("pair "):
        if not close_numbers(want, got):
            failures.append(f"line {number}: {got!r} beyond 1e-12 of {want!r}")
        continue
    if section not in ("=== every point", "=== grade check"):
        failures.append(f"line {number}: {got!r}, golden {want!r}")
        continue
    # A point: "k mx my md E F phi name"; a pair: "pair I J m E F phi".
    figures = slice(1, 7) if section == "=== every point" else slice(3, 7)
    want_fields, got_fields = want.split(" ", 7), got.split(" ", 7)
    if want_fields[:figures.start] != got_fields[:figures.start] or \
            want_fields[figures.stop:] != got_fields[figures.stop:]:
        failures.append(f"line {number}: point, pair or name differ: {got!r}")
        continue
    w = [float(v) for v in want_fields[figures]]
    g = [float(v) for v in got_fields[figures]]
    scale = max(abs(v) for v in w[:-1]) or 1.0
    if section == "=== grade check":  # F, the last axis, by its square
        w[-2], g[-2] = w[-2] ** 2 / scale, g[-2] ** 2 / scale
    if any(abs(a - b) > 1e-10 * scale for a, b in zip(w[:-1], g[:-1])) or \
            abs(w[-1] - g[-1]) > 1e-10 * 180:
        failures.append(f"line {number}: {got!r} beyond 1e-10 of {want!r}")
for failure in failures[:10]:
    print(failure)
sys.exit(1 if failures else 0)

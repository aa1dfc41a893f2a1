#!/usr/bin/python3
"""Checks the precision of neighbouring points in a transcript against GNU Gama:

  neighbour_gama_check.py TRANSCRIPT GAMA_OUTPUT.xml

The transcript was made with an EDM precision of b = 0; gama-local adjusted the
program's Gama file with that standard deviation a priori and wrote the full covariance
matrix of the adjusted coordinates (--cov-band -1). For every `pair I J` of the
transcript, the mean error of J relative to I from that matrix, sqrt(var dx + var dy),
and the semi-axes of its ellipse must be the transcript's within 0.1 %.
"""
import math
import sys
import xml.etree.ElementTree as ET

transcript, gama_output = sys.argv[1:3]
lines = open(transcript, encoding="utf-8").read().split("\n")
names = {}
for line in lines[lines.index("=== record"):]:
    if line.startswith("name("):
        index, name = line[len("name("):].split(") ", 1)
        names[int(index)] = name
pairs = [line.split()[1:] for line in lines if line.startswith("pair ")]


def local(element):
    return element.tag.split("}")[-1]


root = ET.parse(gama_output).getroot()
adjusted = []  # the adjusted points in the order of the covariance matrix, x then y
for element in root.iter():
    if local(element) == "adjusted":
        for point in element:
            adjusted.append(next(c.text for c in point if local(c) == "id"))
cov_mat = next(e for e in root.iter() if local(e) == "cov-mat")
dim = int(next(c.text for c in cov_mat if local(c) == "dim"))
band = int(next(c.text for c in cov_mat if local(c) == "band"))
values = [float(c.text) for c in cov_mat if local(c) == "flt"]
assert band == dim - 1, f"gama-local wrote a band of {band}: run it with --cov-band -1"
cov = [[0.0] * dim for _ in range(dim)]
for i in range(dim):  # the upper triangle, row by row
    for j in range(i, dim):
        cov[i][j] = cov[j][i] = values.pop(0)


def rows(name):
    """The covariance rows of a point's x and y, or None for a fixed point."""
    if name not in adjusted:
        return None
    i = 2 * adjusted.index(name)
    return i, i + 1


failures = []
for i, j, m, E, F, _ in pairs:
    a, b = rows(names[int(i)]), rows(names[int(j)])
    def var(p, q):
        total = 0.0
        for sign_p, r in ((1, a), (-1, b)):
            for sign_q, s in ((1, a), (-1, b)):
                if r is not None and s is not None:
                    total += sign_p * sign_q * cov[r[p]][s[q]]
        return total
    xx, yy, xy = var(0, 0), var(1, 1), var(0, 1)
    radius = math.hypot((xx - yy) / 2, xy)
    theirs = (math.sqrt(xx + yy), math.sqrt((xx + yy) / 2 + radius),
              math.sqrt(max((xx + yy) / 2 - radius, 0)))
    for what, ours, their in zip(("m", "E", "F"), map(float, (m, E, F)), theirs):
        if abs(ours - their) > 1e-3 * float(m):
            failures.append(f"{names[int(i)]}-{names[int(j)]} {what}: gama-local {their:.6f} mm, "
                            f"the program {ours:.6f} mm")
for failure in failures:
    print("FAIL", failure)
print(f"{'ok' if not failures else 'FAIL'} {len(pairs)} neighbouring points' relative precision "
      "against gama-local")
sys.exit(1 if failures or not pairs else 0)

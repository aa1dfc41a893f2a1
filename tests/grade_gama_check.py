#!/usr/bin/python3
"""Checks the grade check of a transcript against GNU Gama's own adjustment:

  grade_gama_check.py TRANSCRIPT GAMA_OUTPUT.xml

The transcript's `=== grade check` was made with an EDM precision of b = 0, so every side
has the same mean error a; gama-local adjusted the program's Gama file with that
distance standard deviation taken a priori. Each adjusted side's standard deviation
from gama-local must be the transcript's M_K within 0.1 %, side by side (matched by
the adjusted length).
"""
import sys
import xml.etree.ElementTree as ET

transcript, gama_output = sys.argv[1:3]
lines = open(transcript, encoding="utf-8").read().split("\n")
grade = lines[lines.index("=== grade check") + 1:]
edm = grade[0].split()
assert edm[0] == "edm" and float(edm[2]) == 0, f"the transcript's EDM has b != 0: {grade[0]}"
ours = [(int(k), float(s), float(m)) for _, k, s, m, _ in
        (line.split() for line in grade if line.startswith("side "))]

theirs = []
for distance in ET.parse(gama_output).getroot().iter():
    if distance.tag.split("}")[-1] != "distance":
        continue
    values = {child.tag.split("}")[-1]: child.text for child in distance}
    if "adj" in values and "stdev" in values:
        theirs.append((float(values["adj"]), float(values["stdev"])))

failures = []
if len(theirs) != len(ours):
    failures.append(f"gama-local has {len(theirs)} distances, the transcript {len(ours)} sides")
for k, adjusted, mean_error in ours:
    length, stdev = min(theirs, key=lambda t: abs(t[0] - adjusted))
    if abs(length - adjusted) > 1e-5:
        failures.append(f"S({k}) = {adjusted}: no distance of gama-local's has that length")
    elif abs(stdev - mean_error) > 1e-3 * mean_error:
        failures.append(f"S({k}): gama-local {stdev:.6f} mm, the program {mean_error:.6f} mm")
for failure in failures:
    print("FAIL", failure)
print(f"{'ok' if not failures else 'FAIL'} {len(ours)} adjusted sides' mean errors against gama-local")
sys.exit(1 if failures else 0)

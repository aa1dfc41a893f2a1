#!/usr/bin/python3
"""Reads the exchange files of one calculation back with independent readers and checks
them against each other and against the report:

  exchange_check.py REPORT.txt COORDINATES.csv POINTS.dat NETWORK.dxf GAMA.xml

The coordinate table with Python's csv module, the CAD point file as GBK, the DXF with
ezdxf, and the GNU Gama file with xmllint, its elements and attributes, and a rigorous
re-adjustment written here (Gauss-Newton over the same observations), which must give
the program's coordinates within 0.1 mm and its mx, my within 1 %.
"""
import csv
import math
import os
import re
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

import ezdxf
from ezdxf.tools.text import caret_decode, plain_text
import numpy as np

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


report_path, coordinates_path, points_path, dxf_path, gama_path = sys.argv[1:6]

# The report's points: "name :  x( k )=X  y( k )=Y".
report = open(report_path, encoding="utf-8").read()
report_points = {int(k): (x, y) for k, x, y in re.findall(
    r"x\( (\d+) \)=(-?[\d.]+)\s*y\( \d+ \)=(-?[\d.]+)", report)}

# Coordinate table: UTF-8 with a byte-order mark, CR LF, one row a point.
raw = open(coordinates_path, "rb").read()
check(raw.startswith(b"\xef\xbb\xbf"), "coordinates: no byte-order mark")
check(b"\r\n" in raw and b"\n" not in raw.replace(b"\r\n", b""), "coordinates: not CR LF")
rows = list(csv.reader(open(coordinates_path, encoding="utf-8-sig", newline="")))
heading, rows = rows[0], rows[1:]
check(heading[:5] == ["点号", "点名", "类别", "X (米)", "Y (米)"], f"coordinates heading {heading}")
check(len(rows) == len(report_points), "coordinates: not one row a point of the report")


def cell_text(cell):
    """A cell the program wrote as ="…" so that a spreadsheet shows it as text."""
    if len(cell) >= 3 and cell.startswith('="') and cell.endswith('"'):
        return cell[2:-1].replace('""', '"')
    return cell


table = {}
for row in rows:
    row[1] = cell_text(row[1])
    k = int(row[0])
    table[k] = row
    check((row[3], row[4]) == report_points.get(k), f"coordinates of point {k} differ from the report")
    check(row[2] in ("已知点", "中心点", "待定点"), f"role of point {k}: {row[2]}")
    check(len(row) == (5 if row[2] == "已知点" else 11), f"figures of point {k}")

# CAD point file: GBK, CR LF, name,code,Y,X,H with east first.
dat = open(points_path, "rb").read()
check(dat.endswith(b"\r\n"), "point file: not CR LF")
dat_rows = [line.split(",") for line in dat.decode("gbk").split("\r\n") if line]
by_name = {row[1]: row for row in rows}
for name, code, east, north, height in dat_rows:
    check(code == "" and height == "0", f"point file line of {name}")
    check(name in by_name and (by_name[name][4], by_name[name][3]) == (east, north),
          f"point file: {name} not at its coordinates, east first")

# DXF R12: layers, one point and name a network point, the sides, the ellipses.
doc = ezdxf.readfile(dxf_path)
check(doc.dxfversion == "AC1009", f"DXF version {doc.dxfversion}")
msp = doc.modelspace()
layers = {e.dxf.layer for e in msp}
check({"POINTS", "NAMES", "RADIAL", "PERIMETER", "ELLIPSES", "NOTE"} <= layers, f"DXF layers {layers}")
points = msp.query("POINT")
check(len(points) == len(dat_rows), "DXF: not one POINT a network point")
for p in points:
    east, north = p.dxf.location.x, p.dxf.location.y
    check(any(abs(float(r[2]) - east) < 0.0006 and abs(float(r[3]) - north) < 0.0006 for r in dat_rows),
          f"DXF point at {east}, {north} is none of the network's (x east, y north)")


def cad_text(raw):
    """The text a CAD program draws for a TEXT entity of an R12 file: \\U+XXXX decoded on
    reading (ezdxf's decoder), then the caret and percent codes of TEXT (ezdxf's caret
    decoder, and AutoCAD's %%% for a percent sign, which ezdxf's plain_text lacks)."""
    text = caret_decode(ezdxf.decode_dxf_unicode(raw))
    out, i = "", 0
    while i < len(text):
        if text.startswith("%%", i) and i + 2 < len(text):
            code = text[i + 2].lower()
            if code == "%" or code in "cdp":
                out += {"%": "%", "c": "Ø", "d": "°", "p": "±"}[code]
                i += 3
                continue
        out += text[i]
        i += 1
    return out


names = [t.dxf.text for t in msp.query("TEXT[layer=='NAMES']")]
decoded = [cad_text(n) for n in names]
check(sorted(decoded) == sorted(r[0] for r in dat_rows), f"DXF names {decoded}")
check(all(ord(c) < 128 for n in names for c in n), "DXF names must be ASCII with \\U+XXXX")
# Where no percent sign is involved, ezdxf's own reading of TEXT gives the same.
for raw, name in zip(names, decoded):
    if "%" not in name:
        check(plain_text(ezdxf.decode_dxf_unicode(raw)) == name, f"ezdxf reads {raw!r} as another name")
styles = {s.dxf.name: s for s in doc.styles}
check(all(t.dxf.style in styles and styles[t.dxf.style].dxf.font == "simsun.ttf"
          for t in msp.query("TEXT")), "DXF TEXT not in a style of the Song face simsun.ttf")
check(len(msp.query("LINE[layer=='RADIAL']")) == len(msp.query("LINE[layer=='PERIMETER']")), "DXF sides")
check(any("放大" in cad_text(t.dxf.text) for t in msp.query("TEXT[layer=='NOTE']")),
      "DXF note of the magnification")

# GNU Gama: well-formed, the elements and attributes gama-local reads.
check(subprocess.run(["xmllint", "--noout", gama_path]).returncode == 0, "Gama file is not well-formed")
ns = {"g": "http://www.gnu.org/software/gama/gama-local"}
root = ET.parse(gama_path).getroot()
network = root.find("g:network", ns)
check(network is not None and network.get("axes-xy") == "ne" and network.get("angles") == "left-handed",
      "Gama network axes and angles")
po = network.find("g:points-observations", ns)
check(po.get("distance-stdev") == "1.0", "Gama common distance standard deviation")
gama_points = {p.get("id"): p for p in po.findall("g:point", ns)}
fixed = [i for i, p in gama_points.items() if p.get("fix") == "xy"]
free = [i for i, p in gama_points.items() if p.get("adj") == "xy"]
check(len(fixed) + len(free) == len(gama_points) == len(dat_rows), "Gama points: each fixed or free")
# Every observation stands in the <obs from="..."> of its standpoint, the form every
# gama-local reads; an observation's own "from" is refused by 1.18b for azimuths.
distances, azimuths = [], []
for obs in po.findall("g:obs", ns):
    for o in obs:
        check(o.get("from") is None, "Gama: a standpoint on the observation, not on its <obs>")
        o.set("from", obs.get("from"))
        (azimuths if o.tag.endswith("azimuth") else distances).append(o)
check(all(d.get("from") in gama_points and d.get("to") in gama_points for d in distances + azimuths),
      "Gama observations name their points")

# Rigorous re-adjustment: unknowns the free points, weights from the standard deviations.
coordinates = {i: [float(p.get("x")), float(p.get("y"))] for i, p in gama_points.items()}
program = {i: tuple(c) for i, c in coordinates.items()}  # the approximations: the program's
index = {i: n for n, i in enumerate(free)}
rho = 180 / math.pi * 3600


def dms_radians(text):
    d, m, s = text.split("-")
    return (int(d) + int(m) / 60 + float(s) / 3600) * math.pi / 180


for _ in range(10):
    rows_a, misclosures, weights = [], [], []
    for d in distances:
        a, b = coordinates[d.get("from")], coordinates[d.get("to")]
        dx, dy = b[0] - a[0], b[1] - a[1]
        s = math.hypot(dx, dy)
        row = np.zeros(2 * len(free))
        for point, sign in ((d.get("from"), -1), (d.get("to"), 1)):
            if point in index:
                row[2 * index[point]] += sign * dx / s
                row[2 * index[point] + 1] += sign * dy / s
        rows_a.append(row)
        misclosures.append(float(d.get("val")) - s)
        weights.append(1 / 0.001 ** 2)
    for z in azimuths:
        a, b = coordinates[z.get("from")], coordinates[z.get("to")]
        dx, dy = b[0] - a[0], b[1] - a[1]
        s2 = dx * dx + dy * dy
        row = np.zeros(2 * len(free))
        for point, sign in ((z.get("from"), -1), (z.get("to"), 1)):
            if point in index:
                row[2 * index[point]] += sign * -dy / s2
                row[2 * index[point] + 1] += sign * dx / s2
        rows_a.append(row)
        computed = math.atan2(dy, dx) % (2 * math.pi)
        misclosures.append((dms_radians(z.get("val")) - computed + math.pi) % (2 * math.pi) - math.pi)
        weights.append(1 / (float(z.get("stdev")) / rho) ** 2)
    A, l, P = np.array(rows_a), np.array(misclosures), np.diag(weights)
    N = A.T @ P @ A
    x = np.linalg.solve(N, A.T @ P @ l)
    for point, n in index.items():
        coordinates[point][0] += x[2 * n]
        coordinates[point][1] += x[2 * n + 1]
    if np.max(np.abs(x)) < 1e-9:
        break
v = A @ x - l
redundancy = len(l) - len(x)
check(redundancy == 1, f"Gama: redundancy {redundancy}, the central polygon has one condition")
sigma0 = math.sqrt(v @ P @ v / redundancy)  # of unit weight: the 1 mm of a side
Q = np.linalg.inv(N)
table_by_name = {r[1]: r for r in rows}
for point, n in index.items():
    row = table_by_name[point] if point in table_by_name else None
    if row is None:
        continue
    dX, dY = (coordinates[point][0] - program[point][0], coordinates[point][1] - program[point][1])
    check(abs(dX) < 0.0001 and abs(dY) < 0.0001,
          f"the re-adjustment moves {point} by {dX * 1000:.4f}, {dY * 1000:.4f} mm: beyond 0.1 mm")
    mx = sigma0 * math.sqrt(Q[2 * n, 2 * n]) * 1000
    my = sigma0 * math.sqrt(Q[2 * n + 1, 2 * n + 1]) * 1000
    for name, rigorous, printed in (("mx", mx, float(row[5])), ("my", my, float(row[6]))):
        check(abs(rigorous - printed) <= max(0.01 * rigorous, 0.006),
              f"{name} of {point}: rigorous {rigorous:.4f} mm, the program {printed}")

# The real gama-local, where the suite has built it: the file is read without an error and
# its adjusted coordinates are the program's within 0.1 mm.
gama_local = os.environ.get("GAMA_LOCAL")
if gama_local:
    with tempfile.TemporaryDirectory() as folder:
        out_xml = os.path.join(folder, "out.xml")
        subprocess.run([gama_local, gama_path, "--text", os.path.join(folder, "out.txt"),
                        "--xml", out_xml], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        text = open(out_xml, encoding="utf-8").read() if os.path.exists(out_xml) else "<error/>"
        check("<error" not in text, f"gama-local refuses the file: {text[:300]}")
        adjusted = {}
        if "<error" not in text:
            for section in ET.fromstring(text).findall(".//{*}adjusted"):
                for point in section.findall("{*}point"):
                    values = {c.tag.split("}")[-1]: c.text for c in point}
                    adjusted[values["id"]] = (float(values["x"]), float(values["y"]))
        for point in free:
            got = adjusted.get(point)
            check(got is not None, f"gama-local gives no coordinates of {point}")
            if got:
                dX, dY = got[0] - program[point][0], got[1] - program[point][1]
                check(abs(dX) < 0.0001 and abs(dY) < 0.0001,
                      f"gama-local moves {point} by {dX * 1000:.4f}, {dY * 1000:.4f} mm: beyond 0.1 mm")

for failure in failures:
    print("FAIL", failure)
print(f"{'ok' if not failures else 'FAIL'} exchange files read back: {len(rows)} points, "
      f"{len(distances)} distances, {len(azimuths)} azimuths, ms {sigma0:.3f} mm")
sys.exit(1 if failures else 0)

"""Nests a small job with `korvel job FILE nest` and reads what it wrote back
as a cutting table's programmer would: every plate's DXF audited by ezdxf
(no errors, no fixes), its plate outline on PLATE from 0,0 to the plate's
size and never on CUT, one cutting outline on CUT and one name on TEXT per
part; summary.csv read by Python's csv module with its header exactly, one
row per plate and every part counted once. A plate of no size is refused
with nothing written.

Usage: job_nest_readback.py KORVEL FOLDER
"""

import csv
import glob
import io
import os
import shutil
import subprocess
import sys

import ezdxf

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from readback import check, report  # noqa: E402

HEADER = ["plate", "width_mm", "height_mm", "parts", "used_area_m2", "utilisation"]


def main(program, folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    job = os.path.join(folder, "run.korvel")
    env = {**os.environ, "QT_QPA_PLATFORM": "offscreen"}
    # 2 elbows of 4 sections, 3 cone frustums: 11 parts.
    for args in (["elbow", "D=400", "R=600", "--qty", "2", "--mark", "E-01"],
                 ["cone", "small=200", "big=500", "h=300", "--qty", "3", "--mark", "C-01"]):
        subprocess.run([program, "job", job, "add", *args], check=True, env=env)
    out = os.path.join(folder, "plates")
    run = subprocess.run([program, "job", job, "nest", "--plate", "1250x2500", "--gap", "8", "--margin", "10",
                          "-o", out], capture_output=True, env=env)
    check(run.returncode == 0, f"nest exit status {run.returncode}: {run.stderr.decode()}")
    dxfs = sorted(glob.glob(os.path.join(out, "plate-*.dxf")))
    check(len(dxfs) >= 1 and dxfs[0].endswith("plate-01.dxf"), f"plate files {dxfs}")
    check(len(glob.glob(os.path.join(out, "plate-*.svg"))) == len(dxfs), "an SVG preview beside each plate")
    parts = 0
    for path in dxfs:
        doc = ezdxf.readfile(path)
        auditor = doc.audit()
        check(not auditor.errors and not auditor.fixes,
              f"{path}: audit {len(auditor.errors)} errors, {len(auditor.fixes)} fixes")
        msp = doc.modelspace()
        plate = [e for e in msp if e.dxf.layer == "PLATE"]
        corners = sorted((round(x, 6), round(y, 6)) for x, y in plate[0].get_points("xy")) if plate else []
        check(corners == [(0, 0), (0, 2500), (1250, 0), (1250, 2500)], f"{path}: plate outline {corners}")
        cut = [e for e in msp if e.dxf.layer == "CUT"]
        names = [e.dxf.text for e in msp if e.dxf.layer == "TEXT"]
        check(len(cut) == len(names), f"{path}: {len(cut)} outlines, {len(names)} names")
        for e in cut:
            xs = [p[0] for p in e.get_points("xy")]
            ys = [p[1] for p in e.get_points("xy")]
            check(e.closed and min(xs) >= 10 - 1e-6 and max(xs) <= 1240 + 1e-6 and min(ys) >= 10 - 1e-6
                  and max(ys) <= 2490 + 1e-6, f"{path}: an outline reaches into the margin")
        parts += len(names)
    check(parts == 11, f"{parts} parts on the plates, 11 in the job")
    with open(os.path.join(out, "summary.csv"), encoding="utf-8", newline="") as f:
        rows = list(csv.reader(f))
    check(rows[0] == HEADER, f"header {rows[0]}")
    check([r[0] for r in rows[1:]] == [str(i + 1) for i in range(len(dxfs))], "one row per plate")
    check(sum(int(r[3]) for r in rows[1:]) == 11, "every part counted once")
    for r in rows[1:]:
        check(r[1:3] == ["1250.0", "2500.0"], f"plate size {r[1:3]}")
        check(abs(float(r[4]) / (1.25 * 2.5) - float(r[5])) < 1e-3, f"utilisation {r[5]} of {r[4]} m²")

    bad = os.path.join(folder, "bad")
    run = subprocess.run([program, "job", job, "nest", "--plate", "0x2500", "-o", bad], capture_output=True, env=env)
    check(run.returncode == 2, f"a plate of no size: exit status {run.returncode}")
    check("钢板尺寸必须是大于 0 的数" in run.stderr.decode(), f"its message: {run.stderr.decode()}")
    check(not os.path.exists(bad), "nothing written for a refused nest")
    run = subprocess.run([program, "job", job, "nest", "--gap", "8mm", "-o", bad], capture_output=True, env=env)
    check(run.returncode == 1, f"a gap with a unit: exit status {run.returncode}")
    return report()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

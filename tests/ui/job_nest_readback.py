"""Nests a small job with `korvel job FILE nest` and reads what it wrote back
as a cutting table's programmer would: every plate's DXF audited by ezdxf
(no errors, no fixes), its plate outline on PLATE from 0,0 to the plate's
size and never on CUT, one cutting outline on CUT and one name on TEXT per
part; summary.csv read by Python's csv module with its header exactly, one
row per plate and every part counted once; summary.pdf read by pdftotext.
A nest into the same folder on larger plates names the earlier plate files
it leaves there. Release 12 plate files audit too, with no light-weight
polyline; a tee's wall angles lie on MARK inside their part, never upside
down; cut only keeps PLATE and CUT alone. A plate of no size is refused with
nothing written.

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
from readback import check, outline_points, report  # noqa: E402

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

    listed = run_listed(program, job, env, out, rows)
    check(listed[-2:] == [os.path.join(out, "summary.pdf"), os.path.join(out, "summary.csv")],
          f"summary.pdf, then summary.csv last: {listed[-2:]}")
    check_stale(program, job, env, out, len(dxfs))
    check_r12_and_cut_only(program, folder, env)
    return report()


def run_listed(program, job, env, out, rows):
    """The summary page: the plate count and each plate's utilisation as in the CSV."""
    run = subprocess.run([program, "job", job, "nest", "--plate", "1250x2500", "-o", out], capture_output=True,
                         env=env)
    text = subprocess.run(["pdftotext", "-layout", os.path.join(out, "summary.pdf"), "-"], capture_output=True,
                          check=True).stdout.decode()
    check(f"合计：{len(rows) - 1} 张钢板，11 件" in text, f"the plate count in summary.pdf: {text[:400]}")
    for r in rows[1:]:
        check(f"{float(r[5]) * 100:.1f}%" in text, f"plate {r[0]}'s utilisation {r[5]} in summary.pdf")
    return run.stdout.decode().split()


def check_stale(program, job, env, out, plates):
    """Larger plates where there were more: the others' files named, left where they are."""
    run = subprocess.run([program, "job", job, "nest", "--plate", "2000x6000", "-o", out], capture_output=True,
                         env=env)
    now = len([f for f in run.stdout.decode().split() if f.endswith(".dxf")])
    check(run.returncode == 0 and 0 < now < plates, f"larger plates: exit status {run.returncode}, {now} of {plates}")
    stale = [f"korvel: {os.path.join(out, f'plate-{n:02d}.{kind}')} is from an earlier nest; this one has {now} plates"
             for n in range(now + 1, plates + 1) for kind in ("dxf", "svg")]
    check(run.stderr.decode().splitlines() == stale, f"stale files on stderr: {run.stderr.decode()}")
    check(os.path.exists(os.path.join(out, f"plate-{plates:02d}.dxf")), "the earlier files left there")


def inside(point, box, room):
    """Whether `point` lies in `box` grown by `room` (a figure at the last station runs past the edge)."""
    return box[0] - room <= point[0] <= box[2] + room and box[1] - room <= point[1] <= box[3] + room


def check_r12_and_cut_only(program, folder, env):
    job = os.path.join(folder, "tee.korvel")
    subprocess.run([program, "job", job, "add", "tee", "D=300", "d=200", "t=3", "joint=set-in", "--qty", "3",
                    "--mark", "T-01"], check=True, env=env)
    for options, name in ((["--dxf", "R12"], "r12"), (["--dxf=R2000", "--cut-only"], "cut")):
        out = os.path.join(folder, name)
        run = subprocess.run([program, "job", job, "nest", *options, "--plate", "1250x2500", "-o", out],
                             capture_output=True, env=env)
        check(run.returncode == 0, f"{options}: exit status {run.returncode}: {run.stderr.decode()}")
        figures = 0
        for path in sorted(glob.glob(os.path.join(out, "plate-*.dxf"))):
            doc = ezdxf.readfile(path)
            auditor = doc.audit()
            check(not auditor.errors and not auditor.fixes,
                  f"{path}: audit {len(auditor.errors)} errors, {len(auditor.fixes)} fixes")
            msp = doc.modelspace()
            layers = {e.dxf.layer for e in msp}
            if name == "cut":
                check(layers == {"PLATE", "CUT"}, f"{path}: cut only holds {sorted(layers)}")
                continue
            check(doc.dxfversion == "AC1009", f"{path}: version {doc.dxfversion}")
            check(not msp.query("LWPOLYLINE"), f"{path}: a light-weight polyline in Release 12")
            check(len(msp.query("POLYLINE[layer=='PLATE']")) == 1, f"{path}: the plate's outline")
            boxes = []
            for e in msp.query("POLYLINE[layer=='CUT']"):
                xs, ys = zip(*[(x, y) for x, y, _ in outline_points(e)])
                boxes.append((min(xs), min(ys), max(xs), max(ys)))
            for t in msp.query("TEXT[layer=='MARK']"):
                figures += 1
                at = t.dxf.align_point
                check(t.dxf.text.endswith("\\U+00B0"), f"{path}: a wall angle {t.dxf.text!r}")
                check(-90 < (t.dxf.rotation + 180) % 360 - 180 <= 90, f"{path}: {t.dxf.text} turned {t.dxf.rotation}°")
                check(any(inside((at.x, at.y), b, 2 * t.dxf.height) for b in boxes), f"{path}: {t.dxf.text} off its part")
        # 3 branches each with its 33 stations' wall angles (n = 32) as legibleLabels leaves them.
        check(name == "cut" or figures > 3 * 10, f"{name}: {figures} wall angles on MARK")


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

"""Reads the elbow's CAD drawing back with ezdxf, an independent DXF reader.

Usage: elbow_dxf_readback.py KORVEL OUTDIR

Writes the presets' drawing with `korvel cad` (the code the window's cad
command runs), once with whole numbers and once with decimals, and checks what
a CAD program finds in it: a clean audit, the entities in the order they were
drawn, the outlines, the dimension values, texts, heights and colours.
"""

import math
import os
import re
import subprocess
import sys

import ezdxf
from ezdxf import decode_dxf_unicode

N = 16
SUMMARY = ("“任意角度弯头展开放样”钢管外径φ=1120mm ：弯曲半径R=1680mm ：弯曲角度=90度  "
           "：端节角度=15度 ：弯头节数=4节 ：端节下料2个 ：中间节下料个数=2个 ：")
NOTE = ("中间节下料展开等于端节展开图以水平直线为基准对称组合，程序按成品钢管外直径计算,"
        "与板厚无关，用板材下料卷成品管将外直径改为中径输入。")

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def export(korvel, path, *options):
    if os.path.exists(path):
        os.remove(path)
    run = subprocess.run([korvel, "cad", *options, "-o", path], capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"korvel cad {' '.join(options)} failed ({run.returncode}): {run.stderr}")
    return ezdxf.readfile(path)


def text_of(entity):
    return decode_dxf_unicode(entity.dxf.text)


def block_texts(doc, dimension):
    block = doc.blocks.get(dimension.dxf.geometry)
    if block is None:
        return None
    return [text_of(e) for e in block if e.dxftype() in ("TEXT", "MTEXT")]


def dim_variable(doc, dimension, name):
    """The value a dimension shows with: its own override, else its style's."""
    override = dimension.override().get(name)
    return override if override is not None else doc.dimstyles.get(dimension.dxf.dimstyle).dxf.get(name)


def check_document(doc, decimals):
    label = "decimals" if decimals else "whole numbers"
    auditor = doc.audit()
    check(not auditor.has_errors, f"{label}: audit errors {[e.message for e in auditor.errors]}")
    # Nothing the reader had to repair either (owners, handles, links).
    check(not auditor.has_fixes, f"{label}: audit fixes {[e.message for e in auditor.fixes]}")

    entities = list(doc.modelspace())
    kinds = [e.dxftype() for e in entities]
    expected = (["LINE"] + ["LINE", "DIMENSION"] * (N + 1) + ["LWPOLYLINE"]
                + ["LINE", "DIMENSION"] * (N + 1) + ["LWPOLYLINE"]
                + ["DIMENSION"] * 2 + ["TEXT"] * (N + 3))
    if not check(kinds == expected, f"{label}: entity kinds in order {kinds}"):
        return

    # Outlines: the end section 450.15 -> 300.10 (j = 4) -> 600.21 (j = 12)
    # -> 450.15; the middle section's upper outline between 1200.41 and 1500.52.
    end, upper = [e for e in entities if e.dxftype() == "LWPOLYLINE"]
    end_y = [round(p[1], 2) for p in end.get_points()]
    upper_y = [round(p[1], 2) for p in upper.get_points()]
    check(len(end_y) == N + 1 and len(upper_y) == N + 1, f"{label}: outline vertex counts")
    check((end_y[0], end_y[4], end_y[12], end_y[16]) == (450.15, 300.10, 600.21, 450.15),
          f"{label}: end outline {end_y}")
    check(min(end_y) == 300.10 and max(end_y) == 600.21, f"{label}: end outline range {end_y}")
    check(min(upper_y) == 1200.41 and max(upper_y) == 1500.52, f"{label}: upper outline range {upper_y}")
    check((upper_y[0], upper_y[4], upper_y[12]) == (1350.46, 1500.52, 1200.41), f"{label}: upper outline {upper_y}")
    a = math.pi * 1120 / N
    check(all(abs(p[0] - j * a) < 1e-9 for j, p in enumerate(end.get_points())), f"{label}: outline x positions")

    # Every generatrix carries a dimension measuring its length and showing
    # the value only, from its block, in colour 120, with text height 24.
    digits = 2 if decimals else 0
    generatrices = [(entities[i], entities[i + 1]) for i in list(range(1, 35, 2)) + list(range(36, 70, 2))]
    shown = []
    for line, dim in generatrices:
        length = math.dist(line.dxf.start, line.dxf.end)
        check(abs(dim.get_measurement() - length) < 1e-9, f"{label}: measurement {dim.get_measurement()} vs {length}")
        check(abs(dim.dxf.actual_measurement - length) < 1e-9, f"{label}: actual measurement of {dim.dxf.geometry}")
        check(dim.dxf.dimstyle == "dimStyle", f"{label}: style of {dim.dxf.geometry}")
        texts = block_texts(doc, dim)
        check(texts == [f"{length:.{digits}f}"], f"{label}: {dim.dxf.geometry} shows {texts} for {length}")
        if texts:
            shown.append(texts[0])
        block = doc.blocks.get(dim.dxf.geometry)
        check([e.dxftype() for e in block] == ["TEXT"], f"{label}: {dim.dxf.geometry} holds only its value")
        check([e.dxf.color for e in block] == [120], f"{label}: colour of {dim.dxf.geometry}'s value")
        check(dim_variable(doc, dim, "dimtxt") == 24, f"{label}: DIMTXT of {dim.dxf.geometry}")
        for name in ("dimse1", "dimse2", "dimsd1", "dimsd2"):
            check(dim_variable(doc, dim, name) == 1, f"{label}: {name} of {dim.dxf.geometry}")
        check(dim_variable(doc, dim, "dimpost") == "", f"{label}: DIMPOST of {dim.dxf.geometry}")
        check(dim.dxf.color == 256, f"{label}: colour of {dim.dxf.geometry}")
        check(line.dxf.color == 256, f"{label}: colour of a generatrix")
    middle = shown[N + 1:]
    check(middle[4] == f"{1200.41:.{digits}f}" and middle[12] == f"{600.21:.{digits}f}",
          f"{label}: middle labels {middle}")
    if decimals:
        check(all(re.fullmatch(r"\d+\.\d\d", s) for s in shown), f"{label}: two decimals {shown}")
    else:
        check(all(re.fullmatch(r"\d+", s) for s in shown), f"{label}: whole numbers {shown}")

    # Circumference and one division, green, with their units.
    circumference, division = entities[71], entities[72]
    check(abs(circumference.get_measurement() - math.pi * 1120) < 1e-9, f"{label}: circumference measured")
    check(abs(division.get_measurement() - a) < 1e-9, f"{label}: division measured")
    c_text = "3518.58" if decimals else "3519"
    d_text = "219.91" if decimals else "220"
    check(block_texts(doc, circumference) == [c_text + "mm (周长)"], f"{label}: {block_texts(doc, circumference)}")
    check(block_texts(doc, division) == [d_text + "mm"], f"{label}: {block_texts(doc, division)}")
    check(circumference.dxf.color == 3 and division.dxf.color == 3, f"{label}: overall dimensions green")
    check(end.dxf.color == 0 and upper.dxf.color == 0, f"{label}: outlines take the block's colour")
    check(entities[0].dxf.color == 256, f"{label}: base line colour")

    text_style = doc.styles.get("Standard")
    check(text_style.dxf.font == "txt" and text_style.dxf.bigfont == "gbcbig.shx", f"{label}: text style fonts")

    style = doc.dimstyles.get("dimStyle")
    check(style is not None and style.dxf.dimtxt == 24, f"{label}: dimStyle DIMTXT 24")
    check(style.dxf.dimclrt == 120 and style.dxf.dimdec == digits, f"{label}: dimStyle DIMCLRT, DIMDEC")

    texts = entities[73:]
    check(all(t.dxf.height == 19 for t in texts), f"{label}: text heights {[t.dxf.height for t in texts]}")
    values = [text_of(t) for t in texts]
    expected_d = [f"D{j}=" for j in range(1, N + 1)]
    check([v.split("=")[0] + "=" for v in values[:N]] == expected_d, f"{label}: division texts {values[:N]}")
    check(all(abs(t.dxf.rotation - 90) < 1e-9 for t in texts[:N + 1]), f"{label}: division texts upright")
    numbers = [v.split("=")[1] for v in values[:N]]
    if decimals:
        check(values[0] == "D1=219.91" and values[N - 1] == "D16=3518.58", f"{label}: {values[:N]}")
        check(all(re.fullmatch(r"\d+(\.\d{1,2})?", s) for s in numbers), f"{label}: {numbers}")
    else:
        check(values[0] == "D1=220" and values[N - 1] == "D16=3519", f"{label}: {values[:N]}")
        check(all(re.fullmatch(r"\d+", s) for s in numbers), f"{label}: {numbers}")
    check(values[N] == "D0=圆周长等份累加数", f"{label}: heading {values[N]}")
    check(values[N + 1] == SUMMARY, f"{label}: summary {values[N + 1]}")
    check(values[N + 2] == NOTE, f"{label}: note {values[N + 2]}")
    check(tuple(texts[N + 1].dxf.insert) == (0, -80, 0) and tuple(texts[N + 2].dxf.insert) == (0, -110, 0),
          f"{label}: summary and note places")


def main():
    korvel, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    check_document(export(korvel, os.path.join(out, "elbow.dxf")), decimals=False)
    check_document(export(korvel, os.path.join(out, "elbow_decimals.dxf"), "round=dec"), decimals=True)
    for f in failures:
        print("FAIL:", f)
    print(f"{len(failures)} failed checks" if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

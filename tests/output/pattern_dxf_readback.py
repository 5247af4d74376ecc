"""Reads every fitting's flat-pattern DXF back with ezdxf, an independent reader.

Usage: pattern_dxf_readback.py KORVEL OUTDIR

Writes each window's pattern of its presets with `korvel dxf` (the code the
windows' 导出展开图 command runs), one input typed in a form of its own, and
checks what a CAD program or a cutting table finds in the file: a clean audit,
millimetres, the layers, closed light-weight polylines on CUT and nothing but
lines on MARK and texts on TEXT, no spline, pieces that do not overlap, the
texts decoded exactly, and true sizes (the elbow's circumference, the cone's
arcs).
"""

import itertools
import math
import os
import subprocess
import sys

try:
    import ezdxf
    from ezdxf import bbox, decode_dxf_unicode
except ImportError:
    print("ezdxf is not installed: skipped")
    sys.exit(77)

TITLE = "  真实尺寸展开图（单位：mm）"

# FITTING, options, the fitting's name, the pieces, a title-block line the
# typed option gives.
CASES = [
    ("elbow", ["D=1120毫米"], "任意角度弯头", 2, "  输入管道外径：1120毫米 mm"),
    ("tee", ["Ls=200.00"], "任意角度等径异径三通", 2, "  输入支管短边：200.00 mm"),
    ("ytee", ["L=800.0"], "等径丫形三通", 2, "  输入管道长度：800.0 mm"),
    ("rect-frustum", ["H=1000.0"], "平口矩方形锥台", 1, "  上下端口垂直高：1000.0 mm"),
    ("transition-round-top", ["H=1000.0"], "矩方形天圆地方", 1, "  输入上下口垂直高：1000.0 mm"),
    ("transition-rect-top", ["dir=south", "H=1200.0"], "矩方形天方地圆", 1, "  偏移方位：矩方口向西向南偏移"),
    ("cone", ["h=500.0"], "正心圆锥台", 1, "  输入两端垂直高：500.0 mm"),
    ("cone", ["variant=cone", "big=1000.0"], "正心圆锥体", 1, "  输入大端口外径：1000.0 mm"),
    ("reducing-elbow", ["D1=600.0"], "变径弯头", 4, "  输入进口外径：600.0 mm"),
]

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
    return condition


def export(korvel, path, fitting, options):
    if os.path.exists(path):
        os.remove(path)
    run = subprocess.run([korvel, "dxf", fitting, *options, "-o", path], capture_output=True, text=True)
    if run.returncode != 0:
        sys.exit(f"korvel dxf {fitting} {' '.join(options)} failed ({run.returncode}): {run.stderr}")
    return ezdxf.readfile(path)


def edge_length(p, q):
    """A polyline edge from p to q, along its arc where p carries a bulge."""
    chord = math.dist(p[:2], q[:2])
    bulge = p[4]
    if bulge == 0:
        return chord
    angle = 4 * math.atan(abs(bulge))
    return chord * angle / (2 * math.sin(angle / 2))


def perimeter(polyline):
    points = list(polyline.get_points("xyseb"))
    return sum(edge_length(p, q) for p, q in zip(points, points[1:] + points[:1]))


def check_document(doc, label, fitting_name, pieces, typed_line):
    auditor = doc.audit()
    check(not auditor.has_errors, f"{label}: audit errors {[e.message for e in auditor.errors]}")
    # Nothing the reader had to repair either (owners, handles, links).
    check(not auditor.has_fixes, f"{label}: audit fixes {[e.message for e in auditor.fixes]}")
    check(doc.header.get("$INSUNITS") == 4, f"{label}: $INSUNITS {doc.header.get('$INSUNITS')}")
    for layer in ("CUT", "MARK", "TEXT"):
        check(doc.layers.has_entry(layer), f"{label}: layer {layer} missing")
    style = doc.styles.get("Standard")
    check(style.dxf.font == "txt" and style.dxf.bigfont == "gbcbig.shx", f"{label}: text style fonts")
    check(not doc.query("SPLINE") and all(not b.query("SPLINE") for b in doc.blocks), f"{label}: a SPLINE")

    msp = doc.modelspace()
    kinds = {(e.dxftype(), e.dxf.layer) for e in msp}
    check(kinds == {("LWPOLYLINE", "CUT"), ("LINE", "MARK"), ("TEXT", "TEXT")}, f"{label}: entities {kinds}")
    outlines = msp.query("LWPOLYLINE")
    check(len(outlines) == pieces, f"{label}: {len(outlines)} outlines, not {pieces}")
    check(all(o.closed for o in outlines), f"{label}: an open outline")

    # Side by side: the outlines' boxes, arcs included, apart.
    boxes = [bbox.extents([o]) for o in outlines]
    for (i, a), (j, b) in itertools.combinations(enumerate(boxes), 2):
        apart = a.extmax.x < b.extmin.x or b.extmax.x < a.extmin.x or a.extmax.y < b.extmin.y or b.extmax.y < a.extmin.y
        check(apart, f"{label}: outlines {i} and {j} overlap")

    texts = [decode_dxf_unicode(t.dxf.text) for t in msp.query("TEXT")]
    title = fitting_name + TITLE
    check(title in texts, f"{label}: no title {title!r}")
    check(typed_line in texts, f"{label}: no line {typed_line!r} in {texts[-20:]}")
    check(any(t.startswith("下料：") for t in texts), f"{label}: no piece counts")
    check(any(t.startswith("展开面：") for t in texts), f"{label}: no surface")
    check(any(t.startswith("圆整：") for t in texts), f"{label}: no rounding")
    # The title block stands below the pieces.
    lowest_piece = min(b.extmin.y for b in boxes)
    title_text = next(t for t in msp.query("TEXT") if decode_dxf_unicode(t.dxf.text) == title)
    check(title_text.dxf.insert.y < lowest_piece, f"{label}: title block not below the pieces")
    return outlines, texts


def main():
    korvel, out = sys.argv[1], sys.argv[2]
    os.makedirs(out, exist_ok=True)
    for n, (fitting, options, name, pieces, typed) in enumerate(CASES):
        label = f"{fitting} {' '.join(options)}"
        doc = export(korvel, os.path.join(out, f"{n}_{fitting}.dxf"), fitting, options)
        outlines, texts = check_document(doc, label, name, pieces, typed)

        if fitting == "elbow":
            # Both sections are as long as the circumference, the end section
            # standing on it: of the mean surface, 1120 less the 10 mm wall.
            for o in outlines:
                box = bbox.extents([o])
                check(abs(box.size.x - math.pi * 1110) < 0.01, f"{label}: section length {box.size.x}")
            check("  中性层：D = 1110 mm（外径 1120 − 壁厚 10）" in texts, f"{label}: developed diameter")
            check("  弯头节数：4 节" in texts and "下料：端节 2 件，中节 2 件" in texts, f"{label}: counts")
        if fitting == "cone" and "variant=cone" not in options:
            # Big arc pi (D - t), small arc pi (d - t), two slant edges.
            (sector,) = outlines
            slant = math.hypot(500, 250)
            expected = math.pi * 1000 + math.pi * 500 + 2 * slant
            check(abs(perimeter(sector) - expected) < 0.01, f"{label}: perimeter {perimeter(sector)} vs {expected}")
            check(sum(1 for p in sector.get_points("xyseb") if p[4] != 0) == 8, f"{label}: 8 bulged edges")
        if fitting == "cone" and "variant=cone" in options:
            check(not any(t.startswith("  输入小端口外径") for t in texts), f"{label}: the hidden small end quoted")
        if fitting == "reducing-elbow":
            # The end segments stand on their square ends, true arcs of the
            # mean surface: pi (600 - 6) and pi (400 - 6); the others have none.
            arcs = []
            for o in outlines:
                points = list(o.get_points("xyseb"))
                arcs.append(sum(edge_length(p, q) for p, q in zip(points, points[1:]) if p[4] != 0))
            arcs.sort()
            check(arcs[:2] == [0, 0] and abs(arcs[2] - math.pi * 394) < 0.01 and abs(arcs[3] - math.pi * 594) < 0.01,
                  f"{label}: square ends {arcs}")
        if fitting.startswith("transition"):
            # The round edge develops to the mean circle: D = 800 or 1800, t = 10.
            (piece,) = outlines
            diameter = 810 if fitting == "transition-round-top" else 1810
            arcs = [p for p in piece.get_points("xyseb")]
            round_edge = sum(edge_length(p, q) for p, q in zip(arcs, arcs[1:]) if p[4] != 0)
            check(abs(round_edge - math.pi * diameter) < 0.01, f"{label}: round edge {round_edge}")

    # Decimals are named as the window names them.
    doc = export(korvel, os.path.join(out, "elbow_decimals.dxf"), "elbow", ["round=dec"])
    texts = [decode_dxf_unicode(t.dxf.text) for t in doc.modelspace().query("TEXT")]
    check("圆整：留小数（2位）" in texts, "elbow round=dec: rounding line")

    # Typed codes read back as typed: ezdxf reads %%c, %%d, %%p, %%u and
    # "^X" as codes where the file holds them as such (dxf_text.cpp); "□" for
    # the override and the emoji, "…" where 6000 characters are cut.
    typed = "1120%%c%%u^J^ \\P\\U+0041%"
    doc = export(korvel, os.path.join(out, "elbow_typed.dxf"), "elbow",
                 ["D=" + typed + "\u202eabc\U0001F600", "R=1680" + "x" * 6000])
    texts = [decode_dxf_unicode(t.plain_text()) for t in doc.modelspace().query("TEXT")]
    line = "  输入管道外径：" + typed + "□abc□ mm"
    check(line in texts, f"elbow typed codes: no line {line!r} in {texts[-20:]}")
    line = "  输入弯曲半径：1680" + "x" * (100 - 17) + "… mm"
    check(line in texts, f"elbow 6000 characters: no line {line!r}")

    for f in failures:
        print("FAIL:", f)
    print(f"{len(failures)} failed checks" if failures else "all checks passed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

"""Reads the flat-pattern DXF files of every file option back with ezdxf.

Usage: pattern_file_options_readback.py KORVEL OUTDIR LINE_FONT

For every fitting's presets writes, with `korvel dxf`, the R2000 file (the
preset's file, as tools/same_output.sha256 holds it), the
R12 file, each with --cut-only, and R12 with --per-piece; and checks that each
audits clean, that R12 holds no handles, no objects and no light-weight
polylines, that both releases hold the same entities on each layer with the
same closed outlines (lengths equal to 1e-9 mm) and texts, that a CUT-only
file holds the outlines alone, and that the pieces' own files, listed on
standard output, hold one piece each as long as in the whole file. Every
file, and the elbow's CAD drawing, declares the simplified Chinese code page;
every text with a character beyond ASCII is in the style named after the
line font built with the program (LINE_FONT), which has a glyph for each of
its characters, and every other text is in Standard.
"""

import hashlib
import math
import os
import subprocess
import sys
from collections import Counter

try:
    import ezdxf
    from ezdxf import decode_dxf_unicode
except ImportError:
    print("ezdxf is not installed: skipped")
    sys.exit(77)

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from readback import check, report  # noqa: E402

FITTINGS = ["elbow", "tee", "ytee", "rect-frustum", "transition-round-top", "transition-rect-top", "cone"]
MANIFEST = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "same_output.sha256")

def run(korvel, *args):
    done = subprocess.run([korvel, "dxf", *args], capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"korvel dxf {' '.join(args)} failed ({done.returncode}): {done.stderr}")
    return done.stdout


def outline_points(entity):
    """(x, y, bulge) of a closed outline, light-weight or not."""
    if entity.dxftype() == "LWPOLYLINE":
        return [(p[0], p[1], p[4]) for p in entity.get_points("xyseb")]
    return [(v.dxf.location.x, v.dxf.location.y, v.dxf.bulge) for v in entity.vertices]


def length(points):
    total = 0.0
    for (x, y, bulge), (u, v, _) in zip(points, points[1:] + points[:1]):
        chord = math.hypot(u - x, v - y)
        if bulge == 0:
            total += chord
        else:
            angle = 4 * math.atan(abs(bulge))
            total += chord * angle / (2 * math.sin(angle / 2))
    return total


def read(path, label):
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    check(not auditor.has_errors, f"{label}: audit errors {[e.message for e in auditor.errors]}")
    check(not auditor.has_fixes, f"{label}: audit fixes {[e.message for e in auditor.fixes]}")
    msp = doc.modelspace()
    outlines = [e for e in msp if e.dxf.layer == "CUT"]
    check(all(e.is_closed for e in outlines), f"{label}: an open outline")
    return doc, msp, outlines


def line_font_letters(path):
    """The characters a line font has glyphs for: its "[4e1c] 东" headers."""
    return {chr(int(line[1:5], 16)) for line in open(path, encoding="utf-8") if line.startswith("[")}


def check_texts(doc, letters, label):
    check(doc.header.get("$DWGCODEPAGE") == "ANSI_936", f"{label}: code page {doc.header.get('$DWGCODEPAGE')}")
    for t in doc.modelspace().query("TEXT"):
        text = decode_dxf_unicode(t.dxf.text)
        wide = any(ord(c) > 127 for c in text)
        check(t.dxf.style == ("korvel" if wide else "Standard"), f"{label}: {text!r} in style {t.dxf.style}")
        lacking = {c for c in text if c != " " and c not in letters}
        check(not lacking, f"{label}: the line font lacks {''.join(sorted(lacking))}")


def summary(msp):
    """What the file holds by layer, the polylines counted alike."""
    kinds = Counter(("POLYLINE" if e.dxftype() == "LWPOLYLINE" else e.dxftype(), e.dxf.layer) for e in msp)
    texts = [decode_dxf_unicode(t.dxf.text) for t in msp.query("TEXT")]
    return kinds, texts


def main():
    korvel, out, font = sys.argv[1], sys.argv[2], sys.argv[3]
    os.makedirs(out, exist_ok=True)
    letters = line_font_letters(font)
    check(len(letters) > 300, f"{font}: {len(letters)} glyphs")
    drawing = os.path.join(out, "cad.dxf")
    done = subprocess.run([korvel, "cad", "-o", drawing], capture_output=True)
    check(done.returncode == 0, f"korvel cad failed: {done.stderr}")
    check_texts(ezdxf.readfile(drawing), letters, "cad")
    manifest = dict(reversed(line.split()) for line in open(MANIFEST, encoding="utf-8"))
    for fitting in FITTINGS:
        path = lambda name: os.path.join(out, f"{fitting}-{name}.dxf")  # noqa: E731
        run(korvel, fitting, "--dxf", "R2000", "-o", path("r2000"))
        digest = hashlib.sha256(open(path("r2000"), "rb").read()).hexdigest()
        check(digest == manifest.get(f"dxf-{fitting}.dxf"), f"{fitting}: --dxf R2000 is not the preset's file")
        run(korvel, fitting, "--dxf=R12", "-o", path("r12"))
        run(korvel, fitting, "--cut-only", "-o", path("cut"))
        run(korvel, fitting, "--dxf", "R12", "--cut-only", "-o", path("r12-cut"))

        doc, msp, outlines = read(path("r2000"), f"{fitting} R2000")
        doc12, msp12, outlines12 = read(path("r12"), f"{fitting} R12")
        check_texts(doc, letters, f"{fitting} R2000")
        check_texts(doc12, letters, f"{fitting} R12")
        text12 = open(path("r12"), encoding="ascii").read()
        check(doc12.dxfversion == "AC1009", f"{fitting} R12: version {doc12.dxfversion}")
        check("LWPOLYLINE" not in text12 and "OBJECTS" not in text12 and "BLOCK_RECORD" not in text12
              and "\n  5\n" not in text12 and "AcDb" not in text12, f"{fitting} R12: holds what R12 has not")
        check(summary(msp) == summary(msp12), f"{fitting}: R12 holds other entities {summary(msp12)[0]}")
        lengths = [length(outline_points(o)) for o in outlines]
        check(all(abs(a - length(outline_points(b))) <= 1e-9 for a, b in zip(lengths, outlines12)),
              f"{fitting}: R12 outlines differ in length")

        for name in ("cut", "r12-cut"):
            _, cut, cut_outlines = read(path(name), f"{fitting} {name}")
            check(set(summary(cut)[0]) == {("POLYLINE", "CUT")}, f"{fitting} {name}: {summary(cut)[0]}")
            check([length(outline_points(o)) for o in cut_outlines] == lengths, f"{fitting} {name}: outlines")

        listed = run(korvel, fitting, "--dxf", "R12", "--per-piece", "-o", path("pieces")).split("\n")[:-1]
        check(len(listed) == len(outlines), f"{fitting} per piece: {listed}")
        for n, (piece, whole) in enumerate(zip(listed, lengths), start=1):
            check(os.path.basename(piece).startswith(f"{fitting}-pieces_{n}_"), f"{fitting}: piece file {piece}")
            _, one, (outline,) = read(piece, piece)
            check(abs(length(outline_points(outline)) - whole) <= 1e-9, f"{piece}: outline length")
            check(any(t.startswith("下料：") and t.count("件") == 1 for t in summary(one)[1]), f"{piece}: counts")
        check(not os.path.exists(path("pieces")), f"{fitting}: FILE itself written per piece")

    return report()


if __name__ == "__main__":
    sys.exit(main())

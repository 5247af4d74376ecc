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
fitting on every surface, in both releases, and with each kind of seam place
and joint, audits clean and cuts closed outlines that neither cross
themselves nor overlap one another (a hole lies wholly inside its piece). Every
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
from readback import check, length, outline_points, read_clean, report  # noqa: E402

FITTINGS = ["elbow", "tee", "ytee", "rect-frustum", "transition-round-top", "transition-rect-top", "cone", "reducing-elbow"]
MANIFEST = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools", "same_output.sha256")

def run(korvel, *args):
    done = subprocess.run([korvel, "dxf", *args], capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit(f"korvel dxf {' '.join(args)} failed ({done.returncode}): {done.stderr}")
    return done.stdout


def read(path, label):
    return read_clean(ezdxf, path, label)


# Every fitting's surfaces, and the seam places and joints, as the plater
# chooses them. Windows without a plate thickness of their own are given 6 mm.
SURFACES = ["mean", "outside", "inside", "typed"]
PLATE = {"tee": ["plate-t=6"], "ytee": ["plate-t=6"], "rect-frustum": ["plate-t=6"], "cone": ["plate-t=6"]}
CHOICES = [
    ("elbow", ["seam=throat"]), ("elbow", ["seam=alternate"]), ("elbow", ["n=100", "seam=heel"]),
    ("tee", ["t=10", "D=1400", "joint=set-in", "main-t=12", "seam=opposite"]),
    ("transition-round-top", ["seam=corner1"]), ("transition-rect-top", ["seam=side2"]),
    ("cone", ["seam=100"]), ("cone", ["h=0"]),
    ("reducing-elbow", ["seam=throat"]), ("reducing-elbow", ["seam=heel", "D2=800", "k=7"]),
]


def chords(points):
    """The outline's vertices, closed, as straight chords (x, y, u, v)."""
    return [(x, y, u, v) for (x, y, _), (u, v, _) in zip(points, points[1:] + points[:1])]


def crossing(a, b):
    """Whether two chords cross at a point inside both (touching ends does not count)."""
    (x1, y1, x2, y2), (x3, y3, x4, y4) = a, b
    d = (x2 - x1) * (y4 - y3) - (y2 - y1) * (x4 - x3)
    if abs(d) < 1e-12:
        return False
    s = ((x3 - x1) * (y4 - y3) - (y3 - y1) * (x4 - x3)) / d
    t = ((x3 - x1) * (y2 - y1) - (y3 - y1) * (x2 - x1)) / d
    return 1e-9 < s < 1 - 1e-9 and 1e-9 < t < 1 - 1e-9


def inside(point, edges):
    """Whether a point lies inside a closed outline of chords (even-odd rule)."""
    x, y = point[0], point[1]
    odd = False
    for (x1, y1, x2, y2) in edges:
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            odd = not odd
    return odd


def check_cut(outlines, label):
    """No outline crosses itself or another, and of two outlines either
    neither holds a corner of the other or one lies wholly within the other
    (a hole in its piece)."""
    pieces = [outline_points(o) for o in outlines]
    edges = [chords(points) for points in pieces]
    for i, own in enumerate(edges):
        crossed = any(crossing(own[a], own[b]) for a in range(len(own)) for b in range(a + 2, len(own))
                      if not (a == 0 and b == len(own) - 1))
        check(not crossed, f"{label}: outline {i} crosses itself")
        for j in range(i + 1, len(pieces)):
            check(not any(crossing(p, q) for p in own for q in edges[j]), f"{label}: outlines {i} and {j} cross")
            j_in_i = [inside(p, own) for p in pieces[j]]
            i_in_j = [inside(p, edges[j]) for p in pieces[i]]
            apart = not any(j_in_i) and not any(i_in_j)
            check(apart or all(j_in_i) or all(i_in_j), f"{label}: outlines {i} and {j} overlap")


def check_choices(korvel, out, letters):
    runs = [(f, [f"surface={s}"] + (PLATE.get(f, []) if s != "typed" else [])) for f in FITTINGS for s in SURFACES]
    for n, (fitting, args) in enumerate(runs + CHOICES):
        for version in ("R2000", "R12"):
            label = f"{fitting} {' '.join(args)} {version}"
            path = os.path.join(out, f"choice-{n}-{version}.dxf")
            run(korvel, fitting, *args, "--dxf", version, "-o", path)
            doc, _, outlines = read(path, label)
            check(outlines, f"{label}: nothing on CUT")
            check_cut(outlines, label)
            check_texts(doc, letters, label)


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
    check_choices(korvel, out, letters)
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

"""What the ezdxf read-back scripts share: failed checks gathered, then reported,
and the pattern files' outlines read back.

A script puts tests/support on sys.path and imports what it uses.
"""

import math

failures = []


def check(condition, what):
    """Notes `what` as failed unless `condition` holds; returns the condition."""
    if not condition:
        failures.append(what)
    return condition


def report():
    """Prints the failed checks and a summary; the exit status: 1 when any failed."""
    for f in failures:
        print("FAIL:", f)
    print(f"{len(failures)} failed checks" if failures else "all checks passed")
    return 1 if failures else 0


def outline_points(entity):
    """(x, y, bulge) of a closed outline, light-weight or not."""
    if entity.dxftype() == "LWPOLYLINE":
        return [(p[0], p[1], p[4]) for p in entity.get_points("xyseb")]
    return [(v.dxf.location.x, v.dxf.location.y, v.dxf.bulge) for v in entity.vertices]


def length(points):
    """The length of a closed outline of (x, y, bulge) points, arcs as arcs."""
    total = 0.0
    for (x, y, bulge), (u, v, _) in zip(points, points[1:] + points[:1]):
        chord = math.hypot(u - x, v - y)
        if bulge == 0:
            total += chord
        else:
            angle = 4 * math.atan(abs(bulge))
            total += chord * angle / (2 * math.sin(angle / 2))
    return total


def read_clean(ezdxf, path, label):
    """Reads a pattern file, which must audit with no error and no fix and whose
    outlines on CUT must all be closed: (document, model space, outlines)."""
    doc = ezdxf.readfile(path)
    auditor = doc.audit()
    check(not auditor.has_errors, f"{label}: audit errors {[e.message for e in auditor.errors]}")
    check(not auditor.has_fixes, f"{label}: audit fixes {[e.message for e in auditor.fixes]}")
    msp = doc.modelspace()
    outlines = [e for e in msp if e.dxf.layer == "CUT"]
    check(all(e.is_closed for e in outlines), f"{label}: an open outline")
    return doc, msp, outlines

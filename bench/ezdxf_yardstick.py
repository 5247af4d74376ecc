#!/usr/bin/python3
"""The yardstick for Korvel's DXF export: the same entities written from
Python with ezdxf.

    bench/ezdxf_yardstick.py PATTERN.dxf [RUNS]

reads the model space of a pattern Korvel wrote (say `korvel dxf elbow
n=1000 -o PATTERN.dxf`), then RUNS times (5 unless given) builds a new
drawing with the same layers and entities (polylines with their bulges,
lines, texts) and saves it, and prints the fastest run in milliseconds. Reading
the file and starting Python are not counted."""

import sys
import tempfile
import time

import ezdxf


def main():
    source = ezdxf.readfile(sys.argv[1])
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    entities = list(source.modelspace())
    layers = [(layer.dxf.name, layer.dxf.color) for layer in source.layers]
    best = float("inf")
    with tempfile.TemporaryDirectory() as folder:
        for _ in range(runs):
            start = time.perf_counter()
            doc = ezdxf.new("R2000")
            for name, colour in layers:
                if name not in doc.layers:
                    doc.layers.add(name, color=colour)
            msp = doc.modelspace()
            for e in entities:
                kind = e.dxftype()
                attribs = {"layer": e.dxf.layer}
                if kind == "LWPOLYLINE":
                    msp.add_lwpolyline(e.get_points("xyb"), format="xyb", close=e.closed, dxfattribs=attribs)
                elif kind == "LINE":
                    msp.add_line(e.dxf.start, e.dxf.end, dxfattribs=attribs)
                elif kind == "TEXT":
                    attribs["height"] = e.dxf.height
                    attribs["insert"] = e.dxf.insert
                    msp.add_text(e.dxf.text, dxfattribs=attribs)
            doc.saveas(f"{folder}/yardstick.dxf")
            best = min(best, time.perf_counter() - start)
    print(f"{len(entities)} entities written by ezdxf in {best * 1000:.1f} ms (fastest of {runs})")


if __name__ == "__main__":
    main()

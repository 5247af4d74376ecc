"""Reads `korvel job FILE cutlist --csv` back with Python's csv module, as a
spreadsheet or a script would: the header exactly, one row per piece kind,
numbers with a point, a mark with a comma and quotes as it was typed, and
the quantities as the hand counts them.

Usage: job_csv_readback.py KORVEL FOLDER
"""

import csv
import io
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from readback import check, report  # noqa: E402

HEADER = ["mark", "fitting", "piece", "quantity", "width_mm", "height_mm", "area_m2", "weight_kg",
          "cut_length_mm", "pierces"]


def main(program, folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    job = os.path.join(folder, "run.korvel")
    env = {**os.environ, "QT_QPA_PLATFORM": "offscreen"}
    for args in (["elbow", "k=5", "--qty", "2", "--mark", 'E-01, "左"'],
                 ["ytee", "plate-t=3", "--mark", "Y-01"],
                 ["cone", "--qty", "3"]):
        subprocess.run([program, "job", job, "add", *args], check=True, env=env)
    run = subprocess.run([program, "job", job, "cutlist", "--csv"], capture_output=True, env=env)
    check(run.returncode == 0, f"cutlist exit status {run.returncode}: {run.stderr.decode()}")
    text = run.stdout.decode("utf-8")
    check(text.endswith("\r\n"), "rows end CRLF")
    rows = list(csv.reader(io.StringIO(text, newline="")))
    check(rows[0] == HEADER, f"header {rows[0]}")
    body = rows[1:]
    # Elbow of 5 sections: 2 ends and 3 middles each, 2 elbows; Y-tee 1
    # vertical and 2 slanted; one cone.
    quantities = [(r[0], r[2], int(r[3])) for r in body]
    check(quantities == [('E-01, "左"', "端节", 4), ('E-01, "左"', "中节", 6),
                         ("Y-01", "竖管", 1), ("Y-01", "斜管", 2), ("", "圆锥台", 3)], f"quantities {quantities}")
    for r in body:
        for field, decimals in zip(r[4:9], (1, 1, 4, 2, 1)):
            if field == "" and decimals == 2:
                continue  # no thickness known: no weight
            check(float(field) >= 0 and len(field.split(".")[1]) == decimals, f"number {field} in {r}")
        check(r[9] == "1", f"pierces {r}")
    # The Y-tee's plate is 3 mm, the elbow's its own 10 mm; the cone has none.
    check(float(body[2][7]) > 0 and body[4][7] == "", "weights where a thickness is known, none elsewhere")
    return report()


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

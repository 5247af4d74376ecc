"""Reads `korvel list --format json|csv|tsv` back with Python's json and csv
modules, as a script would, and checks the values against the default
KEY<TAB>TEXT output of the same command.

Usage: list_formats_readback.py KORVEL
"""

import csv
import io
import json
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "support"))
from readback import check, report  # noqa: E402


def korvel(program, *args):
    run = subprocess.run([program, "list", *args], capture_output=True, text=True,
                         env={**os.environ, "QT_QPA_PLATFORM": "offscreen"})
    return run.returncode, run.stdout


def rows(text, dialect):
    """The rows after the header, as dicts; tsv's escapes undone."""
    if dialect == "tsv":
        reader = csv.DictReader(io.StringIO(text), delimiter="\t", quoting=csv.QUOTE_NONE)
        unescape = {"\\t": "\t", "\\n": "\n", "\\r": "\r", "\\\\": "\\"}
        return [{k: re.sub(r"\\[tnr\\]", lambda m: unescape[m.group()], v) for k, v in r.items()} for r in reader]
    return list(csv.DictReader(io.StringIO(text, newline="")))


def main():
    program = sys.argv[1]

    # The elbow's end section: every L of the default output's listing boxes,
    # read from its text here, is a number of the machine formats.
    status, plain = korvel(program, "elbow-end")
    check(status == 0, f"elbow-end exit {status}")
    expected = []
    for line in plain.splitlines():
        key, _, text = line.partition("\t")
        m = re.fullmatch(r"(L\d+) = (\d+)", text)
        if key in ("Combo3", "Combo4") and m:
            expected.append(("left" if key == "Combo3" else "right", m.group(1), int(m.group(2))))
    check(len(expected) == 18, f"elbow-end lists {len(expected)} lengths, not 2 x 9")

    status, text = korvel(program, "elbow-end", "--format", "json")
    data = json.loads(text)
    check(status == 0 and data["status"] == "done", f"json elbow-end: {status} {data['status']}")
    check(data["fitting"] == "elbow-end" and data["command"] == "端节", "json names the fitting and command")
    got = [(v["list"], v["name"], v["value"]) for v in data["values"] if v["name"].startswith("L")]
    check(got == expected, f"json lengths {got}")
    check(all(isinstance(v["value"], (int, float)) for v in data["values"]), "json values are numbers")
    weight = [(v["value"], v["unit"]) for v in data["values"] if v["name"] == "弯头重量"]
    check(weight == [(746, "kg")], f"weight {weight}")

    for dialect in ("csv", "tsv"):
        status, text = korvel(program, "elbow-end", f"--format={dialect}")
        table = rows(text, dialect)
        check(status == 0 and table[0]["kind"] == "status" and table[0]["name"] == "done", f"{dialect} status")
        got = [(r["list"], r["name"], int(r["value"])) for r in table
               if r["kind"] == "value" and r["name"].startswith("L")]
        check(got == expected, f"{dialect} lengths {got}")

    # A check that refuses: nothing listed, the box it emptied named, exit 2.
    status, text = korvel(program, "elbow-end", "D=0", "--format", "json")
    data = json.loads(text)
    check(status == 2 and data["status"] == "refused" and [i["name"] for i in data["inputs"]] == ["D"],
          f"refused: {status} {data['status']} {data['inputs']}")
    check(data["messages"][0]["text"] == "\n管道外径必须大于零！" and not data["values"], "refused: message only")

    # The tee puts its presets back for a branch wider than the main pipe and
    # lists those: reset, the two diameters named with their new value, exit 2.
    status, text = korvel(program, "tee-branch", "d=2000", "--format", "json")
    data = json.loads(text)
    check(status == 2 and data["status"] == "reset", f"tee reset {status} {data['status']}")
    check(sorted((i["name"], i["value"]) for i in data["inputs"]) == [("D", 1120), ("d", 1120)],
          f"tee reset inputs {data['inputs']}")
    # The message holds a comma: csv quotes it whole.
    table = rows(korvel(program, "tee-branch", "d=2000", "--format", "csv")[1], "csv")
    check([r["text"] for r in table if r["kind"] == "message"] == [data["messages"][0]["text"]], "csv message")
    return report()


if __name__ == "__main__":
    sys.exit(main())

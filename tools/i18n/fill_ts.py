#!/usr/bin/env python3
"""Fills translations into a Qt .ts file from a table.

  fill_ts.py FILE.ts TABLE.tsv

TABLE: one phrase a line, the Chinese and its English split by a tab, with
the escapes \\n, \\t and \\\\ in both. A message whose source is in the table
gets that translation, finished; the others are left as they are. Prints the
sources of the file that are still unfinished.
"""
import html
import re
import sys


def unescape(text):
    return re.sub(r"\\(.)", lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), text)


def main(ts_path, table_path):
    table = {}
    with open(table_path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line or "\t" not in line:
                continue
            chinese, english = line.split("\t", 1)
            table[unescape(chinese)] = unescape(english)
    with open(ts_path, encoding="utf-8") as f:
        ts = f.read()
    left = []

    def fill(m):
        source = html.unescape(m.group(2))
        if source in table:
            english = html.escape(table[source], quote=False).replace('"', "&quot;").replace("'", "&apos;")
            return m.group(1) + "<translation>" + english + "</translation>"
        if 'type="unfinished"' in m.group(3):
            left.append(source)
        return m.group(0)

    ts = re.sub(r"(<source>(.*?)</source>\s*)(<translation[^>]*>.*?</translation>|<translation[^>]*/>)", fill, ts,
                flags=re.S)
    with open(ts_path, "w", encoding="utf-8") as f:
        f.write(ts)
    for source in left:
        print(source.replace("\n", "\\n"))
    return 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))

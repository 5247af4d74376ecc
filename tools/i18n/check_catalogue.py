#!/usr/bin/env python3
"""Lists the windows' phrases that the English catalogue lacks.

  check_catalogue.py FILE.ts SOURCE...

The phrases are those tools/i18n/phrases.py gathers from the sources (the
same list the build gives lupdate). A phrase missing from the catalogue, or
there without a finished translation, is printed; the exit status is 1 when
there is any, so that a caption added in Chinese cannot go unnoticed.
"""
import os
import sys
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import phrases  # noqa: E402


def main(ts_path, sources):
    finished = set()
    for message in ET.parse(ts_path).getroot().iter("message"):
        translation = message.find("translation")
        if translation is not None and translation.get("type") not in ("unfinished", "vanished", "obsolete") \
                and (translation.text or ""):
            finished.add(message.findtext("source"))
    wanted = set()
    for path in sources:
        with open(path, encoding="utf-8") as f:
            text = f.read()
        if path.endswith(".txt"):
            wanted.update(phrases.unescape(l) for l in text.splitlines() if l and not l.startswith("#"))
        else:
            wanted.update(phrases.phrases_of(text))
    lacking = sorted(wanted - finished)
    for phrase in lacking:
        print("untranslated: " + phrase.replace("\n", "\\n"))
    print(f"{len(wanted) - len(lacking)} of {len(wanted)} phrases translated")
    return 1 if lacking else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))

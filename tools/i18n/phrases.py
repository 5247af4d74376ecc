#!/usr/bin/env python3
"""The phrases of Korvel's windows that a translation must cover.

Every string literal of the given C++ sources that holds Chinese gives:
  - its Chinese runs (maximal stretches of Chinese characters and Chinese
    punctuation), the pieces the windows translate when a text is composed
    of several literals and numbers;
  - the literal itself, trimmed, when it holds more than one run or anything
    besides its run (a menu caption with its "(&Z)", a message with numbers),
    looked up whole before its runs.
The phrases file (one phrase per line, escapes as in C) adds the texts that
only a running window composes (a run made of two literals).

  phrases.py --cpp OUT SOURCE...      a C++ file of QT_TRANSLATE_NOOP markers for lupdate
  phrases.py --list SOURCE...         the phrases, one per line
"""
import re
import sys

CHINESE = "\u3000-\u303f\u3400-\u9fff\uf900-\ufaff\uff00-\uffef\u2160-\u217f\u2460-\u24ff"
RUN = re.compile("[" + CHINESE + "]+")
LITERAL = re.compile(r'(?<![A-Za-z0-9_])(?:u8)?"((?:[^"\\\n]|\\.)*)"')


def unescape(body):
    out, i = [], 0
    while i < len(body):
        c = body[i]
        if c == "\\" and i + 1 < len(body):
            n = body[i + 1]
            out.append({"n": "\n", "t": "\t", '"': '"', "\\": "\\", "'": "'"}.get(n, "\\" + n))
            i += 2
        else:
            out.append(c)
            i += 1
    return "".join(out)


def strip_comments(text):
    # Comments hold Chinese too (quoted captions); only code counts.
    text = re.sub(r"/\*.*?\*/", "", text, flags=re.S)
    return re.sub(r'//[^\n]*', lambda m: "" if m.group(0).count('"') % 2 == 0 else m.group(0), text)


def phrases_of(text):
    for m in LITERAL.finditer(strip_comments(text)):
        literal = unescape(m.group(1))
        runs = RUN.findall(literal)
        if not runs:
            continue
        yield from runs
        trimmed = literal.strip()
        if trimmed not in runs:
            yield trimmed


def main(argv):
    mode, args = argv[1], argv[2:]
    out = None
    if mode == "--cpp":
        out, args = args[0], args[1:]
    seen = {}
    for path in args:
        with open(path, encoding="utf-8") as f:
            text = f.read()
        if path.endswith(".txt"):
            found = (unescape(line) for line in text.splitlines() if line and not line.startswith("#"))
        else:
            found = phrases_of(text)
        for p in found:
            seen.setdefault(p, path)
    phrases = sorted(seen)
    if mode == "--list":
        for p in phrases:
            print(p.replace("\\", "\\\\").replace("\n", "\\n"))
        return 0
    def c_string(p):
        return '"' + p.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'
    with open(out, "w", encoding="utf-8") as f:
        f.write("// Written by tools/i18n/phrases.py: the phrases of the windows, for lupdate.\n")
        f.write("#include <QtGlobal>\n\nstatic const char* const kPhrases[] = {\n")
        for p in phrases:
            f.write('    QT_TRANSLATE_NOOP("korvel", %s),\n' % c_string(p))
        f.write("};\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

#!/usr/bin/env python3
"""Writes the translated lines of the desktop entry (GenericName, Comment)
and of the software-centre description (summary) from translations/desktop.tsv:
one line per language, its generic name and its summary, tab-separated.
A translator adds the language's line and runs this script;
`desktop.py --check` fails when the two files are not as the table says."""

import pathlib
import re
import sys

HERE = pathlib.Path(__file__).resolve().parent
DATA = HERE.parent / "data"
DESKTOP = DATA / "net.ostrun.Reelwick.desktop"
METAINFO = DATA / "net.ostrun.Reelwick.metainfo.xml"


def table():
    rows = []
    for line in (HERE / "desktop.tsv").read_text(encoding="utf-8").splitlines():
        if line.strip() and not line.startswith("#"):
            language, name, summary = line.split("\t")
            rows.append((language, name, summary))
    return sorted(rows)


def escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def desktop(text, rows):
    lines = [l for l in text.splitlines() if not re.match(r"(GenericName|Comment)\[", l)]
    out = []
    for line in lines:
        out.append(line)
        for key, column in (("GenericName", 1), ("Comment", 2)):
            if line.startswith(key + "="):
                out += [f"{key}[{row[0]}]={row[column]}" for row in rows]
    return "\n".join(out) + "\n"


def metainfo(text, rows):
    text = re.sub(r"\n *<summary xml:lang=[^\n]*", "", text)
    match = re.search(r"\n( *)<summary>[^\n]*", text)
    indent = match.group(1)
    added = "".join(f'\n{indent}<summary xml:lang="{row[0]}">{escape(row[2])}</summary>'
                    for row in rows)
    return text[:match.end()] + added + text[match.end():]


def main():
    rows = table()
    stale = []
    for path, write in ((DESKTOP, desktop), (METAINFO, metainfo)):
        old = path.read_text(encoding="utf-8")
        new = write(old, rows)
        if new == old:
            continue
        if "--check" in sys.argv:
            stale.append(path.name)
        else:
            path.write_text(new, encoding="utf-8")
    for name in stale:
        print(f"{name} is not as translations/desktop.tsv says: run translations/desktop.py")
    return 1 if stale else 0


if __name__ == "__main__":
    sys.exit(main())

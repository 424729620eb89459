#!/usr/bin/env python3
"""Writes a pseudo-translation of a .ts file: every text wrapped in ⟦ ⟧, with
its places (%1) and access key (&) kept, and with --longer N made N percent
longer. The tests load it to find texts on the screen that are not marked for
translation, and texts cut short where a longer language would be."""

import argparse
import math
import xml.etree.ElementTree as ET


def pseudo(text: str, longer: int) -> str:
    padding = "~" * math.ceil(len(text) * longer / 100) if longer else ""
    return "\u27e6" + text + padding + "\u27e7"


def main() -> None:
    parser = argparse.ArgumentParser()
    parser.add_argument("--longer", type=int, default=0)
    parser.add_argument("source")
    parser.add_argument("target")
    args = parser.parse_args()
    tree = ET.parse(args.source)
    for message in tree.iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.clear()
        translation.text = pseudo(source, args.longer)
    tree.write(args.target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()

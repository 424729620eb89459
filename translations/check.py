#!/usr/bin/env python3
"""Checks one language's .ts file against the texts the code marks today:
every text is there and translated, with the same places (%1, %2) and the
same number of access keys (&), and within each menu no two items share an
access key. Prints each fault with its context and source; exits 1 on any."""

import re
import sys
import xml.etree.ElementTree as ET

PLACES = re.compile(r"%[1-9]")


def messages(path):
    """(context, source) -> (translation, type) of the file's current texts."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name") or ""
        for message in context.iter("message"):
            translation = message.find("translation")
            kind = translation.get("type", "") if translation is not None else "unfinished"
            text = (translation.text or "") if translation is not None else ""
            found[(name, message.findtext("source") or "")] = (text, kind)
    return found


def access_key(text):
    """The letter after a single &, lower case; None without one."""
    match = re.search(r"(?<!&)&([^&\s])", text)
    return match.group(1).lower() if match else None


def is_menu(context):
    return context == "Menu bar" or context.endswith(" menu")


def main(source_ts, language_ts):
    wanted = messages(source_ts)
    have = messages(language_ts)
    faults = []
    keys = {}
    for (context, source) in sorted(wanted):
        where = f"[{context}] {source!r}"
        text, kind = have.get((context, source), ("", "missing"))
        if kind in ("missing", "vanished", "obsolete"):
            faults.append(f"not in {language_ts} (run update_translations): {where}")
            continue
        if kind == "unfinished" or not text:
            faults.append(f"not translated: {where}")
            continue
        if sorted(PLACES.findall(text)) != sorted(PLACES.findall(source)):
            faults.append(f"places differ: {where} -> {text!r}")
        if "\t" in text:
            faults.append(f"a tab, which Qt would show as a shortcut: {where} -> {text!r}")
        if source.replace("&&", "").count("&") != text.replace("&&", "").count("&"):
            faults.append(f"access keys differ: {where} -> {text!r}")
        key = access_key(text)
        if is_menu(context) and key:
            if (context, key) in keys:
                faults.append(f"access key '{key}' twice in {context}: "
                              f"{keys[(context, key)]!r} and {text!r}")
            keys[(context, key)] = text
    for fault in faults:
        print(fault)
    print(f"{language_ts}: {len(wanted)} texts, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))

#!/usr/bin/env python3
"""Fails when a catalogue in translations/ is out of date with the sources (the program's .ts
files with src/, the desktop entry's and AppStream metadata's .po files with data/: updating a
copy would add or drop a text) or holds a text that is not translated whole: unfinished or fuzzy,
empty, a plural form missing, or a placeholder (%1, %n, %Ln) lost or added.

    check_catalogues.py CHECKOUT LUPDATE
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?(?:\d+|n)")


def messages(path):
    """Every message of a catalogue: (context, source, comment) -> its <message> element."""
    found = {}
    for context in ET.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source"), message.findtext("comment") or "")
            found[key] = message
    return found


def faults(path, updated):
    ours, theirs = messages(path), messages(updated)
    for key in sorted(theirs.keys() - ours.keys()):
        yield f"not in the catalogue yet (run scripts/update-translations.sh): {key[1]!r}"
    for key in sorted(ours.keys() - theirs.keys()):
        yield f"no longer in the sources (run scripts/update-translations.sh): {key[1]!r}"
    for key, message in sorted(ours.items()):
        translation = message.find("translation")
        kind = translation.get("type")
        if kind:
            yield f"{kind}: {key[1]!r}"
            continue
        if message.get("numerus") == "yes":
            texts = [form.text or "" for form in translation.iter("numerusform")]
        else:
            texts = [translation.text or ""]
        wanted = sorted(set(PLACEHOLDER.findall(key[1])))
        for text in texts:
            if not text.strip():
                yield f"empty translation: {key[1]!r}"
            elif sorted(set(PLACEHOLDER.findall(text))) != wanted:
                yield f"placeholders {wanted} not kept in {text!r}"


def po_messages(path):
    """Every message of a PO catalogue (written without wrapping): msgid -> (msgstr, fuzzy)."""
    found, fuzzy, msgid = {}, False, None
    for line in path.read_text(encoding="utf-8").splitlines():
        if line.startswith("#,") and "fuzzy" in line:
            fuzzy = True
        elif line.startswith("msgid "):
            msgid = line[6:]
        elif line.startswith("msgstr ") and msgid is not None:
            if msgid != '""':
                found[msgid] = (line[7:], fuzzy)
            fuzzy, msgid = False, None
    return found


def po_faults(path, updated):
    ours, theirs = po_messages(path), po_messages(updated)
    for msgid in sorted(theirs.keys() - ours.keys()):
        yield f"not in the catalogue yet (run scripts/update-translations.sh): {msgid}"
    for msgid in sorted(ours.keys() - theirs.keys()):
        yield f"no longer in the sources (run scripts/update-translations.sh): {msgid}"
    for msgid, (msgstr, fuzzy) in sorted(ours.items()):
        if fuzzy or msgstr == '""':
            yield f"{'fuzzy' if fuzzy else 'untranslated'}: {msgid}"


def main():
    checkout, lupdate = pathlib.Path(sys.argv[1]), sys.argv[2]
    folder = checkout / "translations"
    catalogues = sorted(folder.glob("glowdeck_*.ts"))
    data = sorted((folder / "data").glob("*.po"))
    if not catalogues or not data:
        print("no catalogues in translations/ or translations/data/")
        return 1
    failed = False
    with tempfile.TemporaryDirectory() as copy:
        shutil.copytree(folder, copy, dirs_exist_ok=True)
        subprocess.run([str(checkout / "scripts/update-translations.sh"), copy], check=True,
                       env={"PATH": "/usr/bin:/bin", "LUPDATE": lupdate})
        for paths, check in ((catalogues, faults), (data, po_faults)):
            for path in paths:
                for fault in check(path, pathlib.Path(copy) / path.relative_to(folder)):
                    print(f"{path.relative_to(folder)}: {fault}")
                    failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())

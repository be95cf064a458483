#!/usr/bin/env python3
"""The editor's translation files (src/gui/translations/*.ts).

  translations.py update LUPDATE SOURCE_DIR   brings the .ts files up to date with the sources
  translations.py check LUPDATE SOURCE_DIR    fails when a .ts is not up to date with the sources
                                              or holds an unfinished, empty or wrong-language text

Both scan src/gui with the same lupdate options, so a file made by update passes check.
"""

import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path

LUPDATE_OPTIONS = ["-locations", "none", "-no-obsolete", "-no-ui-lines", "-silent"]
CJK = re.compile("[\u3000-\u303f\u3400-\u4dbf\u4e00-\u9fff\uff00-\uffef]")
PLACEHOLDER = re.compile(r"%\d+|%n")
ACCELERATOR = re.compile(r"&(?!&)(\S)")
# A Chinese text may be without Chinese characters only when it is made of names that stay as
# they are: instruction names and addresses (capitals and digits), key names, file types, the
# program's name, units, punctuation and placeholders.
KEPT_WORDS = {
    "Rungpad", "Ctrl", "Shift", "Alt", "Del", "Ins", "Esc", "Tab", "Enter", "Backspace",
    "PgUp", "PgDn", "Home", "End", "Space", "plf", "lad", "txt", "bin", "vcd", "pdf", "png",
    "svg", "csv", "ms", "s", "x",
}


def ts_files(source_dir: Path):
    return sorted((source_dir / "src" / "gui" / "translations").glob("*.ts"))


def run_lupdate(lupdate: str, source_dir: Path, targets):
    subprocess.run([lupdate, *LUPDATE_OPTIONS, str(source_dir / "src" / "gui"), "-ts",
                    *map(str, targets)], check=True)


def kept_as_is(text: str) -> bool:
    words = re.findall(r"[A-Za-z]+", PLACEHOLDER.sub("", text.replace("&", "")))
    return all(word in KEPT_WORDS or not any(c.islower() for c in word) for word in words)


def message_faults(language: str, context: str, source: str, translation: ET.Element):
    where = f"{context}: {source!r}"
    kind = translation.get("type")
    if kind in ("unfinished", "obsolete", "vanished"):
        yield f"{where} is {kind}"
        return
    forms = [form.text or "" for form in translation.findall("numerusform")] or \
        [translation.text or ""]
    for text in forms:
        if not text.strip():
            yield f"{where} has an empty translation"
        elif language.startswith("zh") and not CJK.search(text) and not kept_as_is(text):
            yield f"{where} is not in Chinese: {text!r}"
        elif language == "en" and CJK.search(text):
            yield f"{where} is not in English: {text!r}"
        elif sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
            yield f"{where} has other placeholders: {text!r}"
        elif bool(ACCELERATOR.search(source)) != bool(ACCELERATOR.search(text)):
            yield f"{where} gains or loses its accelerator: {text!r}"
        elif source.count("\n") != text.count("\n"):
            # a command's prompt is "status tip\ntool tip": the parts must stay apart
            yield f"{where} has other line breaks: {text!r}"


def content_faults(path: Path):
    root = ET.parse(path).getroot()
    language = root.get("language", "")
    for context in root.iter("context"):
        name = context.findtext("name", "")
        for message in context.iter("message"):
            source = message.findtext("source", "")
            yield from message_faults(language, name, source, message.find("translation"))


def check(lupdate: str, source_dir: Path) -> int:
    faults = []
    with tempfile.TemporaryDirectory() as scratch:
        copies = []
        for path in ts_files(source_dir):
            copy = Path(scratch) / path.name
            shutil.copyfile(path, copy)
            copies.append(copy)
        run_lupdate(lupdate, source_dir, copies)
        for path, copy in zip(ts_files(source_dir), copies):
            if path.read_bytes() != copy.read_bytes():
                faults.append(f"{path.name} is not up to date with the sources: build the "
                              "target update_translations, then translate the new texts")
    for path in ts_files(source_dir):
        faults.extend(f"{path.name}: {fault}" for fault in content_faults(path))
    for fault in faults:
        print(fault)
    if not ts_files(source_dir):
        print("no translation files")
        return 1
    return 1 if faults else 0


def main(argv) -> int:
    if len(argv) != 4 or argv[1] not in ("update", "check"):
        print(__doc__, file=sys.stderr)
        return 2
    lupdate, source_dir = argv[2], Path(argv[3])
    if argv[1] == "update":
        run_lupdate(lupdate, source_dir, ts_files(source_dir))
        return 0
    return check(lupdate, source_dir)


if __name__ == "__main__":
    sys.exit(main(sys.argv))

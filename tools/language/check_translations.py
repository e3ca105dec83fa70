#!/usr/bin/env python3
"""Checks the translation tables in tools/language/translations/ against the English texts.

Run from the repository root:

    python3 tools/language/check_translations.py [Section ...]

Without arguments every table is checked. The English keys and texts are read from the
[English] section of data/Language.ini. A table passes when it is UTF-8 without a byte-order
mark and holds exactly the English keys in the English order, each with a non-empty text that
keeps the English text's "%" placeholders, leading and trailing blanks, and a final colon or
ellipsis; a text may equal the English one only for a word that stays the same in that language.
Exits with status 1 and one line per fault when a table fails.
"""

import pathlib
import re
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
LANGUAGE_FILE = ROOT / "data" / "Language.ini"
TABLES = ROOT / "tools" / "language" / "translations"

# Technical words that every language keeps as they are.
SAME_EVERYWHERE = {"OK", "DHCP", "DNS", "IP", "MAC", "SSID", "WPS", "LAN"}

# Ordinary words that happen to be spelt as in English in a language.
SAME_IN_LANGUAGE = {
    "Danish": {"Model", "Signal", "Start"},
    "Indonesian": {"Model"},
    "Romanian": {"Model"},
    "Slovak": {"Model"},
    "Swedish": {"Signal"},
    "Turkish": {"Model"},
}

PLACEHOLDER = re.compile(r"%[-+ #0-9.]*[a-zA-Z%]|%\d+")
KEPT_ENDINGS = (":", "...")


def read_english():
    text = LANGUAGE_FILE.read_text(encoding="utf-8-sig")
    pairs, inside = [], False
    for line in text.splitlines():
        if line.startswith("["):
            if inside:
                break
            inside = line.strip() == "[English]"
        elif inside and line and not line.startswith(";"):
            key, value = line.split("=", 1)
            pairs.append((key, value))
    return pairs


def read_table(path, faults):
    data = path.read_bytes()
    if data.startswith(b"\xef\xbb\xbf"):
        faults.append("starts with a byte-order mark")
    try:
        text = data.decode("utf-8-sig")
    except UnicodeDecodeError as error:
        faults.append(f"is not UTF-8: {error}")
        return []
    pairs = []
    for number, line in enumerate(text.splitlines(), 1):
        if not line.strip() or line.startswith(";"):
            continue
        if "=" not in line:
            faults.append(f"line {number} has no '=': {line!r}")
            continue
        pairs.append(tuple(line.split("=", 1)))
    return pairs


def blanks(text):
    return len(text) - len(text.lstrip()), len(text) - len(text.rstrip())


def check_text(key, english, text, same_words):
    if not text.strip():
        return [f"{key}: empty text"]
    faults = []
    if text == english and english.strip() not in same_words:
        faults.append(f"{key}: same as English ({english!r})")
    if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(english)):
        faults.append(f"{key}: placeholders differ from English ({english!r})")
    if blanks(text) != blanks(english):
        faults.append(f"{key}: leading or trailing blanks differ from English")
    for ending in KEPT_ENDINGS:
        if english.endswith(ending) and not text.endswith(ending):
            faults.append(f"{key}: should end with {ending!r} as in English")
    return faults


def check_keys(english_keys, keys):
    if keys == english_keys:
        return []
    faults = [f"missing key {k}" for k in english_keys if k not in keys]
    faults += [f"unknown key {k}" for k in keys if k not in english_keys]
    faults += [f"key {k} appears more than once" for k in set(keys) if keys.count(k) > 1]
    if not faults:
        faults.append("keys are not in the English order")
    return faults


def check_table(section, english):
    faults = []
    pairs = read_table(TABLES / f"{section}.txt", faults)
    faults += check_keys([k for k, _ in english], [k for k, _ in pairs])
    english_text = dict(english)
    same_words = SAME_EVERYWHERE | SAME_IN_LANGUAGE.get(section, set())
    for key, text in pairs:
        if key in english_text:
            faults += check_text(key, english_text[key], text, same_words)
    return faults


def main(sections):
    english = read_english()
    sections = sections or sorted(path.stem for path in TABLES.glob("*.txt"))
    failed = False
    for section in sections:
        for fault in check_table(section, english):
            print(f"{section}: {fault}")
            failed = True
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))

#!/usr/bin/env python3
"""Writes data/Language.ini, the finder's texts in its 23 languages.

Run from anywhere after changing a text:

    python3 tools/language/make_language_file.py          # writes data/Language.ini
    python3 tools/language/make_language_file.py --check  # fails when the file is out of date

Each language has one file in tools/language/translations/, named after its section
(German.txt, TraditionalChinese.txt, ...): UTF-8 without byte-order mark, ';' starts a comment
line, blank lines are ignored, and every other line is Key=Text, the text exactly as it stands in
Language.ini. English.txt is the source: its keys, in its order, are the keys of every language,
and its comment lines become the group titles of every section. The generator refuses a file
that is missing, lacks a key, has a key English does not have, has a key twice or out of English's
order, or has an empty text. The output is UTF-8 with a byte-order mark. The tests in
tests/localization check the texts themselves.
"""

import pathlib
import sys

ROOT = pathlib.Path(__file__).resolve().parents[2]
TRANSLATIONS = ROOT / "tools" / "language" / "translations"
OUTPUT = ROOT / "data" / "Language.ini"

# Longest text the program's reader keeps, in UTF-16 code units.
MAX_TEXT_UNITS = 511

# Section names in selector order (position 0 … 22) with the selector's name of the language.
LANGUAGES = [
    ("English", "English"),
    ("TraditionalChinese", "繁體中文"),
    ("SimplifiedChinese", "简体中文"),
    ("German", "Deutsch"),
    ("French", "Français"),
    ("Dutch", "Nederlands"),
    ("Italian", "Italiano"),
    ("Spanish", "Español"),
    ("Portuguese", "Português"),
    ("Polish", "Polski"),
    ("Hungarian", "Magyar"),
    ("Czech", "čeština"),
    ("Arabic", "العربية"),
    ("Russian", "Russian"),
    ("Romanian", "Română"),
    ("Ukrainian", "Ukrainian"),
    ("Slovak", "Slovenčina"),
    ("Turkish", "Türkçe"),
    ("Vietnamese", "Việt Nam"),
    ("Indonesian", "Indonesia"),
    ("Thai", "Thai"),
    ("Danish", "Danish"),
    ("Swedish", "Swedish"),
]

# The hidden language list has 21 entries: the first 21 languages.
HIDDEN_LIST_ENTRIES = 21

HEADER = """\
; Texts of Vistrel Finder, one section per language. Written by
; tools/language/make_language_file.py from tools/language/translations/<Section>.txt;
; change the texts there, not here.
"""


class TranslationError(Exception):
    pass


def read_table(path):
    """The file's entries as (key, text) pairs and (None, comment) lines, in file order."""
    if not path.is_file():
        raise TranslationError(f"{path}: missing")
    raw = path.read_bytes()
    if raw.startswith(b"\xef\xbb\xbf"):
        raise TranslationError(f"{path}: starts with a byte-order mark")
    try:
        text = raw.decode("utf-8")
    except UnicodeDecodeError as error:
        raise TranslationError(f"{path}: not UTF-8 ({error})") from None
    entries = []
    seen = set()
    for number, line in enumerate(text.splitlines(), 1):
        if not line.strip():
            continue
        if line.startswith(";"):
            entries.append((None, line))
            continue
        key, separator, value = line.partition("=")
        if not separator or not key or key != key.strip():
            raise TranslationError(f"{path}:{number}: not a Key=Text line")
        if key.lower() in seen:
            raise TranslationError(f"{path}:{number}: {key} appears twice")
        seen.add(key.lower())
        check_text(path, number, key, value)
        entries.append((key, value))
    return entries


def check_text(path, number, key, text):
    if not text.strip():
        raise TranslationError(f"{path}:{number}: {key} has no text")
    if len(text.encode("utf-16-le")) // 2 > MAX_TEXT_UNITS:
        raise TranslationError(f"{path}:{number}: {key} is longer than {MAX_TEXT_UNITS} units")


def texts_of(entries):
    return {key: text for key, text in entries if key is not None}


def check_keys(section, texts, english_keys):
    path = TRANSLATIONS / f"{section}.txt"
    missing = [key for key in english_keys if key not in texts]
    unknown = [key for key in texts if key not in english_keys]
    problems = []
    if missing:
        problems.append(f"missing keys: {', '.join(missing)}")
    if unknown:
        problems.append(f"keys English does not have: {', '.join(unknown)}")
    if problems:
        raise TranslationError(f"{path}: {'; '.join(problems)}")
    order = list(texts)
    if order != english_keys:
        first = next(i for i, (a, b) in enumerate(zip(order, english_keys)) if a != b)
        raise TranslationError(f"{path}: {order[first]} stands where English has "
                               f"{english_keys[first]}; keep English's order")


def language_list():
    lines = ["[Language_List]"]
    lines += [f"Section{n}={section}" for n, (section, _) in enumerate(LANGUAGES, 1)]
    lines += [f"{n}={name}" for n, (_, name) in enumerate(LANGUAGES[:HIDDEN_LIST_ENTRIES], 1)]
    return lines


def language_section(section, english_entries, texts):
    """The section in English's order, with English's group titles (its indented comments
    after the file's own header are the titles of the groups of keys that follow them)."""
    lines = [f"[{section}]"]
    pending_title = None
    for key, text in english_entries:
        if key is None:
            pending_title = text
            continue
        if pending_title is not None:
            lines.append(pending_title)
            pending_title = None
        lines.append(f"{key}={texts[key]}")
    return lines


def language_file_bytes():
    english_entries = read_table(TRANSLATIONS / "English.txt")
    # The comments before the first key describe the English file itself; only the last of
    # them, the first group's title, goes into the sections.
    first_key = next(i for i, (key, _) in enumerate(english_entries) if key is not None)
    english_entries = english_entries[max(first_key - 1, 0):]
    english_keys = [key for key, _ in english_entries if key is not None]
    blocks = [language_list()]
    for section, _ in LANGUAGES:
        texts = texts_of(read_table(TRANSLATIONS / f"{section}.txt"))
        check_keys(section, texts, english_keys)
        blocks.append(language_section(section, english_entries, texts))
    text = HEADER + "\n" + "\n\n".join("\n".join(block) for block in blocks) + "\n"
    return b"\xef\xbb\xbf" + text.encode("utf-8")


def main(arguments):
    try:
        content = language_file_bytes()
    except TranslationError as error:
        sys.exit(f"make_language_file: {error}")
    if arguments == ["--check"]:
        if not OUTPUT.is_file() or OUTPUT.read_bytes() != content:
            sys.exit(f"{OUTPUT} is out of date: run tools/language/make_language_file.py")
        return
    if arguments:
        sys.exit("usage: make_language_file.py [--check]")
    OUTPUT.write_bytes(content)
    print(f"wrote {OUTPUT}")


if __name__ == "__main__":
    main(sys.argv[1:])

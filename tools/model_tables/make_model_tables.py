#!/usr/bin/env python3
"""Writes the camera model-name tables in data/models/.

Run from the repository root after changing anything here:

    python3 tools/model_tables/make_model_tables.py

The files it writes are what the build compiles into the program; the output depends on
nothing but this script. Before writing, the script checks the shape the program and its
tests rely on (row and column counts, number of names, wireless markers) and stops with
an error instead of writing tables that do not have it.
"""

import pathlib
import sys

MODEL_NUMBERS = 59
VENDOR_CODES = 35
UNKNOWN = "UnKnown"
UNKNOWN_BLANK = "UnKnown "  # the variant with a trailing blank, searched like a name

# Model number -> (maker's model name, housing, resolution). A trailing "W" marks the
# wireless variant of a model, "P" the variant powered over the network cable.
CATALOGUE = {
    1: ("VC-100", "box", "VGA"),
    2: ("VC-100W", "box", "VGA"),
    3: ("VC-110", "pt", "VGA"),
    4: ("VC-110W", "pt", "VGA"),
    5: ("VC-120", "dome", "VGA"),
    6: ("VC-120W", "dome", "VGA"),
    7: ("VC-200", "box", "720p"),
    8: ("VC-200W", "box", "720p"),
    9: ("VC-210", "pt", "720p"),
    10: ("VC-210W", "pt", "720p"),
    11: ("VC-220", "dome", "720p"),
    12: ("VC-220W", "dome", "720p"),
    13: ("VC-300", "bullet", "VGA"),
    14: ("VC-300W", "bullet", "VGA"),
    15: ("VC-310", "bullet", "720p"),
    16: ("VC-310W", "bullet", "720p"),
    17: ("VC-400", "ptz", "720p"),
    18: ("VC-400W", "ptz", "720p"),
    19: ("VN-1000", "cube", "720p"),
    20: ("VN-1000W", "cube", "720p"),
    21: ("VN-2000", "pt", "1080p"),
    22: ("VN-2000P", "pt", "1080p"),
    23: ("VN-2000W", "pt", "1080p"),
    24: ("VN-2100", "dome", "1080p"),
    25: ("VN-2100P", "dome", "1080p"),
    26: ("VN-2100W", "dome", "1080p"),
    27: ("VN-3000", "bullet", "1080p"),
    28: ("VN-3000P", "bullet", "1080p"),
    29: ("VN-3000W", "bullet", "1080p"),
    30: ("VN-3100", "odome", "1080p"),
    31: ("VN-3100P", "odome", "1080p"),
    32: ("VN-3100W", "odome", "1080p"),
    33: ("VN-4000", "ptz", "1080p"),
    34: ("VN-4000P", "ptz", "1080p"),
    35: ("VN-4000W", "ptz", "1080p"),
    36: ("VX-5010", "cube", "3MP"),
    37: ("VX-5010W", "cube", "3MP"),
    38: ("VX-5020", "pt", "3MP"),
    39: ("VX-5020P", "pt", "3MP"),
    40: ("VX-5020W", "pt", "3MP"),
    41: ("VX-5030", "dome", "3MP"),
    42: ("VX-5030P", "dome", "3MP"),
    43: ("VX-5030W", "dome", "3MP"),
    44: ("VX-6010", "bullet", "5MP"),
    45: ("VX-6010P", "bullet", "5MP"),
    46: ("VX-6010W", "bullet", "5MP"),
    47: ("VX-6020W", "opt", "5MP"),
    48: ("VX-6030W", "fisheye", "5MP"),
    49: ("VX-7010", "odome", "4K"),
    50: ("VX-7010W", "odome", "4K"),
    51: ("VX-7020", "ptz", "4K"),
    52: ("VX-7020P", "ptz", "4K"),
    53: ("VX-7020W", "ptz", "4K"),
    54: ("VX-8010", "bullet", "4K"),
    55: ("VX-8010P", "bullet", "4K"),
    56: ("VX-8010W", "bullet", "4K"),
    57: ("VX-8020W", "cube", "4K"),
    58: ("VX-8030W", "opt", "4K"),
}

WIRELESS_CODES = {2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 23, 26, 29, 32, 35, 37, 40, 43, 46, 47,
                  48, 50, 53, 56, 57, 58}

# Models of the first table; the later ones exist only in the second table.
FIRST_TABLE_LAST_MODEL = 53

HOUSING_WORDS = {
    "box": "Indoor", "pt": "Pan/Tilt", "dome": "Dome", "bullet": "Bullet", "ptz": "PTZ",
    "cube": "Cube", "odome": "Outdoor Dome", "opt": "Outdoor Pan/Tilt", "fisheye": "Fisheye",
}
HOUSING_LETTERS = {
    "box": "B", "pt": "P", "dome": "D", "bullet": "R", "ptz": "Z", "cube": "C", "odome": "O",
    "opt": "T", "fisheye": "F",
}
RESOLUTION_CODES = {"VGA": "30", "720p": "72", "1080p": "108", "3MP": "300", "5MP": "500",
                    "4K": "800"}
RESOLUTION_WORDS = {"VGA": "VGA", "720p": "HD", "1080p": "Full HD", "3MP": "3MP", "5MP": "5MP",
                    "4K": "4K"}


def maker_name(m):
    return CATALOGUE[m][0]


def is_wireless(m):
    return maker_name(m).endswith("W")


def wireless_suffix(m):
    return "W" if is_wireless(m) else ""


def series_digits(m):
    """'VN-2000P' -> ('N', '2000', 'P')."""
    name = maker_name(m)
    series, rest = name[1], name.split("-")[1]
    digits = rest.rstrip("PW")
    return series, digits, rest[len(digits):]


# Naming styles of the resellers. Each takes a model number and gives the reseller's name.

def same_as_maker(m):
    return maker_name(m)


def prefixed(prefix, keep_series=False):
    def name(m):
        series, digits, suffix = series_digits(m)
        return f"{prefix}{series if keep_series else ''}{digits}{suffix}"
    return name


def numbered(prefix, first, step):
    return lambda m: f"{prefix}{first + step * m}{wireless_suffix(m)}"


def coded(prefix):
    """Resolution and housing only: variants differing in power supply share a name."""
    def name(m):
        _, housing, resolution = CATALOGUE[m]
        code = RESOLUTION_CODES[resolution] + HOUSING_LETTERS[housing]
        return f"{prefix}{code}{wireless_suffix(m)}"
    return name


def described(brand, wifi_words=" Wi-Fi", resolution_first=False):
    """Words for housing and resolution, e.g. 'Pelloran Dome HD Wi-Fi'."""
    def name(m):
        _, housing, resolution = CATALOGUE[m]
        words = [HOUSING_WORDS[housing], RESOLUTION_WORDS[resolution]]
        if resolution_first:
            words.reverse()
        wireless = wifi_words if is_wireless(m) else ""
        return f"{brand} {' '.join(words)}{wireless}"
    return name


def rows(text):
    """'1-3,7' -> [1, 2, 3, 7]."""
    result = []
    for piece in text.split(","):
        piece = piece.strip()
        if not piece:
            continue
        bounds = [int(bound) for bound in piece.split("-")]
        result.extend(range(bounds[0], bounds[-1] + 1))
    return result


# Vendor code -> (naming style, models in the first table, models in the second table
# [, naming style in the second table when it differs]).
RESELLERS = {
    1: (same_as_maker, "1-2,5-13,17-18", "1-2,5-12,14,17-18"),
    2: (numbered("TW-", 100, 5), "1-12", "1-8", numbered("TW-", 110, 5)),
    3: (described("Pelloran"), "1-12,27-29", "1-12,27-29"),
    4: (coded("MK-"), "7-12,21-26", "7-12,21-26"),
    5: (described("Olbrisk", " W", resolution_first=True), "21-28", "21-28"),
    6: (described("Olbrisk", " W", resolution_first=True), "21-26,30-31", "21-26,30-31"),
    7: (coded("YS-"), "36-37,39-43", "36-37,39-43"),
    8: (prefixed("DS", keep_series=True), "13-18", "13-18"),
    9: (coded("QV "), "44-48", "44-48"),
    10: (described("Ambrevo Home"), "1-6", "1-6"),
    11: (same_as_maker, "19-20,27-29", "19-20,27-29"),
    12: (described("Torvessa"), "30-35", "30-35"),
    13: (coded("KM"), "1-6", "1-6"),
    14: (described("Brisvale", " W"), "49-53", "49-53,57-58"),
    15: (numbered("NB ", 2000, 10), "36-40", "36-40"),
    16: (prefixed("OK-", keep_series=True), "24-29", "24-29"),
    17: (coded("HB-"), "13-16", "13-16"),
    18: (described("Velmaro", resolution_first=True), "7-12", "7-12"),
    19: (prefixed("GR"), "44-46", "44-46"),
    20: (coded("YS-"), "36-43", "36-43"),
    21: (described("Corvanel Eye"), "17-18,33,35-36", "17-18,33-35"),
    22: (prefixed("DM-"), "1-4", "1-4"),
    23: (coded("WX"), "21-23,49-50", "21-23,49-50"),
    24: (prefixed("CS", keep_series=True), "1-18,21-29,36-48", "1-18,21-29,36-55"),
    25: (described("Luthvane", resolution_first=True), "19-26", "19-26"),
    26: (prefixed("LV-"), "7-12", "7-12"),
    27: (coded("SR"), "27-32", "27-32"),
    28: (described("Tindrel"), "44-48", "44-48"),
    29: (same_as_maker, "1-10", "1-10"),
    30: (coded("EH-"), "36-40", "36-40"),
    31: (coded("FW"), "", "54-58"),
    32: (described("Quistar"), "", "54-58"),
    33: (coded("FW"), "", "56-58"),
    34: (same_as_maker, "", "54-56"),
}

# Positions (model number, vendor code) holding the placeholder with the trailing blank.
FIRST_BLANK_PLACEHOLDERS = {(3, 1), (4, 1), (20, 2), (30, 24)}
SECOND_BLANK_PLACEHOLDERS = {(13, 1), (19, 3), (30, 24)}

# Third table: rows for model numbers 19, 21 and 23.
THIRD_MODELS = (19, 21, 23)
THIRD_NAMES = {
    (0, 0): "VH-110", (0, 1): "VH-110", (0, 3): "Pelloran Nursery Cam", (0, 24): "CSH110",
    (0, 26): "LV-H110",
    (1, 0): "VH-120", (1, 3): "Pelloran Baby Pan/Tilt", (1, 24): "CSN2000",
    (1, 26): "LV-H120",
    (2, 0): "VH-120W", (2, 1): "VH-120W", (2, 24): "CSH120W", (2, 26): "LV-H120W",
}
THIRD_BLANK_PLACEHOLDERS = {(1, 2)}

# Maker's names of the set-up-capable models 19..35: the model name with an "E".
SETUP_MODELS = range(19, 36)

LONG_PASSWORD_MODELS = ("VN-3000W", "VN-3100W", "VN-4000W", "VX-5010W", "VX-6020W")


def build_table(last_model, which, blank_placeholders):
    table = [["" for _ in range(VENDOR_CODES)] for _ in range(MODEL_NUMBERS)]
    for m in range(1, last_model + 1):
        table[m] = [UNKNOWN] * VENDOR_CODES
        table[m][0] = maker_name(m)
    for v, (style, first_rows, second_rows, *second_style) in RESELLERS.items():
        if which == 2 and second_style:
            style = second_style[0]
        for m in rows(first_rows if which == 1 else second_rows):
            table[m][v] = style(m)
    for m, v in blank_placeholders:
        assert table[m][v] == UNKNOWN, (which, m, v)
        table[m][v] = UNKNOWN_BLANK
    return table


def build_third():
    table = [[UNKNOWN] * VENDOR_CODES for _ in THIRD_MODELS]
    for (row, v), name in THIRD_NAMES.items():
        table[row][v] = name
    for row, v in THIRD_BLANK_PLACEHOLDERS:
        table[row][v] = UNKNOWN_BLANK
    return table


def setup_model_name(m):
    series, digits, suffix = series_digits(m)
    return f"V{series}-{digits}E{suffix}"


def is_name(text):
    return text not in ("", UNKNOWN, UNKNOWN_BLANK)


def reads_as_wireless(name):
    return name.endswith("W") or name.endswith("Wi-Fi")


def names_in(grid, models):
    return [text for m in models for text in grid[m] if is_name(text)]


def check(condition, message):
    if not condition:
        sys.exit(f"model tables: {message}")


def check_counts(label, grid, models, total, distinct):
    names = names_in(grid, models)
    check(len(names) == total, f"{label} holds {len(names)} names, not {total}")
    check(len(set(names)) == distinct,
          f"{label} holds {len(set(names))} different names, not {distinct}")


def check_wireless(label, model, names):
    wireless = model in WIRELESS_CODES
    for name in names:
        check(reads_as_wireless(name) == wireless, f"{label}: '{name}' at model {model}")


def check_tables(first, second, third, setup):
    check_counts("first table", first, range(1, 54), 293, 232)
    check_counts("second table", second, range(1, 59), 319, 249)
    check(all(text == "" for m in (0, *range(54, 59)) for text in first[m]),
          "first table rows 0 and 54..58 must be empty")
    check(all(text == "" for text in second[0]), "second table row 0 must be empty")
    third_names = [(row, v) for row in range(3) for v in range(VENDOR_CODES)
                   if is_name(third[row][v])]
    check(len(third_names) == 13, "third table must hold 13 names")
    check({v for _, v in third_names} == {0, 1, 3, 24, 26}, "third table columns")
    for grid, label in ((first, "first"), (second, "second")):
        for m in range(1, MODEL_NUMBERS):
            check_wireless(label, m, [text for text in grid[m] if is_name(text)])
    for row, m in enumerate(THIRD_MODELS):
        check_wireless("third", m, [text for text in third[row] if is_name(text)])
    for k, name in enumerate(setup):
        m = 19 + k
        check_wireless("set-up list", m, [name])
        check(name not in (first[m][0], second[m][0]), f"set-up name {name} equals column 0")
    for name in LONG_PASSWORD_MODELS:
        check(any(name in row for row in first + second), f"{name} is in no table")
    check(sorted(m for m in CATALOGUE if is_wireless(m)) == sorted(WIRELESS_CODES),
          "wireless models of the catalogue")


HEADERS = {
    "grid": [
        "# One line per model number, starting at 0; one tab-separated field per vendor code,",
        "# starting at 0. \"UnKnown\" and \"UnKnown \" (with a trailing blank) and empty fields",
        "# mark positions without a name. Lines starting with '#' are comments.",
    ],
    "third": [
        "# Three lines, for model numbers 19, 21 and 23; one tab-separated field per vendor",
        "# code, starting at 0. \"UnKnown\", \"UnKnown \" and empty fields mark positions",
        "# without a name. Lines starting with '#' are comments.",
    ],
    "list": ["# One name per line. Lines starting with '#' are comments."],
}


def write(path, title, kind, lines):
    header = [f"# {title}", *HEADERS[kind],
              "# Written by tools/model_tables/make_model_tables.py: change the script and",
              "# run it again instead of editing this file."]
    path.write_text("\n".join(header + lines) + "\n", encoding="latin-1", newline="\n")


def main():
    out = pathlib.Path(__file__).resolve().parents[2] / "data" / "models"
    first = build_table(FIRST_TABLE_LAST_MODEL, 1, FIRST_BLANK_PLACEHOLDERS)
    second = build_table(MODEL_NUMBERS - 1, 2, SECOND_BLANK_PLACEHOLDERS)
    third = build_third()
    setup = [setup_model_name(m) for m in SETUP_MODELS]
    check_tables(first, second, third, setup)
    out.mkdir(parents=True, exist_ok=True)
    write(out / "first_name_table.tsv", "Model names for selector texts other than 1 and 2.",
          "grid", ["\t".join(row) for row in first])
    write(out / "second_name_table.tsv", "Model names for selector text 2.", "grid",
          ["\t".join(row) for row in second])
    write(out / "third_name_table.tsv", "Model names for selector text 1.", "third",
          ["\t".join(row) for row in third])
    write(out / "setup_model_names.tsv",
          "Maker's names of the set-up-capable models 19 to 35, in order.", "list", setup)
    write(out / "long_password_models.tsv",
          "Models that accept 63-character passwords outside model codes 19 to 26.", "list",
          list(LONG_PASSWORD_MODELS))


if __name__ == "__main__":
    main()

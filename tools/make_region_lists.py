#!/usr/bin/env python3
"""Writes the region lists of cadastral territories shipped in data/.

For each of the 14 regions three parallel files are written, one territory per
line: data/cisla/<region>.txt (six-digit territory code), data/ku/<region>.txt
(territory name) and data/obce/<region>.txt (municipality name). They are
windows-1250 text with CR LF after every line, territories in Czech
alphabetical order.

The input is either the project's copy tools/source/katastralni_uzemi.csv
(UTF-8, ';', header kraj;ku_kod;ku_nazev;obec_nazev;...) or ČÚZK's code list
SC_SEZNAMKUKRA_DOTAZ as downloaded (windows-1250, ';', header KRAJ_KOD;
KRAJ_NAZEV;...). With --write-source the rows read are also written back in
the project's format, so that tools/source can be refreshed from a new code
list in the same run.

Only the Python standard library is used, and the sort order does not depend
on the locales installed on the machine.
"""

import argparse
import csv
import datetime
import io
import sys
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
DEFAULT_SOURCE = ROOT / "tools" / "source" / "katastralni_uzemi.csv"
DEFAULT_DATA = ROOT / "data"

# Official region name (as ČÚZK spells it) -> list file name used by the program.
REGION_FILES = {
    "Hlavní město Praha": "praha.txt",
    "Jihočeský kraj": "jihocesky.txt",
    "Jihomoravský kraj": "jihomoravsky.txt",
    "Karlovarský kraj": "karlovarsky.txt",
    "Královéhradecký kraj": "kralovehradecky.txt",
    "Liberecký kraj": "liberecky.txt",
    "Moravskoslezský kraj": "moravskoslezky.txt",
    "Olomoucký kraj": "olomoucky.txt",
    "Pardubický kraj": "pardubicky.txt",
    "Plzeňský kraj": "plzensky.txt",
    "Středočeský kraj": "stredocesky.txt",
    "Ústecký kraj": "ustecky.txt",
    "Kraj Vysočina": "vysocina.txt",
    "Zlínský kraj": "zlinsky.txt",
}

PROJECT_COLUMNS = [
    "kraj",
    "ku_kod",
    "ku_nazev",
    "obec_nazev",
    "okres_nazev",
    "katastralni_pracoviste",
    "mapa",
]

WORKPLACE_PREFIX = "Katastrální pracoviště "

# --- Czech collation -------------------------------------------------------
#
# Czech orders CH as a letter of its own after H, and Č, Ř, Š, Ž after their
# base letters; the other accented letters (á, ď, é, ě, í, ň, ó, ť, ú, ů, ý)
# sort with their base letter and only break ties. Spaces and hyphens are
# skipped at first, so "Nová Ves" sorts as "NováVes", as glibc's cs_CZ does.
# Levels: letters, then accents, then case (lower case first), then the
# skipped characters.

_ALPHABET = "a b c č d e f g h ch i j k l m n o p q r ř s š t u v w x y z ž".split()
_LETTER = {letter: 100 + i for i, letter in enumerate(_ALPHABET)}
_ACCENTED = {
    "á": ("a", 1),
    "é": ("e", 1),
    "í": ("i", 1),
    "ó": ("o", 1),
    "ú": ("u", 1),
    "ý": ("y", 1),
    "ď": ("d", 2),
    "ě": ("e", 2),
    "ň": ("n", 2),
    "ť": ("t", 2),
    "ů": ("u", 3),
}


def czech_key(text):
    letters, accents, cases, skipped = [], [], [], []
    lower = text.lower()
    i = 0
    while i < len(text):
        c = lower[i]
        upper = text[i] != c
        if c == "c" and lower[i + 1 : i + 2] == "h":
            letters.append(_LETTER["ch"])
            accents.append(0)
            cases.append(1 if upper else 0)
            i += 2
            continue
        if c in _ACCENTED:
            base, accent = _ACCENTED[c]
            letters.append(_LETTER[base])
            accents.append(accent)
        elif c in _LETTER:
            letters.append(_LETTER[c])
            accents.append(0)
        elif c.isdigit():
            letters.append(50 + int(c))
            accents.append(0)
        elif c.isspace() or c in "-.,'()/":
            skipped.append((i, c))
            i += 1
            continue
        else:
            # Letters outside Czech (ä, ö, ü, ...) after z, by code point.
            letters.append(1000 + ord(c))
            accents.append(0)
        cases.append(1 if upper else 0)
        i += 1
    return (letters, accents, cases, skipped)


# --- Reading ---------------------------------------------------------------


class SourceError(Exception):
    pass


def decode(raw):
    if raw.startswith(b"\xef\xbb\xbf"):
        return raw[3:].decode("utf-8")
    try:
        return raw.decode("utf-8")
    except UnicodeDecodeError:
        return raw.decode("cp1250")


def parse_date(text):
    return datetime.datetime.strptime(text.strip(), "%d.%m.%Y").date()


def read_rows(path, today):
    """Returns the valid territories as dicts with the PROJECT_COLUMNS keys."""
    text = decode(Path(path).read_bytes())
    reader = csv.DictReader(io.StringIO(text, newline=""), delimiter=";")
    header = reader.fieldnames or []
    rows = []
    if "kraj" in header:
        for row in reader:
            rows.append({column: (row.get(column) or "").strip() for column in PROJECT_COLUMNS})
    elif "KRAJ_NAZEV" in header:
        for row in reader:
            valid_to = (row.get("PLATNOST_DO") or "").strip()
            if valid_to and parse_date(valid_to) <= today:
                continue  # retired territory
            workplace = (row.get("PRARES_NAZEV") or "").strip()
            if workplace.startswith(WORKPLACE_PREFIX):
                workplace = workplace[len(WORKPLACE_PREFIX) :]
            rows.append(
                {
                    "kraj": row["KRAJ_NAZEV"].strip(),
                    "ku_kod": row["KU_KOD"].strip(),
                    "ku_nazev": row["KU_NAZEV"].strip(),
                    "obec_nazev": row["OBEC_NAZEV"].strip(),
                    "okres_nazev": (row.get("OKRES_NAZEV") or "").strip(),
                    "katastralni_pracoviste": workplace,
                    "mapa": (row.get("MAPA") or "").strip(),
                }
            )
    else:
        raise SourceError(f"{path}: unknown header {header!r}")
    return rows


def check_rows(rows):
    problems = []
    codes = set()
    for number, row in enumerate(rows, start=2):
        code = row["ku_kod"]
        if len(code) != 6 or not code.isdigit():
            problems.append(f"row {number}: code {code!r} is not six digits")
        if code in codes:
            problems.append(f"row {number}: code {code} occurs twice")
        codes.add(code)
        if row["kraj"] not in REGION_FILES:
            problems.append(f"row {number}: unknown region {row['kraj']!r}")
        for column in ("ku_nazev", "obec_nazev"):
            value = row[column]
            if not value:
                problems.append(f"row {number}: empty {column}")
            if any(c in value for c in "\r\n\0"):
                problems.append(f"row {number}: line break in {column}")
            try:
                value.encode("cp1250")
            except UnicodeEncodeError:
                problems.append(f"row {number}: {column} {value!r} has no windows-1250 form")
    missing = set(REGION_FILES) - {row["kraj"] for row in rows}
    for region in sorted(missing):
        problems.append(f"region {region!r} has no territory")
    if problems:
        raise SourceError("\n".join(problems))


# --- Writing ---------------------------------------------------------------


def sort_rows(rows):
    return sorted(
        rows,
        key=lambda row: (czech_key(row["kraj"]), czech_key(row["ku_nazev"]), row["ku_kod"]),
    )


def list_bytes(values):
    return "".join(value + "\r\n" for value in values).encode("cp1250")


def write_lists(rows, data):
    counts = {}
    for region, file_name in REGION_FILES.items():
        territories = [row for row in rows if row["kraj"] == region]
        counts[region] = len(territories)
        for folder, column in (("cisla", "ku_kod"), ("ku", "ku_nazev"), ("obce", "obec_nazev")):
            target = Path(data) / folder / file_name
            target.parent.mkdir(parents=True, exist_ok=True)
            target.write_bytes(list_bytes(row[column] for row in territories))
    return counts


def write_source(rows, path):
    out = io.StringIO(newline="")
    writer = csv.DictWriter(out, fieldnames=PROJECT_COLUMNS, delimiter=";", lineterminator="\n")
    writer.writeheader()
    writer.writerows(rows)
    Path(path).write_bytes(out.getvalue().encode("utf-8"))


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument(
        "source",
        nargs="?",
        default=str(DEFAULT_SOURCE),
        help="territory code list (project CSV or ČÚZK SC_SEZNAMKUKRA_DOTAZ CSV)",
    )
    parser.add_argument("--data", default=str(DEFAULT_DATA), help="data folder to write into")
    parser.add_argument(
        "--write-source",
        metavar="CSV",
        help="also write the rows read, sorted, in the project's CSV format",
    )
    parser.add_argument(
        "--today",
        type=parse_date,
        default=datetime.date.today(),
        help="date (DD.MM.YYYY) against which PLATNOST_DO is checked",
    )
    args = parser.parse_args(argv)

    try:
        rows = read_rows(args.source, args.today)
        check_rows(rows)
    except (OSError, SourceError, KeyError, ValueError) as error:
        print(f"make_region_lists: {error}", file=sys.stderr)
        return 1

    rows = sort_rows(rows)
    counts = write_lists(rows, args.data)
    if args.write_source:
        write_source(rows, args.write_source)

    for region, count in sorted(counts.items(), key=lambda item: REGION_FILES[item[0]]):
        print(f"{REGION_FILES[region]:<22} {count:>5}  {region}")
    print(f"{'all':<22} {sum(counts.values()):>5}")
    return 0


if __name__ == "__main__":
    sys.exit(main())

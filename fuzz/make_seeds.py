#!/usr/bin/env python3
"""Writes the hand-made seed corpora of the fuzz targets into tests/fuzz-corpus/<target>/.

Each seed is laid out the way its target takes its input apart (FuzzedDataProvider reads
strings from the front, each ended by a backslash and another character, and small numbers and
choices from the back). Run from the repository root; existing regression-* files are kept.
"""
import os
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "tests" / "fuzz-corpus"
SAMPLE = (ROOT / "samples" / "AstOrb.dat").read_bytes()
NAMES = (ROOT / "samples" / "Diacriticals.txt").read_bytes()
RECORD = 267


def record(i):
    return SAMPLE[i * RECORD:(i + 1) * RECORD]


def put(rec, column, text):
    b = bytearray(rec)
    b[column - 1:column - 1 + len(text)] = text
    return bytes(b)


def front(text):
    """A string for ConsumeRandomLengthString: backslashes doubled, ended by "\\;"."""
    return text.replace(b"\\", b"\\\\") + b"\\;"


CERES = record(0)
SEEDS = {
    "fuzz_record": {
        "ceres": CERES,
        "three-records": SAMPLE[:3 * RECORD],
        "partial-record": CERES + CERES[:100],
        "short-record": CERES[:120],
        "blank-elements": put(CERES, 115, b" " * 66),
        "bad-flags": put(CERES, 70, b" abc"),
        "zero-byte": put(CERES, 30, b"\0"),
        "comma-numbers": put(CERES, 158, b"0,07890000"),
        "exponent": put(CERES, 169, b"  2.7663E+00"),
        "unnumbered": put(CERES, 1, b"     ") + put(record(1), 7, b"2004 AZ12         "),
    },
    "fuzz_numbers": {
        "point-decimal": b".2.7663",
        "comma-decimal": b"\xa00,0789",
        "exponent": b".4.02E-01",
        "negative": b".-1.59e-06",
        "integer": b".1200",
        "int-min": b".-2147483648",
        "int-overflow": b".2147483648",
        "blank": b". ",
        "underflow": b".1e-400",
        "overflow": b".1e400",
        "lone-point": b"..",
        "odd-separator": b"\xfe12\x7e5",
        "epoch": b".20051018",
        "epoch-30-february": b".20050230",
        "epoch-month-13": b".20051300",
        "epoch-blank-in-month": b".2020 201",
    },
    "fuzz_diacriticals": {
        "sample": front(b"101") + front(b"5") + NAMES + b"\x02",
        "header-only": b"a\r\nb\r\nc\r\n\x00",
        "empty-lines": b"\r\n\r\n\n\r\x00",
        "left-aligned": front(b"5") + b"h\nh\nh\n5                            Fem\\o\n\x01",
        "comment-line": front(b"7") + b"h\nh\nh\n     1                       A\n# note\n     7"
                        b"                       \\'\\i x\n\x01",
        "nul-inside": b"h\nh\nh\n     1                       A\0     2   B\n\x00",
    },
    "fuzz_accents": {
        "dvorak": front(b"\\v r") + front(b"r") + b"Dvo\\v r\\'ak",
        "angstrom": front(b"") + front(b"") + b"\\AA ngstr\\\"om",
        "i-blank": front(b"\\'\\i") + front(b"i") + b"S\\'\\i ndrome \\'\\ix",
        "oe": front(b"\\oe") + front(b"oe") + b"\\oe uvre \\o \\OE \\o",
        "unknown": front(b"{") + front(b"") + b"\\q{x} \\accent 23u \\\"Y \\\"y",
        "utf8-bad": front(b"") + front(b"") + b"\xc3\xa9 \xed\xa0\x80 \xf4\x90\x80\x80 \x80\x81\x8d",
    },
    "fuzz_title": {
        "ceres": CERES + b"\x00\x0b\x01",
        "ceres-names": put(CERES, 1, b"  101") + NAMES + b"\x01\x0b\x01",
        "designation": put(put(CERES, 1, b"     "), 7, b"2004 MN4          ") + b"\x00\x0b\x01",
        "numbered-designation": put(CERES, 7, b"1998 KN12         ") + b"\x00\x0b\x01",
        "short": CERES[:10] + b"\x00\x0a\x00",
    },
    "fuzz_settings": {
        "folders": b"[General]\nAstOrbDatPath=/tmp\nDiacriticalsPath=/nonexistent/x\n",
        "root": b"[General]\nAstOrbDatPath=/\n",
        "escaped": b"[General]\nAstOrbDatPath=\"/tmp/a b\\x20ac, c\"\nDiacriticalsPath=\\\"\n",
        "list": b"[General]\nAstOrbDatPath=a, b\n",
        "typed": b"[General]\nAstOrbDatPath=@Rect(1 2 3 4)\nDiacriticalsPath=@ByteArray(/tmp)\n",
        "variant": b"[General]\nAstOrbDatPath=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\x5)\n"
                   b"DiacriticalsPath=@Size(1 2)\n",
        "sections": b"[Other]\nAstOrbDatPath=/x\n[General]\nDiacriticalsPath=\n[%General]\nk=v\n",
    },
    "fuzz_parameters": {
        # Front: diameter caption, albedo, density; then the diameter text; back: separator.
        "defaults": front(b"848.4") + front(b"0.1") + front(b"2") + b"848.4\x01",
        "comma": front(b"") + front(b"0,25") + front(b"2,5") + b" 12,5 \x00",
        "limits": front(b"x") + front(b"1") + front(b"10") + b"-3\x01",
        "refused": front(b"498.1") + front(b"1.01") + front(b"10.5") + b"abc\x01",
        "huge": front(b"") + front(b"1e308") + front(b"-0") + b"1.7e308\x01",
    },
    "fuzz_infobox": {
        # Front: diameter, albedo, density; then the record; back: separator, names present.
        "ceres-fr": front(b"848.4") + front(b"0.1") + front(b"2") + CERES + b"\x00\x00",
        "ceres-en-names": front(b"") + front(b"0,1") + front(b"0") + CERES + b"\x01\x01",
        "bad-month": front(b"") + front(b"") + front(b"") + put(CERES, 106, b"20051300") + b"\x01\x00",
        "bad-day": front(b"1") + front(b"") + front(b"") + put(CERES, 106, b"20050230") + b"\x01\x00",
        "zero-axis": front(b"10") + front(b"1") + front(b"10") + put(CERES, 169, b"         0.0") +
                     b"\x01\x00",
        "open-orbit": front(b"") + front(b"") + front(b"") + put(CERES, 158, b"1.50000000") +
                      b"\x01\x00",
        "short": front(b"") + front(b"") + front(b"") + CERES[:200] + b"\x01\x00",
    },
    "fuzz_cli_args": {
        # Arguments separated by zero bytes; "@" is a folder holding the sample's first records.
        "show": b"show\0@\0" + b"3",
        "show-names": b"--raw\0show\0@\0" + b"1\0--diacriticals\0@",
        "infobox": b"--decimal-separator\0,\0infobox\0@\0" + b"0\0--lang\0en\0--diameter\0" +
                   b"12,5\0--albedo\0x\0--density\0" + b"0",
        "orbit-type-list": b"special\0@\0--planet\0mars\0--type\0crosser\0--all",
        "family": b"family\0@\0" + b"5\0--tolerance\0" + b"200\0--passes\0" + b"2",
        "names": b"names\0@\0--diacriticals\0@",
        "inclination": b"inclination\0@\0" + b"0\0--all",
        "find": b"find\0@\0" + b"0\0--field\0NameUnicode\0--text\0\xc3\xa9\0--backward",
        "bad": b"show\0@\0+1\0--help",
    },
    "fuzz_scans": {
        # Front: search text; middle: AstOrb.dat; back (read last first): numbered only cleared,
        # names, start, planet (from -1), type (from -1), tolerance, label, backward.
        "sample-crossers": front(b"E") + SAMPLE[:12 * RECORD] + bytes([0, 1, 50, 4, 4, 2, 0, 1]),
        "sample-family": front(b"ES") + SAMPLE[:12 * RECORD] + bytes([1, 14, 200, 0, 5, 2, 1, 0]),
        "sample-retrograde": front(b"1") + SAMPLE[:6 * RECORD] + bytes([0, 16, 7, 8, 0, 0, 0, 1]),
        "unnumbered": front(b"Yes") + SAMPLE[:2 * RECORD] +
                      put(put(CERES, 1, b"     "), 7, b"2004 MN4          ") + CERES +
                      bytes([0, 18, 20, 3, 3, 1, 1, 1]),
        "bad-fields": front(b"") + CERES + put(put(CERES, 70, b" abc"), 147, b"    x     ") +
                      CERES + bytes([1, 15, 10, 2, 4, 0, 0, 1]),
    },
    "fuzz_cli": {
        # Front: names text, search text; middle: AstOrb.dat; back (read last first): separator,
        # tolerance (two bytes), type, planet, field, index, names present.
        "sample": front(NAMES[:300]) + front(b"er") + SAMPLE[:4 * RECORD] +
                  bytes([0, 0, 100, 3, 3, 1, 1, 1]),
        "no-names": front(b"") + front(b"Yes") + SAMPLE[:3 * RECORD] + bytes([1, 0, 100, 6, 4, 17, 0, 0]),
        "partial": front(b"") + front(b"2") + SAMPLE[:RECORD + 40] + bytes([0, 0, 100, 0, 0, 13, 0, 0]),
        "bad-fields": front(b"") + front(b"a") + put(put(CERES, 70, b" abc"), 147, b"    x     ") +
                      CERES + bytes([0, 0, 100, 2, 4, 18, 1, 0]),
        "unnumbered": front(b"") + front(b"K") +
                      put(put(CERES, 1, b"     "), 7, b"2004 MN4          ") + CERES +
                      bytes([1, 0, 100, 5, 2, 1, 0, 0]),
        "empty": front(b"") + front(b"") + bytes([0, 0, 100, 0, 0, 0, 0, 0]),
    },
}


def main():
    for target, seeds in SEEDS.items():
        folder = CORPUS / target
        folder.mkdir(parents=True, exist_ok=True)
        for name, data in seeds.items():
            (folder / name).write_bytes(data)
    print("seeds written under", os.path.relpath(CORPUS, ROOT))


if __name__ == "__main__":
    main()

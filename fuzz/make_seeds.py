#!/usr/bin/env python3
"""Writes the hand-made seed corpora of the fuzz targets into tests/fuzz-corpus/<target>/.

Each seed is laid out the way its target takes its input apart (FuzzedDataProvider reads
strings from the front, each ended by a backslash and another character, and small numbers and
choices from the back). Run from the repository root; existing regression-* files are kept.

The records come from both samples: samples/five-digit/AstOrb.dat (267-byte records, the layout
published until about 2005) and samples/AstOrb.dat (268-byte records, a six-column number);
crlf() gives either with CR LF line ends.
"""
import os
import pathlib
import struct
import zlib

ROOT = pathlib.Path(__file__).resolve().parent.parent
CORPUS = ROOT / "tests" / "fuzz-corpus"
SAMPLE = (ROOT / "samples" / "five-digit" / "AstOrb.dat").read_bytes()
SAMPLE6 = (ROOT / "samples" / "AstOrb.dat").read_bytes()
NAMES = (ROOT / "samples" / "Diacriticals.txt").read_bytes()
RECORD = 267
RECORD6 = 268


def record(i):
    return SAMPLE[i * RECORD:(i + 1) * RECORD]


def record6(i):
    return SAMPLE6[i * RECORD6:(i + 1) * RECORD6]


def numbered6(number):
    """The six-digit sample's record of an asteroid number."""
    key = b"%6d " % number
    for i in range(len(SAMPLE6) // RECORD6):
        if record6(i).startswith(key):
            return record6(i)
    raise KeyError(number)


def crlf(records):
    """LF-ended records with CR LF line ends instead."""
    return b"".join(line + b"\r\n" for line in records.split(b"\n") if line)


def put(rec, column, text):
    b = bytearray(rec)
    b[column - 1:column - 1 + len(text)] = text
    return bytes(b)


def front(text):
    """A string for ConsumeRandomLengthString: backslashes doubled, ended by "\\;"."""
    return text.replace(b"\\", b"\\\\") + b"\\;"


CERES = record(0)
CERES6 = record6(0)
ARROKOTH6 = numbered6(486958)
# The last record of the six-digit sample: a semi-major axis of all thirteen columns, touching
# the eccentricity.
WIDE_AXIS6 = record6(len(SAMPLE6) // RECORD6 - 1)
# From Sedna (90377) to the first unnumbered record: the numbers that need six columns.
FIRST_UNNUMBERED6 = next(i for i in range(len(SAMPLE6) // RECORD6) if record6(i)[:6] == b" " * 6)
HIGH6 = SAMPLE6[SAMPLE6.index(numbered6(90377)):(FIRST_UNNUMBERED6 + 1) * RECORD6]


def scans_back(fmt, settings):
    """fuzz_scans' back bytes: the settings, read last first, then the format (0: as it stands;
    1 to 4: five-digit LF, five-digit CR LF, six-digit LF, six-digit CR LF)."""
    return bytes([fmt]) + bytes(settings)


def reader_seed(separator, records):
    """fuzz_field_reader's input: the record texts at the front; at the back, read last first,
    the separator (0: ".") and, for each record, its layout (1: six-digit) and its length (two
    bytes, the high one first)."""
    taken = [separator]
    for six, text in records:
        taken += [1 if six else 0, len(text) >> 8, len(text) & 0xFF]
    return b"".join(text for _, text in records) + bytes(reversed(taken))


def limits(span, points):
    """The modification time by which the gzip fuzz targets choose their index's limits
    (fuzz_gzip_limits.h): access points at least `span` (64 to 4,096, a multiple of 64) unpacked
    bytes apart, at most `points` (2 to 17) of them."""
    return (span // 64 - 1) | (points - 2) << 8


def gz(data, level=6, mem_level=8, flush_every=0, flush_mode=zlib.Z_PARTIAL_FLUSH,
       mtime=limits(64, 17)):
    """One gzip member of `data`, written by zlib, with `mtime` in its header. With
    `flush_every`, the compressor is flushed in `flush_mode` after every that many bytes, so
    that the member has many deflate blocks; a partial or block flush leaves a block boundary
    inside a byte."""
    c = zlib.compressobj(level, zlib.DEFLATED, 31, mem_level)
    if not flush_every:
        out = c.compress(data) + c.flush()
    else:
        out = b""
        for at in range(0, len(data), flush_every):
            out += c.compress(data[at:at + flush_every]) + c.flush(flush_mode)
        out += c.flush()
    return out[:4] + struct.pack("<I", mtime) + out[8:]


def gz_with_header_fields(data):
    """A gzip member whose header has every optional field: extra, name, comment, header CRC."""
    header = b"\x1f\x8b\x08\x1e" + struct.pack("<I", limits(128, 5)) + b"\x00\x03"
    header += struct.pack("<H", 4) + b"QV\x01\x00" + b"astorb.dat\x00" + b"generated\x00"
    header += struct.pack("<H", zlib.crc32(header) & 0xFFFF)
    c = zlib.compressobj(6, zlib.DEFLATED, -15)
    return header + c.compress(data) + c.flush() + struct.pack("<II", zlib.crc32(data), len(data))


def flip(data, at, mask=0x20):
    b = bytearray(data)
    b[at] ^= mask
    return bytes(b)


# The key fuzz_gzip_index parses its hand-made index files with (SeedKey there).
INDEX_KEY = (b"/quorvane-fuzz/AstOrb.dat.gz", 1 << 20, 1700000000, 500000000)


def index_file(length, complete, span, points):
    """An index cache file for INDEX_KEY: the serialized form of the core's index (magic,
    version, key, length, complete, span, then each point's unpacked and compressed offsets, its
    bits and its window), with the CRC-32 of all that at the end. `points` holds (out, in, bits,
    window) tuples."""
    path, size, seconds, nanoseconds = INDEX_KEY
    body = b"QVGZIDX\n" + struct.pack("<II", 1, len(path)) + path
    body += struct.pack("<Qqq", size, seconds, nanoseconds)
    body += struct.pack("<QBQI", length, complete, span, len(points))
    for out, into, bits, window in points:
        body += struct.pack("<QQBI", out, into, bits, len(window)) + window
    return body + struct.pack("<I", zlib.crc32(body))


EIGHT6 = SAMPLE6[:8 * RECORD6]
FORTY6 = SAMPLE6[:40 * RECORD6]
ONE_GZ = gz(EIGHT6, mtime=limits(256, 4))
MANY_BLOCKS = gz(FORTY6, mem_level=1, flush_every=700)
MEMBERS = gz(SAMPLE6[:3 * RECORD6], mtime=limits(64, 3)) + \
    gz(SAMPLE6[3 * RECORD6:7 * RECORD6], level=1) + gz(CERES6)


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
        "five-digit-crlf": crlf(SAMPLE[:2 * RECORD]),
        "five-digit-crlf-partial": crlf(CERES)[:RECORD + 1],
        "six-digit-ceres": CERES6,
        "six-digit-arrokoth": ARROKOTH6,
        "six-digit-wide-axis": WIDE_AXIS6,
        "six-digit-three-records": SAMPLE6[:3 * RECORD6],
        "six-digit-crlf": crlf(CERES6 + ARROKOTH6),
        "six-digit-crlf-partial": crlf(ARROKOTH6 + WIDE_AXIS6)[:2 * RECORD6 + 1],
        "six-digit-partial": CERES6 + ARROKOTH6[:100],
        "six-digit-no-line-end": CERES6[:RECORD6 - 1],
        "six-digit-cr-before-line-end": put(CERES6, 267, b"\r"),
        "six-digit-zero-in-number": put(ARROKOTH6, 3, b"\0"),
        "six-digit-blank-axis": put(WIDE_AXIS6, 169, b" " * 13),
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
        "sample": front(b"202") + front(b"5") + NAMES + b"\x02",
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
        "ceres-names": put(CERES, 1, b"  202") + NAMES + b"\x01\x0b\x01",
        "designation": put(put(CERES, 1, b"     "), 7, b"2004 MN4          ") + b"\x00\x0b\x01",
        "numbered-designation": put(CERES, 7, b"1998 KN12         ") + b"\x00\x0b\x01",
        "short": CERES[:10] + b"\x00\x0a\x00",
        # Lengths from 270 on are six-digit records of 270 fewer bytes (538: 268 bytes).
        "six-digit-ceres": CERES6 + b"\x00\x1a\x02",
        "six-digit-arrokoth-names": ARROKOTH6 + NAMES + b"\x01\x1a\x02",
        "six-digit-designation": put(put(CERES6, 1, b"      "), 8, b"2004 MN4          ") +
                                 b"\x00\x1a\x02",
        "six-digit-short": CERES6[:10] + b"\x00\x18\x01",
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
        "ceres-crlf": front(b"848.4") + front(b"0.1") + front(b"2") + crlf(CERES) + b"\x00\x00",
        "six-digit-ceres": front(b"") + front(b"0,1") + front(b"0") + CERES6 + b"\x01\x01",
        "six-digit-arrokoth-crlf": front(b"") + front(b"") + front(b"") + crlf(ARROKOTH6) +
                                   b"\x01\x01",
        "six-digit-wide-axis": front(b"1") + front(b"") + front(b"") + WIDE_AXIS6 + b"\x01\x00",
        "six-digit-bad-month": front(b"") + front(b"") + front(b"") + put(CERES6, 107, b"20051300") +
                               b"\x01\x00",
        "six-digit-short": front(b"") + front(b"") + front(b"") + CERES6[:267] + b"\x01\x00",
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
        # "#": the first records of the five-digit sample, with CR LF line ends.
        # "@": records 30 to 38 are numbered from 90000 on (Sedna to Gonggong), 39 has the widest
        # axis.
        "show-high-number": b"show\0@\0" + b"38\0--diacriticals\0@",
        "show-five-digit-crlf": b"--raw\0show\0#\0" + b"2",
        "infobox-high-number": b"infobox\0@\0" + b"32\0--lang\0en",
        "family-five-digit-crlf": b"family\0#\0" + b"5\0--tolerance\0" + b"200\0--passes\0" + b"2",
        "outer-crossers": b"special\0@\0--planet\0neptune\0--type\0crosser\0--all",
        "names-five-digit-crlf": b"names\0#\0--diacriticals\0#",
        "find-five-digit-crlf": b"find\0#\0" + b"0\0--field\0Name\0--text\0er",
        "inclination-high-numbers": b"inclination\0@\0" + b"0",
    },
    "fuzz_scans": {
        # Front: search text; middle: AstOrb.dat; back (read last first): numbered only cleared,
        # names, start, planet (from -1), type (from -1), tolerance, label, backward, format.
        "sample-crossers": front(b"E") + SAMPLE[:12 * RECORD] +
                           scans_back(0, [0, 1, 50, 4, 4, 2, 0, 1]),
        "sample-family": front(b"ES") + SAMPLE[:12 * RECORD] +
                         scans_back(0, [1, 14, 200, 0, 5, 2, 1, 0]),
        "sample-retrograde": front(b"1") + SAMPLE[:6 * RECORD] +
                             scans_back(0, [0, 16, 7, 8, 0, 0, 0, 1]),
        "unnumbered": front(b"Yes") + SAMPLE[:2 * RECORD] +
                      put(put(CERES, 1, b"     "), 7, b"2004 MN4          ") + CERES +
                      scans_back(0, [0, 18, 20, 3, 3, 1, 1, 1]),
        "bad-fields": front(b"") + CERES + put(put(CERES, 70, b" abc"), 147, b"    x     ") +
                      CERES + scans_back(0, [1, 15, 10, 2, 4, 0, 0, 1]),
        "six-digit-crossers": front(b"E") + SAMPLE6[:12 * RECORD6] +
                              scans_back(0, [0, 1, 50, 4, 4, 2, 0, 1]),
        "six-digit-high-numbers": front(b"Ar") + HIGH6 + scans_back(0, [1, 1, 150, 1, 9, 3, 1, 0]),
        "six-digit-crlf-family": front(b"S") + crlf(SAMPLE6[:12 * RECORD6]) +
                                 scans_back(0, [1, 14, 200, 0, 5, 2, 1, 0]),
        "six-digit-wide-axis": front(b"0") + SAMPLE6[-6 * RECORD6:] +
                               scans_back(0, [0, 16, 7, 8, 0, 1, 0, 1]),
        "five-digit-as-five-digit-crlf": front(b"ES") + SAMPLE[:12 * RECORD] +
                                         scans_back(2, [1, 14, 200, 0, 5, 2, 1, 0]),
        "five-digit-as-six-digit": front(b"E") + SAMPLE[:12 * RECORD] +
                                   scans_back(3, [0, 1, 50, 4, 4, 2, 0, 1]),
        "five-digit-as-six-digit-crlf": front(b"1") + SAMPLE[:6 * RECORD] +
                                        scans_back(4, [0, 16, 7, 8, 0, 0, 0, 1]),
        "six-digit-as-five-digit": front(b"Yes") + HIGH6 + scans_back(1, [0, 18, 20, 3, 3, 1, 1, 1]),
        "six-digit-partial-as-six-digit-crlf": front(b"") + SAMPLE6[:3 * RECORD6 + 100] +
                                               scans_back(4, [1, 15, 10, 2, 4, 0, 0, 1]),
    },
    "fuzz_field_reader": {
        "five-digit": reader_seed(0, [(False, record(i)) for i in range(4)]),
        "five-digit-comma": reader_seed(1, [(False, put(record(i), 158, b"0,07890000"))
                                            for i in range(2)]),
        "six-digit": reader_seed(0, [(True, CERES6), (True, ARROKOTH6), (True, WIDE_AXIS6)]),
        "crlf": reader_seed(0, [(False, crlf(CERES)), (True, crlf(CERES6))]),
        "both-layouts": reader_seed(0, [(False, CERES), (True, CERES6), (False, record(1)),
                                        (True, ARROKOTH6)]),
        "short-records": reader_seed(0, [(True, CERES6[:180]), (False, CERES[:175]),
                                         (True, WIDE_AXIS6[:170])]),
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
        "six-digit": front(NAMES[:300]) + front(b"er") + SAMPLE6[:4 * RECORD6] +
                     bytes([0, 0, 100, 3, 3, 1, 1, 1]),
        "six-digit-high-numbers": front(b"") + front(b"Ar") + HIGH6 +
                                  bytes([1, 0, 100, 7, 4, 1, 0, 0]),
        "six-digit-crlf": front(b"") + front(b"Yes") + crlf(SAMPLE6[:3 * RECORD6]) +
                          bytes([1, 0, 100, 6, 4, 17, 0, 0]),
        "five-digit-crlf": front(b"") + front(b"2") + crlf(SAMPLE[:3 * RECORD]) +
                           bytes([0, 0, 100, 0, 0, 13, 0, 0]),
        "six-digit-partial": front(b"") + front(b"2") + SAMPLE6[:RECORD6 + 40] +
                             bytes([0, 0, 100, 0, 0, 13, 0, 0]),
    },
    "fuzz_gzip": {
        "records": ONE_GZ,
        "records-five-digit": gz(SAMPLE[:8 * RECORD]),
        "records-crlf": gz(crlf(SAMPLE6[:4 * RECORD6])),
        "records-level-1": gz(EIGHT6, level=1),
        "records-level-9": gz(EIGHT6, level=9),
        "stored-blocks": gz(SAMPLE6[:6 * RECORD6], level=0, flush_every=500),
        "many-blocks": MANY_BLOCKS,
        "many-blocks-thinned": gz(FORTY6, mem_level=1, flush_every=300, mtime=limits(64, 5)),
        "many-blocks-block-flush": gz(FORTY6, flush_every=300, flush_mode=zlib.Z_BLOCK),
        "many-blocks-sync-flush": gz(FORTY6, flush_every=900, flush_mode=zlib.Z_SYNC_FLUSH,
                                     mtime=limits(512, 9)),
        "many-blocks-full-flush": gz(FORTY6, level=9, flush_every=1100,
                                     flush_mode=zlib.Z_FULL_FLUSH, mtime=limits(1024, 12)),
        # About 800 KiB unpacked: distances reach across the 32 KiB window, and the index thins.
        "repeated-record": gz(CERES6 * 3000, mem_level=1, mtime=limits(4096, 17)),
        # 2.4 MiB unpacked: more than the reader keeps behind its position.
        "repeated-record-long": gz(CERES6 * 9000, level=9, mtime=limits(4096, 8)),
        "members": MEMBERS,
        "members-with-empty": gz(EIGHT6[:RECORD6]) + gz(b"") + gz(EIGHT6[RECORD6:]),
        "header-fields": gz_with_header_fields(EIGHT6),
        "truncated-data": ONE_GZ[:len(ONE_GZ) // 2],
        "truncated-trailer": ONE_GZ[:-3],
        "truncated-header": ONE_GZ[:5],
        "truncated-second-member": MEMBERS[:len(MEMBERS) - 40],
        "flipped-byte": flip(ONE_GZ, len(ONE_GZ) // 2),
        "flipped-byte-many-blocks": flip(MANY_BLOCKS, 2 * len(MANY_BLOCKS) // 3, 0x01),
        "wrong-crc": flip(ONE_GZ, len(ONE_GZ) - 6),
        "wrong-length": flip(ONE_GZ, len(ONE_GZ) - 4, 0x01),
        "second-member-wrong-crc": gz(CERES6) + flip(gz(ARROKOTH6), len(gz(ARROKOTH6)) - 8),
        "trailing-garbage": ONE_GZ + b"garbage",
        "trailing-zeros": ONE_GZ + bytes(8),
        "trailing-magic": ONE_GZ + b"\x1f\x8b",
        "trailing-lone-1f": ONE_GZ + b"\x1f",
        "trailing-1f-not-8b": ONE_GZ + b"\x1f\x8c" + bytes(20),
        "empty": b"",
        "magic-only": b"\x1f",
        "not-gzip": CERES6,
        "zlib-not-gzip": zlib.compress(EIGHT6),
    },
    "fuzz_gzip_index": {
        "empty-index": index_file(0, 1, 1 << 20, []),
        "one-point": index_file(5360, 1, 1 << 20, [(0, 10, 0, b"")]),
        "incomplete": index_file(3000, 0, 64, [(0, 10, 0, b""), (1024, 400, 5, EIGHT6[:1024])]),
        "windows": index_file(70000, 1, 4096,
                              [(0, 18, 0, b""), (4096, 900, 0, (CERES6 * 16)[:4096]),
                               (40000, 9000, 7, CERES6 * 7)]),
        "gzip-records": ONE_GZ,
        "gzip-many-blocks": MANY_BLOCKS,
        "gzip-members": MEMBERS,
        "gzip-truncated": ONE_GZ[:len(ONE_GZ) // 2],
        "gzip-wrong-crc": flip(ONE_GZ, len(ONE_GZ) - 6),
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

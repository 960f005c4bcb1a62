#!/usr/bin/env python3
"""Writes the bundled sample AstOrb.dat and Diacriticals.txt files.

samples/AstOrb.dat, which `make run` opens, is in the layout AstOrb.dat is published in today: 267
characters and a line feed per record, a six-column number and every later field one column to
the right (the semi-major axis one column wider instead). samples/five-digit/AstOrb.dat is the
layout of the files published until about 2005: 266 characters and a line feed, a five-column
number. The tests use the five-digit one.

Both hold 450 numbered asteroids (number n at index n-1), and the six-digit one then some famous
asteroids numbered above 450 (their elements typed in, rounded, from published values), then 60
unnumbered ones, the last one of the six-digit file far enough out to fill the widened
semi-major axis column. The famous asteroids carry their published elements (rounded); the rest
are made-up main-belt orbits from a fixed seed, with a tight cluster around asteroid 200 so that
the family command has something to find. Each folder has the same Diacriticals.txt.
"""
import math
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
EPOCH = "20051018"

# number: (name, H, G, B-V, diameter, class, flags, a, e, i, node, peri, M)
FAMOUS = {
    1: ("Ceres", 3.34, 0.12, 0.72, 848.4, "G", 0, 2.7663, 0.0789, 10.583, 80.407, 73.150, 115.390),
    2: ("Pallas", 4.13, 0.11, 0.65, 498.1, "B", 0, 2.7727, 0.2299, 34.845, 173.129, 310.148, 96.148),
    3: ("Juno", 5.33, 0.32, 0.82, 233.9, "S", 0, 2.6691, 0.2579, 12.971, 169.924, 248.138, 32.811),
    4: ("Vesta", 3.20, 0.32, 0.78, 468.3, "V", 0, 2.3617, 0.0888, 7.134, 103.914, 149.863, 20.864),
    5: ("Astraea", 6.85, 0.15, 0.83, 119.1, "S", 0, 2.5743, 0.1910, 5.368, 141.597, 358.934, 250.371),
    6: ("Hebe", 5.71, 0.24, 0.82, 185.2, "S", 0, 2.4253, 0.2019, 14.752, 138.735, 239.519, 307.430),
    7: ("Iris", 5.51, 0.15, 0.84, 199.8, "S", 0, 2.3859, 0.2310, 5.527, 259.726, 145.318, 112.920),
    8: ("Flora", 6.49, 0.28, 0.89, 135.9, "S", 0, 2.2018, 0.1566, 5.886, 110.967, 285.210, 280.118),
    9: ("Metis", 6.28, 0.17, 0.86, 190.0, "S", 0, 2.3864, 0.1213, 5.575, 68.978, 6.155, 152.406),
    10: ("Hygiea", 5.43, 0.15, 0.69, 407.1, "C", 0, 3.1370, 0.1174, 3.842, 283.451, 312.470, 224.060),
    16: ("Psyche", 5.90, 0.20, 0.70, 253.2, "M", 0, 2.9207, 0.1398, 3.095, 150.317, 227.246, 40.370),
    433: ("Eros", 11.16, 0.46, 0.88, None, "", 12, 1.4579, 0.2229, 10.829, 304.401, 178.664, 320.216),
}

# Asteroid numbers whose names carry accents in Diacriticals.txt: (plain name, TeX name).
ACCENTED = {
    101: ("Dvorak", r"Dvo\v r\'ak"),
    102: ("Brasov", r"Bra\v{s}ov"),
    103: ("Angstrom", r"\AA ngstr\"om"),
    104: ("Sindrome", r"S\'\i ndrome"),
    105: ("Lodz", r"\L od\'z"),
    120: ("Francois", r"Fran\c cois"),
    150: ("Godel", r"G\"odel"),
    180: ("Capek", r"\v Capek"),
    201: ("Smetana", r"Sm\'etana"),
    250: ("Kosice", r"Ko\v sice"),
    300: ("Erdos", r"Erd\Hos"),
    350: ("Oresund", r"\O resund"),
}

SYLLABLES = ["ka", "lo", "mi", "ra", "te", "no", "vi", "sa", "du", "ber", "lin", "ta", "mo",
             "ne", "ri", "sol", "an", "el", "or", "phi", "ze", "qua", "bel", "tor"]
LETTERS = "ABCDEFGHJKLMNOPQRSTUVWXY"


def designation(rng, year=None):
    year = year or rng.randint(1950, 2005)
    number = rng.randint(1, 120)
    return f"{year} {rng.choice(LETTERS)}{rng.choice(LETTERS)}{number}"


def made_up_name(rng):
    name = "".join(rng.choice(SYLLABLES) for _ in range(rng.randint(2, 3)))
    return name.capitalize()


# Numbered above 450, only in the six-digit file, at an epoch of today's files:
# number: (name, H, G, flags, a, e, i, node, peri, M)
BEYOND = {
    90377: ("Sedna", 1.50, 0.15, 0, 506.8, 0.8613, 11.93, 144.25, 311.35, 358.16),
    99942: ("Apophis", 19.09, 0.24, 1, 0.9224, 0.1914, 3.339, 203.96, 126.60, 142.0),
    101955: ("Bennu", 20.21, -0.08, 2, 1.1260, 0.2037, 6.035, 2.06, 66.22, 101.70),
    136108: ("Haumea", 0.20, 0.15, 0, 43.12, 0.1950, 28.21, 121.80, 239.50, 218.0),
    136199: ("Eris", -1.10, 0.15, 0, 67.86, 0.4370, 44.04, 35.95, 151.64, 205.99),
    136472: ("Makemake", -0.20, 0.15, 0, 45.43, 0.1610, 28.98, 79.62, 294.83, 165.5),
    162173: ("Ryugu", 19.30, 0.15, 2, 1.1896, 0.1902, 5.884, 251.29, 211.61, 200.0),
    225088: ("Gonggong", 1.80, 0.15, 0, 67.49, 0.5030, 30.63, 336.84, 207.67, 107.0),
    486958: ("Arrokoth", 11.10, 0.15, 0, 44.58, 0.0417, 2.454, 158.99, 174.42, 316.5),
}
BEYOND_EPOCH = "20231222"
# An unnumbered scattered-disc object whose semi-major axis needs all thirteen columns.
FAR_OUT = ("2014 FE72", 6.10, 0.15, 0, 2155.12345678, 0.9800, 20.60, 336.90, 133.90, 0.05)


def record(number, name, h, g, bv, diameter, iras_class, flags, a, e, i, node, peri, m,
           epoch=EPOCH, six_digit=False):
    if six_digit:
        number_field = f"{number:6d}" if number else " " * 6
        axis = f"{a:13.8f}"
    else:
        number_field = f"{number:5d}" if number else " " * 5
        axis = f"{a:12.8f}"
    fields = [
        number_field, " ",
        f"{name:<18.18}", " ",
        f"{'E. Bowell':<15}", " ",
        f"{h:5.2f}", " ",
        f"{g:5.2f}", " ",
        f"{bv:4.2f}" if bv is not None else " " * 4, " ",
        f"{diameter:5.1f}" if diameter is not None else " " * 5, " ",
        f"{iras_class:<4}", " ",
        f"{flags:4d}", "   0   0   0   0   0", " ",
        f"{8000:5d}", " ", f"{1200:4d}", " ",
        epoch, " ",
        f"{m:10.6f}", " ", f"{peri:10.6f}", " ", f"{node:10.6f}",
        f"{i:10.6f}", " ", f"{e:10.8f}", axis if six_digit else " " + axis, " ",
        "20051115", " ", "4.02E-01", " ", "-1.59E-06", " ", "20051018", " ", "4.02E-01", " ",
        "20150101", " ", "4.98E-01", " ", "20150101", " ", "4.98E-01", " ", "20150101",
    ]
    text = "".join(fields)
    length = 267 if six_digit else 266
    text = f"{text:<{length}.{length}}"
    assert len(text) == length, len(text)
    return text + "\n"


def main():
    rng = random.Random(1801)
    records = []
    flag_cycle = [0, 0, 0, 0, 1, 2, 4, 8, 16, 5, 32, 0, 3, 24, 0, 0]
    for n in range(1, 451):
        if n in FAMOUS:
            records.append((n, *FAMOUS[n]))
            continue
        if n in ACCENTED:
            name = ACCENTED[n][0]
        elif n % 9 == 0:
            name = designation(rng)
        else:
            name = made_up_name(rng)
        if 195 <= n <= 215:
            # a tight family around asteroid 200
            a = 2.44 + rng.uniform(-0.004, 0.004)
            e = 0.150 + rng.uniform(-0.002, 0.002)
            i = 3.00 + rng.uniform(-0.05, 0.05)
        else:
            a = rng.uniform(2.1, 3.4)
            e = rng.uniform(0.01, 0.3)
            i = rng.uniform(0.5, 25.0)
        flags = flag_cycle[n % len(flag_cycle)]
        in_family = 195 <= n <= 215
        # Near-Earth and outer-crosser orbits replace the drawn ones, except in the family,
        # which keeps its tight cluster (the draws are made all the same, so that every other
        # record stays as it was).
        if flags & 7:
            near_a = rng.uniform(0.85, 1.9)
            near_e = rng.uniform(0.2, 0.6)
            if not in_family:
                a, e = near_a, near_e
            else:
                flags = 0
        if flags & 16:
            far_a = rng.uniform(6.0, 25.0)
            if not in_family:
                a = far_a
            else:
                flags = 0
        bv = round(rng.uniform(0.6, 0.9), 2) if n % 3 else None
        diameter = round(rng.uniform(5, 150), 1) if n % 4 else None
        iras_class = rng.choice(["S", "C", "X", "SU", "CX", "B"]) if n % 5 else ""
        h = round(rng.uniform(7.0, 14.0), 2)
        records.append((n, name, h, 0.15, bv, diameter, iras_class, flags, a, e, i,
                        rng.uniform(0, 360), rng.uniform(0, 360), rng.uniform(0, 360)))
    numbered = records
    records = []
    retrograde = {3: (41.50, 0.49, 103.43), 17: (8.13, 0.47, 151.80), 40: (22.0, 0.65, 170.0)}
    for k in range(60):
        a = rng.uniform(2.1, 3.4)
        e = rng.uniform(0.01, 0.3)
        i = rng.uniform(0.5, 25.0)
        flags = [0, 0, 2, 1, 4, 32, 0][k % 7]
        if k in retrograde:
            a, e, i = retrograde[k]
            flags = 16
        elif flags & 7:
            a = rng.uniform(0.7, 1.9)
            e = rng.uniform(0.2, 0.7)
        records.append((0, designation(rng, rng.randint(1995, 2008)), round(
            rng.uniform(12.0, 19.0), 2), 0.15, None, None, "", flags, a, e, i,
            rng.uniform(0, 360), rng.uniform(0, 360), rng.uniform(0, 360)))
    unnumbered = records

    def beyond(number, name, h, g, flags, a, e, i, node, peri, m):
        return (number, name, h, g, None, None, "", flags, a, e, i, node, peri, m, BEYOND_EPOCH)

    five_digit = [record(*fields) for fields in numbered + unnumbered]
    six_digit = [record(*fields, six_digit=True)
                 for fields in numbered + [beyond(n, *BEYOND[n]) for n in sorted(BEYOND)] +
                 unnumbered + [beyond(0, *FAR_OUT)]]
    for folder, lines in ((HERE, six_digit), (os.path.join(HERE, "five-digit"), five_digit)):
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, "AstOrb.dat"), "w", newline="\n",
                  encoding="ascii") as out:
            out.writelines(lines)

    lines = [
        "Asteroid names with their diacritical marks, in TeX notation.",
        "Entries: number right-aligned in columns 2-7, the name from column 30.",
        "-" * 40,
    ]
    for n in sorted(ACCENTED):
        lines.append(f" {n:6d}{'':22}{ACCENTED[n][1]}")
    for folder in (HERE, os.path.join(HERE, "five-digit")):
        with open(os.path.join(folder, "Diacriticals.txt"), "w", newline="\r\n",
                  encoding="ascii") as out:
            out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()

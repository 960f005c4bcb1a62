#!/usr/bin/env python3
"""Writes the bundled sample AstOrb.dat files and their Diacriticals.txt from real asteroids.

usage: python3 samples/make-sample.py [ASTEROIDS.DAT]

The asteroids, their elements and their names come from asteroids.dat of Debian's kstars-data
package (default /usr/share/kstars/asteroids.dat), a JSON export of NASA/JPL's Small-Body
Database; samples/SOURCES says which version and how each column is filled. The output is the
same on every run from the same file.

samples/AstOrb.dat, which `make run` opens, is in the layout AstOrb.dat is published in today: 267
characters and a line feed per record, a six-column number and every later field one column to
the right (the semi-major axis one column wider instead). samples/five-digit/AstOrb.dat is the
layout of the files published until about 2005: 266 characters and a line feed, a five-column
number; the tests use it. samples/gz/astorb.dat.gz is the six-digit file compressed.

Both files hold, in this order:
- every asteroid from number 1 up to the first number the data lacks, number n at index n - 1;
- asteroids numbered above that run, in number order: the Eos family as the data has it, the
  near-Earth, Mars-crossing and Hungaria asteroids, some well-known bodies from the Jupiter
  Trojans to the scattered disc, and the asteroids whose names carry accents;
- unnumbered ones under their provisional designations, the six-digit file ending with the one
  farthest out, whose semi-major axis needs all thirteen columns.
The five-digit file keeps only what its columns can hold: no number above 99999, no semi-major
axis of 1000 AU or more. Each folder's Diacriticals.txt holds the accented names of its file.
"""
import datetime
import gzip
import json
import math
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_SOURCE = "/usr/share/kstars/asteroids.dat"

# Asteroids numbered above the run, besides the family and the accented names: number, and why.
NOTABLE = {
    243: "Ida, visited by Galileo, with its moon Dactyl",
    253: "Mathilde, visited by NEAR Shoemaker",
    588: "Achilles, the first Jupiter Trojan found",
    617: "Patroclus, a binary Trojan",
    624: "Hektor, the largest Trojan",
    944: "Hidalgo, from inside Jupiter's orbit out to Saturn's distance",
    2060: "Chiron, the first centaur",
    5145: "Pholus",
    10199: "Chariklo, the largest centaur, with rings",
    15760: "Albion, the first trans-Neptunian object found after Pluto",
    20000: "Varuna",
    28978: "Ixion",
    38628: "Huya",
    50000: "Quaoar",
    90377: "Sedna",
    90482: "Orcus",
    120347: "Salacia",
    134340: "Pluto",
    136108: "Haumea",
    136199: "Eris",
    136472: "Makemake",
    174567: "Varda",
    225088: "Gonggong",
    486958: "Arrokoth, visited by New Horizons",
    541132: "Leleakuhonua, numbered, its semi-major axis over 1000 AU",
}

# Classes of the data taken whole: near-Earth asteroids, Mars-crossers, the Hungaria group.
WHOLE_CLASSES = {"ATE", "APO", "AMO", "MCA", "IMB"}

# The official names with their accents, in TeX notation; the data writes them without.
ACCENTED = {
    61: r"Dana\"e",
    202: r"Chryse\"\i s",
    369: r"A\"eria",
    402: r"Chlo\"e",
    748: r"Sime\"\i sa",
    751: r"Fa\"\i na",
    775: r"Lumi\`ere",
    946: r"Po\"esia",
    1259: r"\'Ogyalla",
    1341: r"Edm\'ee",
    1407: r"Lindel\"of",
    1521: r"Sein\"ajoki",
    1534: r"N\"asi",
    1535: r"P\"aij\"anne",
    1542: r"Schal\'en",
    1545: r"Thern\"oe",
    1546: r"Izs\'ak",
    1655: r"Comas Sol\`a",
    1861: r"Komensk\'y",
    2345: r"Fu\v c\'\i k",
    2578: r"Saint-Exup\'ery",
    2599: r"Vesel\'\i",
    2613: r"Plze\v n",
    2661: r"Byd\v zovsk\'y",
    2747: r"\v Cesk\'y Krumlov",
    2804: r"Yrj\"o",
    2811: r"St\v remchov\'\i",
    3366: r"G\"odel",
    3571: r"Milan\v stef\'anik",
    541132: r"Lele\=ak\=uhonua",
}

# The family around 221 Eos: every numbered asteroid reached from Eos in steps of at most this
# velocity distance (the one Famil&y uses), so that the family command finds the same members in
# the sample as in the whole data at any tolerance up to this one.
FAMILY_SEED = 221
FAMILY_STEP = 150.0  # m/s
GAUSS_K = 0.01720209895
AU_PER_DAY = 1731456.836701389  # m/s

# Every this many unnumbered bodies of the data, in its order, one goes into the sample.
UNNUMBERED_STEP = 64

# The mean orbits of the planets (perihelion, aphelion in AU), as the orbit-type lists use them.
MARS = (1.381333463, 1.665991157)
OUTER_PLANETS = [
    (4.95155843300049, 5.45516758699951),  # Jupiter
    (9.02063223992981, 10.0535084000702),  # Saturn
    (18.2860559584163, 20.0964719015837),  # Uranus
    (29.810795268526, 30.327131691474),  # Neptune
]

# The columns of each layout (first column 1-based, width), as src/astorb/record.h has them, and
# the orbit computer's, which the program does not read.
FIVE_DIGIT = {"number": (1, 5), "name": (7, 18), "computer": (26, 15), "H": (42, 5),
              "G": (48, 5), "BV": (54, 4), "diameter": (59, 5), "class": (65, 4),
              "flags": (70, 4), "epoch": (106, 8), "M": (115, 10), "peri": (126, 10),
              "node": (137, 10), "i": (147, 10), "e": (158, 10), "a": (169, 12)}
SIX_DIGIT = {"number": (1, 6), "name": (8, 18), "computer": (27, 15), "H": (43, 5),
             "G": (49, 5), "BV": (55, 4), "diameter": (60, 5), "class": (66, 4),
             "flags": (71, 4), "epoch": (107, 8), "M": (116, 10), "peri": (127, 10),
             "node": (138, 10), "i": (148, 10), "e": (159, 10), "a": (169, 13)}
LENGTH = {"five": 266, "six": 267}


def load(path):
    if not os.path.exists(path):
        sys.exit(f"{path} not found. It comes with Debian's kstars-data package:\n"
                 "  sudo apt-get install kstars-data\n"
                 "or, without installing it:\n"
                 "  apt-get download kstars-data && dpkg-deb -x kstars-data_*_all.deb pkg\n"
                 "  python3 samples/make-sample.py pkg/usr/share/kstars/asteroids.dat")
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    bodies = []
    for values in data["data"]:
        row = dict(zip(data["fields"], values))
        match = re.fullmatch(r"\s*(\d*)\s*(.*?)\s*\((.+)\)\s*", row["full_name"])
        if not match:
            raise ValueError(f"unexpected full_name {row['full_name']!r}")
        number, name, designation = match.groups()
        row["number"] = int(number) if number else 0
        # A numbered asteroid without a name, and every unnumbered one, goes by its designation.
        row["name"] = name or designation
        bodies.append(row)
    return bodies


def epoch_text(mjd):
    """The calendar date of a modified Julian date at 0h, yyyymmdd."""
    if float(mjd) != int(float(mjd)):
        raise ValueError(f"epoch MJD {mjd} is not at 0h")
    day = datetime.date(1858, 11, 17) + datetime.timedelta(days=int(float(mjd)))
    return day.strftime("%Y%m%d")


def flag_code(body):
    """The orbit flags: the near-Earth class as the data gives it; Mars-crosser for the data's
    Mars-crossers and for a near-Earth orbit that ranges over Mars's distances; outer-planet
    crosser for an orbit that crosses Jupiter's, Saturn's, Uranus' or Neptune's, perihelion
    inside the planet's and aphelion outside it; the Jupiter Trojans share Jupiter's orbit
    rather than cross it."""
    code = {"ATE": 1, "APO": 2, "AMO": 4}.get(body["class"], 0)
    a, e = float(body["a"]), float(body["e"])
    q, big_q = a * (1 - e), a * (1 + e)
    if body["class"] == "MCA" or (code and q < MARS[1] and big_q > MARS[0]):
        code |= 8
    planets = OUTER_PLANETS[1:] if body["class"] == "TJN" else OUTER_PLANETS
    if any(q < planet_q and big_q > planet_big_q for planet_q, planet_big_q in planets):
        code |= 16
    return code


def diameter_text(diameter, width):
    """The diameter rounded to the column: one decimal where it fits."""
    if diameter is None:
        return ""
    for decimals in (1, 0):
        text = f"{float(diameter):.{decimals}f}"
        if len(text) <= width:
            return text
    raise ValueError(f"diameter {diameter} does not fit")


def fields_of(body, layout):
    columns = FIVE_DIGIT if layout == "five" else SIX_DIGIT
    width = {field: w for field, (_, w) in columns.items()}
    # Where SBDB gives no G, the slope the H, G system takes when none has been measured.
    g = 0.15 if body["G"] is None else float(body["G"])
    return {
        "number": str(body["number"]) if body["number"] else "",
        "name": body["name"],
        "computer": "JPL",
        "H": f"{float(body['H']):.2f}",
        "G": f"{g:.2f}",
        "BV": "",
        "diameter": diameter_text(body["diameter"], width["diameter"]),
        "class": "",
        "flags": str(flag_code(body)),
        "epoch": epoch_text(body["epoch_mjd"]),
        "M": f"{float(body['ma']):.6f}",
        "peri": f"{float(body['w']):.6f}",
        "node": f"{float(body['om']):.6f}",
        "i": f"{float(body['i']):.6f}",
        "e": f"{float(body['e']):.8f}",
        "a": f"{float(body['a']):.8f}",
    }


def fits(body, layout):
    columns = FIVE_DIGIT if layout == "five" else SIX_DIGIT
    return all(len(text) <= columns[field][1] for field, text in fields_of(body, layout).items())


def record(body, layout):
    columns = FIVE_DIGIT if layout == "five" else SIX_DIGIT
    line = [" "] * LENGTH[layout]
    left_aligned = {"name", "computer", "class"}
    for field, text in fields_of(body, layout).items():
        start, width = columns[field]
        if len(text) > width:
            raise ValueError(f"{body['full_name']}: {field} {text!r} is wider than {width}")
        text = text.ljust(width) if field in left_aligned else text.rjust(width)
        line[start - 1:start - 1 + width] = text
    return "".join(line) + "\n"


def family(bodies, seed):
    """The seed and every numbered body linked to it by steps of at most FAMILY_STEP, on the
    elements as the records write them."""
    def elements(body):
        fields = fields_of(body, "six")
        return float(fields["a"]), float(fields["e"]), math.sin(math.radians(float(fields["i"])))

    numbered = [(body, elements(body)) for body in bodies if body["number"]]
    found = [seed]
    members = [elements(seed)]
    rest = [(body, orbit) for body, orbit in numbered if body is not seed]
    while members:
        am, em, sm = members.pop()
        remaining = []
        for body, (a, e, s) in rest:
            scale = AU_PER_DAY * GAUSS_K / math.sqrt(a)
            d = scale * math.sqrt(1.25 * ((a - am) / a) ** 2 + 2 * (e - em) ** 2 +
                                  2 * (s - sm) ** 2)
            if d <= FAMILY_STEP:
                found.append(body)
                members.append((a, e, s))
            else:
                remaining.append((body, (a, e, s)))
        rest = remaining
    return found


def plain(tex):
    """The TeX name without its accents, as the data writes it: a dotless i becomes i, and each
    accent goes, with the blank that ends a control word."""
    text = re.sub(r"\\i ?", "i", tex)
    return re.sub(r"\\[\"'`^~=vcH] ?", "", text)


def select(bodies):
    by_number = {body["number"]: body for body in bodies if body["number"]}
    run_end = 1
    while run_end in by_number:
        run_end += 1
    run = [by_number[n] for n in range(1, run_end)]

    above = {n for n in NOTABLE if n in by_number}
    above |= {body["number"] for body in bodies if body["class"] in WHOLE_CLASSES}
    above |= {n for n in ACCENTED if n in by_number}
    above |= {body["number"] for body in family(bodies, by_number[FAMILY_SEED])}
    above = [by_number[n] for n in sorted(above) if n >= run_end]

    unnumbered = [body for body in bodies if not body["number"] and body["ma"] is not None]
    farthest = max(unnumbered, key=lambda body: float(body["a"]))
    chosen = [body for k, body in enumerate(unnumbered)
              if (k % UNNUMBERED_STEP == 0 or float(body["i"]) > 90) and body is not farthest]
    return run, above, chosen + [farthest]


def names_table(numbers):
    lines = [
        "Asteroid names with their diacritical marks, in TeX notation.",
        "Entries: number right-aligned in columns 2-7, the name from column 30.",
        "-" * 40,
    ]
    lines += [f" {n:6d}{'':22}{ACCENTED[n]}" for n in sorted(numbers) if n in ACCENTED]
    return "\r\n".join(lines) + "\r\n"


def write(path, text, encoding="ascii"):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="", encoding=encoding) as out:
        out.write(text)


def main():
    source = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_SOURCE
    bodies = load(source)
    by_number = {body["number"]: body for body in bodies if body["number"]}
    for number, tex in ACCENTED.items():
        if number in by_number and plain(tex) != by_number[number]["name"]:
            raise ValueError(f"{tex} is not the accented form of {by_number[number]['name']}")
    run, above, unnumbered = select(bodies)

    outputs = {}
    for layout, folder in (("six", HERE), ("five", os.path.join(HERE, "five-digit"))):
        taken = [body for body in run + above + unnumbered if fits(body, layout)]
        text = "".join(record(body, layout) for body in taken)
        write(os.path.join(folder, "AstOrb.dat"), text)
        write(os.path.join(folder, "Diacriticals.txt"),
              names_table(body["number"] for body in taken))
        outputs[layout] = text

    os.makedirs(os.path.join(HERE, "gz"), exist_ok=True)
    with open(os.path.join(HERE, "gz", "astorb.dat.gz"), "wb") as raw:
        with gzip.GzipFile(filename="", mode="wb", compresslevel=9, fileobj=raw, mtime=0) as gz:
            gz.write(outputs["six"].encode("ascii"))

    print(f"{len(run)} asteroids numbered 1 to {len(run)}, {len(above)} numbered above, "
          f"{len(unnumbered)} unnumbered; five-digit file "
          f"{len(outputs['five']) // 267} records, six-digit file {len(outputs['six']) // 268}")


if __name__ == "__main__":
    main()

# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Generate the starter pattern library data/ZEP100.TXT for the hundred chart.

Each pattern is a 10x10 drawing ('#' = marked cell, '.' = empty).  Cell n
(1..100) lies in row (n-1)//10 and column (n-1)%10.

File format (Windows-1252, every line terminated by CR LF):
    name line
    100 characters '0'/'1' (character i, 0-based, is cell i+1)

Usage: python3 make_starter_library.py [--show] [output-path]
Without an argument the file is written next to this script.
"""

import os
import sys

PATTERNS = [
    ("Katze", """
        .#......#.
        .##....##.
        .#.####.#.
        .#......#.
        .#.#..#.#.
        ##......##
        .#..##..#.
        ##......##
        ..#....#..
        ...####...
    """),
    ("Fisch", """
        ..........
        ....####..
        ...#....#.
        #.#...#..#
        ###......#
        ###......#
        #.#......#
        ...#....#.
        ....####..
        ..........
    """),
    ("Hund", """
        ..........
        .##.......
        ####.....#
        .###.....#
        ..########
        ..#######.
        ..#.#.#.#.
        ..#.#.#.#.
        ..........
        ..........
    """),
    ("Schnecke", """
        ..........
        .....####.
        #.#.#....#
        .#..#.##.#
        .#..#.##.#
        .#..#....#
        .##..####.
        ##########
        ..........
        ..........
    """),
    ("Vogel", """
        ..........
        ..###.....
        .##.#.....
        ..###...##
        ..#######.
        ...#####..
        ....###...
        ....#.#...
        ...##.##..
        ..........
    """),
    ("Falter", """
        ..#....#..
        ...#..#...
        ##..##..##
        ###.##.###
        .##.##.##.
        ..#.##.#..
        .##.##.##.
        .#..##..#.
        ..........
        ..........
    """),
    ("Haus", """
        ....##....
        ...#..#...
        ..#....#..
        .#......#.
        .########.
        .#......#.
        .#.##.#.#.
        .#.##.#.#.
        .#....#.#.
        .########.
    """),
    ("Herz", """
        ..........
        ..........
        ..##..##..
        .########.
        .########.
        ..######..
        ...####...
        ....##....
        ..........
        ..........
    """),
    ("Tanne", """
        ....##....
        ...####...
        ..######..
        ...####...
        ..######..
        .########.
        ....##....
        ....##....
        ..........
        ..........
    """),
    ("Stern", """
        ....##....
        ...####...
        ##########
        .########.
        ..######..
        .###..###.
        .#......#.
        ..........
        ..........
        ..........
    """),
    ("Smiley", """
        ...####...
        ..#....#..
        .#......#.
        #..#..#..#
        #........#
        #.#....#.#
        #..####..#
        .#......#.
        ..#....#..
        ...####...
    """),
    ("Sonne", """
        ....##....
        .#......#.
        ..#....#..
        ....##....
        ##.####.##
        ##.####.##
        ....##....
        ..#....#..
        .#......#.
        ....##....
    """),
    ("Blume", """
        ...####...
        ..##..##..
        ..#.##.#..
        ..##..##..
        ...####...
        ....##....
        .##.##....
        ..####.##.
        ....####..
        ....##....
    """),
    ("Pilz", """
        ..........
        ...####...
        .##.##.##.
        ###.##.###
        .########.
        ...#..#...
        ...#..#...
        ...####...
        ..........
        ..........
    """),
    ("Boot", """
        ....#.....
        ....##....
        ....###...
        ....####..
        ....#####.
        ....#.....
        ##########
        .########.
        ...####...
        ..........
    """),
    ("Auto", """
        ..........
        ..........
        ...####...
        ..#.##.#..
        .########.
        ##########
        ..##..##..
        ..##..##..
        ..........
        ..........
    """),
    ("Schlüssel", """
        ..........
        ..###.....
        .#...#....
        .#...#....
        .#...#....
        ..###.....
        ...#......
        ...####...
        ...#......
        ...###....
    """),
    ("Pfeil", """
        ..........
        ......#...
        ......##..
        ......###.
        ##########
        ##########
        ......###.
        ......##..
        ......#...
        ..........
    """),
    ("Das A", """
        ..........
        ...####...
        ..##..##..
        ..##..##..
        ..######..
        ..######..
        ..##..##..
        ..##..##..
        ..##..##..
        ..........
    """),
    ("Das E", """
        ..........
        ..######..
        ..######..
        ..##......
        ..#####...
        ..#####...
        ..##......
        ..######..
        ..######..
        ..........
    """),
    ("Das Z", """
        .########.
        .......##.
        ......##..
        .....##...
        ....##....
        ...##.....
        ..##......
        .##.......
        .########.
        ..........
    """),
    ("Ziffer 1", """
        .....##...
        ....###...
        ...####...
        ..##.##...
        .....##...
        .....##...
        .....##...
        .....##...
        ...######.
        ...######.
    """),
    ("Ziffer 5", """
        ..######..
        ..######..
        ..##......
        ..#####...
        ......##..
        ......##..
        ......##..
        ..##..##..
        ...####...
        ..........
    """),
    ("Ziffer 8", """
        ..........
        ...####...
        ..##..##..
        ..##..##..
        ...####...
        ..##..##..
        ..##..##..
        ..##..##..
        ...####...
        ..........
    """),
    ("Kreuz", """
        ..........
        ....##....
        ....##....
        ....##....
        .########.
        .########.
        ....##....
        ....##....
        ....##....
        ..........
    """),
    ("Quadrat", """
        ..........
        .########.
        .#......#.
        .#......#.
        .#......#.
        .#......#.
        .#......#.
        .#......#.
        .########.
        ..........
    """),
    ("Treppe", """
        ..........
        #.........
        ##........
        ###.......
        ####......
        #####.....
        ######....
        #######...
        ########..
        ..........
    """),
    ("Raute", """
        ....##....
        ...#..#...
        ..#....#..
        .#......#.
        #........#
        #........#
        .#......#.
        ..#....#..
        ...#..#...
        ....##....
    """),
    ("Streifen", """
        #.#.#.#.#.
        .#.#.#.#.#
        ..........
        ..........
        #.#.#.#.#.
        .#.#.#.#.#
        ..........
        ..........
        #.#.#.#.#.
        .#.#.#.#.#
    """),
]

MIN_MARKED = 10
MAX_MARKED = 40


def drawing_rows(drawing):
    """Return the ten rows of a drawing with surrounding blanks removed."""
    return [line.strip() for line in drawing.strip().splitlines()]


def to_cells(drawing):
    """Convert a 10-line drawing to the 100-character '0'/'1' cell string."""
    rows = drawing_rows(drawing)
    assert len(rows) == 10, "drawing must have 10 rows, has %d" % len(rows)
    for row in rows:
        assert len(row) == 10, "row %r must have 10 characters" % row
        assert set(row) <= {"#", "."}, "row %r has invalid characters" % row
    return "".join("1" if ch == "#" else "0" for row in rows for ch in row)


def check_name(name):
    assert name, "empty name"
    assert "," not in name and '"' not in name, "bad character in %r" % name
    assert not name[0].isspace(), "name %r begins with a blank" % name
    assert "\r" not in name and "\n" not in name
    name.encode("cp1252")  # raises if not representable


def build_library(patterns):
    """Return the file contents (bytes) for the given (name, drawing) list."""
    names = [name for name, _ in patterns]
    assert len(set(names)) == len(names), "duplicate pattern names"
    lines = []
    for name, drawing in patterns:
        check_name(name)
        cells = to_cells(drawing)
        marked = cells.count("1")
        assert MIN_MARKED <= marked <= MAX_MARKED, \
            "%s has %d marked cells" % (name, marked)
        lines.append(name)
        lines.append(cells)
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def read_library(data):
    """Parse file contents back into a list of (name, cells) pairs."""
    assert data.endswith(b"\r\n"), "file must end with CR LF"
    text = data.decode("cp1252")
    lines = text.split("\r\n")
    assert lines[-1] == ""
    lines = lines[:-1]
    assert all("\n" not in l and "\r" not in l for l in lines), "stray line break"
    assert len(lines) % 2 == 0, "odd number of lines"
    return [(lines[i], lines[i + 1]) for i in range(0, len(lines), 2)]


def verify(data, patterns):
    """Check the written file and return its (name, cells) pairs."""
    entries = read_library(data)
    assert len(entries) == len(patterns)
    for (name, cells), (want_name, drawing) in zip(entries, patterns):
        assert name == want_name
        assert len(cells) == 100 and set(cells) <= {"0", "1"}
        assert MIN_MARKED <= cells.count("1") <= MAX_MARKED
        assert cells == to_cells(drawing)
        # cell n = index n-1 lies in row (n-1)//10, column (n-1)%10
        rows = drawing_rows(drawing)
        for n in range(1, 101):
            r, c = (n - 1) // 10, (n - 1) % 10
            assert (cells[n - 1] == "1") == (rows[r][c] == "#")
    return entries


def self_test():
    # Cell numbering: top-left is cell 1, end of first row is 10, 11 starts row 2.
    d = "\n".join(["#........#", "#........."] + ["." * 10] * 7 + ["........##"])
    cells = to_cells(d)
    assert [i + 1 for i, ch in enumerate(cells) if ch == "1"] == [1, 10, 11, 99, 100]
    # Round trip and byte level format of a tiny library.
    sample = [("Schlüssel", "\n".join(["##########"] * 2 + ["." * 10] * 8))]
    data = build_library(sample)
    assert data == b"Schl\xfcssel\r\n" + b"1" * 20 + b"0" * 80 + b"\r\n"
    assert read_library(data) == [("Schlüssel", "1" * 20 + "0" * 80)]
    # Invalid input is rejected.
    for bad in [("A,B", d), ('"A"', d), (" A", d), ("A", d.replace("#", ".")),
                ("A", "\n".join(["#" * 10] * 10)), ("A", d[:-1])]:
        try:
            build_library([bad])
        except AssertionError:
            pass
        else:
            raise AssertionError("accepted bad pattern %r" % (bad[0],))


def render(cells):
    return "\n".join(
        "".join("#" if ch == "1" else "." for ch in cells[r * 10:r * 10 + 10])
        for r in range(10))


def main(argv):
    self_test()
    here = os.path.dirname(os.path.abspath(__file__))
    show = "--show" in argv
    args = [a for a in argv[1:] if a != "--show"]
    path = args[0] if args else os.path.join(here, "ZEP100.TXT")
    assert len(PATTERNS) >= 24
    data = build_library(PATTERNS)
    with open(path, "wb") as f:
        f.write(data)
    with open(path, "rb") as f:
        entries = verify(f.read(), PATTERNS)
    for name, cells in entries:
        print("%-22s %2d" % (name, cells.count("1")))
        if show:
            print(render(cells))
            print()
    print("%d patterns written to %s" % (len(entries), path))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

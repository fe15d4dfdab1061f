#!/usr/bin/env python3
"""Builds the game's .level files from the readable ASCII maps in data/.

Usage: build_levels.py <map folder> <output Levels folder>

Every <map folder>/<name>.map becomes <output>/<name>.level, and <output>/Custom is created
so the editor can save there. A map that breaks a rule a player would trip over (no start, a
flag in mid-air, a walker with no floor, a saucer that would fly off the level) stops the build
with a message naming the file, the row and the column.

A map file, line by line:
    # comment              (also after the fields of any line)
    layer1 <path>   layer2 <path>   layer3 <path>      the three background layers
    tile <char> <code>                                 a tile of the grid (codes of the level format)
    entity <char> <TypeName> [<extra field> ...] [in <tile char>]
                                                       an object placed in that cell
    section <name>                                     starts a slice of the level
    |<row characters>                                  one row of the current slice
Slices are joined left to right; each has the same number of rows, and all rows of one slice
have the same width. A cell holding an entity character is an empty tile, or the tile named
after "in": a coin in a pool sits in water, not in a hole of air that shows the sky.
"""
import os
import sys

TILE = 32
# Codes of the tiles that block movement: grass, brick, jelly, ship floor, bomb trap, steel,
# the two belts and the two dirts.
SOLID_CODES = {1, 5, 7, 9, 10, 11, 12, 13, 14, 15}
START_CODE = 16
# Tiles that end a life on touch: spikes and sludge.
DEADLY_CODES = {2, 8}

# Collision boxes of the placeable objects.
SIZES = {
    "CircleMan": (25, 25), "UFRO": (40, 30), "Flag": (100, 298),
    "Money": (22, 15), "OneUp": (20, 20), "DrVim": (15, 20),
    "EnergyDrink": (15, 20), "JetPack": (27, 27),
    "SmallBlorp": (20, 20), "MediumBlorp": (35, 35), "LargeBlorp": (50, 50), "Smashy": (60, 60),
    "Pirate": (40, 40), "Tank": (150, 100),
    "RobotGuard": (50, 45), "MissileBot": (30, 45), "Overlord": (500, 480),
    "Soldier": (32, 32), "Ninja": (32, 32), "Bomber": (200, 100), "Baron": (51, 59),
}
# Extra integer fields each record carries after x and y.
EXTRA_FIELDS = {"CircleMan": 1, "UFRO": 1, "SmallBlorp": 1, "MediumBlorp": 1, "LargeBlorp": 1, "Pirate": 1,
                "RobotGuard": 1, "Soldier": 1, "Ninja": 1, "Baron": 2}
# Objects that stand on the floor. Their bottom edge lies on the floor's top pixel row, where
# their own floor test looks (and where the editor drops them).
STANDING = {"CircleMan", "Flag", "SmallBlorp", "MediumBlorp", "LargeBlorp", "Pirate", "Tank",
            "RobotGuard", "Overlord", "Soldier", "Ninja", "Baron"}
# Standing objects wider than a cell start at their cell's left edge instead of centred on it.
LEFT_ALIGNED = {"Flag", "Tank", "Overlord"}
FLYING = {"UFRO"}
# A crusher hangs with its top in its cell, spanning that cell and the next one to the right.
HANGING = {"Smashy"}
HANGING_INSET = 2
# The flag's base, which the hero lands on, reaches 53 pixels to the right of the pole's x.
FLAG_BASE_WIDTH = 53


class MapError(Exception):
    pass


class LevelMap:
    def __init__(self):
        self.layers = [None, None, None]
        self.tiles = {}
        self.entities = {}
        self.settings = {}  # entity character: the tile character its cell holds
        self.sections = []  # (name, first line number, rows)

    def cell_code(self, grid, col, row):
        if row < 0 or row >= len(grid) or col < 0 or col >= len(grid[0]):
            return 0
        return grid[row][col]


def without_comment(words):
    """Drops a trailing comment. A legend line's own character may be '#', so a comment starts
    at a word beginning with '#' anywhere but in second place."""
    for index, word in enumerate(words):
        if word.startswith("#") and index != 1:
            return words[:index]
    return words


def parse(path):
    level = LevelMap()
    with open(path, encoding="ascii") as source:
        lines = source.read().split("\n")
    for number, line in enumerate(lines, 1):
        where = "%s:%d" % (path, number)
        if line.startswith("|"):
            if not level.sections:
                raise MapError("%s: a map row before any section" % where)
            level.sections[-1][2].append((number, line[1:]))
            continue
        words = without_comment(line.split())
        if not words:
            continue
        key = words[0]
        if key in ("layer1", "layer2", "layer3") and len(words) == 2:
            level.layers[int(key[-1]) - 1] = words[1]
        elif key == "tile" and len(words) == 3 and len(words[1]) == 1:
            level.tiles[words[1]] = int(words[2])
        elif key == "entity" and len(words) >= 3 and len(words[1]) == 1:
            if len(words) >= 5 and words[-2] == "in":
                level.settings[words[1]] = words[-1]
                words = words[:-2]
            name, extras = words[2], [int(value) for value in words[3:]]
            if name not in SIZES:
                raise MapError("%s: unknown object type %s" % (where, name))
            if len(extras) != EXTRA_FIELDS.get(name, 0):
                raise MapError("%s: %s takes %d extra fields" % (where, name, EXTRA_FIELDS.get(name, 0)))
            level.entities[words[1]] = (name, extras)
        elif key == "section" and len(words) == 2:
            level.sections.append((words[1], number, []))
        else:
            raise MapError("%s: cannot read %r" % (where, line))
    for char in level.tiles:
        if char in level.entities:
            raise MapError("%s: %r is both a tile and an object" % (path, char))
    for char, setting in level.settings.items():
        if setting not in level.tiles:
            raise MapError("%s: object %r is set in %r, which is not a tile" % (path, char, setting))
    if None in level.layers:
        raise MapError("%s: all three layers must be named" % path)
    if not level.sections:
        raise MapError("%s: no map sections" % path)
    return level


def join_sections(path, level):
    """Returns the map as rows of characters, and the (file line, section column) of each cell."""
    height = len(level.sections[0][2])
    rows = [""] * height
    origin = [[] for _ in range(height)]
    for name, number, section_rows in level.sections:
        if len(section_rows) != height:
            raise MapError("%s:%d: section %s has %d rows, the first has %d"
                           % (path, number, name, len(section_rows), height))
        width = len(section_rows[0][1])
        for r, (line_number, text) in enumerate(section_rows):
            if len(text) != width:
                raise MapError("%s:%d: row is %d wide, its section is %d"
                               % (path, line_number, len(text), width))
            rows[r] += text
            origin[r].extend((line_number, c + 1) for c in range(width))
    return rows, origin


def check_floor(path, grid, origin):
    """Below the level nothing is solid and nothing kills: a hero who drops out of the bottom
    would fall for ever. Every cell of the bottom row has to catch him or end the life."""
    if not grid:
        return
    bottom = len(grid) - 1
    for col, code in enumerate(grid[bottom]):
        if code not in SOLID_CODES and code not in DEADLY_CODES:
            line_number, column = origin[bottom][col]
            raise MapError("%s:%d: column %d: a hole in the bottom row, the hero would fall out of the level"
                           % (path, line_number, column))


def place(name, extras, col, row):
    w, h = SIZES[name]
    if name in STANDING:
        x = col * TILE + (TILE - w) // 2 if name not in LEFT_ALIGNED else col * TILE
        y = (row + 1) * TILE - h
    elif name in HANGING:
        x = col * TILE + HANGING_INSET
        y = row * TILE
    else:
        x = col * TILE + (TILE - w) // 2
        y = row * TILE + (TILE - h) // 2
    return [name, x, y] + extras


def check_standing(path, grid, where, name, col, row):
    solid = lambda c, r: 0 <= r < len(grid) and 0 <= c < len(grid[0]) and grid[r][c] in SOLID_CODES
    if not solid(col, row + 1):
        raise MapError("%s: %s has no solid floor under it" % (where, name))
    if name == "Flag" and not solid((col * TILE + FLAG_BASE_WIDTH) // TILE, row + 1):
        raise MapError("%s: the flag's base overhangs its floor" % where)
    if name == "Tank":
        # It is driven on this floor later: a gap under either end would stop it where it stands.
        for c in range(col, (col * TILE + w_of(name) - 1) // TILE + 1):
            if not solid(c, row + 1):
                raise MapError("%s: the tank's floor has a gap at column %d" % (where, c + 1))
            # Driven, it stops at anything solid from 10 pixels below its top down; its top few
            # pixels may reach into the row above, under a low roof.
            for r in range(row - 2, row + 1):
                if solid(c, r):
                    raise MapError("%s: the tank runs into solid ground at row %d" % (where, r))
    if name == "Flag":
        for r in range(row - 9, row + 1):
            for c in range(col, col + 4):
                if solid(c, r):
                    raise MapError("%s: the flagpole runs into solid ground at row %d" % (where, r))


def w_of(name):
    return SIZES[name][0]


def check_hanging(path, grid, where, col, row):
    """A crusher needs room to hang and a floor to land on: without one it drops out of the level."""
    solid = lambda c, r: 0 <= r < len(grid) and 0 <= c < len(grid[0]) and grid[r][c] in SOLID_CODES
    for c in (col, col + 1):
        for r in (row, row + 1):
            if solid(c, r):
                raise MapError("%s: the crusher hangs inside solid ground" % where)
    if not any(solid(c, r) for c in (col, col + 1) for r in range(row + 2, len(grid))):
        raise MapError("%s: the crusher has no floor below it" % where)


def check_flying(path, grid, where, col, row):
    """A saucer patrols its row and turns only at walls: it needs one on each side."""
    lane = grid[row]
    for neighbour in (col - 1, col + 1):
        if 0 <= neighbour < len(lane) and lane[neighbour] in SOLID_CODES:
            raise MapError("%s: a saucer needs a free cell on both sides" % where)
    left = any(code in SOLID_CODES for code in lane[:col])
    right = any(code in SOLID_CODES for code in lane[col + 1:])
    if not (left and right):
        raise MapError("%s: a saucer's row needs a wall on both sides or it flies off the level" % where)


def convert(path):
    level = parse(path)
    rows, origin = join_sections(path, level)
    grid = []
    placed = []  # (col, row, char)
    for r, text in enumerate(rows):
        codes = []
        for c, char in enumerate(text):
            if char in level.tiles:
                codes.append(level.tiles[char])
            elif char in level.entities:
                codes.append(level.tiles[level.settings[char]] if char in level.settings else 0)
                placed.append((c, r, char))
            else:
                line_number, column = origin[r][c]
                raise MapError("%s:%d: column %d: %r is not in the legend" % (path, line_number, column, char))
        grid.append(codes)
    check_floor(path, grid, origin)
    starts = [(c, r) for r, codes in enumerate(grid) for c, code in enumerate(codes) if code == START_CODE]
    if len(starts) != 1:
        raise MapError("%s: the map needs exactly one start marker, it has %d" % (path, len(starts)))
    records = []
    flags = 0
    # Column by column, so the objects are listed in the order the hero meets them.
    for c, r, char in sorted(placed):
        name, extras = level.entities[char]
        line_number, column = origin[r][c]
        where = "%s:%d: column %d" % (path, line_number, column)
        if name in STANDING:
            check_standing(path, grid, where, name, c, r)
        if name in FLYING:
            check_flying(path, grid, where, c, r)
        if name in HANGING:
            check_hanging(path, grid, where, c, r)
        flags += name == "Flag"
        records.append(place(name, extras, c, r))
    # A level ends at its flag, or at a boss that ends it itself.
    if flags > 1:
        raise MapError("%s: the map has %d flags, a level ends at one" % (path, flags))
    return level.layers, grid, records


def level_text(layers, grid, records):
    lines = list(layers)
    lines.append(str(len(grid[0]) if grid else 0))
    lines.append(str(len(grid)))
    for codes in grid:
        lines.append("".join("%d " % code for code in codes))
    for record in records:
        lines.append(" ".join(str(field) for field in record))
    return "\n".join(lines) + "\n"


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: build_levels.py <map folder> <output Levels folder>\n")
        return 2
    source, out = argv[1], argv[2]
    os.makedirs(os.path.join(out, "Custom"), exist_ok=True)
    names = sorted(name for name in os.listdir(source) if name.endswith(".map"))
    failed = False
    for name in names:
        try:
            text = level_text(*convert(os.path.join(source, name)))
        except MapError as error:
            sys.stderr.write("error: %s\n" % error)
            failed = True
            continue
        target = os.path.join(out, name[:-len(".map")] + ".level")
        # Unchanged levels keep their time stamps, so nothing downstream rebuilds for nothing.
        if os.path.exists(target):
            with open(target, encoding="ascii") as old:
                if old.read() == text:
                    continue
        with open(target, "w", encoding="ascii", newline="\n") as level_file:
            level_file.write(text)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

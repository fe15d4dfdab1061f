"""Checks of the level converter: the exact file layout the game reads, where objects end up,
and the mistakes in a map that must stop the build."""
import os
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import build_levels  # noqa: E402

HEADER = """layer1 gfx/a.png
layer2 gfx/b.png
layer3 gfx/c.png
tile . 0
tile # 1
tile B 5
tile P 16
entity c CircleMan 1
entity u UFRO 0
entity $ Money
entity F Flag
"""
DATA = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "data")


def convert(text):
    with tempfile.NamedTemporaryFile("w", suffix=".map", delete=False) as source:
        source.write(text)
    try:
        return build_levels.level_text(*build_levels.convert(source.name))
    finally:
        os.unlink(source.name)


def tall_map(rows):
    """A map whose first ten rows are empty sky, so a flagpole fits above the given rows."""
    width = len(rows[0])
    return HEADER + "section a\n" + "".join("|" + "." * width + "\n" for _ in range(10)) + \
        "".join("|%s\n" % row for row in rows)


class LayoutTest(unittest.TestCase):
    def test_small_level_in_the_game_format(self):
        text = convert(HEADER + "section a\n|$...\n|P.c.\n|####\n")
        self.assertEqual(
            "gfx/a.png\ngfx/b.png\ngfx/c.png\n4\n3\n0 0 0 0 \n16 0 0 0 \n1 1 1 1 \n"
            "Money 5 8\nCircleMan 67 39 1\n", text)

    def test_sections_join_left_to_right_and_objects_follow_columns(self):
        text = convert(HEADER + "section a\n|..$\n|P..\n|###\nsection b\n|$.\n|.c\n|##\n")
        lines = text.split("\n")
        self.assertEqual(["5", "3"], lines[3:5])
        self.assertEqual("0 0 0 0 0 ", lines[5])
        self.assertEqual(["Money 69 8", "Money 101 8", "CircleMan 131 39 1"], lines[8:11])

    def test_object_set_in_a_tile_keeps_that_tile_under_it(self):
        text = convert(HEADER + "tile ~ 3\nentity w Money in ~\nsection a\n|P~w~\n|####\n")
        self.assertEqual(["16 3 3 3 ", "1 1 1 1 ", "Money 69 8"], text.split("\n")[5:8])
        with self.assertRaises(build_levels.MapError):
            convert(HEADER + "entity w Money in ~\nsection a\n|P.w.\n|####\n")

    def test_walker_stands_where_its_floor_test_finds_ground(self):
        # y + h is the floor's top pixel row: the walker's own floor test looks there.
        record = convert(HEADER + "section a\n|P.\n|.c\n|##\n").split("\n")[-2]
        _, x, y, face = record.split()
        self.assertEqual((35, 64 - 25, "1"), (int(x), int(y), face))

    def test_flag_stands_on_the_ground(self):
        text = convert(tall_map(["P...F....", "#########"]))
        x, y = (int(v) for v in text.strip().split("\n")[-1].split()[1:])
        self.assertEqual((128, 11 * 32 - 298), (x, y))


ALIEN_HEADER = """layer1 gfx/a.png
layer2 gfx/b.png
layer3 gfx/c.png
tile . 0
tile # 7
tile ~ 8
tile P 16
entity b LargeBlorp 1
entity p Pirate 0
entity T Tank
entity M Smashy
"""


class AlienObjectTest(unittest.TestCase):
    def records(self, rows):
        text = convert(ALIEN_HEADER + "section a\n" + "".join("|%s\n" % row for row in rows))
        return [line.split() for line in text.strip().split("\n")[5 + len(rows):]]

    def test_blorps_and_pirates_stand_centred_on_their_cell(self):
        self.assertEqual([["LargeBlorp", "23", "14", "1"], ["Pirate", "60", "24", "0"]],
                         self.records(["...", "Pbp", "###"]))

    def test_tank_stands_from_its_cell_rightwards(self):
        rows = ["......", "......", "......", "PT....", "######"]
        self.assertEqual([["Tank", "32", str(4 * 32 - 100)]], self.records(rows))

    def test_crusher_hangs_from_the_top_of_its_cell(self):
        rows = ["####", ".M..", "....", "P...", "####"]
        self.assertEqual([["Smashy", "34", "32"]], self.records(rows))

    def test_misplaced_tank_or_crusher_stops_the_build(self):
        def refused(rows, words):
            with self.assertRaises(build_levels.MapError) as caught:
                self.records(rows)
            self.assertIn(words, str(caught.exception))
        refused(["......", "......", "......", "PT....", "####.#", "######"], "gap")
        refused(["......", "....#.", "......", "PT....", "######"], "runs into")
        refused(["....", ".M#.", "....", "P...", "####"], "inside")
        refused(["....", "..M.", "....", "P...", "##~~"], "no floor")


CITY_HEADER = """layer1 gfx/a.png
layer2 gfx/b.png
layer3 gfx/c.png
tile . 0
tile # 11
tile P 16
entity g RobotGuard 1
entity m MissileBot
entity O Overlord
entity s Soldier 0
entity n Ninja 1
entity b Baron 0 1
"""


class CityAndRoundObjectTest(unittest.TestCase):
    def records(self, rows):
        text = convert(CITY_HEADER + "section a\n" + "".join("|%s\n" % row for row in rows))
        return [line.split() for line in text.strip().split("\n")[5 + len(rows):]]

    def test_walkers_stand_on_their_floor_and_keep_all_their_fields(self):
        # The Baron keeps both his fields; the last one makes his defeat end the level.
        self.assertEqual([["RobotGuard", "23", str(64 - 45), "1"], ["Soldier", "64", "32", "0"],
                          ["Ninja", "96", "32", "1"], ["MissileBot", "129", "-7"],
                          ["Baron", "118", str(64 - 59), "0", "1"]],
                         self.records(["....m", "Pgsnb", "#####"]))

    def test_overlord_stands_from_its_cell_rightwards(self):
        rows = ["." * 17] * 15 + ["O" + "." * 15 + "P", "#" * 17]
        self.assertEqual([["Overlord", "0", str(16 * 32 - 480)]], self.records(rows))


class MistakeTest(unittest.TestCase):
    def assertRefused(self, text, words):
        with self.assertRaises(build_levels.MapError) as caught:
            convert(text)
        self.assertIn(words, str(caught.exception))

    def test_map_mistakes_stop_the_build(self):
        self.assertRefused(HEADER + "section a\n|P.X\n|###\n", "not in the legend")
        self.assertRefused(HEADER + "section a\n|P..\n|##\n", "wide")
        self.assertRefused(HEADER + "section a\n|...\n|###\n", "start marker")
        self.assertRefused(HEADER + "section a\n|P.P\n|###\n", "start marker")
        self.assertRefused(HEADER + "section a\n|P.c\n|##.\n|###\n", "no solid floor")
        self.assertRefused(HEADER + "section a\n|P..\n|###\nsection b\n|..\n", "rows")
        self.assertRefused(HEADER + "section a\n|P..\n|#.#\n", "bottom row")

    def test_flag_mistakes(self):
        self.assertRefused(tall_map(["P.F...F..", "#########"]), "flags")
        self.assertRefused(tall_map(["P...F....", "####.....", "#########"]), "no solid floor")
        self.assertRefused(tall_map(["P...F....", "#####....", "#########"]), "overhangs")
        self.assertRefused(tall_map(["......B..", "P...F....", "#########"]), "runs into")

    def test_saucer_needs_a_wall_on_each_side(self):
        self.assertRefused(HEADER + "section a\n|B.u...\n|P.....\n|######\n", "flies off")
        self.assertRefused(HEADER + "section a\n|..u..B\n|P.....\n|######\n", "flies off")
        self.assertRefused(HEADER + "section a\n|B.uB\n|P...\n|####\n", "free cell")
        convert(HEADER + "section a\n|B.u..B\n|P.....\n|######\n")


class StoryLevelTest(unittest.TestCase):
    def test_story_maps_build_the_same_files_every_time(self):
        with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second:
            for out in (first, second):
                subprocess.run([sys.executable, build_levels.__file__, DATA, out], check=True)
            self.assertTrue(os.path.isdir(os.path.join(first, "Custom")))
            names = sorted(name for name in os.listdir(first) if name.endswith(".level"))
            self.assertIn("TumboWorld1.level", names)
            self.assertIn("TumboWorld2.level", names)
            for name in names:
                with open(os.path.join(first, name)) as a, open(os.path.join(second, name)) as b:
                    self.assertEqual(a.read(), b.read())


if __name__ == "__main__":
    unittest.main()

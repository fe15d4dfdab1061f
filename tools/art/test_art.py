#!/usr/bin/env python3
"""Checks of the art driver and of properties the game relies on:
colour keying, manifest and drawer bookkeeping, seamless scenery and tiles,
and opaque pictures that really are opaque.

    python3 tools/art/test_art.py
"""
import os
import sys
import tempfile
import types
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import generate  # noqa: E402  (re-runs under the system Python when Pillow is missing)
import kit  # noqa: E402
from PIL import Image, ImageChops, ImageStat  # noqa: E402

MAGENTA = (255, 0, 255)
ENTRIES = generate.read_manifest(os.path.join(HERE, "manifest.txt"))
DRAWERS, OWNER = generate.collect_drawers(allow_missing=True)


def draw(path):
    entry = next(e for e in ENTRIES if e.path == path)
    return DRAWERS[path](entry.w, entry.h)


def column_changes(img, a, b, threshold=40):
    """How many pixels differ clearly between columns a and b."""
    col_a = img.convert("RGB").crop((a, 0, a + 1, img.height))
    col_b = img.convert("RGB").crop((b, 0, b + 1, img.height))
    diff = ImageChops.difference(col_a, col_b).convert("L")
    return sum(1 for v in diff.getdata() if v > threshold)


def rows_as_columns(img):
    """The picture turned so that its rows become columns."""
    return img.transpose(Image.Transpose.TRANSPOSE)


def assert_joins_itself(case, img, path):
    """The last column must follow on to the first about as smoothly as any
    column follows its neighbour inside the picture."""
    w = img.width
    inner = max(column_changes(img, x, x + 1) for x in range(0, w - 1, max(1, w // 40)))
    seam = column_changes(img, w - 1, 0)
    case.assertLessEqual(seam, inner * 1.5 + 3, f"{path} shows a seam where it repeats")


class ManifestFile:
    """A throw-away manifest with the given lines."""

    def __init__(self, lines):
        self.file = tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False)
        self.file.write("\n".join(lines) + "\n")
        self.file.close()

    def __enter__(self):
        return self.file.name

    def __exit__(self, *exc):
        os.unlink(self.file.name)


class KeyingTest(unittest.TestCase):
    def test_key_turns_see_through_pixels_magenta_and_keeps_the_rest_solid(self):
        img = Image.new("RGBA", (4, 1))
        img.putdata([(10, 20, 30, 0), (10, 20, 30, 127), (10, 20, 30, 128), (200, 100, 50, 255)])
        out = generate.to_key(img)
        self.assertEqual(out.mode, "RGB")
        self.assertEqual(list(out.getdata()), [MAGENTA, MAGENTA, (10, 20, 30), (200, 100, 50)])

    def test_figure_pixels_never_end_up_magenta(self):
        # Exact magenta, and a colour that a 16-bit display would round to it.
        img = Image.new("RGBA", (2, 1))
        img.putdata([(255, 0, 255, 255), (250, 6, 249, 255)])
        for out in (generate.to_key(img), generate.to_opaque(img)):
            for r, g, b in out.getdata():
                self.assertFalse(r >= 248 and g < 8 and b >= 248, (r, g, b))

    def test_opaque_pictures_are_flattened(self):
        img = Image.new("RGBA", (2, 1))
        img.putdata([(0, 0, 0, 0), (90, 90, 90, 255)])
        out = generate.to_opaque(img)
        self.assertEqual(out.mode, "RGB")
        self.assertEqual(list(out.getdata()), [(0, 0, 0), (90, 90, 90)])


class ManifestAndDrawersTest(unittest.TestCase):
    def test_reader_keeps_spaces_in_paths(self):
        with ManifestFile(["# comment", "gfx/Tumbo Man/0-1.png\t32\t32\tkey",
                           "gfx/Fonts/Stat font.ttf\t0\t0\tfont"]) as path:
            entries = generate.read_manifest(path)
        self.assertEqual([e.path for e in entries], ["gfx/Tumbo Man/0-1.png", "gfx/Fonts/Stat font.ttf"])
        self.assertEqual((entries[0].w, entries[0].h, entries[0].kind), (32, 32, "key"))

    def test_reader_rejects_malformed_lines(self):
        bad = [
            ["gfx/a.png\t32\t32"],                                # a field missing
            ["gfx/a.png\t32\t32\tshiny"],                         # unknown kind
            ["gfx/a.png\t32\t32\tkey", "gfx/a.png\t8\t8\tkey"],   # listed twice
            ["pics/a.png\t32\t32\tkey"],                          # outside gfx/
        ]
        for lines in bad:
            with ManifestFile(lines) as path, self.assertRaises(SystemExit, msg=lines):
                generate.read_manifest(path)

    def test_two_modules_drawing_one_picture_is_an_error(self):
        for name in ("fake_one", "fake_two"):
            module = types.ModuleType(name)
            module.pictures = lambda: {"gfx/a.png": lambda w, h: kit.canvas(w, h)}
            sys.modules[name] = module
        try:
            with self.assertRaises(SystemExit):
                generate.collect_drawers(False, ["fake_one", "fake_two"])
        finally:
            del sys.modules["fake_one"], sys.modules["fake_two"]

    def test_a_drawer_for_an_unlisted_path_or_a_font_is_an_error(self):
        entries = [generate.ManifestEntry("gfx/a.png", 4, 4, "key", 1),
                   generate.ManifestEntry("gfx/Fonts/f.ttf", 0, 0, "font", 2)]
        for path in ("gfx/typo.png", "gfx/Fonts/f.ttf"):
            with self.assertRaises(SystemExit, msg=path):
                generate.check_drawers(entries, {path: None}, {path: "fake"})

    def test_wrong_size_or_missing_drawer_fails_unless_placeholders_are_allowed(self):
        entry = generate.ManifestEntry("gfx/a.png", 8, 6, "key", 1)
        with self.assertRaises(SystemExit):
            generate.render(entry, {"gfx/a.png": lambda w, h: kit.canvas(w + 1, h)}, False)
        with self.assertRaises(SystemExit):
            generate.render(entry, {}, False)
        out = generate.render(entry, {}, True)
        colours = set(out.getdata())
        self.assertIn(MAGENTA, colours)
        self.assertGreater(len(colours - {MAGENTA}), 0)

    def test_every_manifest_picture_has_a_drawer(self):
        missing = [e.path for e in ENTRIES if e.kind != "font" and e.path not in DRAWERS]
        self.assertEqual(missing, [])


class SceneryTest(unittest.TestCase):
    def test_every_background_layer_repeats_without_a_seam(self):
        for e in ENTRIES:
            if e.path.startswith("gfx/Backgrounds/") and e.path in DRAWERS and "EditorBG" not in e.path:
                assert_joins_itself(self, draw(e.path), e.path)

    def test_ground_tiles_join_their_neighbours(self):
        ground = ["TumboWorld/grass", "TumboWorld/brick", "RoundWorld/Dirt/0", "RoundWorld/Dirt/1",
                  "SpacePirate/ship_floor", "Blorp/Sludge/0", "Special/water"]
        ground += [f"RobotCity/conveyor/{d}-{f}" for d in (0, 1) for f in (0, 1)]
        for name in ground:
            path = f"gfx/Tiles/{name}.png"
            assert_joins_itself(self, draw(path), path)

    def test_stacked_ground_joins_on_all_sides(self):
        # The inner pictures fill deep ground, so they must repeat up, down and
        # across without a seam; soil runs on from its surface into its inner picture.
        inner = ["TumboWorld/earth", "Blorp/Jelly/inner", "SpacePirate/hull", "RobotCity/steel/inner",
                 "RoundWorld/Dirt/deep"]
        for name in inner:
            path = f"gfx/Tiles/{name}.png"
            assert_joins_itself(self, draw(path), path)
            assert_joins_itself(self, rows_as_columns(draw(path)), path + " (top to bottom)")
        def brightness(img, box):
            return ImageStat.Stat(img.convert("L").crop(box)).mean[0]

        for surface, below in (("TumboWorld/grass", "TumboWorld/earth"), ("RoundWorld/Dirt/0", "RoundWorld/Dirt/deep"),
                               ("RoundWorld/Dirt/1", "RoundWorld/Dirt/deep")):
            step = (brightness(draw(f"gfx/Tiles/{surface}.png"), (0, 28, 32, 32)) -
                    brightness(draw(f"gfx/Tiles/{below}.png"), (0, 0, 32, 4)))
            self.assertLess(abs(step), 4, f"{surface} steps into {below}")

    def test_the_pause_frame_leaves_the_hero_in_sight(self):
        # The camera centres the hero at (304, 224); the picture is drawn at (195, 190).
        pause = draw("gfx/pause.png")
        hero = pause.getchannel("A").crop((304 - 195, 224 - 190, 336 - 195, 256 - 190))
        self.assertLess(hero.getextrema()[1], generate.ALPHA_CUT)
        self.assertEqual(next(e for e in ENTRIES if e.path == "gfx/pause.png").kind, "key")

    def test_opaque_pictures_fill_every_pixel(self):
        # A see-through pixel in a picture drawn without a key would show black.
        for e in ENTRIES:
            if e.kind in ("opaque", "alpha") and e.path in DRAWERS:
                low = draw(e.path).getchannel("A").getextrema()[0]
                self.assertEqual(low, 255, f"{e.path} ({OWNER[e.path]}) has see-through pixels")

    def test_nearer_layers_leave_the_sky_open(self):
        # A keyed layer that covers the whole screen would hide the layers behind it
        # (the ship's wall only opens at its portholes, hence the low bar).
        for e in ENTRIES:
            if e.path.startswith("gfx/Backgrounds/") and e.kind == "key" and e.path in DRAWERS:
                alpha = draw(e.path).getchannel("A")
                clear = sum(1 for v in alpha.getdata() if v < 128)
                self.assertGreater(clear, alpha.width * alpha.height // 20, e.path)

    def test_bomb_trap_blast_grows_then_fades_and_leaves_a_hole(self):
        def solid(i):
            # Above the plate's rim, which the first flash still shows.
            a = draw(f"gfx/Tiles/SpacePirate/Bomb trap/{i}.png").getchannel("A").crop((0, 0, 32, 26))
            return sum(1 for v in a.getdata() if v >= 128)
        self.assertLess(solid(4), solid(5))
        self.assertLess(solid(5), solid(6))
        self.assertLess(solid(8), solid(0) // 4)


class KitTest(unittest.TestCase):
    def test_periodic_profile_joins_itself(self):
        p = kit.periodic_profile(640, "test", 300, [(2, 40), (5, 10)])
        self.assertLessEqual(abs(p[0] - p[-1]), max(abs(p[i] - p[i + 1]) for i in range(639)))

    def test_paste_wrapped_brings_the_overhang_round_to_the_left(self):
        img = kit.canvas(20, 4)
        kit.paste_wrapped(img, kit.canvas(6, 4, (255, 0, 0)), 17, 0)
        alpha = [img.getpixel((x, 0))[3] for x in range(20)]
        self.assertEqual([x for x in range(20) if alpha[x]], [0, 1, 2, 17, 18, 19])

    def test_named_noise_repeats(self):
        self.assertEqual(kit.rng("grass").random(), kit.rng("grass").random())
        self.assertNotEqual(kit.rng("grass").random(), kit.rng("brick").random())


if __name__ == "__main__":
    unittest.main()

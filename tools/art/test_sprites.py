"""Checks that the character, enemy and item pictures fit the way the game
draws them: hats on heads, the jetpack on his back, guns where shots
appear, faces towards where enemies walk, blasts that grow and fade.

Run: python3 -m unittest discover -s tools/art -p 'test_*.py'
"""

import os
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import blorp  # noqa: E402
import hero  # noqa: E402
import items  # noqa: E402
import robot_city  # noqa: E402
import round_world  # noqa: E402
import space_pirates  # noqa: E402
import sprite_kit as sk  # noqa: E402
import tumbo_world  # noqa: E402

MODULES = [hero, items, tumbo_world, blorp, space_pirates, robot_city, round_world]


def manifest():
    out = {}
    with open(os.path.join(HERE, "manifest.txt"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            path, w, h, kind = line.rstrip("\n").split("\t")
            out[path] = (int(w), int(h), kind)
    return out


MANIFEST = manifest()
_cache = {}


def pic(path):
    if path not in _cache:
        for m in MODULES:
            drawers = m.pictures()
            if path in drawers:
                w, h, _ = MANIFEST[path]
                _cache[path] = drawers[path](w, h)
                break
        else:
            raise KeyError(path)
    return _cache[path]


def opaque(img):
    a = img.getchannel("A").load()
    w, h = img.size
    return {(x, y) for y in range(h) for x in range(w) if a[x, y] >= 128}


def colour_pixels(img, colour):
    px = img.load()
    w, h = img.size
    return [(x, y) for y in range(h) for x in range(w) if px[x, y][3] >= 128 and px[x, y][:3] == tuple(colour)]


def mean_x(points):
    return sum(p[0] for p in points) / float(len(points))


def placed(points, dx, dy):
    return {(x + dx, y + dy) for x, y in points}


class PicturesMatchManifest(unittest.TestCase):
    def test_every_sprite_is_drawn_at_its_manifest_size(self):
        for m in MODULES:
            for path, draw in m.pictures().items():
                with self.subTest(path=path):
                    self.assertIn(path, MANIFEST)
                    w, h, kind = MANIFEST[path]
                    img = pic(path)
                    self.assertEqual(img.mode, "RGBA")
                    self.assertEqual(img.size, (w, h))
                    if kind == "opaque":
                        # the driver would fill see-through corners with black
                        self.assertEqual(img.getchannel("A").getextrema(), (255, 255))
                    elif not path.startswith("gfx/Hats/0-"):
                        self.assertTrue(opaque(img), "nothing drawn")

    def test_no_hat_is_empty_in_every_view(self):
        for view in range(3):
            self.assertEqual(opaque(pic("gfx/Hats/0-%d.png" % view)), set())


class HeroFits(unittest.TestCase):
    """The game draws hats at (x, y-30), the jetpack at (x+1, y+7) or (x+27, y+7)."""

    def head(self, body):
        return set(colour_pixels(body, hero.SKIN)) | set(colour_pixels(body, sk.ramp(hero.SKIN)[2]))

    def test_hats_rest_on_his_head_in_every_view(self):
        cases = [(0, "gfx/Tumbo Man/0-1.png"), (1, "gfx/Tumbo Man/1-1.png"),
                 (2, "gfx/Tumbo Man/0-4.png"), (2, "gfx/Tumbo Man/1-4.png")]
        for n in range(1, 7):
            for view, body_path in cases:
                with self.subTest(hat=n, view=view, body=body_path):
                    body = pic(body_path)
                    head = {p for p in opaque(body) if p[1] <= hero.HEAD[3]}
                    hat = placed(opaque(pic("gfx/Hats/%d-%d.png" % (n, view))), 0, -hero.HAT_DROP)
                    # it covers the crown and is centred on it
                    crown = [p for p in head if p[1] <= 3]
                    self.assertTrue(hat & head, "hat does not touch his head")
                    on_head = [p for p in hat if p[1] >= 0]
                    self.assertLess(abs(mean_x(on_head) - mean_x(crown)), 4.5)
                    # and does not float: nothing of his crown shows above the brim
                    top_of_head = min(y for x, y in head)
                    self.assertLessEqual(min(y for x, y in hat), top_of_head)

    def test_dead_frame_is_shared_so_the_dead_hat_fits_both_facings(self):
        for folder in ("gfx/Tumbo Man/", "gfx/CA/"):
            self.assertEqual(pic(folder + "0-4.png").tobytes(), pic(folder + "1-4.png").tobytes())

    def test_head_stays_put_while_walking_and_jumping(self):
        # the hat is drawn at a fixed place, so a bobbing head would leave it behind
        for facing in (0, 1):
            boxes = set()
            for frame in range(4):
                skin = colour_pixels(pic("gfx/Tumbo Man/%d-%d.png" % (facing, frame)), hero.SKIN)
                top = min(y for x, y in skin)
                boxes.add((top, min(x for x, y in skin if y == top)))
            self.assertEqual(len(boxes), 1, "head moves between frames facing %d" % facing)

    def test_walking_frames_differ_and_stand_in_the_middle(self):
        # the walk runs 2, 1, 0, 1, 2: the standing pose 1 must lie between the strides
        for folder in ("gfx/Tumbo Man/", "gfx/CA/"):
            f = [opaque(pic(folder + "0-%d.png" % i)) for i in range(3)]
            with self.subTest(folder=folder):
                self.assertTrue(f[0] ^ f[1] and f[1] ^ f[2])
                self.assertLess(len(f[0] ^ f[1]), len(f[0] ^ f[2]))
                self.assertLess(len(f[1] ^ f[2]), len(f[0] ^ f[2]))

    def test_jetpack_sits_on_his_back_both_ways(self):
        for on in ("off", "on"):
            pack = opaque(pic("gfx/Tumbo Man/jetpack_%s.png" % on))
            canister_rows = {y for x, y in pack if y <= 16}
            for facing, dx in ((0, 1), (1, 27)):
                body = opaque(pic("gfx/Tumbo Man/%d-1.png" % facing))
                drawn = placed(pack, dx, 7)
                with self.subTest(jetpack=on, facing=facing):
                    gaps = []
                    for row in canister_rows:
                        y = row + 7
                        row_body = [x for x, yy in body if yy == y]
                        row_pack = [x for x, yy in drawn if yy == y]
                        if not row_body or not row_pack:
                            continue
                        if facing == 0:
                            gaps.append(min(row_body) - max(row_pack))
                        else:
                            gaps.append(min(row_pack) - max(row_body))
                    self.assertTrue(gaps)
                    self.assertLessEqual(min(gaps), 1, "jetpack floats off his back")

    def test_hat_in_the_tank_lands_on_his_head(self):
        for facing, hx in ((0, 39), (1, 79)):
            tank = pic("gfx/Tumbo Man/%d-5.png" % facing)
            hat = placed(opaque(pic("gfx/Hats/5-%d.png" % facing)), hx, -14)
            skin = set(colour_pixels(tank, hero.SKIN))
            with self.subTest(facing=facing):
                self.assertTrue(skin, "no face in the hatch")
                below_brim = {(x, y + 1) for x, y in hat} | {(x, y + 2) for x, y in hat}
                self.assertTrue(below_brim & skin, "the tank hat hangs in the air")

    def test_costumes_look_different(self):
        for frame in range(6):
            self.assertNotEqual(pic("gfx/Tumbo Man/0-%d.png" % frame).tobytes(),
                                pic("gfx/CA/0-%d.png" % frame).tobytes())


class EnemiesFaceTheirWay(unittest.TestCase):
    """An enemy's eyes are on the side it moves to (white eye pixels)."""

    def looks_right(self, path):
        img = pic(path)
        eyes = colour_pixels(img, sk.WHITE)
        self.assertTrue(eyes, path + " has no eyes")
        return mean_x(eyes) > mean_x(list(opaque(img)))

    def check(self, folder, frames, right_direction):
        for frame in frames:
            for d in (0, 1):
                path = "%s%d-%d.png" % (folder, d, frame)
                with self.subTest(path=path):
                    self.assertEqual(self.looks_right(path), d == right_direction)

    def test_tumbo_world_walks_right_as_direction_0(self):
        self.check("gfx/Entities/TumboWorld/CircleMan/", (0, 1), 0)

    def test_blorps_pirates_and_round_world_walk_left_as_direction_0(self):
        for size in ("Small", "Medium", "Large"):
            self.check("gfx/Entities/Blorp/%s_blorp/" % size, range(4), 1)
        self.check("gfx/Entities/SpacePirate/Pirate/", (0, 1), 1)
        self.check("gfx/Entities/RoundWorld/Soldier/", range(6), 1)
        self.check("gfx/Entities/RoundWorld/Baron/", range(4), 1)

    def test_ninja_runs_face_first(self):
        for d in (0, 1):
            img = pic("gfx/Entities/RoundWorld/Ninja/%d-0.png" % d)
            face = colour_pixels(img, round_world.SKIN)
            self.assertEqual(mean_x(face) > mean_x(list(opaque(img))), d == 1)


class ShotsLeaveTheGuns(unittest.TestCase):
    def test_robot_guard_raises_its_gun_to_the_firing_row(self):
        # shots start at (x+44, y+22) facing right and (x, y+22) facing left
        right = {x for x, y in opaque(pic("gfx/Entities/RobotCity/Robot Guard/2.png")) if y == 22}
        left = {x for x, y in opaque(pic("gfx/Entities/RobotCity/Robot Guard/3.png")) if y == 22}
        self.assertGreaterEqual(max(right), 47)
        self.assertLessEqual(min(left), 2)
        for frame, alert in ((0, False), (2, True)):
            img = pic("gfx/Entities/RobotCity/Robot Guard/%d.png" % frame)
            self.assertEqual(bool(colour_pixels(img, robot_city.ANGRY)), alert)

    def test_enemy_tank_matches_its_hit_boxes(self):
        tank = opaque(pic("gfx/Entities/SpacePirate/Tank/0.png"))
        hatch = {(x, y) for x, y in tank if 74 <= x < 106 and 9 <= y < 30}
        self.assertGreater(len(hatch), 32 * 21 // 2)
        self.assertFalse({(x, y) for x, y in tank if y < 9 and not 74 <= x < 106},
                         "something sticks up outside the hatch")
        # the gun's mouth reaches past the point the bolt starts from (13, 40)
        self.assertTrue({(x, 40) for x in range(0, 13)} & tank)
        tracks = [x for x, y in tank if y >= 57]
        self.assertLessEqual(min(tracks), 3)
        self.assertGreaterEqual(max(tracks), 146)

    def test_empty_tank_faces_both_ways_and_hero_drives_the_same_tank(self):
        left = pic("gfx/Entities/SpacePirate/Tank/3.png")
        right = pic("gfx/Entities/SpacePirate/Tank/4.png")
        self.assertTrue({(x, 40) for x in range(0, 13)} & opaque(left))
        self.assertTrue({(x, 40) for x in range(137, 150)} & opaque(right))
        driven = pic("gfx/Tumbo Man/1-5.png")
        # below the hatch the driven tank is the empty one, pixel for pixel
        self.assertEqual(driven.crop((0, 40, 150, 100)).tobytes(), left.crop((0, 40, 150, 100)).tobytes())


class RoundWorldShapes(unittest.TestCase):
    def test_baron_head_fills_his_stomp_box(self):
        # only a landing inside (9, 0, 31, 13) counts as a stomp, so the head must be there
        for d in (0, 1):
            for frame in (0, 1):
                top = [p for p in opaque(pic("gfx/Entities/RoundWorld/Baron/%d-%d.png" % (d, frame))) if p[1] < 13]
                with self.subTest(direction=d, frame=frame):
                    inside = [p for p in top if 9 <= p[0] < 40]
                    self.assertGreater(len(inside), 0.9 * len(top))
                    self.assertLessEqual(min(y for x, y in top), 1)

    def test_bomber_drops_from_its_bay_and_spins_its_propeller(self):
        frames = [pic("gfx/Entities/RoundWorld/Bomber/%d.png" % i) for i in range(3)]
        for img in frames:
            bay = {(x, 86) for x in range(92, 102)}
            self.assertEqual(bay - opaque(img), set(), "no bay above the bomb drop point")
        noses = [f.crop((0, 0, 30, 100)).tobytes() for f in frames]
        self.assertEqual(len(set(noses)), 3)


class BlastsGrowAndFade(unittest.TestCase):
    def sizes(self, paths):
        return [len(opaque(pic(p))) for p in paths]

    def check(self, paths):
        n = self.sizes(paths)
        peak = n.index(max(n))
        self.assertGreater(peak, 0, "the blast does not grow: %s" % n)
        self.assertLess(peak, len(n) - 1, "the blast does not fade: %s" % n)
        self.assertLess(n[-1], n[peak] / 2)

    def test_missile_and_bomb_blasts(self):
        self.check(["gfx/Entities/RobotCity/Missile/%d.png" % i for i in range(8, 13)])
        self.check(["gfx/Entities/RoundWorld/Bomb/%d.png" % i for i in range(1, 6)])

    def test_missile_points_where_it_flies(self):
        # heading order: up, up-right, right, down-right, down, down-left, left, up-left
        for heading, (dx, dy) in enumerate(robot_city.HEADINGS):
            img = pic("gfx/Entities/RobotCity/Missile/%d.png" % heading)
            flame = [p for c in sk.ramp(sk.FIRE[2]) for p in colour_pixels(img, c)]
            body = list(opaque(img))
            cx = sum(x for x, y in body) / len(body)
            cy = sum(y for x, y in body) / len(body)
            fx = sum(x for x, y in flame) / len(flame)
            fy = sum(y for x, y in flame) / len(flame)
            with self.subTest(heading=heading):
                # the exhaust trails behind, against the heading
                self.assertLess((fx - cx) * dx + (fy - cy) * dy, 0)


class Flagpole(unittest.TestCase):
    def test_landing_base_is_solid_and_the_flag_has_room(self):
        for n in (0, 1):
            pole = opaque(pic("gfx/Entities/Flagpole/pole%d.png" % n))
            with self.subTest(pole=n):
                base = {(x, y) for x in range(1, 53) for y in range(257, 286)}
                self.assertEqual(base - pole, set(), "holes in the landing base")
                # the flag slides at x+68 from row 257 up to row 18: nothing in its way
                lane = {(x, y) for x, y in pole if x >= 68 and 18 <= y < 279}
                self.assertEqual(lane, set())
                # a pole stands just left of it all the way up
                for y in range(20, 250, 10):
                    self.assertTrue({(x, y) for x in range(58, 68)} & pole, "pole broken at row %d" % y)
        self.assertNotEqual(pic("gfx/Entities/Flagpole/pole0.png").tobytes(),
                            pic("gfx/Entities/Flagpole/pole1.png").tobytes())


if __name__ == "__main__":
    unittest.main()

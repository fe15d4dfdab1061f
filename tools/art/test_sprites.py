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

    def test_edges_are_hard_and_no_colour_hides_under_the_key(self):
        # half-transparent pixels would be cut unpredictably by the key, and
        # near-magenta ones would be recoloured by the driver behind our back
        for m in MODULES:
            for path in m.pictures():
                img = pic(path)
                with self.subTest(path=path):
                    self.assertTrue(set(img.getchannel("A").getdata()) <= {0, 255})
                    pinkish = [p for p in img.getdata() if p[3] and p[0] >= 232 and p[2] >= 232 and p[1] <= 24]
                    self.assertEqual(pinkish, [])

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

    def test_facing_left_loses_nothing_of_the_picture(self):
        # left-facing pictures are the mirror moved one pixel right: a pixel in
        # the last column of a right-facing picture would be cut off
        pairs = [("gfx/Tumbo Man/0-%d.png" % f, "gfx/Tumbo Man/1-%d.png" % f) for f in range(6)]
        pairs += [("gfx/CA/0-%d.png" % f, "gfx/CA/1-%d.png" % f) for f in range(6)]
        pairs += [("gfx/Hats/%d-0.png" % n, "gfx/Hats/%d-1.png" % n) for n in range(7)]
        pairs += [("gfx/Entities/SpacePirate/Tank/3.png", "gfx/Entities/SpacePirate/Tank/4.png")]
        for right, left in pairs:
            with self.subTest(picture=right):
                self.assertEqual(len(opaque(pic(right))), len(opaque(pic(left))))

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
        # below the hatch the driven tank is the empty one, pixel for pixel
        for facing, empty in ((1, left), (0, right)):
            driven = pic("gfx/Tumbo Man/%d-5.png" % facing)
            self.assertEqual(driven.crop((0, 40, 150, 100)).tobytes(), empty.crop((0, 40, 150, 100)).tobytes())

    def test_pirate_gun_points_where_its_bolt_starts(self):
        # bolts start at (x-7, y+25) walking left and (x+40, y+25) walking right
        for frame in (0, 1):
            for d, edge in ((0, 3), (1, 36)):
                gun = [x for x, y in opaque(pic("gfx/Entities/SpacePirate/Pirate/%d-%d.png" % (d, frame)))
                       if 19 <= y <= 27]
                with self.subTest(direction=d, frame=frame):
                    self.assertTrue(min(gun) <= edge if d == 0 else max(gun) >= edge)

    def test_missile_bot_tube_opens_where_missiles_leave(self):
        # missiles are launched 20 pixels left of the bot, 15 rows down
        for frame in (0, 1):
            tube = {(0, y) for y in range(13, 24)} & opaque(pic("gfx/Entities/RobotCity/Missile Bot/%d.png" % frame))
            self.assertTrue(tube)


class StandOnTheFloor(unittest.TestCase):
    """Walkers are placed with the bottom of their box on the floor, so their
    feet (and their remains) must reach the bottom rows, not float or sink."""

    FLOORED = [
        ("gfx/Tumbo Man/0-%d.png", range(3)),
        ("gfx/CA/0-%d.png", range(3)),
        ("gfx/Entities/TumboWorld/CircleMan/0-%d.png", range(4)),
        ("gfx/Entities/Blorp/Medium_blorp/0-%d.png", range(4)),
        ("gfx/Entities/SpacePirate/Pirate/0-%d.png", (0, 1, 5, 6)),
        ("gfx/Entities/RobotCity/Robot Guard/%d.png", (0, 1, 2, 3, 8)),
        ("gfx/Entities/RoundWorld/Soldier/0-%d.png", (0, 1, 2, 3, 4, 5, 9, 10)),
        ("gfx/Entities/RoundWorld/Ninja/0-%d.png", range(3)),
        ("gfx/Entities/RoundWorld/Baron/0-%d.png", (0, 1, 2, 3, 9)),
    ]

    def test_feet_and_remains_touch_the_bottom(self):
        for pattern, frames in self.FLOORED:
            for frame in frames:
                path = pattern % frame
                img = pic(path)
                with self.subTest(path=path):
                    lowest = max(y for x, y in opaque(img))
                    self.assertGreaterEqual(lowest, img.size[1] - 2)

    def test_tank_tracks_reach_the_floor_in_every_frame(self):
        for n in range(5):
            self.assertGreaterEqual(max(y for x, y in opaque(pic("gfx/Entities/SpacePirate/Tank/%d.png" % n))), 97)


class KitBehaviour(unittest.TestCase):
    def test_shift_drops_what_leaves_instead_of_wrapping(self):
        m = sk.Shape(10, 10).rect((8, 0, 9, 9)).m
        moved = sk.shift(m, 3, 0)
        self.assertIsNone(moved.getbbox())
        self.assertEqual(sk.shift(m, -3, 0).getbbox(), (5, 0, 7, 10))

    def test_paint_outlines_a_part_with_one_dark_ring(self):
        img = sk.blank(12, 12)
        sk.paint(img, sk.Shape(12, 12).rect((3, 3, 8, 8)), (200, 100, 50))
        ring = colour_pixels(img, sk.OUTLINE)
        # the cross-shaped ring: 6 pixels on each side, corners left open
        self.assertEqual(len(ring), 24)
        self.assertEqual(len(opaque(img)), 36 + 24)

    def test_painting_a_part_only_touches_its_neighbourhood(self):
        # parts are painted on a tight crop around them: the result must be the
        # same wherever the part lies, and the rest of the picture untouched
        small = sk.blank(20, 20)
        big = sk.blank(40, 40)
        sk.paint(small, sk.Shape(20, 20).ellipse((2, 3, 17, 16)), (90, 160, 220), depth=4)
        sk.paint(big, sk.Shape(40, 40).ellipse((22, 13, 37, 26)), (90, 160, 220), depth=4)
        self.assertEqual(small.tobytes(), big.crop((20, 10, 40, 30)).tobytes())
        self.assertEqual(opaque(big), placed(opaque(small), 20, 10))

    def test_rotate_about_keeps_what_turns_past_the_edge(self):
        img = sk.blank(20, 20)
        sk.paint(img, sk.Shape(20, 20).rect((9, 2, 11, 19)), (200, 60, 60), outline=None, shade=False, rim=False)
        # a tall bar laid flat about its foot would leave the picture unless moved
        lying = sk.rotate_about(img, 90, (10, 19), (19, 18))
        self.assertEqual(len(opaque(lying)), len(opaque(img)))
        bb = lying.getbbox()
        self.assertEqual(bb[2] - bb[0], 18)

    def test_blasts_depend_only_on_their_seed(self):
        a = sk.explosion(60, 60, 0.4, seed=3).tobytes()
        self.assertEqual(a, sk.explosion(60, 60, 0.4, seed=3).tobytes())
        self.assertNotEqual(a, sk.explosion(60, 60, 0.4, seed=4).tobytes())


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

"""Robot City: the guard, the missile bot, its missiles and the Overlord.

Direction 0 is right in this world.  The guard fires from (44, 22)
facing right and from (0, 22) facing left, so its raised gun ends there;
the missile bot launches from its left side.
"""

try:
    from . import sprite_kit as sk
except ImportError:
    import sprite_kit as sk

import math
import random

METAL = (150, 166, 194)
DARK = (76, 84, 106)
HAZARD = (250, 200, 50)
VISOR = (34, 40, 58)
CALM = (90, 240, 220)
ANGRY = (255, 60, 50)
MISSILE = (226, 228, 236)


# ------------------------------------------------------------------ guard

def _guard(img, alert, tilt_head=0, lost_head=False):
    w, h = img.size
    # legs and feet
    for x in (16, 27):
        sk.paint(img, sk.Shape(w, h).rect((x, 34, x + 5, 40)), DARK, depth=1)
        sk.paint(img, sk.Shape(w, h).rrect((x - 2, 39, x + 8, 44), 2), sk.darker(METAL, 0.2), depth=1)
    body = sk.Shape(w, h).rrect((11, 15, 37, 36), 4)
    sk.paint(img, body, METAL, depth=4)
    stripes = sk.Shape(w, h).rect((12, 30, 36, 33)).clip(body)
    sk.paint(img, stripes, HAZARD, outline=None, shade=False)
    for x in range(12, 37, 5):
        sk.put(img, [(x + i, 30 + i) for i in range(4)], sk.OUTLINE)
    # a chest light that follows the eye
    sk.paint(img, sk.Shape(w, h).circle(20, 22, 2), ANGRY if alert else CALM, depth=1)
    if not lost_head:
        head = sk.blank(w, h)
        sk.paint(head, sk.Shape(w, h).ellipse((13, 1, 35, 21)).rect((0, 15, w, h), on=False), METAL, depth=3)
        sk.line(head, (20, 2), (18, -2), sk.OUTLINE)
        sk.paint(head, sk.Shape(w, h).rect((21, 6, 35, 11)), VISOR, depth=1)
        eye_col = ANGRY if alert else CALM
        ex = 29 if alert else 28
        sk.paint(head, sk.Shape(w, h).rect((ex, 7, ex + 4, 10)), eye_col, outline=None, depth=1)
        sk.put(head, [(ex + 1, 7)], sk.WHITE)
        if alert:
            # the visor frowns
            sk.put(head, [(27, 5), (28, 5), (29, 6), (30, 6)], sk.OUTLINE)
        if tilt_head:
            head = sk.rotate_about(head, tilt_head, (24, 14))
        sk.over(img, head)
    # gun arm: lowered on patrol, raised to fire along row 22 when alert
    if alert:
        sk.paint(img, sk.Shape(w, h).limb((27, 20), (36, 22), 5), DARK, depth=1)
        gun = sk.Shape(w, h).rrect((33, 18, 49, 25), 2)
        sk.paint(img, gun, sk.darker(METAL, 0.15), depth=2)
        sk.put(img, [(48, 21), (48, 22)], ANGRY)
    else:
        sk.paint(img, sk.Shape(w, h).limb((27, 20), (32, 29), 5), DARK, depth=1)
        gun = sk.Shape(w, h).poly([(29, 27), (41, 33), (39, 37), (27, 31)])
        sk.paint(img, gun, sk.darker(METAL, 0.15), depth=2)


def guard(frame):
    img = sk.blank(50, 45)
    if frame in (0, 2):
        _guard(img, frame == 2)
        return img
    if frame in (4, 5, 6, 7):
        robot = sk.blank(50, 45)
        _guard(robot, True, tilt_head=[10, 25, 0, 0][frame - 4], lost_head=frame >= 6)
        if frame in (5, 6):
            robot = sk.rotate_about(robot, -8 * (frame - 4), (24, 44))
        if frame == 7:
            # the heap it ends as, still burning
            robot = guard(8)
        sk.over(img, robot)
        if frame == 6:
            head = sk.blank(50, 45)
            sk.paint(head, sk.Shape(50, 45).ellipse((2, -2, 18, 12)), METAL, depth=2)
            sk.paint(head, sk.Shape(50, 45).rect((9, 2, 18, 5)), VISOR, depth=1)
            sk.over(img, head)
        blast = sk.explosion(44, 40, (0.15, 0.4, 0.6, 0.8)[frame - 4], seed=30 + frame, puffs=7)
        sk.over(img, blast, (4, 2))
        return img
    # the wreck: scrap on the floor and a thin wisp
    w, h = img.size
    sk.paint(img, sk.Shape(w, h).poly([(6, 44), (12, 34), (24, 31), (38, 35), (44, 44)]),
             sk.mix(METAL, (60, 56, 64), 0.45), depth=3)
    sk.paint(img, sk.Shape(w, h).ellipse((27, 29, 41, 39)).rect((0, 37, w, h), on=False),
             sk.mix(METAL, (60, 56, 64), 0.3), depth=2)
    sk.paint(img, sk.Shape(w, h).rect((30, 32, 38, 34)), VISOR, depth=1)
    sk.paint(img, sk.Shape(w, h).rrect((10, 40, 22, 44), 2), DARK, depth=1)
    sk.line(img, (16, 37), (22, 41), HAZARD)
    sk.line(img, (36, 41), (46, 38), DARK, 2)
    sk.smoke_puff(img, 22, 22, 5, seed=2, color=sk.SMOKE[2])
    sk.smoke_puff(img, 25, 13, 3, seed=3, color=sk.SMOKE[1])
    return img


# ------------------------------------------------------------------ missile bot

def _missile_bot(img, frame, char=0.0, flame=True):
    w, h = img.size
    bob = 1 if frame == 1 else 0
    col = sk.mix(METAL, (56, 50, 56), char)
    if flame:
        f = sk.Shape(w, h).poly([(11, 37 + bob), (19, 37 + bob), (17, 41 + bob + frame * 2), (15, 44),
                                 (13, 41 + bob + frame * 2)])
        sk.paint(img, f, sk.FIRE[2], depth=1)
        sk.paint(img, sk.Shape(w, h).poly([(13, 37 + bob), (17, 37 + bob), (15, 41 + bob + frame)]), sk.FIRE[1],
                 outline=None, depth=1)
    sk.paint(img, sk.Shape(w, h).poly([(9, 34 + bob), (21, 34 + bob), (19, 38 + bob), (11, 38 + bob)]), DARK,
             depth=1)
    body = sk.Shape(w, h).rrect((6, 12 + bob, 25, 35 + bob), 5)
    sk.paint(img, body, col, depth=4)
    # launch tube on its left, where the missiles leave
    tube = sk.Shape(w, h).rrect((0, 13 + bob, 10, 21 + bob), 2)
    sk.paint(img, tube, sk.darker(col, 0.2), depth=2)
    sk.put(img, [(0, 16 + bob), (0, 17 + bob), (0, 18 + bob)], sk.OUTLINE)
    # one big eye
    sk.paint(img, sk.Shape(w, h).circle(16, 22 + bob, 5), VISOR, depth=1)
    if char < 0.5:
        sk.paint(img, sk.Shape(w, h).circle(14, 22 + bob, 2.5), ANGRY, outline=None, depth=1)
        sk.put(img, [(13, 21 + bob)], sk.WHITE)
    else:
        sk.x_eye(img, 14, 21 + bob, color=(140, 130, 140))
    # warhead peeking out of the rack on top
    sk.paint(img, sk.Shape(w, h).poly([(11, 12 + bob), (15, 3 + bob), (19, 12 + bob)]),
             sk.mix(ANGRY, (70, 60, 60), char), depth=1)
    sk.paint(img, sk.Shape(w, h).rect((8, 10 + bob, 22, 13 + bob)), HAZARD if char < 0.5 else DARK, depth=1)


def missile_bot(frame):
    img = sk.blank(30, 45)
    if frame <= 1:
        _missile_bot(img, frame)
        return img
    if frame <= 5:
        t = (frame - 2) / 3.0
        _missile_bot(img, 0, char=t, flame=frame == 2)
        sk.over(img, sk.explosion(30, 30, 0.1 + t * 0.85, seed=40 + frame, puffs=6), (0, 8))
        return img
    # burnt out: no flame, eye dark, a curl of smoke
    _missile_bot(img, 0, char=0.8, flame=False)
    sk.smoke_puff(img, 20, 5, 3, seed=8, color=sk.SMOKE[2])
    return img


# ------------------------------------------------------------------ missile

HEADINGS = [(0, -1), (1, -1), (1, 0), (1, 1), (0, 1), (-1, 1), (-1, 0), (-1, -1)]


def missile(heading):
    img = sk.blank(20, 20)
    w, h = img.size
    dx, dy = HEADINGS[heading]
    n = math.hypot(dx, dy)
    ux, uy = dx / n, dy / n
    px, py = -uy, ux
    c = (9.5, 9.5)

    def at(a, b):
        return (c[0] + ux * a + px * b, c[1] + uy * a + py * b)

    flame = sk.Shape(w, h).poly([at(-5, -2), at(-5, 2), at(-9.5, 0)])
    sk.paint(img, flame, sk.FIRE[2], depth=1)
    fins = sk.Shape(w, h).poly([at(-6, -5), at(-2, -2), at(-2, 2), at(-6, 5)])
    sk.paint(img, fins, ANGRY, depth=1)
    sk.paint(img, sk.Shape(w, h).limb(at(-5, 0), at(4, 0), 5), MISSILE, depth=1)
    sk.paint(img, sk.Shape(w, h).poly([at(3, -2.5), at(8.5, 0), at(3, 2.5)]), ANGRY, depth=1)
    return img


# ------------------------------------------------------------------ overlord

def overlord(w=500, h=480):
    img = sk.blank(w, h)
    ow = 3
    steel = (132, 142, 170)
    deep = (86, 92, 118)
    # base: heavy treads across the whole width (0, 384, 500, 96)
    sk.paint(img, sk.Shape(w, h).rrect((2, 392, 497, 477), 40), (62, 62, 78), ow=ow, depth=10)
    for i in range(9):
        cx = 48 + i * 50.5
        sk.paint(img, sk.Shape(w, h).circle(cx, 435, 27), deep, ow=ow, depth=6)
        sk.paint(img, sk.Shape(w, h).circle(cx, 435, 9), (60, 62, 80), ow=2, depth=2)
    for x in range(20, 480, 18):
        sk.paint(img, sk.Shape(w, h).rect((x, 392, x + 9, 398)), (100, 100, 118), outline=None, depth=1)
        sk.paint(img, sk.Shape(w, h).rect((x, 471, x + 9, 477)), (100, 100, 118), outline=None, depth=1)
    sk.paint(img, sk.Shape(w, h).rect((30, 380, 470, 396)), deep, ow=ow, depth=4)
    # arms hanging at the sides, claws at the ends
    for side in (-1, 1):
        sx = 250 + side * 205
        sk.paint(img, sk.Shape(w, h).limb((sx, 140), (sx + side * 4, 300), 40), deep, ow=ow, depth=8)
        claw = sk.Shape(w, h).poly([(sx - 26, 296), (sx + 26, 296), (sx + 30, 350), (sx + 10, 330), (sx, 366),
                                    (sx - 10, 330), (sx - 30, 350)])
        sk.paint(img, claw, (104, 110, 136), ow=ow, depth=6)
    # torso (31, 98, 429, 286)
    torso = sk.Shape(w, h).rrect((60, 100, 440, 382), 40)
    sk.paint(img, torso, steel, ow=ow, depth=22)
    for side in (-1, 1):
        pad = sk.Shape(w, h).ellipse((250 + side * 205 - 48, 98, 250 + side * 205 + 48, 190))
        pad.rect((0, 150, w, h), on=False)
        sk.paint(img, pad, (168, 58, 62), ow=ow, depth=10)
    # glowing core behind a grille
    core = sk.Shape(w, h).circle(250, 228, 58)
    sk.paint(img, core, (60, 54, 80), ow=ow, depth=8)
    sk.paint(img, sk.Shape(w, h).circle(250, 228, 42), ANGRY, ow=2, depth=10)
    sk.paint(img, sk.Shape(w, h).circle(242, 220, 16), (255, 170, 120), outline=None, depth=4)
    for y in range(190, 270, 14):
        sk.line(img, (200, y), (300, y), (60, 54, 80), 3)
    # hazard belt above the base
    belt = sk.Shape(w, h).rect((64, 330, 436, 356))
    sk.paint(img, belt, HAZARD, ow=ow, shade=False)
    for x in range(64, 436, 24):
        sk.paint(img, sk.Shape(w, h).poly([(x, 356), (x + 12, 330), (x + 22, 330), (x + 10, 356)]).clip(belt),
                 (40, 36, 44), outline=None, shade=False, rim=False)
    rng = random.Random(5)
    for x in range(80, 430, 28):
        for y in (120, 312):
            sk.paint(img, sk.Shape(w, h).circle(x, y, 4), sk.lighter(steel, 0.2), ow=1, depth=1)
    for _ in range(8):
        x, y = rng.randint(90, 400), rng.randint(130, 300)
        if math.hypot(x - 250, y - 228) > 70:
            sk.line(img, (x, y), (x + rng.randint(10, 24), y + rng.randint(-4, 4)), sk.darker(steel, 0.35), 2)
    # head (160, 0, 143, 98), facing right: the way it walks
    neck = sk.Shape(w, h).rect((205, 84, 260, 104))
    sk.paint(img, neck, deep, ow=ow, depth=4)
    head = sk.Shape(w, h).rrect((162, 10, 302, 96), 26)
    sk.paint(img, head, steel, ow=ow, depth=14)
    sk.line(img, (195, 10), (188, 0), sk.OUTLINE, 4)
    sk.paint(img, sk.Shape(w, h).circle(188, 4, 5), ANGRY, ow=2, depth=2)
    visor = sk.Shape(w, h).rrect((212, 30, 300, 60), 10)
    sk.paint(img, visor, VISOR, ow=ow, depth=4)
    for ex in (236, 276):
        sk.paint(img, sk.Shape(w, h).ellipse((ex - 12, 38, ex + 12, 53)), ANGRY, ow=2, depth=4)
        sk.paint(img, sk.Shape(w, h).ellipse((ex - 8, 40, ex - 1, 45)), (255, 200, 180), outline=None,
                 shade=False, rim=False)
    # angry brow plate and a grille mouth
    sk.paint(img, sk.Shape(w, h).poly([(208, 20), (300, 30), (300, 36), (208, 30)]), deep, ow=ow, depth=3)
    mouth = sk.Shape(w, h).rrect((236, 68, 298, 86), 5)
    sk.paint(img, mouth, (50, 46, 64), ow=ow, depth=3)
    for x in range(244, 296, 9):
        sk.line(img, (x, 70), (x, 84), (200, 204, 220), 2)
    sk.paint(img, sk.Shape(w, h).circle(180, 52, 12), deep, ow=ow, depth=4)
    return img


def pictures():
    root = "gfx/Entities/RobotCity/"
    pics = {}
    for f in range(9):
        if f in (1, 3):
            pics[root + "Robot Guard/%d.png" % f] = lambda w, h, f=f: sk.mirror(guard(f - 1))
        else:
            pics[root + "Robot Guard/%d.png" % f] = lambda w, h, f=f: guard(f)
    for f in range(7):
        pics[root + "Missile Bot/%d.png" % f] = lambda w, h, f=f: missile_bot(f)
    for f in range(8):
        pics[root + "Missile/%d.png" % f] = lambda w, h, f=f: missile(f)
    for i, t in enumerate((0.08, 0.3, 0.52, 0.74, 0.95)):
        pics[root + "Missile/%d.png" % (8 + i)] = lambda w, h, t=t: sk.explosion(w, h, t, seed=12, puffs=10)
    pics[root + "Overlord/robot_overlord.png"] = overlord
    return pics

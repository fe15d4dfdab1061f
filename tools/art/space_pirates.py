"""Space Pirates: the pirate, the laser bolts and the pirates' tank.

Direction 0 is left in this world.  The tank is also the one the hero
captures, so hero.py borrows tank_picture and hatch_rim from here.
"""

try:
    from . import sprite_kit as sk
except ImportError:
    import sprite_kit as sk

import math

ARMOUR = (150, 54, 66)
TRIM = (236, 184, 64)
STEEL = (112, 116, 134)
TREAD = (58, 56, 70)
OPENING = (24, 18, 30)

COAT = (46, 88, 170)
ALIEN = (124, 206, 132)
HATC = (44, 38, 54)
LASER = (255, 70, 80)


# ------------------------------------------------------------------ tank
# Boxes the game tests against (facing left): hatch (74,9,32,21),
# turret (25,31,104,24), tracks (0,57,150,34); the gun fires from (13,40).

def _tracks(img, scorched=0.0):
    w, h = img.size
    belt = sk.Shape(w, h).rrect((3, 62, 147, 97), 17)
    sk.paint(img, belt, sk.mix(TREAD, (30, 26, 30), scorched), ow=2, depth=4)
    for i in range(7):
        cx = 20 + i * 18.3
        wheel = sk.Shape(w, h).circle(cx, 80, 8)
        sk.paint(img, wheel, sk.mix(STEEL, (60, 56, 60), scorched), depth=2)
        sk.paint(img, sk.Shape(w, h).circle(cx, 80, 2.5), sk.darker(STEEL, 0.4), outline=None, shade=False)
    for x in range(12, 140, 8):
        sk.put(img, [(x, 63), (x + 1, 63), (x, 96), (x + 1, 96)], (96, 94, 110))


def _hull(img, scorched=0.0):
    w, h = img.size
    col = sk.mix(ARMOUR, (50, 40, 44), scorched)
    hull = sk.Shape(w, h).poly([(4, 66), (14, 52), (140, 52), (147, 66)])
    sk.paint(img, hull, col, ow=2, depth=4)
    sk.paint(img, sk.Shape(w, h).rect((10, 57, 142, 59)), sk.mix(TRIM, (70, 60, 50), scorched), outline=None,
             depth=1)


def _turret(img, scorched=0.0, gun_drop=0):
    w, h = img.size
    col = sk.mix(ARMOUR, (50, 40, 44), scorched)
    barrel = sk.Shape(w, h).poly([(6, 37 + gun_drop // 2), (30, 37), (30, 45), (6, 45 + gun_drop)])
    sk.paint(img, barrel, sk.mix(STEEL, (60, 56, 60), scorched), ow=2, depth=2)
    muzzle = sk.Shape(w, h).rrect((3, 35 + gun_drop // 2, 12, 47 + gun_drop), 2)
    sk.paint(img, muzzle, sk.mix(STEEL, (60, 56, 60), scorched), ow=2, depth=2)
    body = sk.Shape(w, h).poly([(25, 44), (36, 31), (118, 31), (129, 40), (129, 55), (27, 55)])
    sk.paint(img, body, col, ow=2, depth=5)
    # rivets and a skull-and-bolts badge on the turret side
    for x in range(40, 120, 12):
        sk.put(img, [(x, 50)], sk.lighter(col, 0.4))
    skull = sk.Shape(w, h).ellipse((52, 35, 64, 46))
    sk.paint(img, skull, sk.mix(sk.WHITE, (90, 80, 80), scorched), ow=1, depth=2)
    sk.put(img, [(55, 39), (56, 39), (60, 39), (61, 39), (55, 40), (56, 40), (60, 40), (61, 40), (58, 43)],
           sk.OUTLINE)
    sk.line(img, (49, 48), (67, 44), sk.mix(TRIM, (70, 60, 50), scorched), 2)
    sk.line(img, (49, 44), (67, 48), sk.mix(TRIM, (70, 60, 50), scorched), 2)


def _hatch(img, open_hatch, scorched=0.0):
    w, h = img.size
    col = sk.mix(ARMOUR, (50, 40, 44), scorched)
    ring = sk.Shape(w, h).rrect((76, 29, 106, 35), 3)
    if open_hatch:
        lid = sk.Shape(w, h).poly([(104, 28), (108, 11), (120, 8), (117, 28)])
        sk.paint(img, lid, sk.darker(col, 0.2), ow=2, depth=2)
        sk.paint(img, ring, sk.mix(TRIM, (70, 60, 50), scorched), ow=2, depth=2)
        hole = sk.Shape(w, h).ellipse((80, 30, 102, 33))
        sk.paint(img, hole, OPENING, outline=None, shade=False, rim=False)
        return
    dome = sk.Shape(w, h).ellipse((76, 10, 106, 40)).rect((0, 29, w, h), on=False)
    sk.paint(img, dome, col, ow=2, depth=4)
    sk.paint(img, ring, sk.mix(TRIM, (70, 60, 50), scorched), ow=2, depth=2)
    sk.paint(img, sk.Shape(w, h).rrect((86, 7, 96, 11), 2), STEEL, ow=1, depth=1)
    # porthole with a glint: the crew is watching
    sk.paint(img, sk.Shape(w, h).circle(84, 20, 3), (90, 220, 255), ow=1, depth=1)


def hatch_rim(img):
    """The front lip of the open hatch, drawn over whoever sits in it."""
    w, h = img.size
    front = sk.Shape(w, h).rrect((76, 32, 106, 35), 2)
    sk.paint(img, front, TRIM, ow=2, depth=1)


def tank_picture(w, h, open_hatch=False, scorched=0.0, gun_drop=0):
    img = sk.blank(150, 100)
    _tracks(img, scorched)
    _hull(img, scorched)
    _hatch(img, open_hatch, scorched)
    _turret(img, scorched, gun_drop)
    return img


def tank_frame(n):
    if n == 0:
        return tank_picture(150, 100)
    if n in (1, 2):
        t = 0.25 if n == 1 else 0.6
        img = tank_picture(150, 100, open_hatch=n == 2, scorched=t, gun_drop=3 * n)
        if n == 1:
            blast = sk.explosion(70, 60, 0.35, seed=21)
            sk.over(img, blast, (55, -2))
            sk.sparks(img, 40, 40, 20, seed=4, n=8)
        else:
            sk.smoke_puff(img, 92, 14, 12, seed=9)
            sk.smoke_puff(img, 40, 30, 9, seed=11, color=sk.SMOKE[2])
            sk.sparks(img, 110, 50, 18, seed=6, n=7)
        return img
    img = tank_picture(150, 100, open_hatch=True)
    return img if n == 3 else sk.nudge(sk.mirror(img), 1, 0)


# ------------------------------------------------------------------ pirate

def _pirate_parts(img, step, face="normal", hat=True, gun=True):
    """The pirate facing right; step 0/1 swaps his legs."""
    w, h = img.size
    legs = ((15, 38), (24, 37)) if step == 0 else ((19, 38), (20, 38))
    # peg leg behind, boot in front
    sk.paint(img, sk.Shape(w, h).limb((17, 28), legs[0], 3), (150, 110, 70), depth=1)
    sk.paint(img, sk.Shape(w, h).limb((21, 28), (legs[1][0], legs[1][1] - 2), 4), (60, 50, 70), depth=1)
    sk.paint(img, sk.Shape(w, h).rrect((legs[1][0] - 2, legs[1][1] - 3, legs[1][0] + 4, legs[1][1]), 1),
             (40, 34, 44), depth=1)
    coat = sk.Shape(w, h).poly([(12, 19), (27, 19), (29, 31), (11, 31)])
    sk.paint(img, coat, COAT, depth=3)
    sk.paint(img, sk.Shape(w, h).rect((12, 27, 28, 28)).clip(coat), (60, 40, 34), outline=None, shade=False)
    sk.put(img, [(24, 27), (25, 27), (24, 28), (25, 28)], TRIM)
    # head: a green alien with one big eye and a patch over the other
    head = sk.Shape(w, h).ellipse((12, 7, 29, 21))
    sk.paint(img, head, ALIEN, depth=3)
    if face == "hurt":
        sk.x_eye(img, 22, 12, s=3)
        sk.put(img, [(21, 18), (22, 17), (23, 18)], sk.OUTLINE)
    else:
        sk.eye(img, 22, 11, look=1, w=3, h=4)
        sk.put(img, [(20, 17), (21, 18), (22, 18), (23, 18), (24, 17)], sk.OUTLINE)
        sk.put(img, [(25, 17)], sk.WHITE)
    sk.paint(img, sk.Shape(w, h).rect((17, 11, 19, 14)), sk.OUTLINE, outline=None, shade=False)
    sk.line(img, (12, 9), (17, 11), sk.OUTLINE)
    if hat:
        # tricorn hat with a skull
        brim = sk.Shape(w, h).poly([(9, 9), (20, 5), (32, 8), (27, 10), (13, 10)])
        sk.paint(img, brim, HATC, depth=1)
        sk.paint(img, sk.Shape(w, h).ellipse((14, 0, 27, 10)).rect((0, 8, w, h), on=False), HATC, depth=2)
        sk.put(img, [(20, 3), (21, 3), (22, 3), (20, 4), (22, 4), (21, 5)], sk.WHITE)
    if not gun:
        sk.paint(img, sk.Shape(w, h).limb((20, 21), (25, 28), 4), COAT, depth=1)
        return
    # arm with the ray gun held forward
    gun_y = 23
    sk.paint(img, sk.Shape(w, h).limb((20, 21), (28, gun_y), 4), COAT, depth=1)
    gun = sk.Shape(w, h).rrect((27, gun_y - 3, 37, gun_y + 1), 1).rect((28, gun_y, 30, gun_y + 3))
    sk.paint(img, gun, STEEL, depth=1)
    sk.put(img, [(36, gun_y - 2), (37, gun_y - 2)], LASER)


def _falling(angle, hat=True):
    """The hurt pirate tipped back by angle degrees about his feet, kept inside the frame."""
    body = sk.blank(40, 40)
    _pirate_parts(body, 1, face="hurt", hat=hat, gun=False)
    s = math.sin(math.radians(angle))
    return sk.rotate_about(body, angle, (20, 38), (20 + 18 * s, 38 - 9 * s))


def pirate(frame):
    img = sk.blank(40, 40)
    if frame <= 1:
        _pirate_parts(img, frame)
        return img
    if frame == 2:
        # the moment of the hit: a flash of white and sparks
        body = sk.blank(40, 40)
        _pirate_parts(body, 1, face="hurt")
        flash = body.copy()
        px = flash.load()
        for y in range(40):
            for x in range(40):
                r, g, b, a = px[x, y]
                if a and (r, g, b) != sk.OUTLINE:
                    px[x, y] = sk.lighter((r, g, b), 0.55) + (255,)
        sk.over(img, flash)
        sk.sparks(img, 20, 16, 16, seed=13, n=7)
        return img
    if frame in (3, 4):
        sk.over(img, _falling(30 if frame == 3 else 62))
        return img
    # lying on his back: dazed for a while (5), then still (6) with his hat knocked off
    sk.over(img, _falling(90, hat=frame == 5))
    if frame == 5:
        for i, x in enumerate((6, 13, 20)):
            sk.paint(img, sk.Shape(40, 40).poly(sk.star(x + 4, 12 - (i % 2) * 3, 3, 1.2)), (255, 230, 80), depth=1)
    else:
        hat = sk.Shape(40, 40).poly([(0, 39), (3, 33), (9, 31), (14, 35), (12, 39)])
        sk.paint(img, hat, HATC, depth=1)
    return img


def laser(size):
    img = sk.blank(size, size)
    c = (size - 1) / 2.0
    r = size / 2.0 - 0.5
    sk.paint(img, sk.Shape(size, size).circle(c, c, r - (0 if size < 10 else 0.5)), LASER, outline=(150, 20, 40),
             ow=1 if size >= 10 else 0, depth=max(1, size // 5))
    sk.paint(img, sk.Shape(size, size).circle(c - 0.5, c - 0.5, r * 0.45), (255, 230, 220), outline=None,
             shade=False, rim=False)
    return img


def pictures():
    pics = {}
    root = "gfx/Entities/SpacePirate/"
    for f in range(7):
        # drawn facing right; direction 0 walks left
        pics[root + "Pirate/1-%d.png" % f] = lambda w, h, f=f: pirate(f)
        pics[root + "Pirate/0-%d.png" % f] = lambda w, h, f=f: sk.mirror(pirate(f))
    pics[root + "Laser Shot/small.png"] = lambda w, h: laser(7)
    pics[root + "Laser Shot/large.png"] = lambda w, h: laser(12)
    for n in range(5):
        pics[root + "Tank/%d.png" % n] = lambda w, h, n=n: tank_frame(n)
    return pics

"""Round World: soldier, ninja, bomber plane, bombs and the Baron.

Direction 0 is left in this world; figures are drawn facing right and
mirrored.  The walking and running cycles loop 0, 1, 2, 0 ..., so the
three frames are a third of a stride apart rather than a back-and-forth.
"""

try:
    from . import sprite_kit as sk
except ImportError:
    import sprite_kit as sk

import math

OLIVE = (112, 150, 70)
KHAKI = (200, 176, 110)
SKIN = (250, 200, 150)
BOOT = (80, 56, 44)
WOOD = (150, 96, 52)
GUN = (90, 96, 110)
NINJA = (52, 50, 78)
SASH = (210, 44, 56)
PLANE = (96, 140, 84)
ROUNDEL = [(230, 60, 50), (250, 250, 240), (60, 100, 200)]
BARON = (190, 44, 52)
GOLD = (246, 196, 60)


def _stride(phase, reach, lift):
    """Foot offsets (dx, dy) of the two legs a third of a cycle apart."""
    a = 2 * math.pi * phase / 3.0
    f1 = (math.sin(a) * reach, -max(0.0, math.cos(a)) * lift)
    f2 = (math.sin(a + math.pi) * reach, -max(0.0, math.cos(a + math.pi)) * lift)
    return f1, f2


def _legs(img, hip, phase, reach, lift, cloth, boot, length=8):
    w, h = img.size
    feet = _stride(phase, reach, lift)
    for i, (dx, dy) in enumerate(feet):
        c = cloth if i == 0 else sk.darker(cloth, 0.2)
        foot = (hip[0] + dx, hip[1] + length + dy)
        sk.paint(img, sk.Shape(w, h).limb(hip, foot, 4), c, depth=1)
        sk.paint(img, sk.Shape(w, h).rrect((foot[0] - 2, foot[1] - 1, foot[0] + 3, foot[1] + 1), 1),
                 boot if i == 0 else sk.darker(boot, 0.2), depth=1)


# ------------------------------------------------------------------ soldier

def _soldier(img, phase, alert=False, hurt=False, helmet=True, rifle=True):
    w, h = img.size
    lean = 2 if alert else 0
    # legs first, so the round body sits over the hips
    if phase is None:
        for x in (13, 18):
            sk.paint(img, sk.Shape(w, h).limb((x, 22), (x, 29), 4), OLIVE, depth=1)
            sk.paint(img, sk.Shape(w, h).rrect((x - 2, 29, x + 3, 31), 1), BOOT, depth=1)
    else:
        _legs(img, (16, 22), phase, 5 if alert else 3, 3 if alert else 2, OLIVE, BOOT, length=7)
    sk.paint(img, sk.Shape(w, h).ellipse((9 + lean, 12, 24 + lean, 26)), OLIVE, depth=3)
    sk.paint(img, sk.Shape(w, h).rect((10 + lean, 20, 23 + lean, 21)).clip(
        sk.Shape(w, h).ellipse((9 + lean, 12, 24 + lean, 26))), BOOT, outline=None, shade=False)
    # round face under a round helmet
    fx = 11 + lean
    sk.paint(img, sk.Shape(w, h).ellipse((fx, 3, fx + 12, 15)), SKIN, depth=2)
    if hurt:
        sk.x_eye(img, fx + 7, 7, s=3)
    else:
        sk.eye(img, fx + 8, 7, look=1, w=2, h=3)
        if alert:
            sk.put(img, [(fx + 7, 7), (fx + 8, 7)], sk.OUTLINE)
    mouth = [(fx + 8, 12), (fx + 9, 12), (fx + 10, 12)] if not alert else [(fx + 8, 12), (fx + 9, 12), (fx + 9, 11),
                                                                             (fx + 10, 11), (fx + 10, 12)]
    sk.put(img, mouth, sk.OUTLINE)
    if helmet:
        hel = sk.Shape(w, h).ellipse((fx - 2, 0, fx + 14, 11)).rect((0, 6, w, h), on=False)
        hel.rect((fx - 3, 5, fx + 15, 5))
        sk.paint(img, hel, sk.darker(OLIVE, 0.1), depth=2)
    if rifle:
        if alert:
            # bayonet levelled, charging
            sk.paint(img, sk.Shape(w, h).rect((12 + lean, 16, 28 + lean, 18)), WOOD, depth=1)
            sk.paint(img, sk.Shape(w, h).poly([(28 + lean, 16), (31, 17), (28 + lean, 18)]), (220, 224, 236),
                     depth=1)
            sk.paint(img, sk.Shape(w, h).circle(20 + lean, 18, 1.8), SKIN, depth=1)
        else:
            # rifle shouldered, barrel up behind his head
            sk.paint(img, sk.Shape(w, h).limb((9, 24), (6, 6), 3), WOOD, depth=1)
            sk.paint(img, sk.Shape(w, h).limb((6, 9), (5, 1), 2), GUN, outline=sk.OUTLINE, depth=1)
            sk.paint(img, sk.Shape(w, h).circle(9, 17, 1.8), SKIN, depth=1)


def soldier(frame):
    img = sk.blank(32, 32)
    if frame <= 5:
        _soldier(img, frame % 3, alert=frame >= 3)
        return img
    if frame == 6:
        # struck: helmet knocked upwards
        body = sk.blank(32, 32)
        _soldier(body, None, hurt=True, helmet=False, rifle=False)
        sk.over(img, body)
        hel = sk.Shape(32, 32).ellipse((9, -4, 25, 8)).rect((0, 3, 32, 32), on=False).rect((8, 2, 26, 3))
        sk.paint(img, hel, sk.darker(OLIVE, 0.1), depth=2)
        sk.sparks(img, 16, 8, 9, seed=3, n=4)
        return img
    body = sk.blank(32, 32)
    _soldier(body, None, hurt=True, helmet=False, rifle=False)
    angle = {7: 35, 8: 70, 9: 90, 10: 90}[frame]
    s = math.sin(math.radians(angle))
    sk.over(img, sk.rotate_about(body, angle, (16, 31), (16 + 14 * s, 31 - 8 * s)))
    if frame == 9:
        for i, x in enumerate((4, 10)):
            sk.paint(img, sk.Shape(32, 32).poly(sk.star(x, 12 - 3 * i, 3, 1.2)), (255, 230, 80), depth=1)
    if frame == 10:
        hel = sk.Shape(32, 32).ellipse((0, 25, 11, 35)).rect((0, 31, 32, 40), on=False)
        sk.paint(img, hel, sk.darker(OLIVE, 0.1), depth=1)
    return img


def alert_mark(w=10, h=18):
    img = sk.blank(w, h)
    sk.paint(img, sk.Shape(w, h).poly([(2, 1), (w - 3, 1), (w // 2 + 1, h - 6), (w // 2 - 2, h - 6)]),
             (255, 220, 50), depth=1)
    sk.paint(img, sk.Shape(w, h).rrect((w // 2 - 2, h - 4, w // 2 + 1, h - 2), 1), (255, 220, 50), depth=1)
    return img


# ------------------------------------------------------------------ ninja

def _ninja(img, phase, hurt=False):
    w, h = img.size
    _legs(img, (15, 21), phase, 6, 4, NINJA, (30, 28, 40), length=8)
    # leaning into the run, scarf streaming behind
    body = sk.Shape(w, h).poly([(11, 12), (21, 11), (20, 23), (11, 23)])
    sk.paint(img, body, NINJA, depth=2)
    tail = 1 if phase == 1 else 0
    sk.paint(img, sk.Shape(w, h).poly([(13, 6), (3, 4 + tail * 2), (1, 8 + tail), (12, 9)]), SASH, depth=1)
    sk.paint(img, sk.Shape(w, h).ellipse((12, 1, 25, 13)), NINJA, depth=2)
    sk.paint(img, sk.Shape(w, h).rect((12, 5, 25, 6)).clip(sk.Shape(w, h).ellipse((12, 1, 25, 13))), SASH,
             outline=None, shade=False)
    sk.paint(img, sk.Shape(w, h).rect((17, 7, 24, 9)), SKIN, outline=None, shade=False)
    if hurt:
        sk.x_eye(img, 20, 7, s=3)
    else:
        sk.put(img, [(20, 8), (22, 8)], sk.OUTLINE)
        sk.put(img, [(19, 7), (20, 7), (22, 7), (23, 7)], sk.OUTLINE)
    # arms swing with the legs; the front hand holds a throwing star
    a = 2 * math.pi * phase / 3.0
    hand = (18 + math.sin(a) * 5, 17 + math.cos(a) * 2)
    sk.paint(img, sk.Shape(w, h).limb((16, 14), hand, 3), NINJA, depth=1)
    if not hurt:
        sk.paint(img, sk.Shape(w, h).poly(sk.star(hand[0] + 2, hand[1], 3, 1, n=4, rot=a)), (200, 204, 220),
                 depth=1)


def ninja(frame):
    img = sk.blank(32, 32)
    if frame <= 2:
        _ninja(img, frame)
        return img
    if frame == 3:
        _ninja(img, 1, hurt=True)
        sk.sparks(img, 16, 12, 11, seed=7, n=5)
        return img
    if frame == 4:
        # vanishing in a cloud of smoke
        body = sk.blank(32, 32)
        _ninja(body, 1, hurt=True)
        sk.over(img, sk.rotate_about(body, 20, (16, 31)))
        sk.smoke_puff(img, 12, 22, 8, seed=4, color=sk.SMOKE[0])
        sk.smoke_puff(img, 21, 14, 7, seed=5, color=sk.SMOKE[1])
        return img
    # gone: only a faint wisp marks his post
    sk.smoke_puff(img, 16, 27, 4, seed=6, color=sk.SMOKE[0])
    return img


# ------------------------------------------------------------------ bomber

def bomber(frame, w=200, h=100):
    """The plane flies left: nose and propeller on the left, bomb bay near x 92..102."""
    img = sk.blank(w, h)
    ow = 2
    # tail fin and tailplane on the right
    sk.paint(img, sk.Shape(w, h).poly([(160, 46), (178, 8), (194, 8), (192, 50)]), sk.darker(PLANE, 0.1), ow=ow,
             depth=4)
    sk.paint(img, sk.Shape(w, h).ellipse((150, 42, 198, 54)), sk.darker(PLANE, 0.2), ow=ow, depth=2)
    # far wing behind the body
    sk.paint(img, sk.Shape(w, h).poly([(70, 50), (92, 20), (124, 20), (118, 50)]), sk.darker(PLANE, 0.3), ow=ow,
             depth=3)
    body = sk.Shape(w, h).ellipse((20, 30, 196, 86)).rect((150, 30, 196, 48), on=False)
    body.poly([(150, 48), (196, 44), (196, 58), (150, 80)])
    sk.paint(img, body, PLANE, ow=ow, depth=8)
    # cockpit with the pilot's goggles
    sk.paint(img, sk.Shape(w, h).ellipse((48, 22, 84, 46)).rect((0, 38, w, h), on=False), (170, 220, 240), ow=ow,
             depth=3)
    sk.paint(img, sk.Shape(w, h).ellipse((58, 26, 72, 40)).rect((0, 38, w, h), on=False), (110, 80, 60), ow=1,
             depth=2)
    sk.put(img, [(60, 31), (61, 31), (64, 31), (65, 31)], (250, 220, 90))
    # near wing in front, with a round roundel
    sk.paint(img, sk.Shape(w, h).poly([(64, 58), (130, 58), (148, 70), (70, 72)]), sk.lighter(PLANE, 0.1), ow=ow,
             depth=3)
    for i, r in enumerate((12, 8, 4)):
        sk.paint(img, sk.Shape(w, h).circle(128, 62, r), ROUNDEL[i], ow=1 if i == 0 else 0, depth=2)
    # bomb bay doors under the middle, where the bombs drop from (92, 88)
    sk.paint(img, sk.Shape(w, h).rrect((84, 80, 110, 88), 3), (60, 70, 56), ow=ow, depth=2)
    # nose cone and propeller: three blade positions
    sk.paint(img, sk.Shape(w, h).ellipse((10, 44, 32, 72)), (200, 70, 60), ow=ow, depth=4)
    spin = [((8, 20), (16, 96)), ((4, 40), (20, 76)), ((12, 30), (10, 88))][frame]
    sk.paint(img, sk.Shape(w, h).limb(spin[0], spin[1], 5), (110, 96, 80), ow=ow, depth=2)
    if frame == 1:
        sk.paint(img, sk.Shape(w, h).limb((2, 58), (24, 58), 4), (110, 96, 80), ow=ow, depth=1)
    sk.paint(img, sk.Shape(w, h).circle(11, 58, 4), GOLD, ow=ow, depth=1)
    # speed lines behind
    for y in (24, 60, 78):
        sk.line(img, (186 - (frame * 3) % 9, y), (198, y), (255, 255, 255))
    return img


def bomb(frame, w, h):
    if frame > 0:
        return sk.explosion(w, h, (0.08, 0.3, 0.52, 0.74, 0.95)[frame - 1], seed=31, puffs=9)
    img = sk.blank(w, h)
    sk.paint(img, sk.Shape(w, h).poly([(1, 0), (8, 0), (6, 4), (3, 4)]), (200, 60, 50), depth=1)
    sk.paint(img, sk.Shape(w, h).ellipse((0, 3, 9, 14)), (70, 72, 84), depth=2)
    sk.put(img, [(2, 6), (2, 7)], (170, 172, 190))
    return img


# ------------------------------------------------------------------ baron
# His head box (9, 0, 31, 13) is where he can be stomped, so the spiked
# helmet and head fill the top of the picture around x 9..40.

def _baron(img, squash=0.0, lean=0, hurt=False, helmet=True):
    w, h = img.size
    top = round(squash * 14)
    # boots and legs
    for x, dx in ((17, -2), (31, 2)):
        sk.paint(img, sk.Shape(w, h).limb((x, 46), (x + dx, 54), 7), (50, 50, 70), depth=2)
        sk.paint(img, sk.Shape(w, h).rrect((x + dx - 5, 52, x + dx + 6, 58), 2), BOOT, depth=1)
    # a big round body in a red coat with gold buttons
    body = sk.Shape(w, h).ellipse((6 + lean, 19 + top, 44 + lean, 52))
    sk.paint(img, body, BARON, depth=6)
    sk.paint(img, sk.Shape(w, h).rect((6, 42, 45, 44)).clip(body), (60, 40, 34), outline=None, shade=False)
    for y in range(27 + top, 41, 5):
        sk.put(img, [(32 + lean, y), (33 + lean, y)], GOLD)
    # arms: swung back when he charges
    back_hand = (4, 30 + top) if lean else (7, 40)
    sk.paint(img, sk.Shape(w, h).limb((13 + lean, 27 + top), back_hand, 6), sk.darker(BARON, 0.2), depth=1)
    front_hand = (47, 33 + top) if lean else (43, 40)
    sk.paint(img, sk.Shape(w, h).limb((34 + lean, 27 + top), front_hand, 6), BARON, depth=1)
    sk.paint(img, sk.Shape(w, h).circle(front_hand[0], front_hand[1], 3), (240, 240, 230), depth=1)
    for ex in (13 + lean, 34 + lean):
        sk.paint(img, sk.Shape(w, h).rrect((ex - 5, 21 + top, ex + 5, 25 + top), 2), GOLD, depth=1)
    # head under a spiked helmet, with a grand moustache; the top 13 rows
    # around x 9..40 are where he can be stomped
    hx = 12 + lean
    sk.paint(img, sk.Shape(w, h).ellipse((hx, 4 + top, hx + 24, 25 + top)), SKIN, depth=3)
    ey = 12 + top
    if hurt:
        sk.x_eye(img, hx + 13, ey, s=3)
        sk.x_eye(img, hx + 19, ey, s=3)
    else:
        sk.eye(img, hx + 14, ey, look=1, w=2, h=3)
        sk.eye(img, hx + 19, ey, look=1, w=2, h=3)
    tache = sk.Shape(w, h).poly([(hx + 11, 19 + top), (hx + 18, 16 + top), (hx + 27, 17 + top),
                                 (hx + 24, 20 + top), (hx + 18, 19 + top), (hx + 12, 21 + top)])
    sk.paint(img, tache, (120, 70, 40), depth=1)
    if helmet:
        hel = sk.Shape(w, h).ellipse((hx - 2, 2 + top, hx + 26, 20 + top)).rect((0, 9 + top, w, h), on=False)
        hel.rect((hx - 3, 9 + top, hx + 27, 10 + top))
        sk.paint(img, hel, (60, 60, 76), depth=3)
        sk.paint(img, sk.Shape(w, h).poly([(hx + 10, 2 + top), (hx + 13, max(0, top - 3)), (hx + 16, 2 + top)]),
                 GOLD, depth=1)
        sk.paint(img, sk.Shape(w, h).circle(hx + 13, 6 + top, 2), GOLD, depth=1)


def _fallen_helmet(img, x, y):
    hel = sk.Shape(*img.size).ellipse((x, y, x + 16, y + 14)).rect((0, y + 7, 60, 80), on=False)
    hel.rect((x - 1, y + 7, x + 17, y + 8))
    sk.paint(img, hel, (60, 60, 76), depth=2)


def baron(frame):
    img = sk.blank(51, 59)
    if frame == 0:
        _baron(img)
    elif frame == 1:
        _baron(img, lean=3)
    elif frame == 2:
        _baron(img, squash=1.0)
    elif frame == 3:
        _baron(img, squash=0.45)
    elif frame in (4, 5, 6):
        # struck, reeling back, the helmet flies off
        body = sk.blank(51, 59)
        _baron(body, hurt=True, helmet=frame == 4)
        sk.over(img, sk.rotate_about(body, (0, 10, 18)[frame - 4], (25, 58)))
        if frame == 4:
            sk.sparks(img, 25, 10, 14, seed=9, n=7)
        if frame == 6:
            _fallen_helmet(img, 2, 0)
    else:
        # sinking down and staying down, dazed
        _baron(img, squash=(0.55, 1.0, 1.0)[frame - 7], hurt=True, helmet=False)
        _fallen_helmet(img, 0, 47)
        if frame == 8:
            for i, x in enumerate((14, 24, 34)):
                sk.paint(img, sk.Shape(51, 59).poly(sk.star(x, 9 + (i % 2) * 3, 3, 1.2)), (255, 230, 80), depth=1)
    return img


def pictures():
    root = "gfx/Entities/RoundWorld/"
    pics = {}

    def both(folder, draw, n):
        for f in range(n):
            pics[root + "%s/1-%d.png" % (folder, f)] = lambda w, h, f=f: draw(f)
            pics[root + "%s/0-%d.png" % (folder, f)] = lambda w, h, f=f: sk.mirror(draw(f))

    both("Soldier", soldier, 11)
    both("Ninja", ninja, 6)
    both("Baron", baron, 10)
    pics[root + "Soldier/alert.png"] = alert_mark
    for f in range(3):
        pics[root + "Bomber/%d.png" % f] = lambda w, h, f=f: bomber(f, w, h)
    for f in range(6):
        pics[root + "Bomb/%d.png" % f] = lambda w, h, f=f: bomb(f, w, h)
    return pics

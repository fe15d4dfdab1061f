"""Tumbo Man, his second look Com. Awesome, his hats and his jetpack.

Every picture is drawn facing right; the facing-left pictures are the
mirror image moved one pixel right.  That one pixel is what makes the
jetpack (drawn at x+1 facing right and x+27 facing left) touch his back
in both directions, and the hats and the tank frame follow the same rule
so that the hat still lands on his head.
"""

try:
    from . import sprite_kit as sk
    from . import space_pirates
except ImportError:  # run with tools/art on the path
    import sprite_kit as sk
    import space_pirates


# Where his head is in the 32x32 frames (facing right); hats are drawn
# 30 pixels above the frame, so hat row = hero row + 30.
HEAD = (9, 1, 22, 13)
HEAD_CX = 15.5
HAT_DROP = 30

SKIN = (255, 204, 156)
CHEEK = (246, 140, 120)
SUIT = (52, 118, 222)
BELLY = (255, 232, 178)
BELT = (120, 72, 40)
BUCKLE = (255, 214, 60)
BOOT = (214, 52, 48)
GLOVE = (248, 248, 240)
HAIR = (232, 118, 36)

CA_SUIT = (118, 66, 196)
CA_CAPE = (212, 40, 56)
CA_GOLD = (250, 196, 50)
CA_HELM = (188, 196, 214)
CA_VISOR = (40, 36, 60)
CA_SKIN = (236, 180, 132)

# walking frames 0..2 flow 2,1,0,1,2: 1 stands, 0 and 2 are the two strides.
# (back foot, front foot, back hand, front hand)
POSES = {
    0: ((9, 30), (22, 29), (10, 21), (19, 22)),
    1: ((12, 30), (19, 30), (7, 21), (24, 21)),
    2: ((15, 30), (16, 29), (5, 19), (26, 19)),
    3: ((11, 31), (22, 26), (5, 21), (26, 9)),
}


def left(img):
    """The facing-left picture of a facing-right one (mirror, one pixel right)."""
    return sk.nudge(sk.mirror(img), 1, 0)


def _boot(img, foot, color, forward=1):
    fx, fy = foot
    s = sk.Shape(*img.size).rrect((fx - 2, fy - 2, fx + 2 + forward, fy), 1)
    sk.paint(img, s, color, depth=1)


def _leg(img, hip, foot, color, boot):
    sk.paint(img, sk.Shape(*img.size).limb(hip, (foot[0], foot[1] - 2), 3), color, depth=1)
    _boot(img, foot, boot)


def _arm(img, shoulder, hand, color, glove):
    sk.paint(img, sk.Shape(*img.size).limb(shoulder, hand, 3), color, depth=1)
    sk.paint(img, sk.Shape(*img.size).circle(hand[0], hand[1], 1.5), glove, depth=1, rim=False)


def _tumbo_head(img, front=False, dead=False):
    w, h = img.size
    sk.paint(img, sk.Shape(w, h).ellipse(HEAD), SKIN, depth=2)
    # a curl of hair on the crown; most hats cover it
    if front:
        sk.put(img, [(15, 1), (16, 1), (17, 2)], HAIR)
    else:
        sk.put(img, [(13, 1), (14, 1), (15, 2), (12, 2)], HAIR)
    if dead:
        sk.x_eye(img, 11, 6)
        sk.x_eye(img, 18, 6)
        sk.put(img, [(15, 10), (16, 10), (15, 11), (16, 11)], (120, 40, 40))
        return
    if front:
        sk.eye(img, 12, 5, look=1)
        sk.eye(img, 18, 5, look=-1)
        sk.put(img, [(14, 10), (15, 11), (16, 11), (17, 10)], sk.OUTLINE)
        return
    sk.eye(img, 16, 5, look=1, h=4)
    sk.eye(img, 19, 5, look=1, h=4)
    sk.put(img, [(14, 10), (15, 10)], CHEEK)
    sk.put(img, [(17, 11), (18, 12), (19, 12), (20, 11)], sk.OUTLINE)


def _tumbo_body(img, front=False):
    w, h = img.size
    body = sk.Shape(w, h).ellipse((6, 11, 25, 27))
    sk.paint(img, body, SUIT, depth=3)
    belly = sk.Shape(w, h).ellipse((10, 15, 21, 26) if front else (13, 15, 24, 26)).clip(body)
    sk.paint(img, belly, BELLY, outline=None, depth=2)
    belt = sk.Shape(w, h).rect((0, 21, 31, 22)).clip(sk.Shape(w, h).ellipse((7, 11, 24, 27)))
    sk.paint(img, belt, BELT, outline=None, shade=False)
    bx = 15 if front else 21
    sk.put(img, [(bx, 21), (bx + 1, 21), (bx, 22), (bx + 1, 22)], BUCKLE)


def tumbo(frame):
    img = sk.blank(32, 32)
    if frame == 4:
        # knocked out, seen from the front, arms flung up
        _leg(img, (12, 25), (8, 30), SUIT, BOOT)
        _leg(img, (19, 25), (23, 30), SUIT, BOOT)
        _arm(img, (9, 15), (3, 8), SUIT, GLOVE)
        _arm(img, (22, 15), (28, 8), SUIT, GLOVE)
        _tumbo_body(img, front=True)
        _tumbo_head(img, dead=True)
        return img
    back_foot, front_foot, back_hand, front_hand = POSES[frame]
    _arm(img, (10, 16), back_hand, sk.darker(SUIT, 0.15), sk.darker(GLOVE, 0.15))
    _leg(img, (12, 25), back_foot, sk.darker(SUIT, 0.15), sk.darker(BOOT, 0.15))
    _tumbo_body(img)
    _leg(img, (19, 25), front_foot, SUIT, BOOT)
    _tumbo_head(img)
    _arm(img, (20, 16), front_hand, SUIT, GLOVE)
    return img


def _ca_head(img, front=False, dead=False):
    w, h = img.size
    # square jaw under a crested helmet
    sk.paint(img, sk.Shape(w, h).rrect((10, 2, 22, 13), 3), CA_SKIN, depth=2)
    helm = sk.Shape(w, h).rrect((9, 1, 22, 7), 3)
    sk.paint(img, helm, CA_HELM, depth=1)
    crest = sk.Shape(w, h).poly([(11, 1), (15, -2), (19, 1)] if front else [(9, 2), (12, -1), (17, 1)])
    sk.paint(img, crest, CA_GOLD, depth=1)
    if dead:
        sk.x_eye(img, 12, 8, s=3)
        sk.x_eye(img, 17, 8, s=3)
        return
    if front:
        sk.put(img, [(x, 8) for x in range(11, 21)] + [(x, 9) for x in range(11, 21)], CA_VISOR)
        sk.put(img, [(12, 8), (18, 8)], (120, 200, 255))
        sk.put(img, [(14, 12), (15, 12), (16, 12), (17, 12)], sk.OUTLINE)
        return
    sk.put(img, [(x, 8) for x in range(15, 23)] + [(x, 9) for x in range(16, 23)], CA_VISOR)
    sk.put(img, [(19, 8), (20, 8)], (120, 200, 255))
    sk.put(img, [(18, 12), (19, 12), (20, 11)], sk.OUTLINE)


def _ca_body(img, front=False):
    w, h = img.size
    torso = sk.Shape(w, h).poly([(9, 13), (23, 13), (21, 24), (11, 24)])
    sk.paint(img, torso, CA_SUIT, depth=2)
    cx = 16 if front else 18
    chev = sk.Shape(w, h).poly([(cx - 3, 15), (cx, 18), (cx + 3, 15), (cx + 3, 17), (cx, 20), (cx - 3, 17)])
    sk.paint(img, chev, CA_GOLD, outline=None, depth=1)
    sk.paint(img, sk.Shape(w, h).rect((11, 22, 21, 23)), CA_GOLD, outline=None, shade=False)


CA_POSES = {
    0: ((10, 30), (22, 29), (11, 21), (19, 22)),
    1: ((13, 30), (19, 30), (9, 22), (23, 22)),
    2: ((16, 30), (16, 29), (7, 20), (25, 20)),
    3: ((12, 31), (22, 26), (7, 22), (25, 6)),
}


def _cape(img, frame):
    w, h = img.size
    # the cape streams further back the faster he moves
    tail = {0: 3, 1: 6, 2: 2, 3: 2}[frame]
    sway = {0: 1, 1: 0, 2: 2, 3: 3}[frame]
    pts = [(11, 13), (14, 14), (12, 26), (tail + 2, 28 - sway), (tail, 24 - sway), (8, 15)]
    sk.paint(img, sk.Shape(w, h).poly(pts), CA_CAPE, depth=2)


def awesome(frame):
    img = sk.blank(32, 32)
    if frame == 4:
        w, h = img.size
        sk.paint(img, sk.Shape(w, h).poly([(8, 14), (24, 14), (28, 29), (4, 29)]), CA_CAPE, depth=2)
        _leg(img, (13, 24), (9, 30), sk.darker(CA_SUIT, 0.2), CA_GOLD)
        _leg(img, (19, 24), (23, 30), sk.darker(CA_SUIT, 0.2), CA_GOLD)
        _arm(img, (10, 15), (4, 7), CA_SUIT, CA_GOLD)
        _arm(img, (22, 15), (28, 7), CA_SUIT, CA_GOLD)
        _ca_body(img, front=True)
        _ca_head(img, dead=True)
        return img
    back_foot, front_foot, back_hand, front_hand = CA_POSES[frame]
    _cape(img, frame)
    _arm(img, (11, 15), back_hand, sk.darker(CA_SUIT, 0.2), sk.darker(CA_GOLD, 0.2))
    _leg(img, (13, 24), back_foot, sk.darker(CA_SUIT, 0.35), sk.darker(CA_GOLD, 0.2))
    _ca_body(img)
    _leg(img, (19, 24), front_foot, sk.darker(CA_SUIT, 0.2), CA_GOLD)
    _ca_head(img)
    _arm(img, (21, 15), front_hand, CA_SUIT, CA_GOLD)
    return img


def in_tank(body_frame):
    """The captured tank, driven facing left, with him looking out of the hatch.

    The game puts the hat at (x+79, y-14) facing left, i.e. his 32x32
    facing-left frame sits at (79, 16) in the tank picture.
    """
    tank = space_pirates.tank_picture(150, 100, open_hatch=True)
    hero = left(body_frame)
    upper = sk.blank(32, 32)
    upper.paste(hero.crop((0, 0, 32, 17)), (0, 0))
    tank.paste(upper, (79, 16), upper)
    space_pirates.hatch_rim(tank)
    return tank


# ------------------------------------------------------------------ hats
#
# A hat picture is 32 wide and drawn 30 rows above the hero, so the top of
# his head (row 1) is row 31 of the hat picture.  Views 0 and 1 show the
# hat on his head in profile, view 2 (dead) from the front, knocked askew.

HAT_H = 44
TOP = HEAD[1] + HAT_DROP          # 31


def _paper_hat(img, cx, front):
    # folded newspaper boat hat
    pts = [(cx - 9, TOP + 4), (cx, TOP - 9), (cx + 9, TOP + 4)]
    sk.paint(img, sk.Shape(*img.size).poly(pts), (236, 234, 222), depth=2)
    band = sk.Shape(*img.size).rect((cx - 9, TOP + 2, cx + 9, TOP + 5))
    sk.paint(img, band, (214, 212, 200), depth=1)
    for i, y in enumerate((TOP - 3, TOP - 1)):
        sk.line(img, (cx - 3 + i, y), (cx + 3 - i, y), (150, 150, 160))
    sk.put(img, [(cx - 1, TOP + 3), (cx + 1, TOP + 3), (cx + 3, TOP + 3)], (150, 150, 160))


def _red_cap(img, cx, front):
    w, h = img.size
    crown = sk.Shape(w, h).ellipse((cx - 7, TOP - 3, cx + 7, TOP + 9)).rect((0, TOP + 5, w, h), on=False)
    if front:
        sk.paint(img, sk.Shape(w, h).ellipse((cx - 6, TOP + 3, cx + 6, TOP + 7)), (170, 30, 34), depth=1)
        sk.paint(img, crown, (220, 44, 48), depth=2)
        sk.put(img, [(round(cx), TOP - 3)], (255, 255, 255))
        return
    sk.paint(img, crown, (220, 44, 48), depth=2)
    visor = sk.Shape(w, h).poly([(cx + 2, TOP + 3), (cx + 12, TOP + 4), (cx + 11, TOP + 6), (cx + 2, TOP + 6)])
    sk.paint(img, visor, (176, 30, 36), depth=1)
    sk.put(img, [(round(cx) - 1, TOP - 3), (round(cx), TOP - 3)], (255, 255, 255))


def _pirate_hat(img, cx, front):
    w, h = img.size
    black = (48, 40, 58)
    pts = [(cx - 12, TOP + 4), (cx - 8, TOP - 6), (cx, TOP - 9), (cx + 8, TOP - 6), (cx + 12, TOP + 4),
           (cx, TOP + 1)]
    if not front:
        pts = [(cx - 9, TOP + 4), (cx - 6, TOP - 7), (cx + 2, TOP - 9), (cx + 9, TOP - 4), (cx + 11, TOP + 4),
               (cx + 1, TOP + 2)]
    sk.paint(img, sk.Shape(w, h).poly(pts), black, depth=2)
    band = sk.Shape(w, h).poly([(p[0], p[1]) for p in pts]).clip(
        sk.Shape(w, h).rect((0, TOP + 1, w, TOP + 4)))
    sk.paint(img, band, (220, 180, 60), outline=None, shade=False)
    # skull badge, and a space pirate's antenna with a light
    sx = round(cx) if front else round(cx) + 1
    sk.put(img, [(sx - 1, TOP - 4), (sx, TOP - 4), (sx + 1, TOP - 4), (sx - 1, TOP - 3), (sx + 1, TOP - 3),
                 (sx, TOP - 2)], sk.WHITE)
    ax = sx + 4
    sk.line(img, (ax, TOP - 7), (ax + 2, TOP - 12), (150, 160, 180))
    sk.paint(img, sk.Shape(w, h).circle(ax + 2, TOP - 13, 1.5), (90, 255, 150), depth=1)


def _ninja_mask(img, cx, front):
    w, h = img.size
    cloth = (44, 44, 70)
    # a hood wrapped round the whole head, leaving the eyes free
    head = sk.Shape(w, h).ellipse((cx - 7.5, TOP - 1, cx + 7.5, TOP + 12))
    sk.paint(img, head, cloth, depth=2)
    x0, x1 = (cx - 5, cx + 5) if front else (cx, cx + 7)
    for y in range(TOP + 5, TOP + 9):
        for x in range(x0, x1 + 1):
            if head.m.getpixel((x, y)):
                img.putpixel((x, y), (0, 0, 0, 0))
    band = sk.Shape(w, h).rect((cx - 8, TOP + 1, cx + 8, TOP + 2)).clip(
        sk.Shape(w, h).ellipse((cx - 7.5, TOP - 1, cx + 7.5, TOP + 12)))
    sk.paint(img, band, (200, 40, 50), outline=None, shade=False)
    if not front:
        # knot tails fluttering behind
        sk.paint(img, sk.Shape(w, h).poly([(cx - 7, TOP + 1), (cx - 13, TOP - 1), (cx - 12, TOP + 2),
                                            (cx - 7, TOP + 3)]), (200, 40, 50), depth=1)
        sk.paint(img, sk.Shape(w, h).poly([(cx - 7, TOP + 2), (cx - 12, TOP + 5), (cx - 10, TOP + 6),
                                            (cx - 7, TOP + 3)]), (170, 30, 42), depth=1)


def _fedora(img, cx, front):
    w, h = img.size
    felt = (122, 92, 64)
    brim = sk.Shape(w, h).ellipse((cx - 11, TOP + 1, cx + 11, TOP + 5))
    sk.paint(img, brim, sk.darker(felt, 0.15), depth=1)
    crown = sk.Shape(w, h).poly([(cx - 7, TOP + 3), (cx - 6, TOP - 6), (cx - 1, TOP - 4), (cx + 1, TOP - 4),
                                 (cx + 6, TOP - 6), (cx + 7, TOP + 3)])
    sk.paint(img, crown, felt, depth=2)
    band = sk.Shape(w, h).rect((cx - 7, TOP, cx + 7, TOP + 1)).clip(crown)
    sk.paint(img, band, (48, 38, 40), outline=None, shade=False)


def _crown(img, cx, front):
    w, h = img.size
    gold = (250, 200, 40)
    pts = [(cx - 7, TOP + 3), (cx - 7, TOP - 7), (cx - 4, TOP - 2), (cx, TOP - 9), (cx + 4, TOP - 2),
           (cx + 7, TOP - 7), (cx + 7, TOP + 3)]
    sk.paint(img, sk.Shape(w, h).poly(pts), gold, depth=2)
    sk.paint(img, sk.Shape(w, h).circle(cx, TOP, 1.5), (230, 40, 60), outline=None, depth=1)
    sk.put(img, [(cx - 5, TOP), (cx + 5, TOP)], (60, 140, 250))
    sk.put(img, [(cx - 7, TOP - 8), (cx, TOP - 10), (cx + 7, TOP - 8)], (255, 250, 200))


HATS = {1: _paper_hat, 2: _red_cap, 3: _pirate_hat, 4: _ninja_mask, 5: _fedora, 6: _crown}
# how far each hat sits above the common brim line, to keep his eyes in view
LIFT = {1: 1, 2: 2, 3: 0, 4: 0, 5: 1, 6: 0}


def hat(n, view):
    if n == 0:
        return sk.blank(32, HAT_H)
    img = sk.blank(32, HAT_H)
    if view == 2:
        HATS[n](img, round(HEAD_CX), True)
        # knocked loose by the blow: tipped and lifted off his head
        img = sk.rotate(img, 14, center=(HEAD_CX, TOP + 4))
        return sk.nudge(img, 0, -2)
    HATS[n](img, round(HEAD_CX), False)
    img = sk.nudge(img, 0, -LIFT[n])
    return img if view == 0 else left(img)


# ------------------------------------------------------------------ jetpack

JET_W, JET_H = 6, 25


def jetpack(on):
    """Drawn 7 rows below his top edge, so the canister rows 7..17 lie on his back."""
    img = sk.blank(JET_W, JET_H)
    w, h = img.size
    if on:
        flame = sk.Shape(w, h).poly([(0, 18), (5, 18), (4, 21), (2, 24), (1, 21)])
        sk.paint(img, flame, sk.FIRE[2], depth=1)
        sk.paint(img, sk.Shape(w, h).poly([(1, 18), (4, 18), (3, 21), (2, 22)]), sk.FIRE[1], outline=None,
                 depth=1)
    sk.paint(img, sk.Shape(w, h).rrect((0, 5, 5, 16), 2), (210, 56, 52), depth=1)
    sk.paint(img, sk.Shape(w, h).rect((1, 16, 4, 18)), (120, 124, 140), depth=1)
    sk.put(img, [(2, 8), (3, 8)], (255, 214, 60))
    return img


def pictures():
    pics = {}
    for folder, draw in (("gfx/Tumbo Man/", tumbo), ("gfx/CA/", awesome)):
        for frame in range(5):
            pics[folder + "0-%d.png" % frame] = (lambda w, h, d=draw, f=frame: d(f))
            pics[folder + "1-%d.png" % frame] = (
                lambda w, h, d=draw, f=frame: d(f) if f == 4 else left(d(f)))
        pics[folder + "1-5.png"] = lambda w, h, d=draw: in_tank(d(1))
        pics[folder + "0-5.png"] = lambda w, h, d=draw: left(in_tank(d(1)))
    for n in range(7):
        for view in range(3):
            pics["gfx/Hats/%d-%d.png" % (n, view)] = lambda w, h, n=n, v=view: hat(n, v)
    pics["gfx/Tumbo Man/jetpack_off.png"] = lambda w, h: jetpack(False)
    pics["gfx/Tumbo Man/jetpack_on.png"] = lambda w, h: jetpack(True)
    return pics

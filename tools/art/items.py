"""Pick-ups and the flagpole.

Money, the extra life and the flag are drawn by the game without a colour
key, so they are full rectangles: a banknote, a badge and a cloth.
"""

try:
    from . import sprite_kit as sk
except ImportError:
    import sprite_kit as sk

from PIL import Image

NOTE = (104, 196, 104)
GOLD = (250, 200, 50)
RED = (222, 50, 56)
SKIN = (255, 204, 156)
STONE = (150, 150, 168)


def _frame_rect(img, color, border):
    """A fully opaque card: outline on the edge, bevelled border inside."""
    w, h = img.size
    sk.solid(img, Image.new("L", (w, h), 255), sk.OUTLINE)
    inner = sk.Shape(w, h).rect((1, 1, w - 2, h - 2))
    sk.paint(img, inner, border, outline=None, depth=1)
    return inner


def _tumbo_face(img, cx, cy, r):
    w, h = img.size
    sk.paint(img, sk.Shape(w, h).circle(cx, cy, r), SKIN, depth=max(1, int(r / 3)))
    ey = round(cy - r * 0.25)
    for ex in (round(cx - r * 0.4), round(cx + r * 0.25)):
        sk.put(img, [(ex, ey), (ex, ey + 1)], sk.OUTLINE)
    my = round(cy + r * 0.45)
    sk.put(img, [(round(cx - r * 0.35), my - 1), (round(cx - r * 0.2), my), (round(cx), my),
                 (round(cx + r * 0.2), my), (round(cx + r * 0.35), my - 1)], sk.OUTLINE)


def money(w=22, h=15):
    img = sk.blank(w, h)
    _frame_rect(img, NOTE, NOTE)
    sk.paint(img, sk.Shape(w, h).rect((3, 3, w - 4, h - 4)), sk.lighter(NOTE, 0.45), outline=sk.darker(NOTE, 0.4),
             depth=1)
    # the hero's own face on the note, corner numerals as dots of ink
    _tumbo_face(img, w / 2 - 0.5, h / 2 - 0.5, 3.5)
    for x, y in ((4, 4), (w - 5, h - 5)):
        sk.put(img, [(x, y), (x, y + 1) if y < h / 2 else (x, y - 1)], sk.darker(NOTE, 0.5))
    return img


def oneup(w=20, h=20):
    img = sk.blank(w, h)
    _frame_rect(img, GOLD, GOLD)
    sk.paint(img, sk.Shape(w, h).rect((2, 2, w - 3, h - 3)), (70, 140, 230), outline=sk.darker(GOLD, 0.3),
             depth=2)
    _tumbo_face(img, w / 2 - 0.5, h / 2 - 1, 5.5)
    # a little plus: one more of him
    sk.put(img, [(15, 14), (16, 14), (17, 14), (16, 13), (16, 15)], sk.WHITE)
    return img


def drvim(w=15, h=20):
    """Health drink: a round bottle of red tonic with a heart on the label."""
    img = sk.blank(w, h)
    sk.paint(img, sk.Shape(w, h).rect((5, 0, 9, 3)), (150, 100, 60), depth=1)
    sk.paint(img, sk.Shape(w, h).rect((5, 3, 9, 7)), (200, 230, 240), depth=1)
    body = sk.Shape(w, h).ellipse((1, 6, 13, 19))
    sk.paint(img, body, (200, 230, 240), depth=2)
    liquid = sk.Shape(w, h).ellipse((2, 7, 12, 18)).rect((0, 0, w, 10), on=False)
    sk.paint(img, liquid, RED, outline=None, depth=2)
    heart = [(5, 12), (6, 12), (8, 12), (9, 12), (4, 13), (5, 13), (6, 13), (7, 13), (8, 13), (9, 13), (10, 13),
             (5, 14), (6, 14), (7, 14), (8, 14), (9, 14), (6, 15), (7, 15), (8, 15), (7, 16)]
    sk.put(img, heart, sk.WHITE)
    sk.put(img, [(3, 9), (3, 10)], sk.WHITE)
    return img


def energy_drink(w=15, h=20):
    """Speed-up: a tall can with a lightning bolt."""
    img = sk.blank(w, h)
    can = sk.Shape(w, h).rrect((2, 1, 12, 19), 2)
    sk.paint(img, can, (60, 200, 90), depth=3)
    sk.paint(img, sk.Shape(w, h).rect((3, 1, 11, 2)), (200, 204, 214), outline=None, depth=1)
    sk.paint(img, sk.Shape(w, h).rect((3, 18, 11, 19)), (200, 204, 214), outline=None, depth=1)
    bolt = sk.Shape(w, h).poly([(8, 4), (4, 11), (7, 11), (5, 16), (11, 8), (8, 8), (10, 4)])
    sk.paint(img, bolt, (255, 226, 60), outline=sk.darker((60, 200, 90), 0.5), depth=1)
    return img


def jetpack(w=27, h=27):
    img = sk.blank(w, h)
    for x0 in (3, 14):
        sk.paint(img, sk.Shape(w, h).poly([(x0 + 1, 20), (x0 + 8, 20), (x0 + 7, 25), (x0 + 2, 25)]),
                 (120, 124, 140), depth=1)
        sk.paint(img, sk.Shape(w, h).rrect((x0, 2, x0 + 9, 21), 4), (214, 56, 52), depth=3)
        sk.put(img, [(x0 + 3, 5), (x0 + 3, 6), (x0 + 3, 7)], sk.WHITE)
    sk.paint(img, sk.Shape(w, h).rect((9, 8, 17, 15)), GOLD, depth=1)
    sk.paint(img, sk.Shape(w, h).limb((6, 2), (6, 0), 2).limb((20, 2), (20, 0), 2), (80, 70, 60), outline=None,
             shade=False, rim=False)
    return img


# ------------------------------------------------------------------ flagpole
# The hero lands on the base (1, 257, 52, 29); the flag slides up the pole
# beside x = 68, from row 257 to row 18.

POLE_X0, POLE_X1 = 59, 65


def pole(lit, w=100, h=298):
    img = sk.blank(w, h)
    # base block with a landing pad on top
    block = sk.Shape(w, h).rrect((0, 257, 64, 297), 3)
    sk.paint(img, block, STONE, ow=2, depth=5)
    for y in (270, 284):
        sk.line(img, (3, y), (65, y), sk.darker(STONE, 0.35))
    for x, y0, y1 in ((22, 259, 269), (46, 259, 269), (12, 271, 283), (36, 271, 283), (58, 271, 283),
                      (24, 285, 295), (48, 285, 295)):
        sk.line(img, (x, y0), (x, y1), sk.darker(STONE, 0.35))
    pad = sk.Shape(w, h).rect((4, 257, 50, 261))
    pad_col = (80, 220, 110) if lit else (230, 210, 70)
    sk.paint(img, pad, pad_col, outline=sk.OUTLINE, depth=1)
    for x in range(8, 50, 8):
        sk.put(img, [(x, 258), (x + 1, 258), (x + 2, 259), (x + 3, 259)], sk.OUTLINE if not lit else sk.WHITE)
    # the pole and its socket
    sk.paint(img, sk.Shape(w, h).rect((POLE_X0, 14, POLE_X1, 257)), (220, 224, 236), ow=1, depth=2)
    sk.paint(img, sk.Shape(w, h).rrect((POLE_X0 - 2, 249, POLE_X1 + 1, 258), 2), STONE, ow=1, depth=2)
    # lamp on the top: dark before the landing, shining after
    lamp = (120, 255, 120) if lit else (90, 100, 110)
    sk.paint(img, sk.Shape(w, h).circle((POLE_X0 + POLE_X1) / 2, 8, 6), lamp, ow=2, depth=2)
    if lit:
        cx = (POLE_X0 + POLE_X1) / 2
        for dx, dy in ((-10, 0), (10, 0), (0, -7), (-7, -6), (7, -6), (-8, 6), (8, 6)):
            sk.put(img, [(cx + dx, 8 + dy), (cx + dx * 1.15, 8 + dy * 1.15)], (255, 250, 160))
        sk.put(img, [(cx - 2, 5), (cx - 1, 5), (cx - 2, 6)], sk.WHITE)
    return img


def flag(w=32, h=22):
    img = sk.blank(w, h)
    _frame_rect(img, RED, RED)
    # folds of the cloth as lighter and darker vertical bands
    for x in range(1, w - 1):
        band = (x // 5) % 3
        col = (sk.lighter(RED, 0.18), RED, sk.darker(RED, 0.18))[band]
        for y in range(1, h - 1):
            img.putpixel((x, y), col + (255,))
    pts = sk.star(w / 2, h / 2, 8, 3.5)
    sk.paint(img, sk.Shape(w, h).poly(pts), GOLD, depth=2)
    for y in range(1, h - 1):
        img.putpixel((1, y), sk.darker(RED, 0.4) + (255,))
    return img


def pictures():
    r = "gfx/Entities/Items/"
    f = "gfx/Entities/Flagpole/"
    return {
        r + "money.png": money,
        r + "oneup.png": oneup,
        r + "drvim.png": drvim,
        r + "energy_drink.png": energy_drink,
        r + "jetpack.png": jetpack,
        f + "pole0.png": lambda w, h: pole(False, w, h),
        f + "pole1.png": lambda w, h: pole(True, w, h),
        f + "flag.png": flag,
    }

"""Blorp: the jelly blorps in three sizes and the Smashy crusher.

Direction 0 moves left in this world; the blorps are drawn facing right
and mirrored.  Frame 0 is the blorp in the air, frames 1 to 3 squash it
further and further after a landing.  Smashy is drawn without a colour
key, so it fills its whole square.
"""

try:
    from . import sprite_kit as sk
except ImportError:
    import sprite_kit as sk

import random

JELLY = {20: (246, 116, 196), 35: (176, 96, 226), 50: (128, 72, 206)}
STONE = (124, 128, 150)


def blorp(size, frame, facing=1):
    """facing 1 looks right, -1 left; only the face turns, the light stays top-left."""
    img = sk.blank(size, size)
    col = JELLY.get(size, JELLY[35])
    # tall in the air, wider and lower with each squash frame
    hs = (0.92, 0.78, 0.64, 0.52)[frame]
    ws = (0.80, 0.88, 0.95, 1.0)[frame]
    bw = max(8, round(size * ws)) - 1
    bh = max(6, round(size * hs)) - 1
    x0 = (size - 1 - bw) // 2
    y1 = size - 1
    y0 = y1 - bh
    s = sk.Shape(size, size)
    # a gumdrop: round top, flat wobbling bottom
    s.ellipse((x0, y0, x0 + bw, y0 + bh * 1.5))
    s.rect((0, y1 + 1, size, size + bh), on=False)
    s.rrect((x0, y0 + bh * 0.5, x0 + bw, y1), max(1, bw // 6))
    sk.paint(img, s, col, depth=max(1, size // 9))
    rng = random.Random(size * 10 + frame)
    # bubbles in the jelly
    for _ in range(max(1, size // 14)):
        bx = rng.randint(x0 + 2, x0 + max(3, bw // 2))
        by = rng.randint(y0 + bh // 2, y1 - 2)
        sk.put(img, [(bx, by)], sk.lighter(col, 0.5))
    # a shine on the top of its back, clear of the face
    sx = 0.18 if facing > 0 else 0.66
    shine = sk.Shape(size, size).ellipse((x0 + bw * sx, y0 + bh * 0.12, x0 + bw * (sx + 0.16), y0 + bh * 0.32))
    sk.paint(img, shine, sk.lighter(col, 0.7), outline=None, shade=False, rim=False)
    face = sk.blank(size, size)
    _face(face, size, frame, x0, y0, bw, bh)
    sk.over(img, face if facing > 0 else sk.nudge(sk.mirror(face), 2 * x0 + bw - (size - 1), 0))
    return img


def _face(img, size, frame, x0, y0, bw, bh):
    # eyes on the front half, looking the way it moves
    ew = max(2, size // 10)
    eh = max(3, round(size * 0.16 * (1.15 - frame * 0.15)))
    ey = y0 + max(2, round(bh * 0.28))
    ex = x0 + round(bw * 0.52)
    for i in range(2):
        sk.eye(img, ex + i * (ew + max(1, size // 14)), ey, look=1, w=ew, h=eh)
    # mouth: a wide grin, bigger blorps show a tooth
    my = ey + eh + max(1, size // 16)
    mw = max(2, size // 6)
    mx = ex + ew // 2
    if size >= 35:
        mh = max(3, size // 9)
        mouth = sk.Shape(size, size).ellipse((mx - 1, my - mh, mx + mw + 2, my + mh)).rect((0, 0, size, my - 1),
                                                                                            on=False)
        sk.paint(img, mouth, (90, 20, 60), outline=sk.OUTLINE, shade=False, rim=False)
        sk.put(img, [(mx + 1, my), (mx + 2, my), (mx + 1, my + 1)], sk.WHITE)
    else:
        sk.put(img, [(mx + i, my + (1 if 0 < i < mw else 0)) for i in range(mw + 1)], sk.OUTLINE)


def smashy(frame, w=60, h=60):
    img = sk.blank(w, h)
    # fills the square: the outline runs along the picture's own edge
    sk.solid(img, sk.Shape(w, h).rect((0, 0, w - 1, h - 1)).m, sk.OUTLINE)
    block = sk.Shape(w, h).rect((2, 2, w - 3, h - 3))
    sk.paint(img, block, STONE, outline=None, depth=5)
    rng = random.Random(7)
    for _ in range(6):
        x, y = rng.randint(6, w - 10), rng.randint(6, h - 10)
        sk.put(img, [(x, y), (x + 1, y), (x + 1, y + 1), (x + 2, y + 1)], sk.darker(STONE, 0.35))
    # studs in the corners
    for cx, cy in ((7, 7), (w - 8, 7), (7, h - 8), (w - 8, h - 8)):
        sk.paint(img, sk.Shape(w, h).circle(cx, cy, 2.5), sk.lighter(STONE, 0.2), depth=1)
    angry = frame == 1
    eye_col = (255, 80, 60) if angry else (255, 230, 120)
    for ex, flip in ((15, 1), (35, -1)):
        sk.paint(img, sk.Shape(w, h).rect((ex, 21, ex + 9, 30)), sk.WHITE, depth=2)
        px = ex + 3
        sk.paint(img, sk.Shape(w, h).rect((px, 24 if angry else 23, px + 3, 28)), eye_col, outline=sk.OUTLINE,
                 shade=False)
        # heavy brows; they drop lower and steeper when it falls
        drop = 4 if angry else 1
        if flip > 0:
            brow = [(ex - 2, 15), (ex + 11, 17 + drop), (ex + 11, 21 + drop), (ex - 2, 19)]
        else:
            brow = [(ex - 2, 17 + drop), (ex + 11, 15), (ex + 11, 19), (ex - 2, 21 + drop)]
        sk.paint(img, sk.Shape(w, h).poly(brow), (60, 60, 76), depth=1)
    if angry:
        mouth = sk.Shape(w, h).rect((16, 38, 43, 48))
        sk.paint(img, mouth, (70, 20, 30), shade=False)
        for x in range(17, 43, 4):
            sk.paint(img, sk.Shape(w, h).poly([(x, 38), (x + 3, 38), (x + 1.5, 42)]), sk.WHITE, outline=None,
                     shade=False, rim=False)
            sk.paint(img, sk.Shape(w, h).poly([(x + 1, 48), (x + 4, 48), (x + 2.5, 45)]), sk.WHITE, outline=None,
                     shade=False, rim=False)
    else:
        sk.paint(img, sk.Shape(w, h).rect((18, 41, 41, 44)), (70, 20, 30), shade=False)
        for x in range(20, 41, 4):
            sk.put(img, [(x, 41), (x + 1, 41)], sk.WHITE)
    return img


def pictures():
    root = "gfx/Entities/Blorp/"
    pics = {}
    for name, size in (("Small_blorp", 20), ("Medium_blorp", 35), ("Large_blorp", 50)):
        for f in range(4):
            pics[root + "%s/1-%d.png" % (name, f)] = lambda w, h, s=size, f=f: blorp(s, f)
            pics[root + "%s/0-%d.png" % (name, f)] = lambda w, h, s=size, f=f: blorp(s, f, -1)
    for f in range(2):
        pics[root + "Smashy/%d.png" % f] = lambda w, h, f=f: smashy(f, w, h)
    return pics

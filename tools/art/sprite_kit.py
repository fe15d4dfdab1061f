"""Drawing helpers shared by every character, enemy and item sprite.

A sprite is built like a cut-out puppet: each body part is a hard-edged
mask that is outlined, filled and shaded on its own, then laid over the
parts drawn before it.  Outlining each part separately is what gives the
dark line between an arm and the body it crosses, which keeps small
sprites readable.  Masks never use anti-aliasing because the game turns
every half-transparent pixel into either magenta or solid colour.
"""

import math
import random

from PIL import Image, ImageChops, ImageDraw

OUTLINE = (30, 22, 40)
WHITE = (250, 250, 246)
BLACK = (26, 20, 30)


# ---------------------------------------------------------------- colours

def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def darker(c, t=0.3):
    return mix(c, (20, 12, 36), t)


def lighter(c, t=0.35):
    return mix(c, (255, 255, 240), t)


def ramp(c):
    """Highlight, base and shadow of one colour: the three shades every part uses."""
    return lighter(c, 0.38), tuple(c), darker(c, 0.32)


# ---------------------------------------------------------------- masks

def blank(w, h):
    return Image.new("RGBA", (w, h), (0, 0, 0, 0))


def shift(m, dx, dy):
    out = Image.new("L", m.size, 0)
    out.paste(m, (dx, dy))
    return out


def dilate(m, r=1):
    # Cross-shaped growth: diagonal steps would give blocky outlines on curves.
    for _ in range(r):
        grown = m
        for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
            grown = ImageChops.lighter(grown, shift(m, dx, dy))
        m = grown
    return m


class Shape:
    """A hard-edged mask built from simple primitives; methods chain."""

    def __init__(self, w, h):
        self.m = Image.new("L", (w, h), 0)
        self.d = ImageDraw.Draw(self.m)

    def ellipse(self, box, on=True):
        self.d.ellipse([round(v) for v in box], fill=255 if on else 0)
        return self

    def circle(self, cx, cy, r, on=True):
        return self.ellipse((cx - r, cy - r, cx + r, cy + r), on)

    def rect(self, box, on=True):
        self.d.rectangle([round(v) for v in box], fill=255 if on else 0)
        return self

    def rrect(self, box, r, on=True):
        box = [round(v) for v in box]
        r = max(0, min(r, (box[2] - box[0]) // 2, (box[3] - box[1]) // 2))
        self.d.rounded_rectangle(box, r, fill=255 if on else 0)
        return self

    def poly(self, pts, on=True):
        self.d.polygon([(round(x), round(y)) for x, y in pts], fill=255 if on else 0)
        return self

    def limb(self, p, q, width, on=True):
        """A thick segment with round ends: arms, legs, pipes."""
        fill = 255 if on else 0
        p = (round(p[0]), round(p[1]))
        q = (round(q[0]), round(q[1]))
        r = (width - 1) / 2.0
        if width > 1:
            self.d.line([p, q], fill=fill, width=int(width))
            for c in (p, q):
                self.d.ellipse((c[0] - r, c[1] - r, c[0] + r, c[1] + r), fill=fill)
        else:
            self.d.line([p, q], fill=fill)
        return self

    def pixels(self, pts, on=True):
        for x, y in pts:
            self.d.point((round(x), round(y)), fill=255 if on else 0)
        return self

    def cut(self, other):
        self.m = ImageChops.subtract(self.m, other.m)
        self.d = ImageDraw.Draw(self.m)
        return self

    def clip(self, other):
        self.m = ImageChops.multiply(self.m, other.m)
        self.d = ImageDraw.Draw(self.m)
        return self

    def bbox(self):
        return self.m.getbbox()


def solid(img, mask, color):
    img.paste(Image.new("RGBA", img.size, tuple(color) + (255,)), (0, 0), mask)


def paint(img, shape, color, outline=OUTLINE, ow=1, shade=True, rim=True,
          depth=None, light=(-1, -1), shadow=None, hilite=None):
    """Outline, fill and shade one part onto img.

    The shadow is the band of the part that lies within `depth` pixels of its
    edge away from the light; the rim is the one-pixel edge facing the light.
    """
    m = shape.m if isinstance(shape, Shape) else shape
    bb = m.getbbox()
    if bb is None:
        return
    if depth is None:
        depth = max(1, min(bb[2] - bb[0], bb[3] - bb[1]) // 5)
    # work on the part's own neighbourhood only: big pictures have many small parts
    pad = max(ow, 1) + 1
    box = (max(0, bb[0] - pad), max(0, bb[1] - pad), min(img.size[0], bb[2] + pad), min(img.size[1], bb[3] + pad))
    m = m.crop(box)
    region = img.crop(box)
    if outline is not None and ow > 0:
        solid(region, ImageChops.subtract(dilate(m, ow), m), outline)
    hi, base, lo = ramp(color)
    if shadow is not None:
        lo = shadow
    if hilite is not None:
        hi = hilite
    solid(region, m, base)
    lx, ly = light
    if shade:
        away = shift(m, lx * depth, ly * depth)
        solid(region, ImageChops.subtract(m, away), lo)
    if rim:
        towards = shift(m, -lx, -ly)
        edge = ImageChops.subtract(m, towards)
        if shade:
            # keep the rim off the shadow side
            edge = ImageChops.multiply(edge, shift(m, lx * 2, ly * 2))
        solid(region, edge, hi)
    img.paste(region, box[:2])


def put(img, pts, color):
    """Set single pixels: eyes, glints and other details too small for shapes."""
    w, h = img.size
    c = tuple(color) + (255,)
    for x, y in pts:
        if 0 <= x < w and 0 <= y < h:
            img.putpixel((int(x), int(y)), c)


def line(img, p, q, color, width=1):
    d = ImageDraw.Draw(img)
    d.line([(round(p[0]), round(p[1])), (round(q[0]), round(q[1]))],
           fill=tuple(color) + (255,), width=width)


def mirror(img):
    return img.transpose(Image.FLIP_LEFT_RIGHT)


def nudge(img, dx, dy):
    out = blank(*img.size)
    out.paste(img, (dx, dy))
    return out


def over(base, top, pos=(0, 0)):
    """Paste top (RGBA, hard alpha) onto base at pos."""
    base.paste(top, (int(pos[0]), int(pos[1])), top)
    return base


def rotate(img, degrees, center=None):
    return img.rotate(degrees, resample=Image.NEAREST, center=center)


def rotate_about(img, degrees, pivot, dest=None):
    """Turn img about pivot (counter-clockwise) and put the pivot at dest,
    without losing what turns past the picture's edge on the way."""
    w, h = img.size
    dest = dest or pivot
    big = blank(w * 3, h * 3)
    big.paste(img, (w, h))
    big = big.rotate(degrees, resample=Image.NEAREST, center=(w + pivot[0], h + pivot[1]))
    x0 = round(w + pivot[0] - dest[0])
    y0 = round(h + pivot[1] - dest[1])
    return big.crop((x0, y0, x0 + w, y0 + h))


# ---------------------------------------------------------------- faces

def eye(img, x, y, look=1, h=3, w=2, white=WHITE, pupil=BLACK, glint=True):
    """A cartoon eye with its top-left at (x, y); the pupil sits on the side it looks to."""
    for yy in range(y, y + h):
        for xx in range(x, x + w):
            put(img, [(xx, yy)], white)
    pw = max(1, w // 2) if w >= 4 else 1
    xs = range(x + w - pw, x + w) if look > 0 else range(x, x + pw)
    for yy in range(y + h // 3, y + h):
        for px in xs:
            put(img, [(px, yy)], pupil)
    if glint and w >= 4 and h >= 5:
        put(img, [(xs[0], y + h // 3)], white)


def x_eye(img, x, y, color=BLACK, s=3):
    for i in range(s):
        put(img, [(x + i, y + i), (x + s - 1 - i, y + i)], color)


# ---------------------------------------------------------------- effects

FIRE = [(255, 250, 210), (255, 228, 90), (255, 160, 40), (226, 80, 30), (150, 44, 32)]
SMOKE = [(200, 196, 196), (150, 146, 152), (104, 100, 112), (70, 66, 80)]


def explosion(w, h, t, seed=1, puffs=9, smoky=True):
    """One frame of a blast, t from 0 (spark) to 1 (last wisps).

    The fireball grows until about t = 0.5 and then turns to smoke that
    thins out; with a colour key there is no real fading, so the smoke is
    made of fewer and smaller puffs instead.
    """
    img = blank(w, h)
    rng = random.Random(seed)
    cx, cy = w / 2.0, h / 2.0
    full = min(w, h) * 0.42
    grow = min(1.0, 0.35 + t * 1.4)
    r = full * grow
    heat = max(0.0, 1.0 - t * 1.25)            # 1 white hot .. 0 cold smoke
    ring = Shape(w, h)
    pts = []
    for i in range(puffs):
        a = 2 * math.pi * i / puffs + rng.uniform(-0.3, 0.3)
        d = r * rng.uniform(0.45, 0.75)
        pr = r * rng.uniform(0.38, 0.55)
        pts.append((cx + math.cos(a) * d, cy + math.sin(a) * d, pr))
    keep = [p for i, p in enumerate(pts) if t < 0.6 or rng.random() > (t - 0.55) * 1.6]
    shrink = 1.0 if t < 0.6 else max(0.35, 1.0 - (t - 0.6) * 1.4)
    for x, y, pr in keep:
        ring.circle(x, y, pr * shrink)
    if t < 0.6:
        ring.circle(cx, cy, r * 0.7)
    if t >= 0.6:
        # holes open in the cooling cloud
        for _ in range(int((t - 0.5) * 14)):
            a = rng.uniform(0, 2 * math.pi)
            d = rng.uniform(0, r * 0.7)
            ring.circle(cx + math.cos(a) * d, cy + math.sin(a) * d, r * rng.uniform(0.12, 0.25), on=False)
    if heat > 0.45 or not smoky:
        outer = FIRE[3]
    elif heat > 0.25:
        outer = FIRE[4]
    elif heat > 0.05:
        outer = SMOKE[2]
    else:
        outer = SMOKE[1]
    paint(img, ring, outer, ow=1 if w < 60 else 2, depth=max(1, int(r / 6)))
    if heat > 0.05:
        core = Shape(w, h)
        for x, y, pr in keep:
            core.circle(cx + (x - cx) * 0.55, cy + (y - cy) * 0.55, pr * shrink * (0.3 + 0.5 * heat))
        core.clip(ring)
        paint(img, core, FIRE[2] if heat < 0.7 else FIRE[1], outline=None, depth=max(1, int(r / 8)))
        if heat > 0.4:
            hot = Shape(w, h).circle(cx - r * 0.1, cy - r * 0.1, r * 0.35 * heat)
            paint(img, hot, FIRE[0], outline=None, shade=False, rim=False)
    # flying sparks early on, falling debris later
    for i in range(int(6 + 6 * t)):
        a = rng.uniform(0, 2 * math.pi)
        d = r * (0.9 + t * 0.5) * rng.uniform(0.9, 1.2)
        x, y = cx + math.cos(a) * d, cy + math.sin(a) * d
        col = FIRE[1] if heat > 0.3 else SMOKE[3]
        if t < 0.85:
            put(img, [(x, y), (x + 1, y)], col)
    return img


def smoke_puff(img, cx, cy, r, seed=3, color=None):
    rng = random.Random(seed)
    s = Shape(*img.size)
    for _ in range(4):
        s.circle(cx + rng.uniform(-r, r) * 0.6, cy + rng.uniform(-r, r) * 0.5, r * rng.uniform(0.5, 0.8))
    paint(img, s, color or SMOKE[1], depth=max(1, int(r / 3)))


def sparks(img, cx, cy, r, seed=5, n=6):
    rng = random.Random(seed)
    for _ in range(n):
        a = rng.uniform(0, 2 * math.pi)
        d = rng.uniform(r * 0.4, r)
        x, y = cx + math.cos(a) * d, cy + math.sin(a) * d
        put(img, [(x, y), (x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)], FIRE[1])
        put(img, [(x, y)], FIRE[0])


def star(cx, cy, r_out, r_in, n=5, rot=-math.pi / 2):
    pts = []
    for i in range(n * 2):
        r = r_out if i % 2 == 0 else r_in
        a = rot + math.pi * i / n
        pts.append((cx + math.cos(a) * r, cy + math.sin(a) * r))
    return pts

"""The 32x32 tiles of every world, the shared hazards and the editor marks.

Solid ground tiles fill their whole cell and repeat without seams in both
directions, so long floors and thick walls read as one surface.
"""
import math

from PIL import ImageChops, ImageDraw

import kit
from kit import OUTLINE, rgba, darker, lighter, mix

T = 32

# ---------------------------------------------------------------- palettes
GRASS = (86, 190, 64)
EARTH = (156, 100, 52)
BRICK = (206, 96, 58)
MORTAR = (104, 70, 64)
STEEL_SPIKE = (196, 204, 218)
WATER_DEEP = (40, 110, 210)
WATER_LIGHT = (150, 220, 255)
SPRING_COIL = (190, 196, 210)
SPRING_PAD = (226, 56, 56)
JELLY = (236, 96, 186)
JELLY_TINTS = [(236, 96, 186), (206, 92, 232), (242, 110, 150), (170, 110, 240)]
JELLY_DEEP = (128, 44, 120)
SLUDGE = (120, 200, 40)
SHIP = (84, 96, 122)
HAZARD_YELLOW = (250, 204, 40)
STEEL = (104, 132, 172)
BELT = (52, 54, 62)
DIRT = (196, 120, 64)
DRY_GRASS = (214, 172, 74)
WHITE_SOFT = (250, 250, 240)


def put(px, x, y, c):
    """Sets a pixel, wrapping in both directions so patterns tile."""
    px[x % T, y % T] = rgba(c)


# ---------------------------------------------------------------- ground that stacks
#
# Each ground kind has a surface picture (the one the level codes name) and an
# inner picture that the game draws instead when the cell above holds ground of
# the same kind. Inner pictures join themselves on all four sides and carry only
# soft, low-contrast texture, so a deep fill reads as one mass, not as wallpaper.

# Soft blobs of darker soil, in a few shapes so no two read alike.
CLODS = (((0, 0), (1, 0), (2, 0), (0, 1), (1, 1), (2, 1), (3, 1)),
         ((1, 0), (2, 0), (0, 1), (1, 1), (2, 1), (1, 2)),
         ((0, 0), (1, 0), (1, 1), (2, 1), (3, 1)))
# How much darker ground is at the depth of a whole cell than at its surface.
DEPTH_DARKENING = 0.9


def soil(img, top, seed, base, stones=2, clods=6, specks=34, deepen=False):
    """Packed soil from row top down: soft darker clods, a few small stones
    and grain. With top 0 everything wraps, so the picture joins itself in
    every direction; below a surface band nothing spills into the band.
    deepen darkens it towards the bottom, to the colour of the inner
    picture drawn under it."""
    dark, mid, hi = kit.shades(base)
    if deepen:
        img.paste(kit.vgradient(T, T - top, [(0, mid), (1, darker(base, DEPTH_DARKENING))]), (0, top))
    else:
        ImageDraw.Draw(img).rectangle((0, top, T - 1, T - 1), fill=mid)
    r = kit.rng(seed)
    px = img.load()

    def dab(x, y, c):
        if top == 0 or top < y < T:
            put(px, x, y, c)

    for _ in range(clods):
        x, y = r.randrange(T), r.randrange(top, T)
        for dx, dy in r.choice(CLODS):
            dab(x + dx, y + dy, darker(base, 0.88))
    for _ in range(stones):
        x, y = r.randrange(T), r.randrange(top + 2, T)
        for i in range(r.choice((2, 3))):
            dab(x + i, y, lighter(base, 0.22))
            dab(x + i, y + 1, darker(base, 0.76))
        dab(x - 1, y + 1, darker(base, 0.76))
    grain = (darker(base, 0.84), lighter(base, 0.1))
    for _ in range(specks):
        dab(r.randrange(T), r.randrange(top, T), grain[r.randrange(2)])


# ---------------------------------------------------------------- Tumbo World

def grass(w, h):
    img = kit.canvas(w, h)
    soil(img, 8, "grass-earth", EARTH, deepen=True)
    px = img.load()
    dark, mid, hi = kit.shades(GRASS)
    # Turf of uneven depth: whole sine periods across the tile keep it seamless.
    for x in range(T):
        depth = 9 + int(round(2.2 * math.sin(2 * math.pi * x / 16) + 1.2 * math.sin(2 * math.pi * x / 8 + 1)))
        put(px, x, 0, darker(GRASS, 0.45))
        put(px, x, 1, hi)
        put(px, x, 2, hi if x % 5 else lighter(GRASS, 0.6))
        for y in range(3, depth):
            put(px, x, y, mid if y < depth - 2 else dark)
        put(px, x, depth, OUTLINE)
        put(px, x, depth + 1, darker(EARTH, 0.55))
    # Blade tips and tufts give the turf some life.
    r = kit.rng("grass-blades")
    for _ in range(10):
        x, y = r.randrange(T), r.randrange(3, 6)
        put(px, x, y, dark)
        put(px, x, y + 1, dark)
    for x in (4, 19, 27):
        put(px, x, 3, lighter(GRASS, 0.6))
    return img


def earth(w, h):
    """The soil under the turf, for grass stacked under grass."""
    img = kit.canvas(w, h)
    soil(img, 0, "earth", darker(EARTH, DEPTH_DARKENING))
    return img


def brick(w, h):
    img = kit.canvas(w, h, MORTAR)
    d = ImageDraw.Draw(img)
    r = kit.rng("brick")
    for row in range(2):
        y0 = row * 16
        shift = 0 if row == 0 else 8
        for k in range(-1, 3):
            x0 = k * 16 + shift
            tint = mix(BRICK, (150, 60, 40), r.random() * 0.25)
            block = kit.canvas(15, 15)
            kit.bevel_box(ImageDraw.Draw(block), (0, 0, 14, 14), tint, depth=2, outline=None)
            kit.scatter(block, r, [darker(tint, 0.8)], 5, (2, 2, 12, 12))
            kit.paste_wrapped(img, block, x0 % T, y0)
    # Mortar lines along the top and left of each brick carry the outline.
    for y in (0, 16):
        d.line([(0, y + 15), (T - 1, y + 15)], fill=darker(MORTAR, 0.6))
    return img


# ---------------------------------------------------------------- special tiles

def spikes(w, h):
    img = kit.canvas(w, h)
    d = ImageDraw.Draw(img)
    dark, mid, hi = kit.shades(STEEL_SPIKE)
    for i in range(4):
        x0 = i * 8
        tip = (x0 + 4, 6)
        d.polygon([(x0, 27), tip, (x0 + 7, 27)], fill=rgba(OUTLINE))
        d.polygon([(x0 + 1, 26), (x0 + 4, 9), (x0 + 6, 26)], fill=mid)
        d.polygon([(x0 + 4, 9), (x0 + 6, 26), (x0 + 4, 26)], fill=dark)
        d.line([(x0 + 2, 24), (x0 + 4, 11)], fill=hi)
        # Red tips: the danger reads before the shape does.
        d.line([(x0 + 4, 7), (x0 + 4, 11)], fill=(220, 40, 40, 255))
        d.point((x0 + 3, 11), fill=(220, 40, 40, 255))
        d.point((x0 + 5, 11), fill=(160, 20, 30, 255))
    kit.bevel_box(d, (0, 26, T - 1, T - 1), (90, 90, 104), depth=1)
    for x in range(2, T, 8):
        d.point((x + 2, 28), fill=(200, 200, 210, 255))
    return img


def water(w, h):
    """Screen-door water: every other pixel is see-through so the hero and
    the scenery show through it under a plain colour key."""
    img = kit.canvas(w, h)
    px = img.load()
    for y in range(T):
        for x in range(T):
            if (x + y) % 2 == 0:
                t = 0.5 + 0.5 * math.sin(2 * math.pi * (x / 32 + y / 16))
                px[x, y] = mix(WATER_DEEP, (60, 140, 230), t * 0.6)
    # Ripple highlights, solid, drift diagonally and wrap.
    for (x, y, n) in ((3, 5, 6), (19, 3, 5), (12, 14, 7), (26, 19, 5), (5, 24, 6), (18, 28, 4)):
        for i in range(n):
            put(px, x + i, y, WATER_LIGHT if 0 < i < n - 1 else (100, 180, 245))
        put(px, x + 1, y + 1, (70, 150, 235))
        put(px, x + n - 2, y + 1, (70, 150, 235))
    return img


def spring_picture(pad_y):
    """A coil spring on a base plate with its red pad at pad_y."""
    img = kit.canvas(T, T)
    d = ImageDraw.Draw(img)
    base_top = 26
    dark, mid, hi = kit.shades(SPRING_COIL)
    coil_top = pad_y + 5
    turns = 4
    span = base_top - coil_top
    for k in range(turns):
        y = coil_top + span * (k + 0.5) / turns
        d.ellipse((7, y - 2, 24, y + 2), outline=rgba(OUTLINE), width=3)
        d.arc((8, y - 1, 23, y + 1), 180, 360, fill=hi, width=1)
        d.arc((8, y - 1, 23, y + 1), 0, 180, fill=mid, width=1)
    kit.shaded_rect(img, (4, pad_y, 27, pad_y + 5), SPRING_PAD, radius=2, shadow=1)
    d.line([(7, pad_y + 1), (24, pad_y + 1)], fill=lighter(SPRING_PAD, 0.5))
    kit.bevel_box(d, (2, base_top, 29, 31), (90, 90, 104), depth=1)
    return img


def spring(w, h):
    return spring_picture(14)


def spring_up(w, h):
    img = spring_picture(0)
    d = ImageDraw.Draw(img)
    # Motion strokes beside the pad show the launch.
    for x in (1, 30):
        d.line([(x, 8), (x, 13)], fill=rgba(WHITE_SOFT))
        d.line([(x, 16), (x, 19)], fill=rgba(WHITE_SOFT))
    return img



def checkpoint(on):
    img = kit.canvas(T, T)
    d = ImageDraw.Draw(img)
    # Post on a stone foot.
    kit.shaded_rect(img, (8, 27, 23, 31), (150, 140, 130), radius=1, shadow=1)
    kit.shaded_rect(img, (14, 4, 17, 28), (200, 200, 210), shadow=1)
    if on:
        flag = [(18, 4), (30, 8), (18, 13)]
        kit.shaded_polygon(img, flag, (60, 210, 80), shadow=1)
        d.line([(19, 6), (26, 8)], fill=(170, 255, 170, 255))
        # Lamp lit, with rays.
        kit.shaded_ellipse(img, (12, 0, 19, 6), (255, 230, 60), shadow=1)
        d.point((14, 2), fill=(255, 255, 220, 255))
        for (x0, y0, x1, y1) in ((9, 2, 10, 2), (21, 2, 22, 2), (10, 6, 9, 7), (21, 6, 22, 7)):
            d.line([(x0, y0), (x1, y1)], fill=(255, 244, 120, 255))
        for (x, y) in ((4, 10), (27, 18), (6, 20)):
            d.line([(x - 1, y), (x + 1, y)], fill=(255, 255, 160, 255))
            d.line([(x, y - 1), (x, y + 1)], fill=(255, 255, 160, 255))
    else:
        flag = [(18, 16), (28, 19), (18, 23)]
        kit.shaded_polygon(img, flag, (178, 70, 70), shadow=1)
        kit.shaded_ellipse(img, (12, 0, 19, 6), (110, 110, 124), shadow=1)
    return img


# ---------------------------------------------------------------- Blorp

def jelly(variant):
    """A wobbly gummy block sitting on the jelly below it; the four looks differ
    in tint and in what is set in the jelly, so a row of random variants looks
    hand-made."""
    img = kit.canvas(T, T)
    tint = JELLY_TINTS[variant]
    # Rounded on top only: the block sits flat on whatever is under it.
    mask = ImageChops.lighter(kit.rect_mask(T, T, (0, 0, T - 1, T - 1), radius=4),
                              kit.rect_mask(T, T, (0, 16, T - 1, T - 1)))
    body = kit.vgradient(T, T, [(0, lighter(tint, 0.15)), (1, darker(tint, 0.8))])
    kit.shade_mask(img, mask, tint, shadow=3, highlight=0, texture=body)
    d = ImageDraw.Draw(img)
    r = kit.rng(f"jelly-{variant}")
    # Bubbles set in the jelly.
    for _ in range(3 + variant % 2):
        x, y, s = r.randint(5, 24), r.randint(8, 25), r.choice((2, 3, 4))
        d.ellipse((x, y, x + s, y + s), outline=lighter(tint, 0.55))
        d.point((x + 1, y + 1), fill=WHITE_SOFT + (255,))
    if variant == 2:
        # A stray berry caught inside.
        kit.shaded_ellipse(img, (17, 16, 24, 23), (120, 30, 110), shadow=1)
    if variant == 3:
        d.arc((6, 10, 26, 30), 200, 300, fill=lighter(tint, 0.4))
    # Glossy top-left shine.
    d.line([(4, 2), (12, 2)], fill=(255, 240, 250, 255))
    d.line([(2, 4), (2, 9)], fill=(255, 230, 245, 255))
    d.point((15, 2), fill=(255, 240, 250, 255))
    return img


def jelly_inner(w, h):
    """The deep jelly under the blocks: one dark, slowly wobbling mass with
    bubbles drifting in it."""
    img = kit.canvas(w, h)
    px = img.load()
    deep, light = darker(JELLY_DEEP, 0.86), rgba(JELLY_DEEP)
    for y in range(T):
        for x in range(T):
            t = 0.5 + 0.5 * math.sin(2 * math.pi * (x / 32 + y / 16) + math.sin(2 * math.pi * y / 32))
            px[x, y] = mix(deep, light, t)
    d = ImageDraw.Draw(img)
    ring, glint = lighter(JELLY_DEEP, 0.22), lighter(JELLY_DEEP, 0.5)
    for (x, y, s) in ((6, 9, 3), (23, 22, 2)):
        for ox in (-T, 0, T):
            for oy in (-T, 0, T):
                d.ellipse((x + ox, y + oy, x + ox + s, y + oy + s), outline=ring)
                d.point((x + ox + 1, y + oy + 1), fill=glint)
    return img


def sludge(w, h):
    """Toxic goo: blobby light and dark pools that tile both ways, with
    glossy bubbles rising through it."""
    img = kit.canvas(w, h)
    px = img.load()
    dark, mid, hi = kit.shades(SLUDGE)
    deep = darker(SLUDGE, 0.42)
    for y in range(T):
        for x in range(T):
            v = (math.sin(2 * math.pi * x / 32 + 2 * math.sin(2 * math.pi * y / 32))
                 + math.sin(2 * math.pi * y / 16 + math.sin(2 * math.pi * x / 16)))
            px[x, y] = mid if v > -0.4 else dark if v > -1.3 else deep
    # Slow ripples on the goo, as on water, so it reads as a liquid.
    for (x, y, n) in ((14, 3, 6), (1, 15, 5), (22, 21, 6)):
        for i in range(n):
            put(px, x + i, y, lighter(SLUDGE, 0.55) if 0 < i < n - 1 else hi)
    d = ImageDraw.Draw(img)
    for (x, y, s) in ((4, 5, 5), (20, 12, 6), (11, 22, 4), (25, 25, 3)):
        d.ellipse((x, y, x + s, y + s), fill=lighter(SLUDGE, 0.2), outline=darker(SLUDGE, 0.35))
        d.point((x + 1, y + 1), fill=(240, 255, 200, 255))
        d.point((x + 2, y + 1), fill=(240, 255, 200, 255))
    return img


# ---------------------------------------------------------------- Space Pirates

def deck_plate(img, base, seed, inner=False):
    """A riveted metal plate filling the cell. An inner plate (metal ground
    under metal ground) is flatter and quieter: it fills whole walls."""
    depth, seam, rivet, rivet_light, rivet_dark = (1, 0.58, 3, 0.32, 0.6) if inner else (2, 0.4, 4, 0.6, 0.5)
    d = ImageDraw.Draw(img)
    kit.bevel_box(d, (0, 0, T - 1, T - 1), base, depth=depth, outline=None)
    d.line([(0, T - 1), (T - 1, T - 1)], fill=darker(base, seam))
    d.line([(T - 1, 0), (T - 1, T - 1)], fill=darker(base, seam))
    far = T - 1 - rivet
    for (x, y) in ((rivet, rivet), (far, rivet), (rivet, far), (far, far)):
        d.point((x, y), fill=lighter(base, rivet_light))
        d.point((x + 1, y + 1), fill=darker(base, rivet_dark))
    r = kit.rng(seed)
    grain = [darker(base, 0.9), lighter(base, 0.06)] if inner else [darker(base, 0.85), lighter(base, 0.12)]
    kit.scatter(img, r, grain, 14 if inner else 18, (3, 3, 28, 28))


def ship_floor(w, h):
    img = kit.canvas(w, h)
    deck_plate(img, SHIP, "ship")
    d = ImageDraw.Draw(img)
    # Walkway grip lines and a glowing strip that joins from cell to cell.
    for y in (10, 14, 18):
        d.line([(6, y), (25, y)], fill=darker(SHIP, 0.6))
        d.line([(6, y + 1), (25, y + 1)], fill=lighter(SHIP, 0.2))
    d.rectangle((0, 0, T - 1, 1), fill=(80, 230, 250, 255))
    d.line([(0, 2), (T - 1, 2)], fill=darker(SHIP, 0.5))
    return img


def hull(w, h):
    """Plating under the deck: darker plates without the walkway strip."""
    img = kit.canvas(w, h)
    deck_plate(img, darker(SHIP, 0.8), "hull", inner=True)
    return img


def trap_plate(light, digit=None):
    img = kit.canvas(T, T)
    deck_plate(img, (96, 92, 104), "trap")
    d = ImageDraw.Draw(img)
    # Hazard stripes along the top tell the player this plate is different.
    for x in range(-4, T, 8):
        d.polygon([(x, 0), (x + 4, 0), (x + 8, 5), (x + 4, 5)], fill=rgba(HAZARD_YELLOW))
    d.line([(0, 5), (T - 1, 5)], fill=rgba(OUTLINE))
    colour = {"off": (110, 40, 40), "dim": (200, 50, 40), "on": (255, 70, 50)}[light]
    if light != "off":
        glow = (255, 140, 120, 255) if light == "on" else (230, 100, 80, 255)
        d.ellipse((8, 10, 23, 25), fill=glow)
    kit.shaded_ellipse(img, (10, 12, 21, 23), colour, shadow=2)
    if digit:
        kit.draw_text(img, (16, 18), digit, kit.STAT_FONT, 10, fill=(255, 255, 255),
                      outline=OUTLINE, stroke=1, anchor="mm")
    else:
        d.point((13, 14), fill=lighter(colour, 0.6))
    return img


def blast(stage):
    """Explosion inside the cell: grows (0, 1), fills it (2), fades to smoke (3)."""
    img = kit.canvas(T, T)
    d = ImageDraw.Draw(img)
    r = kit.rng(f"blast-{stage}")
    cx, cy = 16, 18
    radius = (8, 12, 16, 15)[stage]
    if stage < 3:
        layers = [((255, 120, 30), 1.0), ((255, 200, 50), 0.72), ((255, 250, 200), 0.4)]
    else:
        layers = [((90, 84, 90), 1.0), ((130, 124, 130), 0.7), ((170, 166, 170), 0.35)]
    if stage < 3:
        d.polygon(star(cx, cy, radius + 2, radius * 0.55, 10, r), fill=rgba(OUTLINE))
    for colour, scale in layers:
        pts = star(cx, cy, radius * scale, radius * scale * 0.6, 10, r)
        d.polygon(pts, fill=rgba(colour))
    if stage >= 2:
        for _ in range(6):
            x, y = r.randint(2, 29), r.randint(2, 29)
            d.rectangle((x, y, x + 1, y + 1), fill=(60, 50, 50, 255) if stage == 3 else (255, 230, 90, 255))
    if stage == 3:
        # Smoke puffs break up the silhouette as the blast fades.
        for (x, y) in ((2, 2), (22, 4), (4, 24), (25, 24)):
            d.ellipse((x, y, x + 5, y + 5), fill=(0, 0, 0, 0))
    if stage == 0:
        # The plate's lower rim is still there under the first flash.
        img.alpha_composite(trap_plate("on").crop((0, 26, T, T)), (0, 26))
    return img


def star(cx, cy, r_out, r_in, points, r):
    pts = []
    for i in range(points * 2):
        a = math.pi * i / points + 0.2
        rr = (r_out if i % 2 == 0 else r_in) * (0.85 + 0.3 * r.random())
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    return pts


def trap_hole(w, h):
    """The opened trap: torn plate stubs on both sides, nothing between."""
    img = kit.canvas(w, h)
    d = ImageDraw.Draw(img)
    base = (96, 92, 104)
    left = [(0, 0), (6, 0), (4, 3), (7, 5), (3, 8), (0, 9)]
    right = [(31, 0), (25, 0), (27, 2), (24, 5), (28, 7), (31, 10)]
    for poly in (left, right):
        d.polygon(poly, fill=rgba(OUTLINE))
        inner = [(x + (1 if x < 16 else -1) * (0 if x in (0, 31) else 1), y) for x, y in poly]
        d.polygon(inner, fill=rgba(darker(base, 0.8)))
    d.line([(0, 0), (4, 0)], fill=rgba(HAZARD_YELLOW))
    d.line([(27, 0), (31, 0)], fill=rgba(HAZARD_YELLOW))
    # Scorch specks hanging in the air of the hole.
    for (x, y) in ((12, 4), (18, 9), (15, 14)):
        d.point((x, y), fill=(60, 50, 50, 255))
    return img


def bomb_trap(i):
    if i == 0:
        return lambda w, h: trap_plate("off")
    if i <= 3:
        return lambda w, h: trap_plate("on" if i % 2 else "dim", str(4 - i))
    if i <= 7:
        return lambda w, h: blast(i - 4)
    return trap_hole


# ---------------------------------------------------------------- Robot City

def steel(variant):
    img = kit.canvas(T, T)
    deck_plate(img, STEEL, f"steel-{variant}")
    d = ImageDraw.Draw(img)
    dark = darker(STEEL, 0.55)
    if variant == 1:
        for y in range(9, 24, 4):
            d.line([(8, y), (23, y)], fill=dark)
            d.line([(8, y + 1), (23, y + 1)], fill=lighter(STEEL, 0.3))
    elif variant == 2:
        d.line([(6, 6), (25, 25)], fill=dark)
        d.line([(7, 6), (26, 25)], fill=lighter(STEEL, 0.3))
        d.line([(25, 6), (6, 25)], fill=dark)
        d.line([(26, 6), (7, 25)], fill=lighter(STEEL, 0.3))
    elif variant == 3:
        d.rectangle((9, 11, 22, 20), outline=dark)
        d.rectangle((10, 12, 22, 20), outline=lighter(STEEL, 0.3))
        d.line([(11, 16), (20, 16)], fill=(250, 210, 60, 255))
    # A bright walkway rim along the top marks the surface one can stand on.
    d.line([(0, 0), (T - 1, 0)], fill=rgba(OUTLINE))
    d.line([(0, 1), (T - 1, 1)], fill=lighter(STEEL, 0.55))
    d.line([(0, 2), (T - 1, 2)], fill=lighter(STEEL, 0.3))
    d.line([(0, 3), (T - 1, 3)], fill=darker(STEEL, 0.5))
    return img


def steel_inner(w, h):
    """The girder work under the plates: darker, plain, lightly braced."""
    img = kit.canvas(w, h)
    base = darker(STEEL, 0.74)
    deck_plate(img, base, "steel-inner", inner=True)
    ImageDraw.Draw(img).line([(4, 27), (27, 4)], fill=darker(base, 0.86), width=2)
    return img


def conveyor(direction, frame):
    img = kit.canvas(T, T)
    d = ImageDraw.Draw(img)
    housing = (110, 116, 130)
    kit.bevel_box(d, (0, 0, T - 1, T - 1), housing, depth=2, outline=None)
    # Belt along the top with arrows pointing the way it runs; frame 1 moves
    # them four pixels further along.
    d.rectangle((0, 0, T - 1, 9), fill=rgba(BELT))
    d.line([(0, 10), (T - 1, 10)], fill=rgba(OUTLINE))
    step = 4 if frame else 0
    px = img.load()
    for k in range(4):
        base_x = k * 8 + (step if direction == 1 else -step)
        for t in range(4):
            # Chevron "<" or ">" three pixels wide.
            dy = (1 + t, 8 - t)
            x = base_x + (t if direction == 1 else 3 - t)
            for y in dy:
                put(px, x, y, HAZARD_YELLOW)
    # Rollers under the belt turn with the frame.
    for cx in (8, 24):
        kit.shaded_ellipse(img, (cx - 6, 13, cx + 5, 24), (150, 156, 170), shadow=1)
        angle = (45 if frame else 0) + (0 if direction else 22)
        for a in (angle, angle + 90):
            dx = round(4 * math.cos(math.radians(a)))
            dy = round(4 * math.sin(math.radians(a)))
            d.line([(cx - dx, 18 - dy), (cx + dx, 18 + dy)], fill=darker(housing, 0.5))
        d.point((cx, 18), fill=rgba(OUTLINE))
    d.line([(0, 27), (T - 1, 27)], fill=darker(housing, 0.6))
    for x in range(2, T, 8):
        d.point((x + 2, 29), fill=lighter(housing, 0.5))
    return img


# ---------------------------------------------------------------- Round World

def dirt_top(w, h):
    """Dirt with a dry grass cap, for surfaces."""
    img = kit.canvas(w, h)
    # The soil starts under the shallowest dip of the cap, so no gap is left.
    soil(img, 3, "dirt-top", DIRT, deepen=True)
    px = img.load()
    dark, mid, hi = kit.shades(DRY_GRASS)
    for x in range(T):
        depth = 6 + int(round(1.6 * math.sin(2 * math.pi * x / 8) + math.sin(2 * math.pi * x / 32 * 3)))
        put(px, x, 0, darker(DRY_GRASS, 0.45))
        put(px, x, 1, hi)
        for y in range(2, depth):
            put(px, x, y, mid if (x + y) % 7 else dark)
        put(px, x, depth, darker(DIRT, 0.45))
    return img


def dirt_bare(w, h):
    """Bare dirt under open sky: a trodden crust with loose stones on top."""
    img = kit.canvas(w, h)
    soil(img, 4, "dirt-bare", DIRT, deepen=True)
    px = img.load()
    for x in range(T):
        crust = 3 + int(round(math.sin(2 * math.pi * x / 16) * 0.8))
        put(px, x, 0, darker(DIRT, 0.45))
        put(px, x, 1, lighter(DIRT, 0.3))
        for y in range(2, crust + 1):
            put(px, x, y, lighter(DIRT, 0.12))
        put(px, x, crust + 1, darker(DIRT, 0.75))
    # Loose pebbles lying on the crust.
    for (x, y, w) in ((5, 2, 3), (21, 3, 2), (27, 2, 2)):
        for i in range(w):
            put(px, x + i, y, (214, 200, 184))
            put(px, x + i, y + 1, (150, 132, 118))
    return img


def dirt_deep(w, h):
    """Dirt under dirt: the same soil, slightly darker, with nothing that
    catches the eye, so a deep fill reads as one mass."""
    img = kit.canvas(w, h)
    soil(img, 0, "dirt-deep", darker(DIRT, DEPTH_DARKENING))
    return img


# ---------------------------------------------------------------- editor marks

def editor_blank(w, h):
    """Empty editor cell: faint grid corners, see-through elsewhere."""
    img = kit.canvas(w, h)
    d = ImageDraw.Draw(img)
    c = (230, 230, 240, 255)
    for x in range(0, T, 4):
        d.point((x, 0), fill=c)
    for y in range(0, T, 4):
        d.point((0, y), fill=c)
    d.line([(0, 0), (2, 0)], fill=c)
    d.line([(0, 0), (0, 2)], fill=c)
    return img


def editor_start(w, h):
    img = kit.canvas(w, h)
    d = ImageDraw.Draw(img)
    kit.bevel_box(d, (0, 0, T - 1, T - 1), (60, 170, 80), depth=2)
    kit.draw_text(img, (16, 11), "S", kit.STAT_FONT, 16, fill=(255, 255, 255), stroke=2, anchor="mm")
    kit.draw_text(img, (16, 25), "START", kit.STAT_FONT, 7, fill=(255, 255, 160), stroke=1, anchor="mm")
    return img


def pictures():
    out = {
        "gfx/Tiles/TumboWorld/grass.png": grass,
        "gfx/Tiles/TumboWorld/brick.png": brick,
        "gfx/Tiles/Special/spikes.png": spikes,
        "gfx/Tiles/Special/water.png": water,
        "gfx/Tiles/Special/spring.png": spring,
        "gfx/Tiles/Special/springUp.png": spring_up,
        "gfx/Tiles/Special/cp_off.png": lambda w, h: checkpoint(False),
        "gfx/Tiles/Special/cp_on.png": lambda w, h: checkpoint(True),
        "gfx/Tiles/Blorp/Sludge/0.png": sludge,
        "gfx/Tiles/SpacePirate/ship_floor.png": ship_floor,
        "gfx/Tiles/RoundWorld/Dirt/0.png": dirt_top,
        "gfx/Tiles/RoundWorld/Dirt/1.png": dirt_bare,
        "gfx/Tiles/RoundWorld/Dirt/deep.png": dirt_deep,
        "gfx/Tiles/TumboWorld/earth.png": earth,
        "gfx/Tiles/Blorp/Jelly/inner.png": jelly_inner,
        "gfx/Tiles/SpacePirate/hull.png": hull,
        "gfx/Tiles/RobotCity/steel/inner.png": steel_inner,
        "gfx/Tiles/Editorblank.png": editor_blank,
        "gfx/Tiles/Editor_start.png": editor_start,
    }
    for i in range(4):
        out[f"gfx/Tiles/Blorp/Jelly/{i}.png"] = (lambda v: lambda w, h: jelly(v))(i)
        out[f"gfx/Tiles/RobotCity/steel/{i}.png"] = (lambda v: lambda w, h: steel(v))(i)
    for i in range(9):
        out[f"gfx/Tiles/SpacePirate/Bomb trap/{i}.png"] = bomb_trap(i)
    for dr in range(2):
        for f in range(2):
            out[f"gfx/Tiles/RobotCity/conveyor/{dr}-{f}.png"] = (lambda a, b: lambda w, h: conveyor(a, b))(dr, f)
    return out

"""Parallax scenery: the title sky and the five worlds, three layers each.

Every layer is 640 wide and repeats side by side, so anything that crosses
the right edge is drawn again at the left (kit.paste_wrapped, wrap_x masks,
sines with whole periods). The farthest layer is opaque and hazy; nearer
layers are keyed, stronger in colour and outline, and leave the sky open.

A layer as wide as the screen shows all of itself at every moment, so each
thing in it is cut by the screen's side whenever it passes there, and its
two halves then show at both sides at once. Skies therefore hold no
one-of-a-kind body (a sun, a big planet): only things that come in numbers,
like clouds, stars and tiny moons, or bands that run across the whole width.
"""
import math

from PIL import ImageDraw

import kit
from kit import OUTLINE, rgba, darker, lighter

W, H = 640, 480


# ---------------------------------------------------------------- building blocks

def sky(stops):
    return kit.vgradient(W, H, stops)


def hills(img, seed, base_y, waves, colour, width=2, shadow=6, highlight=2, texture=None,
          outline=OUTLINE):
    """A band of rolling ground from a periodic profile down to the bottom."""
    profile = kit.periodic_profile(W, seed, base_y, waves)
    mask = kit.profile_mask(W, H, profile)
    kit.shade_mask(img, mask, colour, outline=outline, width=width, shadow=shadow,
                   highlight=highlight, light=(0, -1), wrap_x=True, texture=texture)
    return profile


def blob_sprite(w, h, circles, colour, width=2, shadow=4, highlight=2, outline=OUTLINE):
    """A puffy shape (cloud, bush, goo) from overlapping circles."""
    img = kit.canvas(w, h)
    mask = kit.new_mask(w, h)
    d = ImageDraw.Draw(mask)
    for (cx, cy, r) in circles:
        d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=255)
    kit.shade_mask(img, mask, colour, outline=outline, width=width, shadow=shadow,
                   highlight=highlight)
    return img


def cloud(seed, scale, colour=(255, 255, 255), outline=(120, 150, 200)):
    r = kit.rng(seed)
    w, h = int(150 * scale), int(70 * scale)
    circles = []
    n = 5
    for i in range(n):
        cx = int(w * (0.18 + 0.64 * i / (n - 1)))
        rad = int(h * (0.22 + 0.18 * math.sin(math.pi * i / (n - 1))) + r.randint(0, int(6 * scale)))
        circles.append((cx, h - rad - 3, rad))
    circles.append((w // 2, h - int(h * 0.25) - 3, int(w * 0.32)))
    return blob_sprite(w, h, circles, colour, width=2, shadow=max(2, int(5 * scale)),
                       outline=outline)


def tree(r, trunk=(120, 80, 50), leaves=(70, 170, 60), size=1.0, round_crown=True):
    w, h = int(70 * size), int(110 * size)
    img = kit.canvas(w, h)
    tw = max(4, int(12 * size))
    kit.shaded_rect(img, (w // 2 - tw // 2, int(h * 0.5), w // 2 + tw // 2, h - 1), trunk,
                    width=2, shadow=3)
    crown = []
    if round_crown:
        crown = [(w // 2, int(h * 0.36), int(w * 0.42)), (int(w * 0.3), int(h * 0.48), int(w * 0.24)),
                 (int(w * 0.7), int(h * 0.46), int(w * 0.25))]
    sprite = blob_sprite(w, h, crown, leaves, width=2, shadow=int(6 * size), highlight=2)
    img.alpha_composite(sprite)
    return img


def stars(img, seed, count, box, colours):
    r = kit.rng(seed)
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    for i in range(count):
        x, y = r.randint(x0, x1), r.randint(y0, y1)
        c = rgba(r.choice(colours))
        if i % 9 == 0:
            d.line([(x - 2, y), (x + 2, y)], fill=c)
            d.line([(x, y - 2), (x, y + 2)], fill=c)
        else:
            d.point((x, y), fill=c)


def haze(img, colour, strength):
    """Pulls a far layer towards the sky colour (aerial perspective)."""
    veil = kit.canvas(W, H, rgba(colour, int(255 * strength)))
    img.alpha_composite(veil)


def moon(img, cx, cy, r, colour):
    """A small moon: there are several, so a cut one at the screen's side
    passes for one more coming into view."""
    kit.shaded_ellipse(img, (cx - r, cy - r, cx + r, cy + r), colour, outline=darker(colour, 0.5),
                       width=1, shadow=max(1, r // 3), highlight=1)


def aurora(img, seed, base_y, amplitude, colour, length, strength=90):
    """A glowing ribbon across the whole sky: a wavy top edge (whole periods,
    so it joins itself) with light streaming down from it and fading out."""
    profile = kit.periodic_profile(W, seed, base_y, [(1, amplitude), (3, amplitude / 3)])
    veil = kit.canvas(W, H)
    px = veil.load()
    for x, top in enumerate(profile):
        for k in range(length):
            y = top + k
            if 0 <= y < H:
                px[x, y] = rgba(colour, int(strength * (1 - k / length) ** 1.5))
    img.alpha_composite(veil)


def stripes_texture(base, period):
    """Gentle furrows for fields: light bands every period rows."""
    img = kit.canvas(W, H, base)
    d = ImageDraw.Draw(img)
    for y in range(H):
        if math.sin(2 * math.pi * y / period) >= 0.6:
            d.line([(0, y), (W - 1, y)], fill=lighter(base, 0.12))
    return img


# ---------------------------------------------------------------- Tumbo World

TW_SKY_TOP, TW_SKY_LOW = (96, 170, 245), (200, 236, 255)


def tumbo_far(w, h):
    img = sky([(0, TW_SKY_TOP), (0.75, TW_SKY_LOW), (1, (220, 244, 255))])
    clouds = ((80, 120, 1.0), (210, 40, 0.55), (300, 80, 0.7), (440, 170, 0.8), (520, 60, 0.5), (610, 110, 0.6))
    for i, (x, y, s) in enumerate(clouds):
        kit.paste_wrapped(img, cloud(f"tw-cloud-{i}", s, (250, 252, 255), (170, 200, 235)), x, y)
    hills(img, "tw-far-hills", 300, [(2, 30), (5, 12)], (130, 190, 200), width=0, shadow=8,
          highlight=0, outline=None)
    hills(img, "tw-far-hills2", 350, [(3, 22), (7, 8)], (110, 186, 150), width=0, shadow=6,
          highlight=2, outline=None)
    haze(img, TW_SKY_LOW, 0.12)
    return img


def tumbo_mid(w, h):
    img = kit.canvas(W, H)
    field = stripes_texture((98, 188, 72), 14)
    prof = hills(img, "tw-mid-hills", 330, [(2, 36), (3, 18), (6, 6)], (98, 188, 72),
                 width=2, shadow=8, texture=field)
    r = kit.rng("tw-mid-bushes")
    for i in range(9):
        x = int((i + r.random()) * W / 9)
        s = r.uniform(0.5, 0.8)
        t = tree(r, size=s, leaves=(62, 150, 62))
        kit.paste_wrapped(img, t, x - t.width // 2, prof[x % W] - t.height + 8)
    return img


def tumbo_near(w, h):
    img = kit.canvas(W, H)
    prof = hills(img, "tw-near-hills", 420, [(2, 26), (4, 10)], (60, 150, 56), width=3,
                 shadow=10, highlight=3)
    r = kit.rng("tw-near-flowers")
    d = ImageDraw.Draw(img)
    for i in range(40):
        x = r.randrange(W)
        y = prof[x] + r.randint(12, 50)
        c = r.choice([(255, 90, 90), (255, 230, 80), (255, 255, 255), (200, 120, 255)])
        for ox in (-W, 0, W):
            d.ellipse((x + ox - 2, y - 2, x + ox + 2, y + 2), fill=rgba(c), outline=rgba(OUTLINE))
    for i in range(3):
        x = int((i + 0.5) * W / 3 + r.randint(-40, 40))
        t = tree(r, size=1.1, leaves=(46, 140, 50))
        kit.paste_wrapped(img, t, x - t.width // 2, prof[x % W] - t.height + 14)
    return img


# ---------------------------------------------------------------- Blorp

BL_TOP, BL_LOW = (255, 206, 236), (176, 84, 184)


def blorp_far(w, h):
    # Light at the top: the status display writes dark blue text there.
    img = sky([(0, BL_TOP), (0.55, (236, 140, 210)), (1, BL_LOW)])
    stars(img, "bl-stars", 40, (0, 120, W - 1, 260), [(255, 255, 255)])
    # Glowing ribbons in the alien sky, and a scatter of small moons.
    aurora(img, "bl-aurora-1", 150, 26, (150, 255, 220), 70)
    aurora(img, "bl-aurora-2", 200, 18, (255, 250, 255), 50)
    for i, (x, y, r, c) in enumerate(((70, 70, 7, (120, 200, 230)), (250, 110, 5, (250, 220, 120)),
                                      (400, 50, 8, (190, 150, 250)), (560, 120, 5, (150, 230, 180)))):
        moon(img, x, y, r, c)
    hills(img, "bl-far-hills", 320, [(3, 34), (5, 14)], (150, 80, 170), width=0, shadow=10,
          highlight=0, outline=None)
    haze(img, (240, 160, 215), 0.12)
    return img


def goo_ridge(img, seed, base_y, waves, colour, drip_count, width=2):
    prof = hills(img, seed, base_y, waves, colour, width=width, shadow=9, highlight=3)
    # Drips hanging from the crest make it read as goo rather than rock.
    r = kit.rng(seed + "-drips")
    d = ImageDraw.Draw(img)
    dark, mid, hi = kit.shades(colour)
    for i in range(drip_count):
        x = int((i + r.random()) * W / drip_count)
        y = prof[x] + r.randint(20, 60)
        length = r.randint(12, 30)
        for ox in (-W, 0, W):
            d.rounded_rectangle((x + ox - 4, y, x + ox + 4, y + length), radius=4, fill=hi)
            d.ellipse((x + ox - 5, y + length - 6, x + ox + 5, y + length + 4), fill=hi)
            d.point((x + ox - 2, y + 3), fill=(255, 255, 255, 255))
    return prof


def blorp_mid(w, h):
    img = kit.canvas(W, H)
    prof = goo_ridge(img, "bl-mid", 320, [(2, 40), (5, 14)], (156, 96, 206), 10)
    r = kit.rng("bl-mid-bubbles")
    d = ImageDraw.Draw(img)
    for i in range(14):
        x = r.randrange(W)
        y = r.randint(prof[x] + 70, 470)
        s = r.randint(4, 10)
        for ox in (-W, 0, W):
            d.ellipse((x + ox, y, x + ox + s, y + s), outline=rgba((255, 200, 240)), width=2)
    return img


def jelly_mushroom(r, i):
    w, h = 90, 130
    img = kit.canvas(w, h)
    stem = (240, 220, 240)
    kit.shaded_rect(img, (38, 50, 52, h - 1), stem, width=2, shadow=4, radius=4)
    cap = r.choice([(120, 220, 200), (250, 120, 200), (180, 130, 250)])
    sprite = blob_sprite(w, h, [(45, 48, 40), (20, 55, 18), (70, 55, 18)], cap, width=3,
                         shadow=8, highlight=3)
    # Only the upper half of the circles forms the cap.
    cut = kit.canvas(w, h)
    cut.paste(sprite.crop((0, 0, w, 60)), (0, 0))
    img.alpha_composite(cut)
    d = ImageDraw.Draw(img)
    d.line([(8, 59), (82, 59)], fill=rgba(OUTLINE), width=3)
    for (x, y) in ((30, 25), (52, 20), (64, 38)):
        d.ellipse((x, y, x + 8, y + 6), fill=(255, 255, 255, 220))
    return img


def blorp_near(w, h):
    img = kit.canvas(W, H)
    prof = goo_ridge(img, "bl-near", 430, [(2, 20), (3, 10)], (108, 56, 150), 6, width=3)
    r = kit.rng("bl-near-shrooms")
    for i in range(4):
        x = int((i + r.uniform(0.2, 0.8)) * W / 4)
        s = jelly_mushroom(r, i)
        kit.paste_wrapped(img, s, x - s.width // 2, prof[x % W] - s.height + 16)
    return img


# ---------------------------------------------------------------- Space Pirates

SP_HULL = (56, 60, 84)


def space_far(w, h):
    img = sky([(0, (6, 6, 20)), (0.6, (20, 18, 50)), (1, (40, 24, 70))])
    stars(img, "sp-stars", 260, (0, 0, W - 1, H - 1), [(255, 255, 255), (180, 200, 255), (255, 230, 180)])
    # Nebula smears and far planets seen through the portholes.
    r = kit.rng("sp-nebula")
    for i in range(26):
        s = r.randint(40, 90)
        puff = kit.canvas(2 * s, s)
        ImageDraw.Draw(puff).ellipse((0, 0, 2 * s - 1, s - 1), fill=(150, 70, 190, 22))
        kit.paste_wrapped(img, puff, r.randrange(W) - s, 200 + int(50 * math.sin(r.random() * 6.28)) - s // 2)
    aurora(img, "sp-band", 250, 40, (120, 90, 220), 120, strength=60)
    for x, y, r_, c in ((60, 200, 7, (220, 130, 80)), (230, 300, 5, (120, 200, 230)),
                        (390, 190, 8, (200, 170, 240)), (540, 280, 6, (240, 200, 120))):
        moon(img, x, y, r_, c)
    return img


def space_mid(w, h):
    """The ship's inner wall: riveted panels with portholes open to space."""
    img = kit.canvas(W, H)
    d = ImageDraw.Draw(img)
    dark, mid, hi = kit.shades(SP_HULL)
    d.rectangle((0, 0, W - 1, H - 1), fill=mid)
    for x in range(0, W, 80):
        d.line([(x, 0), (x, H - 1)], fill=rgba(darker(SP_HULL, 0.5)), width=2)
        d.line([(x + 2, 0), (x + 2, H - 1)], fill=hi)
    for y in (60, 420):
        d.rectangle((0, y, W - 1, y + 10), fill=dark)
        d.line([(0, y), (W - 1, y)], fill=rgba(OUTLINE), width=2)
        d.line([(0, y + 11), (W - 1, y + 11)], fill=rgba(OUTLINE), width=2)
    for x in range(10, W, 20):
        for y in (70, 410):
            d.point((x, y), fill=hi)
    # Portholes: 4 across, their glass is see-through to the far layer.
    for i in range(4):
        cx = 80 + i * 160
        cy = 230
        d.ellipse((cx - 66, cy - 66, cx + 66, cy + 66), fill=rgba(OUTLINE))
        d.ellipse((cx - 62, cy - 62, cx + 62, cy + 62), fill=rgba((150, 156, 176)))
        d.ellipse((cx - 58, cy - 58, cx + 62, cy + 62), fill=rgba((90, 94, 112)))
        d.ellipse((cx - 58, cy - 58, cx + 58, cy + 58), fill=rgba((120, 126, 146)))
        d.ellipse((cx - 50, cy - 50, cx + 50, cy + 50), fill=rgba(OUTLINE))
        d.ellipse((cx - 47, cy - 47, cx + 47, cy + 47), fill=(0, 0, 0, 0))
        d.arc((cx - 40, cy - 40, cx + 40, cy + 40), 200, 250, fill=(200, 230, 255, 255), width=3)
        for a in range(0, 360, 45):
            bx = cx + int(56 * math.cos(math.radians(a)))
            by = cy + int(56 * math.sin(math.radians(a)))
            d.ellipse((bx - 2, by - 2, bx + 2, by + 2), fill=rgba(OUTLINE))
    # Warning lights on the rails.
    for x in range(40, W, 160):
        kit.shaded_ellipse(img, (x - 5, 48, x + 5, 58), (255, 80, 60), width=1, shadow=2)
    return img


def space_near(w, h):
    img = kit.canvas(W, H)
    d = ImageDraw.Draw(img)
    pipe = (150, 120, 90)
    # A pale ceiling plate across the top, where the status display writes
    # dark blue text; pipes and a hanging cable below it.
    ceiling = (196, 202, 218)
    kit.shaded_rect(img, (-4, -4, W + 3, 62), ceiling, width=2, shadow=4, wrap_x=True)
    d.rectangle((0, 64, W - 1, 66), fill=rgba(darker(ceiling, 0.5)))
    for x in range(8, W, 32):
        d.point((x, 8), fill=rgba(darker(ceiling, 0.6)))
        d.point((x, 54), fill=rgba(darker(ceiling, 0.6)))
    kit.shaded_rect(img, (0, 66, W - 1, 80), pipe, width=2, shadow=4, wrap_x=True)
    for x in range(30, W, 120):
        kit.shaded_rect(img, (x, 63, x + 14, 83), darker(pipe, 0.85), width=2, shadow=2)
    for x in (100, 420):
        pts = [(x + k, 80 + int(34 * math.sin(math.pi * k / 120))) for k in range(0, 121, 6)]
        d.line(pts, fill=rgba(OUTLINE), width=5)
        d.line(pts, fill=rgba((200, 60, 60)), width=2)
    # Machinery crates along the floor.
    r = kit.rng("sp-crates")
    for i in range(6):
        x = int((i + r.uniform(0.1, 0.5)) * W / 6)
        cw, ch = r.randint(50, 80), r.randint(40, 70)
        crate = kit.canvas(cw, ch)
        kit.shaded_rect(crate, (0, 0, cw - 1, ch - 1), r.choice([(110, 90, 70), (80, 100, 90), (100, 100, 120)]),
                        width=2, shadow=5)
        cd = ImageDraw.Draw(crate)
        for k in range(4, cw - 6, 10):
            cd.polygon([(k, ch - 10), (k + 5, ch - 10), (k + 9, ch - 4), (k + 4, ch - 4)],
                       fill=rgba((250, 204, 40)))
        cd.line([(6, 8), (cw - 7, 8)], fill=rgba(OUTLINE))
        kit.paste_wrapped(img, crate, x, H - ch)
    return img


# ---------------------------------------------------------------- Robot City

RC_TOP, RC_LOW = (150, 182, 218), (214, 226, 240)


def skyline(img, seed, base_y, count, colour, max_h, width=(30, 70), windows=None, outline=None,
            antenna=False):
    r = kit.rng(seed)
    d = ImageDraw.Draw(img)
    for i in range(count):
        bw = r.randint(*width)
        bh = r.randint(max_h // 3, max_h)
        x = int(i * W / count) + r.randint(-10, 10)
        b = kit.canvas(bw + 4, bh + 24)
        bd = ImageDraw.Draw(b)
        top = 24
        if outline:
            kit.shaded_rect(b, (0, top, bw + 3, bh + 23), colour, width=2, shadow=5, highlight=2,
                            light=(-1, 0))
        else:
            bd.rectangle((0, top, bw + 3, bh + 23), fill=rgba(colour))
        if antenna and r.random() < 0.5:
            ax = bw // 2
            bd.line([(ax, 2), (ax, top)], fill=rgba(OUTLINE), width=2)
            bd.ellipse((ax - 3, 0, ax + 3, 6), fill=rgba((255, 90, 80)))
        if windows:
            for wy in range(top + 8, bh + 16, 12):
                for wx in range(6, bw - 4, 10):
                    if r.random() < 0.55:
                        bd.rectangle((wx, wy, wx + 4, wy + 6), fill=rgba(r.choice(windows)))
        kit.paste_wrapped(img, b, x, base_y - bh - 24)
        d.rectangle((0, base_y, W - 1, H - 1), fill=rgba(colour))


def robot_far(w, h):
    # A pale steel sky: the status display writes dark blue text over its top.
    img = sky([(0, RC_TOP), (0.65, (186, 206, 230)), (1, RC_LOW)])
    for i, (x, y, s) in enumerate(((60, 60, 0.7), (300, 80, 0.8), (520, 130, 0.6))):
        kit.paste_wrapped(img, cloud(f"rc-cloud-{i}", s, (236, 242, 250), (150, 170, 200)), x, y)
    skyline(img, "rc-far", 360, 16, (158, 178, 204), 200)
    haze(img, RC_LOW, 0.15)
    return img


def robot_mid(w, h):
    img = kit.canvas(W, H)
    skyline(img, "rc-mid", 400, 9, (64, 88, 124), 260, width=(44, 80), outline=True,
            windows=[(255, 230, 120), (150, 220, 255), (60, 70, 90)], antenna=True)
    return img


def robot_near(w, h):
    img = kit.canvas(W, H)
    d = ImageDraw.Draw(img)
    steel = (110, 130, 160)
    # An elevated girder rail crossing the bottom of the view.
    kit.shaded_rect(img, (0, 380, W - 1, 396), steel, width=2, shadow=4, wrap_x=True)
    for x in range(0, W, 40):
        d.line([(x, 396), (x + 20, 420), (x + 40, 396)], fill=rgba(OUTLINE), width=5)
        d.line([(x, 396), (x + 20, 420), (x + 40, 396)], fill=rgba(steel), width=2)
    kit.shaded_rect(img, (0, 418, W - 1, 428), steel, width=2, shadow=3, wrap_x=True)
    for x in (60, 380):
        kit.shaded_rect(img, (x, 428, x + 26, H - 1), darker(steel, 0.85), width=2, shadow=5)
    # Smoke stacks with warning stripes.
    for x, hgt in ((200, 150), (520, 120)):
        kit.shaded_rect(img, (x, H - hgt, x + 34, H - 1), (150, 90, 80), width=2, shadow=6)
        for y in range(H - hgt + 10, H, 24):
            d.rectangle((x + 2, y, x + 32, y + 6), fill=rgba((250, 204, 40)))
        d.ellipse((x - 8, H - hgt - 30, x + 30, H - hgt + 4), fill=(190, 200, 215, 255),
                  outline=rgba(OUTLINE), width=2)
        d.ellipse((x + 10, H - hgt - 50, x + 40, H - hgt - 22), fill=(200, 210, 225, 255),
                  outline=rgba(OUTLINE), width=2)
    return img


# ---------------------------------------------------------------- Round World

RW_TOP, RW_LOW = (250, 170, 90), (255, 230, 170)
RW_MID_HILLS = (232, 168, 112)


def round_far(w, h):
    img = sky([(0, (240, 140, 80)), (0.5, (255, 200, 120)), (0.68, (255, 236, 190)), (1, RW_LOW)])
    for i, (x, y, s) in enumerate(((60, 70, 0.8), (250, 40, 0.55), (470, 110, 0.7))):
        kit.paste_wrapped(img, cloud(f"rw-cloud-{i}", s, (255, 232, 200), (226, 160, 120)), x, y)
    hills(img, "rw-far-mesa", 320, [(2, 20), (4, 10)], (210, 130, 90), width=0, shadow=8,
          highlight=0, outline=None)
    # Round buttes on the horizon, the world's signature shape.
    d = ImageDraw.Draw(img)
    for x, r_ in ((90, 60), (250, 40), (520, 70)):
        for ox in (-W, 0, W):
            d.ellipse((x + ox - r_, 330 - r_, x + ox + r_, 330 + r_), fill=(196, 120, 86, 255))
    haze(img, RW_LOW, 0.2)
    return img


def dome_hut(r, scale=1.0):
    """A round clay hut: the people of Round World build in domes."""
    w, h = int(90 * scale), int(70 * scale)
    img = kit.canvas(w, h)
    body = r.choice([(226, 170, 110), (236, 196, 140), (214, 150, 100)])
    kit.shaded_ellipse(img, (2, 4, w - 3, 2 * h - 10), body, width=2, shadow=int(7 * scale), highlight=2)
    cut = kit.canvas(w, h)
    cut.paste(img.crop((0, 0, w, h - 4)), (0, 0))
    d = ImageDraw.Draw(cut)
    d.line([(2, h - 5), (w - 3, h - 5)], fill=rgba(OUTLINE), width=2)
    dw = int(18 * scale)
    d.rounded_rectangle((w // 2 - dw // 2, h - 6 - int(30 * scale), w // 2 + dw // 2, h - 5),
                        radius=dw // 2, fill=(90, 50, 30, 255), outline=rgba(OUTLINE), width=2)
    d.ellipse((int(w * 0.2), int(h * 0.35), int(w * 0.2) + int(10 * scale), int(h * 0.35) + int(10 * scale)),
              fill=(255, 220, 120, 255), outline=rgba(OUTLINE), width=2)
    return cut


def round_mid(w, h):
    img = kit.canvas(W, H)
    # Paler than the dirt of the levels, so ground in front of these hills stands out.
    field = stripes_texture(RW_MID_HILLS, 18)
    prof = hills(img, "rw-mid-hills", 350, [(3, 30), (5, 10)], RW_MID_HILLS, width=2, shadow=8,
                 texture=field)
    r = kit.rng("rw-mid-trees")
    for i in range(7):
        x = int((i + r.random()) * W / 7)
        t = tree(r, trunk=(110, 70, 40), leaves=(200, 150, 60), size=r.uniform(0.5, 0.75))
        kit.paste_wrapped(img, t, x - t.width // 2, prof[x % W] - t.height + 8)
    for i in range(3):
        x = int((i + 0.3) * W / 3)
        hut = dome_hut(r, r.uniform(0.7, 0.9))
        kit.paste_wrapped(img, hut, x - hut.width // 2, prof[x % W] - hut.height + 12)
    return img


def round_near(w, h):
    img = kit.canvas(W, H)
    prof = hills(img, "rw-near", 430, [(2, 18), (5, 6)], (170, 90, 50), width=3, shadow=10,
                 highlight=3)
    r = kit.rng("rw-bushes")
    for i in range(6):
        x = int((i + r.random()) * W / 6)
        s = r.uniform(0.7, 1.1)
        bw, bh = int(90 * s), int(56 * s)
        bush = blob_sprite(bw, bh, [(bw // 2, bh // 2 + 4, int(bh * 0.45)), (bw // 4, bh - int(bh * 0.32), int(bh * 0.3)),
                                    (3 * bw // 4, bh - int(bh * 0.3), int(bh * 0.3))],
                           r.choice([(150, 150, 60), (128, 140, 56), (170, 140, 60)]), width=3, shadow=7)
        kit.paste_wrapped(img, bush, x - bw // 2, prof[x % W] - bh + 18)
    for i in range(2):
        x = int((i + 0.5) * W / 2 + r.randint(-60, 60))
        s = r.randint(44, 60)
        b = kit.canvas(s + 4, s + 4)
        kit.shaded_ellipse(b, (2, 2, s + 1, s + 1), (176, 150, 124), width=3, shadow=8, highlight=3)
        kit.paste_wrapped(img, b, x - s // 2, prof[x % W] - s + 24)
    return img


# ---------------------------------------------------------------- title and editor

def title_far(w, h):
    img = sky([(0, (70, 150, 250)), (0.7, (150, 210, 255)), (1, (220, 245, 255))])
    for i in range(7):
        x = i * W // 7 + 30
        y = 100 + (i * 53) % 200
        kit.paste_wrapped(img, cloud(f"ti-far-{i}", 0.6 + (i % 3) * 0.15, (240, 248, 255),
                                     (170, 200, 240)), x, y)
    haze(img, (150, 210, 255), 0.18)
    hills(img, "ti-far-hills", 360, [(2, 26), (5, 10)], (120, 200, 170), width=0, shadow=6,
          highlight=0, outline=None)
    return img


def title_mid(w, h):
    img = kit.canvas(W, H)
    # Floating grass islands drifting past.
    r = kit.rng("ti-islands")
    for i in range(3):
        iw = r.randint(110, 150)
        top = 60
        isl = kit.canvas(iw, top + 80)
        kit.shaded_polygon(isl, [(2, top + 10), (iw - 3, top + 10), (iw * 0.6, top + 78), (iw * 0.4, top + 78)],
                           (160, 110, 70), width=2, shadow=6)
        kit.shaded_rect(isl, (0, top, iw - 1, top + 18), (90, 190, 70), width=2, shadow=4, radius=8)
        t = tree(r, size=0.55)
        isl.alpha_composite(t, (iw // 3 - t.width // 2, top - t.height + 6))
        x = i * W // 3 + r.randint(0, 80)
        kit.paste_wrapped(img, isl, x, 170 + (i % 2) * 60)
    for i in range(4):
        kit.paste_wrapped(img, cloud(f"ti-mid-{i}", 0.9), i * 160 + 40, 20 + (i % 2) * 50)
    return img


def title_near(w, h):
    img = kit.canvas(W, H)
    # Dark toward the bottom: the credit line is written in white at y 430.
    ground = kit.vgradient(W, H, [(0, (56, 140, 52)), (0.8, (56, 140, 52)), (0.88, (34, 96, 40)), (1, (26, 74, 32))])
    prof = hills(img, "ti-near", 400, [(2, 12), (4, 6)], (56, 140, 52), width=3, shadow=10, texture=ground)
    r = kit.rng("ti-flowers")
    d = ImageDraw.Draw(img)
    for i in range(24):
        x = r.randrange(W)
        y = prof[x] + r.randint(5, 9)
        c = r.choice([(255, 90, 90), (255, 230, 80), (255, 255, 255)])
        for ox in (-W, 0, W):
            d.ellipse((x + ox - 2, y - 2, x + ox + 2, y + 2), fill=rgba(c), outline=rgba(OUTLINE))
    return img


def editor_bg(w, h):
    """Blueprint paper behind the editor's map."""
    img = kit.canvas(W, H, (28, 60, 110))
    d = ImageDraw.Draw(img)
    for x in range(0, W, 32):
        d.line([(x, 0), (x, H - 1)], fill=(50, 90, 150, 255))
    for y in range(0, H, 32):
        d.line([(0, y), (W - 1, y)], fill=(50, 90, 150, 255))
    for x in range(0, W, 8):
        for y in range(0, H, 8):
            d.point((x, y), fill=(40, 76, 130, 255))
    return img


def pictures():
    return {
        "gfx/Backgrounds/TumboWorld/layer1.png": tumbo_far,
        "gfx/Backgrounds/TumboWorld/layer2-2.png": tumbo_mid,
        "gfx/Backgrounds/TumboWorld/layer3-2.png": tumbo_near,
        "gfx/Backgrounds/Blorp/layer1.png": blorp_far,
        "gfx/Backgrounds/Blorp/layer2.png": blorp_mid,
        "gfx/Backgrounds/Blorp/layer3.png": blorp_near,
        "gfx/Backgrounds/SpacePirate/layer1.png": space_far,
        "gfx/Backgrounds/SpacePirate/layer2.png": space_mid,
        "gfx/Backgrounds/SpacePirate/layer3.png": space_near,
        "gfx/Backgrounds/RobotCity/layer1.png": robot_far,
        "gfx/Backgrounds/RobotCity/layer2.png": robot_mid,
        "gfx/Backgrounds/RobotCity/layer3.png": robot_near,
        "gfx/Backgrounds/RoundWorld/layer1.png": round_far,
        "gfx/Backgrounds/RoundWorld/layer2.png": round_mid,
        "gfx/Backgrounds/RoundWorld/layer3.png": round_near,
        "gfx/Backgrounds/Title/layer3.png": title_far,
        "gfx/Backgrounds/Title/layer2.png": title_mid,
        "gfx/Backgrounds/Title/layer1.png": title_near,
        "gfx/Backgrounds/EditorBG.png": editor_bg,
    }

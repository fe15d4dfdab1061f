"""Shared drawing helpers for the art modules.

Everything here is deterministic: noise comes from random.Random seeded with a
stable checksum of a name, never from the clock or Python's salted hash().
"""
import math
import random
import zlib

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

# Fonts the game ships; text pictures use the very same files.
TUMBO_FONT = "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"
STAT_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf"
EDITOR_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
EDITOR_BOLD_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"

# One outline colour for the whole game keeps the cartoon look consistent.
OUTLINE = (34, 24, 40, 255)
WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)

# How much darker / lighter the shadow and highlight shades are.
SHADOW_FACTOR = 0.68
DEEP_SHADOW_FACTOR = 0.5
HIGHLIGHT_MIX = 0.38


# ---------------------------------------------------------------- colours

def rgba(c, a=255):
    return (c[0], c[1], c[2], a) if len(c) == 3 else tuple(c)


def mix(a, b, t):
    """Linear blend of two colours, t=0 gives a, t=1 gives b."""
    a, b = rgba(a), rgba(b)
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(4))


def darker(c, f=SHADOW_FACTOR):
    c = rgba(c)
    return (int(c[0] * f), int(c[1] * f), int(c[2] * f), c[3])


def lighter(c, t=HIGHLIGHT_MIX):
    return mix(c, (255, 255, 255), t)


def shades(c):
    """The three cartoon shades of a base colour: shadow, base, highlight."""
    return darker(c), rgba(c), lighter(c)


# ---------------------------------------------------------------- noise

def rng(name):
    """A generator seeded from a name, identical on every run and machine."""
    return random.Random(zlib.crc32(name.encode("utf-8")))


def periodic_profile(width, seed, base, waves):
    """Heights y(x) for x in 0..width-1, made of sines with whole periods so
    the curve joins itself at x = width (seamless horizontal tiling).
    waves: list of (cycles across the width, amplitude)."""
    r = rng(seed)
    phases = [r.uniform(0, 2 * math.pi) for _ in waves]
    out = []
    for x in range(width):
        y = base
        for (cycles, amp), ph in zip(waves, phases):
            y += amp * math.sin(2 * math.pi * cycles * x / width + ph)
        out.append(int(round(y)))
    return out


# ---------------------------------------------------------------- canvases

def canvas(w, h, fill=CLEAR):
    return Image.new("RGBA", (w, h), rgba(fill))


def vgradient(w, h, stops):
    """Vertical gradient through colour stops [(t, colour), ...], t in 0..1."""
    col = Image.new("RGBA", (1, h))
    px = col.load()
    for y in range(h):
        t = y / max(1, h - 1)
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t0 <= t <= t1:
                px[0, y] = mix(c0, c1, (t - t0) / max(1e-9, t1 - t0))
                break
        else:
            px[0, y] = rgba(stops[-1][1])
    return col.resize((w, h), Image.NEAREST)


def hgradient(w, h, stops):
    return vgradient(h, w, stops).transpose(Image.Transpose.ROTATE_90).transpose(
        Image.Transpose.FLIP_TOP_BOTTOM)


def fill_mask(img, mask, colour):
    """Paint a flat colour wherever mask (mode L) is set."""
    img.paste(Image.new("RGBA", img.size, rgba(colour)), (0, 0), mask)


def paint_mask(img, mask, source):
    """Paint a picture (same size) wherever mask is set."""
    img.paste(source, (0, 0), mask)


def mask_from(img):
    return img.getchannel("A").point(lambda a: 255 if a >= 128 else 0)


def new_mask(w, h):
    return Image.new("L", (w, h), 0)


def shift(mask, dx, dy, wrap_x=False):
    """Moves a mask; uncovered pixels are empty (or wrap round horizontally)."""
    if wrap_x:
        mask = ImageChops.offset(mask, dx, 0)
        dx = 0
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def erode(mask, r, wrap_x=False):
    return _morph(mask, r, ImageFilter.MinFilter, wrap_x)


def _morph(mask, r, kind, wrap_x):
    if r <= 0:
        return mask
    if not wrap_x:
        pad = Image.new("L", (mask.width + 2 * r, mask.height + 2 * r), 0)
        pad.paste(mask, (r, r))
        return pad.filter(kind(2 * r + 1)).crop((r, r, r + mask.width, r + mask.height))
    w = mask.width
    pad = Image.new("L", (w + 2 * r, mask.height + 2 * r), 0)
    pad.paste(mask, (r, r))
    pad.paste(mask.crop((w - r, 0, w, mask.height)), (0, r))
    pad.paste(mask.crop((0, 0, r, mask.height)), (w + r, r))
    return pad.filter(kind(2 * r + 1)).crop((r, r, r + w, r + mask.height))


def subtract(a, b):
    return ImageChops.subtract(a, b)


def intersect(a, b):
    return ImageChops.multiply(a, b)


# ---------------------------------------------------------------- cartoon shapes

def shade_mask(img, mask, base, outline=OUTLINE, width=1, shadow=2, highlight=1,
               light=(-1, -1), wrap_x=False, texture=None):
    """Cartoon-shades a shape given as a mask: dark outline, a shadow band on
    the side away from the light, the base colour, and a highlight rim on the
    lit side. texture, if given, is a picture painted instead of the flat base."""
    lx, ly = light
    if outline is not None and width > 0:
        fill_mask(img, mask, outline)
        inner = erode(mask, width, wrap_x)
    else:
        inner = mask
    dark, mid, hi = shades(base)
    fill_mask(img, inner, dark)
    # A pixel keeps the base colour when the shape continues a few pixels
    # towards the shadow side, so the band hugs the far edge.
    lit = intersect(inner, shift(inner, lx * shadow, ly * shadow, wrap_x))
    if texture is not None:
        paint_mask(img, lit, texture)
    else:
        fill_mask(img, lit, mid)
    if highlight > 0:
        rim = subtract(lit, shift(lit, -lx * highlight, -ly * highlight, wrap_x))
        fill_mask(img, rim, hi)
    return inner


def ellipse_mask(w, h, box):
    m = new_mask(w, h)
    ImageDraw.Draw(m).ellipse(box, fill=255)
    return m


def polygon_mask(w, h, points):
    m = new_mask(w, h)
    ImageDraw.Draw(m).polygon(points, fill=255)
    return m


def rect_mask(w, h, box, radius=0):
    m = new_mask(w, h)
    d = ImageDraw.Draw(m)
    if radius:
        d.rounded_rectangle(box, radius=radius, fill=255)
    else:
        d.rectangle(box, fill=255)
    return m


def shaded_ellipse(img, box, base, **kw):
    return shade_mask(img, ellipse_mask(img.width, img.height, box), base, **kw)


def shaded_polygon(img, points, base, **kw):
    return shade_mask(img, polygon_mask(img.width, img.height, points), base, **kw)


def shaded_rect(img, box, base, radius=0, **kw):
    return shade_mask(img, rect_mask(img.width, img.height, box, radius), base, **kw)


def profile_mask(w, h, profile):
    """Mask of everything below a height profile (one y per column)."""
    m = new_mask(w, h)
    d = ImageDraw.Draw(m)
    for x, y in enumerate(profile):
        if y < h:
            d.line([(x, max(0, y)), (x, h - 1)], fill=255)
    return m


def bevel_box(draw, box, base, depth=1, outline=OUTLINE):
    """A raised block: outline, light top-left edge, dark bottom-right edge."""
    x0, y0, x1, y1 = box
    dark, mid, hi = shades(base)
    if outline is not None:
        draw.rectangle(box, fill=rgba(outline))
        x0, y0, x1, y1 = x0 + 1, y0 + 1, x1 - 1, y1 - 1
    draw.rectangle((x0, y0, x1, y1), fill=dark)
    draw.rectangle((x0, y0, x1 - depth, y1 - depth), fill=hi)
    draw.rectangle((x0 + depth, y0 + depth, x1 - depth, y1 - depth), fill=mid)


def paste_wrapped(img, sprite, x, y):
    """Pastes a sprite so that whatever leaves one side re-enters on the
    other: layers drawn twice side by side then show no seam."""
    for ox in (-img.width, 0, img.width):
        if x + ox < img.width and x + ox + sprite.width > 0:
            composite(img, sprite, x + ox, y)


def _composite_clipped(img, sprite, x, y):
    layer = canvas(img.width, img.height)
    layer.paste(sprite, (x, y))
    img.alpha_composite(layer)


def composite(img, sprite, x, y):
    """alpha_composite that accepts positions partly off the picture."""
    if x >= 0 and y >= 0 and x + sprite.width <= img.width and y + sprite.height <= img.height:
        img.alpha_composite(sprite, (x, y))
    else:
        _composite_clipped(img, sprite, x, y)


def scatter(img, r, colours, count, box=None, size=(1, 1)):
    """Random specks (deterministic through r) for grain and texture."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box or (0, 0, img.width - 1, img.height - 1)
    for _ in range(count):
        x, y = r.randint(x0, x1), r.randint(y0, y1)
        c = r.choice(colours)
        d.rectangle((x, y, x + size[0] - 1, y + size[1] - 1), fill=rgba(c))


# ---------------------------------------------------------------- text

_font_cache = {}


def font(path, size):
    key = (path, size)
    if key not in _font_cache:
        _font_cache[key] = ImageFont.truetype(path, size)
    return _font_cache[key]


def text_size(text, path, size, stroke=0):
    box = font(path, size).getbbox(text, stroke_width=stroke)
    return box[2] - box[0], box[3] - box[1]


def fit_size(text, path, max_w, max_h, start, stroke=0):
    """Largest point size (not above start) at which the text fits the box."""
    size = start
    while size > 6:
        w, h = text_size(text, path, size, stroke)
        if w <= max_w and h <= max_h:
            break
        size -= 1
    return size


def draw_text(img, xy, text, path, size, fill=WHITE, outline=OUTLINE, stroke=2,
              anchor="la", shadow=None):
    """Outlined text; anchor as in PIL ("mm" centres on xy). shadow is an
    (dx, dy) offset for a drop shadow in the outline colour."""
    d = ImageDraw.Draw(img)
    f = font(path, size)
    if shadow:
        d.text((xy[0] + shadow[0], xy[1] + shadow[1]), text, font=f, fill=rgba(outline),
               anchor=anchor, stroke_width=stroke, stroke_fill=rgba(outline))
    d.text(xy, text, font=f, fill=rgba(fill), anchor=anchor,
           stroke_width=stroke if outline is not None else 0,
           stroke_fill=rgba(outline) if outline is not None else None)


def gradient_text(img, xy, text, path, size, top, bottom, outline=OUTLINE, stroke=3,
                  anchor="mm", shadow=(0, 3)):
    """Display lettering: a vertical colour gradient inside a thick outline."""
    w, h = img.size
    if shadow:
        draw_text(img, (xy[0] + shadow[0], xy[1] + shadow[1]), text, path, size,
                  fill=outline, outline=outline, stroke=stroke, anchor=anchor)
    draw_text(img, xy, text, path, size, fill=outline, outline=outline, stroke=stroke,
              anchor=anchor)
    m = new_mask(w, h)
    ImageDraw.Draw(m).text(xy, text, font=font(path, size), fill=255, anchor=anchor)
    box = m.getbbox()
    if not box:
        return
    grad = canvas(w, h)
    grad.paste(vgradient(w, box[3] - box[1], [(0, top), (1, bottom)]), (0, box[1]))
    paint_mask(img, m, grad)
    # A thin light line across the upper letters reads as gloss.
    gloss = intersect(m, subtract(m, shift(m, 0, 2)))
    fill_mask(img, gloss, lighter(top, 0.6))


# ---------------------------------------------------------------- panels

def panel(w, h, base, radius=10, border=3, outline=OUTLINE, rim=None):
    """A rounded, bevelled panel filling a w x h picture."""
    img = canvas(w, h)
    d = ImageDraw.Draw(img)
    dark, mid, hi = shades(base)
    d.rounded_rectangle((0, 0, w - 1, h - 1), radius=radius, fill=rgba(outline))
    d.rounded_rectangle((border - 1, border - 1, w - border, h - border), radius=max(1, radius - 2),
                        fill=rgba(rim or hi))
    d.rounded_rectangle((border + 1, border + 1, w - border, h - border), radius=max(1, radius - 3),
                        fill=dark)
    d.rounded_rectangle((border + 1, border + 1, w - border - 2, h - border - 2),
                        radius=max(1, radius - 3), fill=mid)
    return img


def button(w, h, base, label=None, icon=None, radius=4, text_colour=WHITE, path=None):
    """A small raised button with a text label or an icon drawing function.
    Buttons are drawn without a colour key, so the corners get the outline colour."""
    img = canvas(w, h, OUTLINE)
    d = ImageDraw.Draw(img)
    dark, mid, hi = shades(base)
    d.rounded_rectangle((0, 0, w - 1, h - 1), radius=radius, fill=rgba(OUTLINE))
    d.rounded_rectangle((1, 1, w - 2, h - 2), radius=max(0, radius - 1), fill=dark)
    d.rounded_rectangle((1, 1, w - 2, h - 3), radius=max(0, radius - 1), fill=hi)
    d.rounded_rectangle((2, 2, w - 3, h - 4), radius=max(0, radius - 2), fill=mid)
    if label:
        p = path or EDITOR_BOLD_FONT
        size = fit_size(label, p, w - 6, h - 6, h)
        draw_text(img, (w // 2, h // 2 - 1), label, p, size, fill=text_colour,
                  outline=OUTLINE, stroke=1, anchor="mm")
    if icon:
        icon(img, d)
    return img


def checker(w, h, cell, a, b):
    img = canvas(w, h, a)
    d = ImageDraw.Draw(img)
    for y in range(0, h, cell):
        for x in range(0, w, cell):
            if (x // cell + y // cell) % 2:
                d.rectangle((x, y, x + cell - 1, y + cell - 1), fill=rgba(b))
    return img

"""The desktop icon: Tumbo Man's face, at the sizes of the hicolor theme.

The face is drawn as smooth shapes on a canvas several times the icon's size
and then shrunk, so every size is cleanly anti-aliased; unlike the game's
pictures an icon keeps its soft alpha edge (no colour key).  The colours are
the hero's own, so the menu shows the same fellow the game does.
"""
from PIL import Image, ImageDraw

try:
    from . import hero
    from . import kit
except ImportError:  # run with tools/art on the path
    import hero
    import kit

# The name the desktop entry asks the icon theme for.
ICON_NAME = "tumbo-man"
SIZES = (16, 24, 32, 48, 64, 128, 256)
# Drawn this many times larger, then shrunk: smooth edges at every size.
SUPERSAMPLE = 4
# Outline width as a share of the icon's size; never thinner than one icon pixel.
OUTLINE_SHARE = 0.035
EYE_WHITE = (250, 250, 246)
PUPIL = (26, 20, 30)


def _box(s, x0, y0, x1, y1):
    """A box given in shares of the canvas."""
    return (round(x0 * s), round(y0 * s), round(x1 * s), round(y1 * s))


def _eye(img, s, x0):
    d = ImageDraw.Draw(img)
    white = _box(s, x0, 0.36, x0 + 0.15, 0.58)
    d.ellipse(white, fill=kit.rgba(EYE_WHITE), outline=kit.rgba(kit.OUTLINE), width=max(1, round(s * 0.015)))
    # Pupils look a little to the player's right, as he does when he runs.
    d.ellipse(_box(s, x0 + 0.06, 0.42, x0 + 0.135, 0.55), fill=kit.rgba(PUPIL))
    d.ellipse(_box(s, x0 + 0.075, 0.44, x0 + 0.105, 0.475), fill=kit.rgba(EYE_WHITE))


def face(size):
    """The icon at size x size pixels (RGBA)."""
    s = size * SUPERSAMPLE
    width = max(SUPERSAMPLE, round(s * OUTLINE_SHARE))
    img = kit.canvas(s, s)
    # Shoulders of his blue suit below the chin.
    kit.shaded_ellipse(img, _box(s, 0.14, 0.78, 0.86, 1.30), hero.SUIT, width=width,
                       shadow=width * 2, highlight=width)
    kit.shaded_ellipse(img, _box(s, 0.08, 0.10, 0.92, 0.88), hero.SKIN, width=width,
                       shadow=width * 3, highlight=width)
    d = ImageDraw.Draw(img)
    # His curl of hair on the crown.
    d.ellipse(_box(s, 0.40, 0.03, 0.58, 0.19), fill=kit.rgba(hero.HAIR), outline=kit.rgba(kit.OUTLINE), width=width)
    d.ellipse(_box(s, 0.50, 0.00, 0.64, 0.14), fill=kit.rgba(hero.HAIR), outline=kit.rgba(kit.OUTLINE), width=width)
    _eye(img, s, 0.30)
    _eye(img, s, 0.53)
    d.ellipse(_box(s, 0.18, 0.58, 0.30, 0.68), fill=kit.rgba(hero.CHEEK))
    d.ellipse(_box(s, 0.70, 0.58, 0.82, 0.68), fill=kit.rgba(hero.CHEEK))
    d.arc(_box(s, 0.34, 0.52, 0.68, 0.76), start=20, end=160, fill=kit.rgba(kit.OUTLINE), width=width)
    return img.resize((size, size), Image.LANCZOS)


def pictures():
    """{path under the icon folder: draw() -> RGBA picture}, one per size."""
    return {"hicolor/%dx%d/apps/%s.png" % (n, n, ICON_NAME): (lambda n=n: face(n)) for n in SIZES}

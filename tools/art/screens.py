"""Menus, dialogs, panels, story pages and the status icons.

Pictures drawn at fixed screen places are laid out around what the game
draws over them: each constant below names the place the game uses.
"""
import math

from PIL import Image, ImageDraw

import backgrounds
import kit
from kit import OUTLINE, WHITE, rgba, darker, lighter, mix

SCREEN_W, SCREEN_H = 640, 480

TW_SUN = (255, 236, 120)

# The game's text colours are fixed (white, yellow); these backings keep them readable.
PANEL_BLUE = (40, 52, 110)
PANEL_DARK = (24, 28, 60)
GOLD = (255, 204, 40)
MENU_FILL = (255, 248, 220)
MENU_OFF = (150, 150, 160)

# Editor panel layout (screen pixels): the map window, the selected tile and the texts.
MAP_VIEW = 480
TILE_SLOT = (528, 4)
TEXT_ROWS = {"object": 116, "cell": 210, "pixel": 250, "world": 335}
BUTTON_ROW_Y = 362
BUTTON_XS = (498, 528, 558, 588)

# Save dialog at (170, 200): the typed name at (173, 221), Cancel (287, 254) and OK (330, 254).
SAVE_AT = (170, 200)
SAVE_CANCEL = (287 - 170, 254 - 200)
SAVE_OK = (330 - 170, 254 - 200)

# Load-level dialog: list rows at (21, 36 + 20i), buttons along y 349.
LIST_BOX = (19, 34, 372, 346)

# Shop: rows at (120, 70 + 25i), preview at (31, 404..466), money at (530, 433).
SHOP_ROWS_Y = (70, 270)


# ---------------------------------------------------------------- shared pieces

def window(w, h, title=None, base=PANEL_BLUE, title_colour=GOLD):
    """A dialog window with a title strip."""
    # Windows are drawn without a key, so the corners get the outline colour.
    img = kit.canvas(w, h, OUTLINE)
    img.alpha_composite(kit.panel(w, h, base, radius=8, border=3))
    if title:
        d = ImageDraw.Draw(img)
        d.rounded_rectangle((5, 5, w - 6, 28), radius=5, fill=rgba(darker(base, 0.6)))
        kit.draw_text(img, (w // 2, 17), title, kit.TUMBO_FONT, 18, fill=title_colour,
                      stroke=2, anchor="mm")
    return img


def inset(img, box, colour=PANEL_DARK):
    """A sunken field for text the game writes in white."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    d.rectangle(box, fill=rgba(OUTLINE))
    d.rectangle((x0 + 1, y0 + 1, x1, y1), fill=lighter(colour, 0.25))
    d.rectangle((x0 + 1, y0 + 1, x1 - 1, y1 - 1), fill=rgba(colour))


def scene(layer_fns, shift=0, sun=None):
    """An illustration from a world's three parallax layers, farthest first.
    A still picture may have a sun (centre x, y, radius, colour) in its sky,
    behind the nearer layers: unlike a scrolling layer, it never wraps."""
    img = kit.canvas(SCREEN_W, SCREEN_H, (0, 0, 0))
    for i, fn in enumerate(layer_fns):
        layer = fn(SCREEN_W, SCREEN_H)
        layer.putalpha(kit.mask_from(layer))
        kit.paste_wrapped(img, layer, -(shift * (i + 1)) % SCREEN_W, 0)
        if i == 0 and sun:
            sun_disc(img, *sun)
    return img


def sun_disc(img, cx, cy, r, colour):
    """A sun with two rings of soft glow."""
    for k, a in ((int(r * 1.8), 40), (int(r * 1.4), 70)):
        glow = kit.canvas(img.width, img.height)
        ImageDraw.Draw(glow).ellipse((cx - k, cy - k, cx + k, cy + k), fill=rgba(lighter(colour, 0.6), a))
        img.alpha_composite(glow)
    ImageDraw.Draw(img).ellipse((cx - r, cy - r, cx + r, cy + r), fill=rgba(colour))


def caption(img, lines, size=26, box_top=372, colour=WHITE):
    """Story text in a dark rounded box along the bottom of a page."""
    veil = kit.canvas(SCREEN_W, SCREEN_H)
    d = ImageDraw.Draw(veil)
    d.rounded_rectangle((20, box_top, SCREEN_W - 21, SCREEN_H - 14), radius=14,
                        fill=(20, 20, 50, 215), outline=rgba(OUTLINE), width=3)
    img.alpha_composite(veil)
    y = box_top + 18
    for line in lines:
        kit.draw_text(img, (SCREEN_W // 2, y), line, kit.TUMBO_FONT, size, fill=colour,
                      stroke=2, anchor="mt")
        y += size + 6


def hint(img, text, xy=(SCREEN_W - 28, SCREEN_H - 26), anchor="rm"):
    kit.draw_text(img, xy, text, kit.TUMBO_FONT, 15, fill=(255, 240, 150), stroke=2, anchor=anchor)


def ufo(scale=1.0, dome=(170, 230, 255), hull=(150, 160, 180), lights=(255, 230, 80)):
    """An invader ship for the story illustrations."""
    w, h = int(120 * scale), int(60 * scale)
    img = kit.canvas(w, h)
    kit.shaded_ellipse(img, (int(w * 0.3), 0, int(w * 0.7), int(h * 0.6)), dome, width=2,
                       shadow=max(2, int(4 * scale)))
    kit.shaded_ellipse(img, (0, int(h * 0.32), w - 1, int(h * 0.82)), hull, width=2,
                       shadow=max(2, int(5 * scale)))
    d = ImageDraw.Draw(img)
    for k in range(5):
        x = int(w * (0.16 + 0.17 * k))
        r = max(2, int(3 * scale))
        d.ellipse((x - r, int(h * 0.57) - r, x + r, int(h * 0.57) + r), fill=rgba(lights),
                  outline=rgba(OUTLINE))
    return img


def beam(img, x, y, w, h, colour=(255, 255, 160)):
    layer = kit.canvas(SCREEN_W, SCREEN_H)
    ImageDraw.Draw(layer).polygon([(x - w // 6, y), (x + w // 6, y), (x + w // 2, y + h), (x - w // 2, y + h)],
                                  fill=rgba(colour, 90))
    img.alpha_composite(layer)


# ---------------------------------------------------------------- the hero

HERO_FRAME = "gfx/Tumbo Man/{facing}-{frame}.png"
HERO_STAND, HERO_AIR = 1, 3
HERO_HEAD = (9, 1, 23, 14)


def hero_pose(frame, facing=0, scale=1):
    """The hero's own game sprite, blown up with hard pixels, so the story
    pages show the very character the player steers."""
    import hero  # the sprite module; imported late so a missing hero never breaks the screens
    img = hero.pictures()[HERO_FRAME.format(facing=facing, frame=frame)](32, 32)
    img.putalpha(kit.mask_from(img))
    return img.resize((32 * scale, 32 * scale), Image.NEAREST) if scale != 1 else img


def stand_hero(img, frame, x, foot_y, scale, facing=0):
    """Places the hero with his feet on foot_y and a soft shadow under him."""
    body = hero_pose(frame, facing, scale)
    shadow = kit.canvas(img.width, img.height)
    ImageDraw.Draw(shadow).ellipse((x + 6 * scale, foot_y - 2 * scale, x + 26 * scale, foot_y + scale),
                                   fill=(0, 0, 0, 70))
    img.alpha_composite(shadow)
    kit.composite(img, body, x, foot_y - 31 * scale)


# ---------------------------------------------------------------- icons

def heart(w, h, colour=(235, 50, 70)):
    img = kit.canvas(w, h)
    s_ = min(w, h)
    kit.shaded_polygon(img, heart_points(w / 2, h / 2 + 1, s_ * 0.95), colour, width=1, shadow=2, highlight=1)
    d = ImageDraw.Draw(img)
    d.point((int(w * 0.3), int(h * 0.3)), fill=(255, 230, 230, 255))
    d.point((int(w * 0.3) + 1, int(h * 0.3)), fill=(255, 230, 230, 255))
    return img


def banknote(w, h):
    """The money pick-up of the levels, at any size: money has this one look
    wherever it is shown."""
    import items  # the pick-up module; imported late like the hero
    return items.money(w, h)


def bolt(img, box, colour=(255, 220, 40)):
    x0, y0, x1, y1 = box
    w, h = x1 - x0, y1 - y0
    pts = [(0.55, 0), (0.15, 0.55), (0.45, 0.55), (0.3, 1), (0.85, 0.38), (0.52, 0.38), (0.75, 0)]
    kit.shaded_polygon(img, [(x0 + px * w, y0 + py * h) for px, py in pts], colour, width=1,
                       shadow=1, highlight=1)


def jetpack_icon(img, box):
    x0, y0, x1, y1 = box
    w = x1 - x0
    d = ImageDraw.Draw(img)
    for k in (0, 1):
        tx = x0 + 2 + k * (w // 2)
        kit.shaded_rect(img, (tx, y0 + 2, tx + w // 2 - 4, y1 - 8), (200, 60, 60), radius=3,
                        width=1, shadow=2)
        d.polygon([(tx + 1, y1 - 8), (tx + w // 2 - 5, y1 - 8), (tx + w // 4 - 2, y1)],
                  fill=(255, 160, 40, 255), outline=rgba(OUTLINE))
        d.line([(tx + w // 4 - 2, y1 - 7), (tx + w // 4 - 2, y1 - 3)], fill=(255, 250, 150, 255))
    d.rectangle((x0 + w // 2 - 3, y0 + 6, x0 + w // 2 + 1, y0 + 10), fill=(140, 140, 150, 255),
                outline=rgba(OUTLINE))


# ---------------------------------------------------------------- status display

def stat_health(w, h):
    return heart(w, h)


def stat_life(w, h):
    """The hero's face on a badge: lives are counted in Tumbo Men."""
    img = kit.canvas(w, h, (255, 214, 80))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=rgba(OUTLINE))
    d.line([(1, 1), (w - 2, 1)], fill=(255, 250, 200, 255))
    d.line([(1, h - 2), (w - 2, h - 2)], fill=(210, 150, 40, 255))
    head = hero_pose(HERO_STAND).crop(HERO_HEAD)
    kit.composite(img, head, (w - head.width) // 2, (h - head.height) // 2 + 1)
    return img


def stat_money(w, h):
    """The banknote on a badge like the lives' one."""
    img = kit.canvas(w, h, (255, 214, 80))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=rgba(OUTLINE))
    d.line([(1, 1), (w - 2, 1)], fill=(255, 250, 200, 255))
    d.line([(1, h - 2), (w - 2, h - 2)], fill=(210, 150, 40, 255))
    note = banknote(w - 2, 12)
    kit.composite(img, note, 1, (h - note.height) // 2)
    return img


def effect_box(w, h):
    img = kit.canvas(w, h)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0, 0, w - 1, h - 1), radius=4, fill=rgba(OUTLINE))
    d.rounded_rectangle((1, 1, w - 2, h - 2), radius=3, fill=(200, 210, 230, 255))
    d.rounded_rectangle((2, 2, w - 2, h - 2), radius=3, fill=(90, 100, 130, 255))
    d.rectangle((3, 3, w - 4, h - 4), fill=(30, 34, 60, 255))
    return img


def effect_speed(w, h):
    img = kit.canvas(w, h)
    bolt(img, (3, 1, w - 3, h - 2))
    return img


def effect_jetpack(w, h):
    img = kit.canvas(w, h)
    jetpack_icon(img, (2, 1, w - 3, h - 2))
    return img


def effect_bar(w, h):
    """Red when nearly spent, green when full; the lower row is a shade darker,
    so the thin bar reads as a little tube."""
    stops = [(0, (255, 80, 40)), (0.5, (255, 220, 40)), (1, (90, 230, 80))]
    img = kit.hgradient(w, h, stops)
    lower = kit.hgradient(w, 1, [(t, darker(c, 0.72)) for t, c in stops])
    img.paste(lower, (0, h - 1))
    return img


# ---------------------------------------------------------------- play screen

def loading(w, h):
    img = kit.vgradient(w, h, [(0, (10, 12, 40)), (1, (50, 24, 80))])
    backgrounds.stars(img, "loading-stars", 160, (0, 0, w - 1, h - 1),
                      [(255, 255, 255), (190, 200, 255), (255, 230, 180)])
    kit.gradient_text(img, (w // 2, 190), "Loading...", kit.TUMBO_FONT, 64, (255, 250, 200),
                      (255, 170, 40), stroke=4, shadow=(0, 4))
    # The hero on his way, with a trail of dots behind him.
    for k in range(4):
        x = w // 2 - 120 + 26 * k
        ImageDraw.Draw(img).ellipse((x - 7, 317, x + 7, 331), outline=(255, 255, 255, 255), width=1,
                                    fill=mix((120, 200, 255), (255, 240, 120), k / 3))
    stand_hero(img, 0, w // 2 - 30, 350, 3)
    return img


# Where the hero stands in the pause picture when the camera has him in the
# middle of the view: the picture leaves this band open.
PAUSE_OPEN_TOP, PAUSE_OPEN_BOTTOM = 28, 74


def pause(w, h):
    """A frame around the middle of the view with a plaque above and below;
    its middle is see-through, so the paused hero and what is around him stay
    in sight."""
    img = kit.canvas(w, h)
    gold = GOLD
    # Corner brackets, like a viewfinder around the hero.
    arm, thick = 26, 6
    for (x, y, sx, sy) in ((0, PAUSE_OPEN_TOP - 10, 1, 1), (w - 1, PAUSE_OPEN_TOP - 10, -1, 1),
                           (0, PAUSE_OPEN_BOTTOM + 10, 1, -1), (w - 1, PAUSE_OPEN_BOTTOM + 10, -1, -1)):
        pts = [(x, y), (x + sx * arm, y), (x + sx * arm, y + sy * thick), (x + sx * thick, y + sy * thick),
               (x + sx * thick, y + sy * arm), (x, y + sy * arm)]
        kit.shaded_polygon(img, pts, gold, width=1, shadow=1, highlight=1)
    top = kit.panel(140, PAUSE_OPEN_TOP, (70, 60, 150), radius=8, border=3)
    img.alpha_composite(top, ((w - top.width) // 2, 0))
    kit.gradient_text(img, (w // 2, PAUSE_OPEN_TOP // 2), "PAUSED", kit.TUMBO_FONT, 24,
                      (255, 255, 220), (255, 190, 50), stroke=3, shadow=(0, 2))
    bottom = kit.panel(210, h - PAUSE_OPEN_BOTTOM, (70, 60, 150), radius=8, border=3)
    img.alpha_composite(bottom, ((w - bottom.width) // 2, PAUSE_OPEN_BOTTOM))
    kit.draw_text(img, (w // 2, (PAUSE_OPEN_BOTTOM + h) // 2), "Press Enter to play on", kit.TUMBO_FONT, 16,
                  fill=WHITE, stroke=2, anchor="mm")
    return img


# The title card and the results panel share one backdrop, so it is laid out
# around the texts of both: the game writes them in yellow on the left half
# (headings from y 10 and y 70, lines at x 20 from y 150, the prompt at
# (100, 400)). The right half and the bottom strip are free for a picture.
CARD_WINDOW = (384, 146, 612, 396)
CARD_GROUND_Y = 436


def level_screen(w, h):
    """Backdrop of the title card and the results panel: a framed night-blue
    card with a window onto the hero at a level's flag, and a strip of turf
    along the bottom."""
    img = kit.vgradient(w, h, [(0, (30, 30, 80)), (1, (60, 30, 90))])
    stripes = kit.canvas(w, h)
    sd = ImageDraw.Draw(stripes)
    for k in range(0, w + h, 40):
        sd.line([(k, 0), (k - h, h)], fill=(255, 255, 255, 10), width=14)
    img.alpha_composite(stripes)
    # Stars only over the picture's column: next to the texts they would read as stray marks.
    backgrounds.stars(img, "card-stars", 24, (CARD_WINDOW[0] - 20, 14, w - 14, CARD_WINDOW[1] - 14),
                      [(255, 255, 255), (255, 240, 180)])
    card_window(img)
    card_ground(img, w, h)
    card_frame(img, w, h)
    return img


def card_window(img):
    """A gold-framed picture of the hero beside the flagpole on a sunny hill."""
    x0, y0, x1, y1 = CARD_WINDOW
    iw, ih = x1 - x0 - 9, y1 - y0 - 9
    view = scene([backgrounds.tumbo_far, backgrounds.tumbo_mid, backgrounds.tumbo_near], 40,
                 sun=(240, 205, 22, TW_SUN))
    # The scenery at a smaller scale than the hero, as if seen from further off.
    zoom = 1.4
    top = SCREEN_H - int(ih * zoom) + 24
    view = view.crop((60, top, 60 + int(iw * zoom), top + int(ih * zoom))).resize((iw, ih), Image.LANCZOS)
    import tiles  # the ground tiles, so the picture shows the very turf of the levels
    turf = tiles.grass(32, 32)
    for x in range(0, iw, 32):
        view.alpha_composite(turf, (x, ih - 32)) if x + 32 <= iw else kit.composite(view, turf, x, ih - 32)
    import items  # the flagpole of the levels, at half size
    pole = items.pole(True).resize((50, 149), Image.NEAREST)
    pole_x, pole_y = iw - 76, ih - 32 - 146
    kit.composite(view, pole, pole_x, pole_y)
    # The flag hoisted, where the game draws it (x + 68, y + 18 at full size).
    kit.composite(view, items.flag().resize((16, 11), Image.NEAREST), pole_x + 34, pole_y + 9)
    stand_hero(view, HERO_STAND, 24, ih - 32, 2)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((x0, y0, x1, y1), radius=10, fill=rgba(OUTLINE))
    d.rounded_rectangle((x0 + 2, y0 + 2, x1 - 2, y1 - 2), radius=8, fill=rgba(GOLD))
    d.rounded_rectangle((x0 + 3, y0 + 3, x1 - 3, y1 - 3), radius=7, fill=rgba(darker(GOLD, 0.6)))
    mask = kit.rect_mask(iw, ih, (0, 0, iw - 1, ih - 1), radius=5)
    img.paste(view, (x0 + 5, y0 + 5), mask)
    d.rounded_rectangle((x0 + 4, y0 + 4, x1 - 4, y1 - 4), radius=6, outline=rgba(OUTLINE), width=1)
    d.line([(x0 + 12, y0 + 2), (x1 - 12, y0 + 2)], fill=lighter(GOLD, 0.6))


def card_ground(img, w, h):
    """Turf along the bottom of the card, under everything the game writes."""
    import tiles
    turf = tiles.grass(32, 32)
    strip = kit.canvas(w, h - CARD_GROUND_Y)
    for x in range(0, w, 32):
        kit.composite(strip, turf, x, 0)
    img.alpha_composite(strip, (0, CARD_GROUND_Y))


def card_frame(img, w, h):
    """A gold frame within 8 pixels of the edge (the game writes from (20, 10)
    on), with a rosette in each corner."""
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=rgba(OUTLINE), width=2)
    d.rectangle((2, 2, w - 3, h - 3), outline=rgba(GOLD), width=3)
    d.line([(3, 3), (w - 4, 3)], fill=lighter(GOLD, 0.5))
    d.rectangle((5, 5, w - 6, h - 6), outline=rgba(darker(GOLD, 0.6)), width=1)
    d.rectangle((6, 6, w - 7, h - 7), outline=rgba(OUTLINE), width=1)
    for (x, y) in ((10, 10), (w - 11, 10), (10, h - 11), (w - 11, h - 11)):
        kit.shaded_ellipse(img, (x - 8, y - 8, x + 8, y + 8), darker(GOLD, 0.8), width=1, shadow=2)
        star_badge(img, x, y, 7, lighter(GOLD, 0.2))


def star_badge(img, cx, cy, r, colour=GOLD):
    pts = []
    for k in range(10):
        a = -math.pi / 2 + math.pi * k / 5
        rr = r if k % 2 == 0 else r * 0.45
        pts.append((cx + rr * math.cos(a), cy + rr * math.sin(a)))
    kit.shaded_polygon(img, pts, colour, width=1, shadow=2, highlight=1)


# ---------------------------------------------------------------- title screen

def title_logo(w, h):
    img = kit.canvas(w, h)
    kit.draw_text(img, (w // 2, 24), "The Adventures of", kit.TUMBO_FONT, 28, fill=(255, 255, 255),
                  stroke=3, anchor="mm", shadow=(0, 2))
    size = kit.fit_size("TUMBO MAN", kit.TUMBO_FONT, w - 60, 90, 76, stroke=5)
    kit.gradient_text(img, (w // 2, 92), "TUMBO MAN", kit.TUMBO_FONT, size, (255, 240, 120),
                      (255, 120, 30), stroke=5, shadow=(0, 5))
    for (x, y) in ((16, 86), (w - 16, 86)):
        star_badge(img, x, y, 12)
    return img


MENU = {
    "new_game": "New Game",
    "level_select_on": "Level Select",
    "level_select_off": "Level Select",
    "custom_levels": "Custom Levels",
    "level_editor": "Level Editor",
    "tumbo_shop": "Tumbo Shop",
    "options": "Options",
    "exit": "Exit",
}
MENU_SIZE = 19


def menu_pill(w, h, base):
    """Dark rounded bar behind a menu word; stacked entries form one panel,
    which keeps the words readable over the moving scenery."""
    img = kit.canvas(w, h)
    d = ImageDraw.Draw(img)
    d.rounded_rectangle((0, 0, w - 1, h - 1), radius=6, fill=rgba(OUTLINE))
    d.rounded_rectangle((1, 1, w - 2, h - 2), radius=5, fill=rgba(base))
    d.line([(5, 2), (w - 6, 2)], fill=lighter(base, 0.25))
    return img


def menu_text(text, fill, w, h, base=(44, 52, 120), outline=OUTLINE):
    img = menu_pill(w, h, base)
    kit.draw_text(img, (10, h // 2), text, kit.TUMBO_FONT, MENU_SIZE - 2, fill=fill,
                  outline=outline, stroke=1, anchor="lm")
    return img


def menu_entry(name):
    def draw(w, h):
        if name == "level_select_off":
            # Locked until the game is completed: grey, with a padlock.
            img = menu_text(MENU[name], MENU_OFF, w, h, base=(70, 70, 84), outline=(40, 40, 48))
            padlock(img, w - 20, 3)
            return img
        return menu_text(MENU[name], MENU_FILL, w, h)
    return draw


def padlock(img, x, y):
    d = ImageDraw.Draw(img)
    d.arc((x + 2, y, x + 10, y + 10), 180, 360, fill=rgba(OUTLINE), width=3)
    d.arc((x + 3, y + 1, x + 9, y + 9), 180, 360, fill=(190, 190, 200, 255), width=1)
    kit.shaded_rect(img, (x, y + 5, x + 12, y + 14), (170, 170, 180), width=1, shadow=2)
    d.point((x + 6, y + 9), fill=rgba(OUTLINE))


def cursor(w, h, colour=GOLD):
    """Opaque arrow badge; the game draws it without a colour key."""
    img = kit.canvas(w, h, (40, 40, 90))
    d = ImageDraw.Draw(img)
    d.rectangle((0, 0, w - 1, h - 1), outline=rgba(OUTLINE))
    d.polygon([(2, 1), (w - 2, h // 2), (2, h - 2)], fill=rgba(colour), outline=rgba(OUTLINE))
    d.line([(3, 2), (3, h - 4)], fill=lighter(colour, 0.6))
    return img


# ---------------------------------------------------------------- world select

WORLDS = {
    "tumbo_world": ("Tumbo World", (150, 240, 110)),
    "blorp": ("Blorp", (255, 150, 220)),
    "space_pirate": ("Space Pirates", (150, 200, 255)),
    "robot_city": ("Robot City", (190, 210, 235)),
    "round_world": ("Round World", (255, 190, 110)),
}


def world_name(key):
    text, colour = WORLDS[key]
    return lambda w, h: menu_text(text, colour, w, h)


def level_select_heading(w, h):
    img = kit.canvas(w, h)
    kit.gradient_text(img, (w // 2, h // 2 - 2), "Select a World", kit.TUMBO_FONT, 42,
                      (255, 250, 200), (255, 160, 40), stroke=4, shadow=(0, 3))
    return img


# ---------------------------------------------------------------- load-level dialog

def load_dialog(w, h):
    img = window(w, h, "Load a Level")
    inset(img, LIST_BOX)
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = LIST_BOX
    for k in range(16):
        if k % 2:
            y = 36 + 20 * k
            if y + 19 < y1:
                d.rectangle((x0 + 2, y, x1 - 2, y + 19), fill=rgba(lighter(PANEL_DARK, 0.06)))
    return img


def dialog_button(label, colour):
    return lambda w, h: kit.button(w, h, colour, label=label)


def selection(w, h):
    """Highlight frame around one row; its middle stays see-through."""
    img = kit.canvas(w, h)
    d = ImageDraw.Draw(img)
    # Lines above and below only: the entry's text starts at the left edge.
    for y, c in ((0, OUTLINE), (1, GOLD), (2, OUTLINE), (h - 3, OUTLINE), (h - 2, GOLD), (h - 1, OUTLINE)):
        d.line([(0, y), (w - 1, y)], fill=rgba(c))
    d.line([(w - 2, 0), (w - 2, h - 1)], fill=rgba(GOLD))
    d.line([(w - 1, 0), (w - 1, h - 1)], fill=rgba(OUTLINE))
    d.polygon([(w - 12, 5), (w - 5, h // 2), (w - 12, h - 6)], fill=rgba(GOLD), outline=rgba(OUTLINE))
    return img


# ---------------------------------------------------------------- editor

def map_editor(w, h):
    img = kit.canvas(w, h)
    side = kit.panel(w - MAP_VIEW, h, (60, 72, 100), radius=0, border=3)
    img.alpha_composite(side, (MAP_VIEW, 0))
    d = ImageDraw.Draw(img)
    d.line([(MAP_VIEW, 0), (MAP_VIEW, h - 1)], fill=rgba(OUTLINE), width=2)

    def label(y, text):
        kit.draw_text(img, (486, y), text, kit.EDITOR_BOLD_FONT, 11, fill=GOLD, stroke=1, anchor="lm")

    # Selected tile: slot with arrow hints for Left / Right.
    tx, ty = TILE_SLOT
    inset(img, (tx - 3, ty - 3, tx + 34, ty + 34), (20, 24, 40))
    kit.draw_text(img, (486, 22), "Tile", kit.EDITOR_BOLD_FONT, 11, fill=GOLD, stroke=1, anchor="lm")
    kit.draw_text(img, (574, 22), "\u2190 \u2192", kit.EDITOR_BOLD_FONT, 12, fill=WHITE, stroke=1, anchor="lm")
    label(TEXT_ROWS["object"] - 14, "Object  (\u2191 \u2193)")
    inset(img, (484, TEXT_ROWS["object"] - 4, 634, TEXT_ROWS["object"] + 16))
    label(TEXT_ROWS["cell"] - 14, "Cell")
    inset(img, (478, TEXT_ROWS["cell"] - 3, 634, TEXT_ROWS["cell"] + 15))
    label(TEXT_ROWS["pixel"] - 14, "Pixel")
    inset(img, (478, TEXT_ROWS["pixel"] - 3, 634, TEXT_ROWS["pixel"] + 15))
    label(TEXT_ROWS["world"] - 14, "World  (M / N)")
    inset(img, (484, TEXT_ROWS["world"] - 4, 634, TEXT_ROWS["world"] + 16))
    # Tray behind the four buttons.
    inset(img, (BUTTON_XS[0] - 5, BUTTON_ROW_Y - 5, BUTTON_XS[-1] + 25, BUTTON_ROW_Y + 25), (30, 36, 56))
    for x, name in zip(BUTTON_XS, ("New", "Save", "Load", "Help")):
        kit.draw_text(img, (x + 10, BUTTON_ROW_Y + 34), name, kit.EDITOR_FONT, 8, fill=WHITE,
                      stroke=0, outline=None, anchor="mm")
    hints = ["Left click: paint", "Right click: place", "W A S D: scroll", "Esc: leave"]
    for k, text in enumerate(hints):
        kit.draw_text(img, (490, 412 + 15 * k), text, kit.EDITOR_FONT, 10, fill=(220, 228, 240),
                      outline=None, anchor="lm")
    return img


def editor_cursor(w, h):
    img = kit.canvas(w, h)
    d = ImageDraw.Draw(img)
    for (x, y, sx, sy) in ((0, 0, 1, 1), (w - 1, 0, -1, 1), (0, h - 1, 1, -1), (w - 1, h - 1, -1, -1)):
        for k, c in ((0, OUTLINE), (1, GOLD), (2, OUTLINE)):
            d.line([(x + sx * k, y + sy * k), (x + sx * 9, y + sy * k)], fill=rgba(c))
            d.line([(x + sx * k, y + sy * k), (x + sx * k, y + sy * 9)], fill=rgba(c))
    return img


def bound(vertical):
    """Red and white marks along the level's last column / row."""
    def draw(w, h):
        img = kit.canvas(w, h)
        d = ImageDraw.Draw(img)
        if vertical:
            d.rectangle((0, 0, 5, h - 1), fill=rgba(OUTLINE))
            for y in range(0, h, 8):
                d.rectangle((1, y, 4, y + 3), fill=(230, 40, 40, 255))
                d.rectangle((1, y + 4, 4, y + 7), fill=(255, 255, 255, 255))
        else:
            d.rectangle((0, 0, w - 1, 5), fill=rgba(OUTLINE))
            for x in range(0, w, 8):
                d.rectangle((x, 1, x + 3, 4), fill=(230, 40, 40, 255))
                d.rectangle((x + 4, 1, x + 7, 4), fill=(255, 255, 255, 255))
        return img
    return draw


def save_dialog(w, h):
    img = window(w, h, base=PANEL_BLUE)
    kit.draw_text(img, (8, 10), "Save level as:", kit.EDITOR_BOLD_FONT, 11, fill=GOLD, stroke=1, anchor="lm")
    inset(img, (2, 19, w - 3, 49))
    kit.draw_text(img, (SAVE_CANCEL[0] - 4, SAVE_CANCEL[1] + 10), "Cancel", kit.EDITOR_BOLD_FONT, 11,
                  fill=WHITE, stroke=1, anchor="rm")
    kit.draw_text(img, (SAVE_OK[0] + 24, SAVE_OK[1] + 10), "OK", kit.EDITOR_BOLD_FONT, 11,
                  fill=WHITE, stroke=1, anchor="lm")
    img.alpha_composite(kit.button(20, 20, (200, 60, 60), icon=cross_icon), SAVE_CANCEL)
    img.alpha_composite(kit.button(20, 20, (60, 170, 70), icon=tick_icon), SAVE_OK)
    return img


def cross_icon(img, d):
    d.line([(6, 5), (13, 12)], fill=WHITE, width=3)
    d.line([(13, 5), (6, 12)], fill=WHITE, width=3)


def tick_icon(img, d):
    d.line([(5, 9), (8, 12), (14, 5)], fill=WHITE, width=3)


def new_icon(img, d):
    d.polygon([(5, 3), (12, 3), (15, 6), (15, 16), (5, 16)], fill=WHITE, outline=rgba(OUTLINE))
    d.line([(12, 3), (12, 6), (15, 6)], fill=rgba(OUTLINE))
    d.line([(7, 9), (13, 9)], fill=(150, 150, 170, 255))
    d.line([(7, 12), (13, 12)], fill=(150, 150, 170, 255))


def save_icon(img, d):
    d.rectangle((4, 3, 15, 15), fill=(40, 60, 140, 255), outline=rgba(OUTLINE))
    d.rectangle((7, 4, 12, 8), fill=(220, 220, 230, 255))
    d.rectangle((6, 11, 13, 15), fill=WHITE)


def load_icon(img, d):
    d.polygon([(3, 5), (8, 5), (9, 7), (16, 7), (16, 15), (3, 15)], fill=(240, 190, 60, 255),
              outline=rgba(OUTLINE))
    d.line([(4, 9), (15, 9)], fill=(255, 230, 140, 255))


def help_icon(img, d):
    kit.draw_text(img, (10, 9), "?", kit.EDITOR_BOLD_FONT, 14, fill=WHITE, stroke=1, anchor="mm")


def editor_button(colour, icon):
    return lambda w, h: kit.button(w, h, colour, icon=icon)


HELP_LINES = [
    ("Left click", "paint the selected tile"),
    ("Right click", "place the selected object"),
    ("Left / Right", "arrow keys: pick a tile"),
    ("Up / Down", "arrow keys: pick an object"),
    ("M / N", "change the world theme"),
    ("W A S D", "scroll the map"),
    ("Esc", "leave the editor"),
]


def editor_help(w, h):
    img = window(w, h, "Level Editor Help")
    d = ImageDraw.Draw(img)
    inset(img, (12, 36, w - 13, 212))
    y = 48
    for key, text in HELP_LINES:
        kit.draw_text(img, (24, y), key, kit.EDITOR_BOLD_FONT, 13, fill=GOLD, stroke=1, anchor="lm")
        kit.draw_text(img, (136, y), text, kit.EDITOR_FONT, 13, fill=WHITE, outline=None, anchor="lm")
        y += 24
    kit.draw_text(img, (24, 228), "Buttons:", kit.EDITOR_BOLD_FONT, 13, fill=GOLD, stroke=1, anchor="lm")
    x = 100
    for name, colour, icon in (("New", (90, 150, 220), new_icon), ("Save", (90, 150, 220), save_icon),
                               ("Load", (90, 150, 220), load_icon), ("Help", (90, 150, 220), help_icon)):
        img.alpha_composite(kit.button(20, 20, colour, icon=icon), (x, 218))
        kit.draw_text(img, (x + 24, 228), name, kit.EDITOR_FONT, 12, fill=WHITE, outline=None, anchor="lm")
        x += 72
    d.line([(12, 250), (w - 13, 250)], fill=rgba(darker(PANEL_BLUE, 0.6)), width=2)
    kit.draw_text(img, (w // 2, 272), "Press Enter to close this help", kit.TUMBO_FONT, 17,
                  fill=(255, 240, 150), stroke=2, anchor="mm")
    return img


# ---------------------------------------------------------------- shop

def shop(w, h):
    img = kit.vgradient(w, h, [(0, (120, 60, 40)), (1, (70, 36, 30))])
    d = ImageDraw.Draw(img)
    # Wooden wall planks.
    for y in range(0, h, 40):
        d.line([(0, y), (w - 1, y)], fill=(60, 30, 24, 255), width=2)
        d.line([(0, y + 2), (w - 1, y + 2)], fill=(150, 90, 60, 255))
    r = kit.rng("shop-grain")
    kit.scatter(img, r, [(100, 50, 36), (140, 80, 54)], 400, (0, 0, w - 1, h - 1), (6, 1))
    kit.gradient_text(img, (w // 2, 34), "Tumbo Shop", kit.TUMBO_FONT, 46, (255, 250, 200),
                      (255, 170, 40), stroke=4, shadow=(0, 3))
    # Counter board behind the rows.
    y0, y1 = SHOP_ROWS_Y
    board = kit.panel(440, y1 - y0 + 26, (70, 50, 90), radius=10, border=3)
    img.alpha_composite(board, (100, y0 - 12))
    kit.draw_text(img, (w // 2, 306), "Up / Down: choose    Enter: buy, then wear    Esc: leave",
                  kit.TUMBO_FONT, 17, fill=WHITE, stroke=2, anchor="mm")
    # Mirror frame for the hero preview (hat at (31, 404), hero at (31, 434)).
    inset(img, (20, 396, 74, 470), (180, 220, 240))
    d.rectangle((22, 398, 72, 410), fill=(200, 232, 248, 255))
    kit.draw_text(img, (w // 2, 360), "Collect money in the levels to buy hats and a new look!",
                  kit.TUMBO_FONT, 17, fill=(255, 230, 150), stroke=2, anchor="mm")
    # Money counter (the game writes the total at (530, 433)).
    inset(img, (496, 424, 628, 462), (30, 40, 30))
    kit.composite(img, banknote(22, 15), 502, 435)
    return img


def shop_row(selected):
    def draw(w, h):
        img = kit.canvas(w, h)
        d = ImageDraw.Draw(img)
        base = (60, 110, 200) if selected else (90, 76, 110)
        d.rounded_rectangle((0, 0, w - 1, h - 1), radius=7, fill=rgba(OUTLINE))
        d.rounded_rectangle((1, 1, w - 2, h - 2), radius=6,
                            fill=rgba(GOLD) if selected else lighter(base, 0.3))
        d.rounded_rectangle((3, 3, w - 4, h - 3), radius=5, fill=darker(base, 0.8))
        d.rounded_rectangle((3, 3, w - 4, h - 5), radius=5, fill=rgba(base))
        d.line([(8, 4), (w - 9, 4)], fill=lighter(base, 0.35))
        # Price column divider at x 296.
        d.line([(294, 5), (294, h - 6)], fill=darker(base, 0.6))
        if selected:
            d.polygon([(w - 14, 6), (w - 7, h // 2), (w - 14, h - 7)], fill=rgba(GOLD), outline=rgba(OUTLINE))
        return img
    return draw


# ---------------------------------------------------------------- game over

def game_over(w, h):
    img = kit.vgradient(w, h, [(0, (60, 10, 30)), (0.6, (30, 10, 40)), (1, (10, 6, 20))])
    rays = kit.canvas(w, h)
    rd = ImageDraw.Draw(rays)
    for k in range(24):
        a = 2 * math.pi * k / 24
        rd.line([(w // 2, 217), (w // 2 + 600 * math.cos(a), 217 + 600 * math.sin(a))],
                fill=(255, 255, 255, 14), width=18)
    img.alpha_composite(rays)
    d = ImageDraw.Draw(img)
    kit.gradient_text(img, (w // 2, 34), "GAME OVER", kit.TUMBO_FONT, 52, (255, 150, 150),
                      (200, 30, 40), stroke=4, shadow=(0, 3))
    # A frame for the picture drawn at (213, 67).
    d.rounded_rectangle((203, 60, 436, 376), radius=12, fill=(20, 12, 34, 255), outline=rgba(GOLD), width=3)
    # "Yes" and "No" are written at (165, 444) and (220, 444).
    kit.draw_text(img, (205, 418), "Try again?", kit.TUMBO_FONT, 22, fill=WHITE, stroke=2, anchor="mm")
    hint(img, "Left / Right: choose   Enter: confirm", (w - 20, 455))
    return img


def game_over_picture(n):
    return [rip_picture, gloat_picture, broken_heart_picture][n]


def rip_picture(w, h):
    img = kit.canvas(w, h)
    kit.shaded_ellipse(img, (10, 230, w - 11, 300), (70, 150, 60), width=2, shadow=6)
    stone = [(45, 250), (45, 90), (60, 55), (107, 38), (154, 55), (169, 90), (169, 250)]
    kit.shaded_polygon(img, stone, (170, 170, 184), width=3, shadow=8, highlight=2)
    kit.draw_text(img, (107, 110), "R.I.P.", kit.TUMBO_FONT, 32, fill=(90, 90, 110), outline=(220, 220, 230),
                  stroke=1, anchor="mm")
    d = ImageDraw.Draw(img)
    d.line([(70, 150), (144, 150)], fill=(110, 110, 124, 255), width=3)
    d.line([(80, 170), (134, 170)], fill=(110, 110, 124, 255), width=3)
    for x in (60, 150):
        d.line([(x, 262), (x, 236)], fill=(40, 110, 40, 255), width=3)
        kit.shaded_ellipse(img, (x - 8, 222, x + 8, 238), (255, 220, 60), width=1, shadow=2)
    return img


def gloat_picture(w, h):
    img = kit.canvas(w, h)
    ship = ufo(1.5)
    img.alpha_composite(ship, (w // 2 - ship.width // 2, 30))
    # Speech bubble: the invaders laugh.
    kit.shaded_ellipse(img, (12, 150, w - 13, 250), (255, 255, 255), width=3, shadow=5)
    ImageDraw.Draw(img).polygon([(100, 152), (120, 120), (126, 156)], fill=WHITE, outline=rgba(OUTLINE))
    ImageDraw.Draw(img).line([(102, 154), (124, 154)], fill=WHITE, width=3)
    kit.draw_text(img, (w // 2, 200), "Ha ha ha!", kit.TUMBO_FONT, 36, fill=(220, 40, 60), stroke=2, anchor="mm")
    for (x, y) in ((30, 40), (180, 20), (190, 120), (20, 120)):
        star_badge(img, x, y, 7, (255, 250, 180))
    return img


def heart_points(cx, cy, size):
    pts = []
    for k in range(72):
        t = 2 * math.pi * k / 72
        x = 16 * math.sin(t) ** 3
        y = -(13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t))
        pts.append((cx + x * size / 34, cy + y * size / 34))
    return pts


def broken_heart_picture(w, h):
    img = kit.canvas(w, h)
    whole = kit.polygon_mask(w, h, heart_points(w // 2, 120, 170))
    crack = [(w // 2, 40), (w // 2 - 10, 80), (w // 2 + 10, 112), (w // 2 - 12, 150), (w // 2, 210)]
    left_side = kit.polygon_mask(w, h, [(0, 0)] + crack + [(0, h)])
    # Each half gets its own outline, so the crack reads as a clean break.
    for side, dx, angle in ((kit.intersect(whole, left_side), -7, 6),
                            (kit.subtract(whole, left_side), 7, -6)):
        half = kit.canvas(w, h)
        kit.shade_mask(half, side, (235, 50, 70), width=3, shadow=8, highlight=3)
        half = half.rotate(angle, center=(w // 2, 210), resample=Image.NEAREST)
        kit.composite(img, half, dx, 0)
    d = ImageDraw.Draw(img)
    for (x, y) in ((70, 246), (144, 256), (107, 276)):
        d.polygon([(x, y - 12), (x - 7, y + 1), (x + 7, y + 1)], fill=(120, 200, 255, 255), outline=rgba(OUTLINE))
        d.ellipse((x - 7, y - 5, x + 7, y + 9), fill=(120, 200, 255, 255), outline=rgba(OUTLINE), width=2)
        d.point((x - 2, y), fill=(230, 250, 255, 255))
    return img


# ---------------------------------------------------------------- story and ending

def story_page(n):
    tumbo = [backgrounds.tumbo_far, backgrounds.tumbo_mid, backgrounds.tumbo_near]

    def page1(w, h):
        img = scene(tumbo, sun=(520, 90, 38, TW_SUN))
        stand_hero(img, HERO_STAND, 250, 362, 4)
        caption(img, ["Tumbo World was a happy place,", "full of green hills and sunshine."])
        hint(img, "Right arrow: next page", (w - 30, 30))
        return img

    def page2(w, h):
        img = scene(tumbo, 120)
        dark = kit.canvas(w, h, (40, 0, 60, 90))
        img.alpha_composite(dark)
        for i, (x, y, s) in enumerate(((150, 60, 1.2), (380, 120, 0.9), (520, 40, 0.7), (260, 180, 0.6))):
            ship = ufo(s)
            beam(img, x + ship.width // 2, y + ship.height - 8, int(140 * s), 260)
            img.alpha_composite(ship, (x, y))
        caption(img, ["Then one day, strange ships", "came from outer space!"])
        hint(img, "Left / Right: turn the pages", (w - 30, 30))
        return img

    def page3(w, h):
        img = kit.vgradient(w, h, [(0, (40, 30, 90)), (1, (250, 120, 60))])
        d = ImageDraw.Draw(img)
        for k in range(32):
            a = 2 * math.pi * k / 32
            if k % 2:
                d.polygon([(w // 2, 180), (w // 2 + 700 * math.cos(a), 180 + 700 * math.sin(a)),
                           (w // 2 + 700 * math.cos(a + 0.1), 180 + 700 * math.sin(a + 0.1))],
                          fill=(255, 230, 150, 255))
        kit.gradient_text(img, (w // 2, 98), "TUMBO MAN!", kit.TUMBO_FONT, 84, (255, 255, 220),
                          (255, 140, 30), stroke=6, shadow=(0, 6))
        stand_hero(img, HERO_AIR, w // 2 - 96, 362, 6)
        caption(img, ["Only one hero can save the day.", "Go, Tumbo Man, go!"])
        hint(img, "Left arrow: back", (30, 30), anchor="lm")
        return img

    return [page1, page2, page3][n]


def ending_page(n):
    def page0(w, h):
        img = scene([backgrounds.round_far, backgrounds.round_mid, backgrounds.round_near], 60,
                    sun=(300, 250, 70, (255, 240, 170)))
        for (x, y, s) in ((90, 70, 0.7), (300, 110, 0.5), (460, 80, 0.4)):
            ship = ufo(s).rotate(12)
            img.alpha_composite(ship, (x, y))
            d = ImageDraw.Draw(img)
            for k in range(3):
                d.line([(x + ship.width + 6 + 10 * k, y + ship.height // 2 + 6 * k),
                        (x + ship.width + 22 + 10 * k, y + ship.height // 2 + 6 * k + 4)],
                       fill=(255, 255, 255, 255), width=2)
        stand_hero(img, HERO_AIR, 380, 384, 4, facing=1)
        caption(img, ["Tumbo Man defeated the invaders!", "Their ships fled back to outer space."])
        hint(img, "Enter: next page", (w - 30, 30))
        return img

    def page1(w, h):
        img = scene([backgrounds.tumbo_far, backgrounds.tumbo_mid, backgrounds.tumbo_near], 200)
        img.alpha_composite(kit.canvas(w, h, (20, 10, 60, 140)))
        r = kit.rng("fireworks")
        for (cx, cy, colour) in ((140, 100, (255, 90, 90)), (320, 70, (255, 230, 80)),
                                 (500, 110, (120, 220, 255)), (240, 190, (180, 255, 140)),
                                 (430, 200, (255, 150, 230))):
            firework(img, cx, cy, r.randint(36, 56), colour)
        stand_hero(img, HERO_STAND, 120, 380, 3)
        stand_hero(img, HERO_AIR, 430, 370, 3, facing=1)
        caption(img, ["Peace came back to all five worlds,", "and everyone threw a big party!"])
        hint(img, "Enter: next page", (w - 30, 30))
        return img

    def page2(w, h):
        img = scene([backgrounds.title_far, backgrounds.title_mid, backgrounds.title_near], 90)
        kit.gradient_text(img, (w // 2, 150), "THE END", kit.TUMBO_FONT, 96, (255, 255, 220),
                          (255, 140, 30), stroke=6, shadow=(0, 6))
        kit.draw_text(img, (w // 2, 240), "Thanks for playing!", kit.TUMBO_FONT, 36, fill=WHITE,
                      stroke=3, anchor="mm", shadow=(0, 3))
        caption(img, ["Tumbo Man will be back...", "The Level Select is now open!"], box_top=360)
        hint(img, "Enter: back to the title", (w - 30, 30))
        return img

    return [page0, page1, page2][n]


def firework(img, cx, cy, r, colour):
    d = ImageDraw.Draw(img)
    for k in range(16):
        a = 2 * math.pi * k / 16
        x1, y1 = cx + r * math.cos(a), cy + r * math.sin(a)
        x0, y0 = cx + r * 0.35 * math.cos(a), cy + r * 0.35 * math.sin(a)
        d.line([(x0, y0), (x1, y1)], fill=rgba(colour), width=3)
        d.ellipse((x1 - 2, y1 - 2, x1 + 2, y1 + 2), fill=lighter(colour, 0.6))
    d.ellipse((cx - 3, cy - 3, cx + 3, cy + 3), fill=(255, 255, 255, 255))


# ---------------------------------------------------------------- table

def pictures():
    out = {
        "gfx/loading.png": loading,
        "gfx/pause.png": pause,
        "gfx/level_screen.png": level_screen,
        "gfx/Stats/health.png": stat_health,
        "gfx/Stats/life.png": stat_life,
        "gfx/Stats/money.png": stat_money,
        "gfx/Stats/effect_box.png": effect_box,
        "gfx/Stats/effect_speed_up.png": effect_speed,
        "gfx/Stats/effect_jetpack.png": effect_jetpack,
        "gfx/Stats/effect_bar.png": effect_bar,
        "gfx/Title/title.png": title_logo,
        "gfx/Title/select.png": cursor,
        "gfx/Level select/level_select.png": level_select_heading,
        "gfx/Level select/select.png": cursor,
        "gfx/LoadLevel/dialog.png": load_dialog,
        "gfx/LoadLevel/next_page.png": dialog_button("Next", (80, 130, 210)),
        "gfx/LoadLevel/prev_page.png": dialog_button("Prev", (80, 130, 210)),
        "gfx/LoadLevel/load.png": dialog_button("Load", (60, 170, 70)),
        "gfx/LoadLevel/exit.png": dialog_button("Exit", (200, 60, 60)),
        "gfx/LoadLevel/selection.png": selection,
        "gfx/Editor/MapEditor.png": map_editor,
        "gfx/Editor/editor_cursor.png": editor_cursor,
        "gfx/Editor/x_bound.png": bound(True),
        "gfx/Editor/y_bound.png": bound(False),
        "gfx/Editor/save_dialog.png": save_dialog,
        "gfx/Editor/editor_new.png": editor_button((90, 150, 220), new_icon),
        "gfx/Editor/editor_save.png": editor_button((90, 150, 220), save_icon),
        "gfx/Editor/editor_load.png": editor_button((90, 150, 220), load_icon),
        "gfx/Editor/editor_help.png": editor_button((90, 150, 220), help_icon),
        "gfx/Editor/help.png": editor_help,
        "gfx/Shop/shop.png": shop,
        "gfx/Shop/item0.png": shop_row(False),
        "gfx/Shop/item1.png": shop_row(True),
        "gfx/Game Over/game_over.png": game_over,
    }
    for name in MENU:
        out[f"gfx/Title/{name}.png"] = menu_entry(name)
    for key in WORLDS:
        out[f"gfx/Level select/{key}.png"] = world_name(key)
    for i in range(3):
        out[f"gfx/Game Over/{i}.png"] = game_over_picture(i)
        out[f"gfx/Ending/{i}.png"] = ending_page(i)
        out[f"gfx/Story/l1_s{i + 1}.png"] = story_page(i)
    return out

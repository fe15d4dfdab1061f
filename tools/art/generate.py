#!/usr/bin/env python3
"""Draws every picture of the game and copies its fonts.

    generate.py --out <gamedir> [--sheet <png>] [--icons <folder>] [--allow-missing]
    generate.py --font-sources

tools/art/manifest.txt is the list of files the game loads. Each drawing
module (MODULES below) returns {manifest path: draw(w, h) -> RGBA picture};
this driver checks that every picture has exactly one drawer, turns
transparency into the game's magenta colour key, and writes PNGs that are
byte-identical on every run. With --icons it also draws the desktop icon
(icons.py) into <folder>/hicolor/<size>/apps/.
"""
import argparse
import importlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))

try:
    from PIL import Image, ImageChops, ImageDraw
except ImportError:
    # The build may find a Python without Pillow first (a user-local
    # interpreter); the system one has Debian's python3-pil.
    SYSTEM_PYTHON = "/usr/bin/python3"
    if os.path.exists(SYSTEM_PYTHON) and os.path.realpath(sys.executable) != os.path.realpath(SYSTEM_PYTHON):
        os.execv(SYSTEM_PYTHON, [SYSTEM_PYTHON] + sys.argv)
    sys.exit("generate.py: Pillow is missing; install python3-pil (tools/setup.sh does)")

sys.path.insert(0, HERE)
import kit  # noqa: E402  (needs the path above)

# The drawing modules, one per area. Add a module's name here when it exists.
MODULES = [
    "tiles", "backgrounds", "screens",
    "hero", "space_pirates", "items", "tumbo_world", "blorp", "robot_city", "round_world",
]

# Fonts come from Debian packages (fonts-comic-neue, fonts-dejavu-core).
FONT_SOURCES = {
    "gfx/Fonts/Tumbo font.ttf": kit.TUMBO_FONT,
    "gfx/Fonts/Stat font.ttf": kit.STAT_FONT,
    "gfx/Fonts/Editor font.ttf": kit.EDITOR_FONT,
}

MAGENTA = (255, 0, 255)
KINDS = ("key", "opaque", "alpha", "font")
# Alpha at or above this counts as part of the figure in keyed pictures.
ALPHA_CUT = 128
# Colours this close to magenta would vanish under the colour key once SDL
# reduces them to a 16-bit display, so figures are pushed away from it.
NEAR_MAGENTA_RB = 232
NEAR_MAGENTA_G = 24
NUDGED_GREEN = 48


class ManifestEntry:
    def __init__(self, path, w, h, kind, line):
        self.path, self.w, self.h, self.kind, self.line = path, w, h, kind, line


def read_manifest(path):
    entries, seen = [], set()
    with open(path, encoding="utf-8") as f:
        for number, raw in enumerate(f, 1):
            line = raw.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != 4:
                fail(f"manifest line {number}: expected 4 TAB-separated fields: {line!r}")
            p, w, h, kind = parts
            if kind not in KINDS:
                fail(f"manifest line {number}: unknown kind {kind!r}")
            if p in seen:
                fail(f"manifest line {number}: {p} listed twice")
            if not p.startswith("gfx/"):
                fail(f"manifest line {number}: {p} is not under gfx/")
            seen.add(p)
            entries.append(ManifestEntry(p, int(w), int(h), kind, number))
    return entries


def fail(message):
    sys.exit("generate.py: " + message)


def collect_drawers(allow_missing, modules=None):
    drawers, owner = {}, {}
    for name in modules or MODULES:
        try:
            module = importlib.import_module(name)
        except ModuleNotFoundError as e:
            if e.name == name and allow_missing:
                print(f"generate.py: module {name}.py not written yet; its pictures get placeholders",
                      file=sys.stderr)
                continue
            raise
        for path, fn in module.pictures().items():
            if path in drawers:
                fail(f"{path} is drawn by both {owner[path]} and {name}")
            drawers[path], owner[path] = fn, name
    return drawers, owner


def check_drawers(entries, drawers, owner):
    """A drawer for a path the game never loads is a typo or a stale name."""
    listed = {e.path: e for e in entries}
    for path in sorted(drawers):
        if path not in listed:
            fail(f"{owner[path]} draws {path}, which the manifest does not list")
        if listed[path].kind == "font":
            fail(f"{owner[path]} draws {path}, which is a font")


def to_key(img):
    """Hard-edged colour key: see-through pixels become exactly magenta,
    every other pixel keeps its own colour at full strength."""
    rgba = img.convert("RGBA")
    solid = rgba.getchannel("A").point(lambda a: 255 if a >= ALPHA_CUT else 0)
    out = Image.new("RGB", rgba.size, MAGENTA)
    out.paste(unmagenta(rgba.convert("RGB")), (0, 0), solid)
    return out


def to_opaque(img):
    rgba = img.convert("RGBA")
    base = Image.new("RGBA", rgba.size, (0, 0, 0, 255))
    base.alpha_composite(rgba)
    return unmagenta(base.convert("RGB"))


def unmagenta(rgb):
    """Lifts the green of every nearly-magenta pixel."""
    r, g, b = rgb.split()
    near = ImageChops.multiply(
        ImageChops.multiply(r.point(lambda v: 255 if v >= NEAR_MAGENTA_RB else 0),
                            b.point(lambda v: 255 if v >= NEAR_MAGENTA_RB else 0)),
        g.point(lambda v: 255 if v <= NEAR_MAGENTA_G else 0))
    g = g.copy()
    g.paste(NUDGED_GREEN, (0, 0), near)
    return Image.merge("RGB", (r, g, b))


def placeholder(entry):
    """An obviously unfinished picture, only with --allow-missing."""
    w, h = entry.w, entry.h
    img = kit.canvas(w, h)
    d = ImageDraw.Draw(img)
    inset = 1 if entry.kind == "key" and w > 4 and h > 4 else 0
    d.rectangle((inset, inset, w - 1 - inset, h - 1 - inset), fill=(255, 230, 0, 255),
                outline=(0, 0, 0, 255))
    for x in range(-h, w, 6):
        d.line([(x, h), (x + h, 0)], fill=(0, 0, 0, 255))
    if w >= 40 and h >= 14:
        size = kit.fit_size("MISSING", kit.STAT_FONT, w - 4, h // 2, 24)
        kit.draw_text(img, (w // 2, h // 2), "MISSING", kit.STAT_FONT, size,
                      fill=(255, 0, 0), outline=(255, 255, 255), stroke=1, anchor="mm")
    return img


def render(entry, drawers, allow_missing):
    fn = drawers.get(entry.path)
    if fn is None:
        if not allow_missing:
            fail(f"no drawing module draws {entry.path}")
        img = placeholder(entry)
    else:
        img = fn(entry.w, entry.h)
    if not isinstance(img, Image.Image) or img.size != (entry.w, entry.h):
        got = getattr(img, "size", None)
        fail(f"{entry.path}: drawer returned {got}, manifest says {entry.w}x{entry.h}")
    if entry.kind == "key":
        return to_key(img)
    return to_opaque(img)


def write_if_changed(path, data):
    """Rewrites only changed files, so the game folder's times stay useful."""
    try:
        with open(path, "rb") as f:
            if f.read() == data:
                return
    except OSError:
        pass
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def png_bytes(img):
    import io
    buf = io.BytesIO()
    img.save(buf, format="PNG", optimize=False, compress_level=6)
    return buf.getvalue()


def contact_sheet(pictures, target, width=1960):
    """Every picture at its own size on a grey checker (so the keyed parts
    show as see-through), its path below it, packed in rows."""
    label_font = kit.font(kit.EDITOR_FONT, 10)
    cells = []
    for entry, img in pictures:
        shown = img.convert("RGBA")
        if entry.kind == "key":
            r, g, b = img.split()
            clear = ImageChops.multiply(ImageChops.multiply(
                r.point(lambda v: 255 if v == 255 else 0), g.point(lambda v: 255 if v == 0 else 0)),
                b.point(lambda v: 255 if v == 255 else 0))
            shown.putalpha(ImageChops.invert(clear))
        folder, name = entry.path.rsplit("/", 1)
        lines = [folder[4:] + "/", name]
        tw = max(label_font.getbbox(s)[2] for s in lines)
        cw, ch = max(shown.width, tw) + 10, shown.height + 2 * 12 + 10
        cells.append((shown, lines, cw, ch))
    # Rows of similar height waste less room.
    order = sorted(range(len(cells)), key=lambda i: (-cells[i][0].height, i))
    rows, row, x = [], [], 0
    for i in order:
        cw = cells[i][2]
        if row and x + cw > width:
            rows.append(row)
            row, x = [], 0
        row.append(i)
        x += cw
    if row:
        rows.append(row)
    total_h = sum(max(cells[i][3] for i in r) for r in rows)
    sheet = Image.new("RGB", (width, total_h), (60, 60, 70))
    d = ImageDraw.Draw(sheet)
    back = kit.checker(width, total_h, 8, (200, 200, 200), (160, 160, 160))
    y = 0
    for r in rows:
        x = 0
        rh = max(cells[i][3] for i in r)
        for i in r:
            shown, lines, cw, ch = cells[i]
            sheet.paste(back.crop((x + 5, y + 5, x + 5 + shown.width, y + 5 + shown.height)),
                        (x + 5, y + 5))
            sheet.paste(shown, (x + 5, y + 5), shown)
            for k, s in enumerate(lines):
                d.text((x + 5, y + 7 + shown.height + 12 * k), s, font=label_font,
                       fill=(255, 255, 255))
            x += cw
        y += rh
    os.makedirs(os.path.dirname(os.path.abspath(target)), exist_ok=True)
    write_if_changed(target, png_bytes(sheet))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--out", help="game folder to write gfx/ into")
    ap.add_argument("--sheet", help="also write a contact sheet PNG here")
    ap.add_argument("--icons", help="also write the desktop icons under this folder")
    ap.add_argument("--allow-missing", action="store_true",
                    help="development only: placeholders for pictures nobody draws yet")
    ap.add_argument("--only", help="draw only manifest paths containing this text")
    ap.add_argument("--font-sources", action="store_true",
                    help="list each font's game path and the system file it comes from, then stop")
    args = ap.parse_args()
    if args.font_sources:
        # The installer links the fonts to these files instead of shipping copies.
        for path, source in sorted(FONT_SOURCES.items()):
            print(f"{path}\t{source}")
        return
    if not args.out:
        ap.error("--out is required")

    entries = read_manifest(os.path.join(HERE, "manifest.txt"))
    drawers, owner = collect_drawers(args.allow_missing)
    check_drawers(entries, drawers, owner)

    pictures = []
    for entry in entries:
        if args.only and args.only not in entry.path:
            continue
        target = os.path.join(args.out, entry.path)
        if entry.kind == "font":
            source = FONT_SOURCES.get(entry.path)
            if source is None:
                fail(f"no source font for {entry.path}")
            with open(source, "rb") as f:
                write_if_changed(target, f.read())
            continue
        img = render(entry, drawers, args.allow_missing)
        write_if_changed(target, png_bytes(img))
        pictures.append((entry, img))
    if args.sheet:
        contact_sheet(pictures, args.sheet)
    if args.icons:
        write_icons(args.icons)


def write_icons(folder):
    import icons
    for path, draw in icons.pictures().items():
        write_if_changed(os.path.join(folder, path), png_bytes(draw()))


if __name__ == "__main__":
    main()

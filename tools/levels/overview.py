#!/usr/bin/env python3
"""Draws a whole .level file into one PNG, to review a level's layout at a glance.

Usage: overview.py <level file> <game folder with gfx/> <out.png> [scale]

Tiles and objects are drawn with the game's own pictures over the far background layer, the
hero's start cell is framed in green and each checkpoint cell in yellow. Needs Debian's
python3-pil.
"""
import sys

from PIL import Image, ImageDraw

TILE = 32
TILE_PICTURES = {
    1: "Tiles/TumboWorld/grass.png", 2: "Tiles/Special/spikes.png", 3: "Tiles/Special/water.png",
    4: "Tiles/Special/spring.png", 5: "Tiles/TumboWorld/brick.png", 6: "Tiles/Special/cp_off.png",
    7: "Tiles/Blorp/Jelly/0.png", 8: "Tiles/Blorp/Sludge/0.png", 9: "Tiles/SpacePirate/ship_floor.png",
    10: "Tiles/SpacePirate/Bomb trap/0.png", 11: "Tiles/RobotCity/steel/0.png",
    12: "Tiles/RobotCity/conveyor/0-0.png", 13: "Tiles/RobotCity/conveyor/1-0.png",
    14: "Tiles/RoundWorld/Dirt/0.png", 15: "Tiles/RoundWorld/Dirt/1.png",
}
OBJECT_PICTURES = {
    "CircleMan": "Entities/TumboWorld/CircleMan/{face}-0.png", "UFRO": "Entities/TumboWorld/UFRO/0.png",
    "Flag": "Entities/Flagpole/pole0.png", "Money": "Entities/Items/money.png",
    "OneUp": "Entities/Items/oneup.png", "DrVim": "Entities/Items/drvim.png",
    "EnergyDrink": "Entities/Items/energy_drink.png", "JetPack": "Entities/Items/jetpack.png",
    "SmallBlorp": "Entities/Blorp/Small_blorp/{face}-0.png",
    "MediumBlorp": "Entities/Blorp/Medium_blorp/{face}-0.png",
    "LargeBlorp": "Entities/Blorp/Large_blorp/{face}-0.png", "Smashy": "Entities/Blorp/Smashy/0.png",
    "Pirate": "Entities/SpacePirate/Pirate/{face}-0.png", "Tank": "Entities/SpacePirate/Tank/0.png",
    "RobotGuard": "Entities/RobotCity/Robot Guard/{face}.png", "MissileBot": "Entities/RobotCity/Missile Bot/0.png",
    "Overlord": "Entities/RobotCity/Overlord/robot_overlord.png",
    "Soldier": "Entities/RoundWorld/Soldier/{face}-0.png", "Ninja": "Entities/RoundWorld/Ninja/{face}-0.png",
    "Bomber": "Entities/RoundWorld/Bomber/0.png", "Baron": "Entities/RoundWorld/Baron/{face}-0.png",
}
FIELDS = {"CircleMan": 3, "UFRO": 3, "Flag": 2, "Money": 2, "OneUp": 2, "DrVim": 2,
          "EnergyDrink": 2, "JetPack": 2, "SmallBlorp": 3, "MediumBlorp": 3, "LargeBlorp": 3,
          "Smashy": 2, "Pirate": 3, "Tank": 2, "RobotGuard": 3, "MissileBot": 2, "Overlord": 2,
          "Soldier": 3, "Ninja": 3, "Bomber": 2, "Baron": 4}
MAGENTA = (255, 0, 255)


def picture(gfx, path):
    try:
        image = Image.open("%s/%s" % (gfx, path)).convert("RGBA")
    except OSError:
        return None
    pixels = image.load()
    for y in range(image.height):
        for x in range(image.width):
            if pixels[x, y][:3] == MAGENTA:
                pixels[x, y] = (0, 0, 0, 0)
    return image


def read_level(path):
    words = open(path, encoding="ascii").read().split()
    layers, words = words[:3], words[3:]
    width, height = int(words[0]), int(words[1])
    codes = [int(word) for word in words[2:2 + width * height]]
    grid = [codes[r * width:(r + 1) * width] for r in range(height)]
    rest, objects = words[2 + width * height:], []
    while rest:
        name = rest.pop(0)
        if name in FIELDS:
            fields = [int(rest.pop(0)) for _ in range(FIELDS[name])]
            objects.append((name, fields))
    return layers, grid, objects


def main(argv):
    if len(argv) not in (4, 5):
        sys.stderr.write(__doc__)
        return 2
    layers, grid, objects = read_level(argv[1])
    gfx = argv[2] + "/gfx"
    scale = float(argv[4]) if len(argv) == 5 else 1.0
    height, width = len(grid), len(grid[0])
    canvas = Image.new("RGBA", (width * TILE, height * TILE), (120, 170, 230, 255))
    back = picture(argv[2], layers[0])
    if back:
        for x in range(0, canvas.width, back.width):
            canvas.paste(back, (x, canvas.height - back.height))
    tiles = {code: picture(gfx, path) for code, path in TILE_PICTURES.items()}
    draw = ImageDraw.Draw(canvas)
    for r, codes in enumerate(grid):
        for c, code in enumerate(codes):
            tile = tiles.get(code)
            if tile:
                canvas.alpha_composite(tile, (c * TILE, r * TILE))
            if code in (6, 16):
                colour = (255, 255, 0, 255) if code == 6 else (0, 255, 0, 255)
                draw.rectangle([c * TILE, r * TILE, c * TILE + TILE - 1, r * TILE + TILE - 1], outline=colour, width=2)
    for name, fields in objects:
        path = OBJECT_PICTURES[name].format(face=fields[2] if len(fields) > 2 else 0)
        sprite = picture(gfx, path)
        x, y = fields[0], fields[1]
        if sprite and x >= 0 and y >= 0:
            canvas.alpha_composite(sprite, (x, y))
        else:
            draw.rectangle([x, y, x + 20, y + 20], outline=(255, 0, 0, 255))
    for c in range(0, width, 10):
        draw.text((c * TILE + 2, 2), str(c), fill=(0, 0, 0, 255))
    if scale != 1.0:
        canvas = canvas.resize((int(canvas.width * scale), int(canvas.height * scale)))
    canvas.convert("RGB").save(argv[3])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

"""Tumbo World: the CircleMan walker and the UFRO saucer.

Direction 0 walks right in this world, so the CircleMan is drawn facing
right and mirrored for direction 1.
"""

try:
    from . import sprite_kit as sk
except ImportError:
    import sprite_kit as sk

BALL = (236, 96, 52)
FEET = (120, 66, 40)
SAUCER = (170, 178, 198)
DOME = (150, 226, 255)
ALIEN = (120, 214, 90)
LIGHTS = [(255, 226, 60), (255, 90, 90), (90, 230, 255)]


def _angry_eyes(img, x, y):
    for ex in (x, x + 5):
        sk.eye(img, ex, y, look=1, w=3, h=4)
    # brows slanting down towards the middle
    sk.put(img, [(x - 1, y - 2), (x, y - 2), (x + 1, y - 1), (x + 2, y - 1)], sk.OUTLINE)
    sk.put(img, [(x + 5, y - 1), (x + 6, y - 1), (x + 7, y - 2), (x + 8, y - 2)], sk.OUTLINE)


def circle_man(frame):
    img = sk.blank(25, 25)
    w, h = img.size
    if frame in (0, 1):
        # feet swap places as he waddles; the body bobs one pixel
        bob = frame
        back, front = ((5, 21), (15, 21)) if frame == 0 else ((9, 21), (12, 21))
        sk.paint(img, sk.Shape(w, h).rrect((back[0], back[1], back[0] + 6, back[1] + 3), 1),
                 sk.darker(FEET, 0.2), depth=1)
        sk.paint(img, sk.Shape(w, h).ellipse((2, 1 + bob, 22, 21 + bob)), BALL, depth=4)
        sk.paint(img, sk.Shape(w, h).rrect((front[0], front[1], front[0] + 7, front[1] + 3), 1), FEET, depth=1)
        _angry_eyes(img, 11, 7 + bob)
        sk.put(img, [(14, 16 + bob), (15, 15 + bob), (16, 15 + bob), (17, 15 + bob), (18, 16 + bob)], sk.OUTLINE)
        return img
    if frame == 2:
        # squashed flat by the stomp, eyes spinning
        sk.paint(img, sk.Shape(w, h).ellipse((0, 13, 24, 24)), BALL, depth=3)
        sk.x_eye(img, 7, 16)
        sk.x_eye(img, 14, 16)
        sk.put(img, [(11, 21), (12, 21), (13, 21)], sk.OUTLINE)
        return img
    # what is left: a flat, faded pancake
    sk.paint(img, sk.Shape(w, h).ellipse((1, 19, 23, 24)), sk.mix(BALL, (120, 110, 120), 0.45), depth=2)
    sk.put(img, [(8, 21), (9, 21), (15, 21), (16, 21)], sk.OUTLINE)
    return img


def ufro(frame):
    img = sk.blank(40, 30)
    w, h = img.size
    # little alien under the glass dome
    sk.paint(img, sk.Shape(w, h).ellipse((14, 4, 26, 16)), ALIEN, depth=2)
    sk.put(img, [(17, 8), (17, 9), (22, 8), (22, 9)], sk.OUTLINE)
    sk.put(img, [(18, 12), (19, 13), (20, 13), (21, 12)], sk.OUTLINE)
    sk.line(img, (16, 4), (14, 1), sk.OUTLINE)
    sk.line(img, (24, 4), (26, 1), sk.OUTLINE)
    sk.put(img, [(14, 1), (26, 1)], (255, 110, 110))
    dome = sk.Shape(w, h).ellipse((11, 2, 29, 22)).rect((0, 14, w, h), on=False)
    glass = sk.blank(w, h)
    sk.paint(glass, dome, DOME, depth=2)
    # only the dome's outline and glints: the alien shows through the glass
    for x in range(w):
        for y in range(h):
            p = glass.getpixel((x, y))
            if p[3] and (p[:3] == sk.OUTLINE or x in (14, 15) and y in (5, 6, 7)):
                img.putpixel((x, y), p if p[:3] == sk.OUTLINE else sk.WHITE + (255,))
    disc = sk.Shape(w, h).ellipse((1, 12, 38, 24))
    sk.paint(img, disc, SAUCER, depth=3)
    sk.paint(img, sk.Shape(w, h).ellipse((11, 20, 28, 27)), sk.darker(SAUCER, 0.25), depth=1)
    for i, x in enumerate((6, 13, 20, 27, 33)):
        col = LIGHTS[(i + frame) % 3]
        sk.put(img, [(x, 17), (x + 1, 17), (x, 18), (x + 1, 18)], col)
    # beam flicker under the saucer
    if frame == 1:
        sk.put(img, [(18, 28), (20, 29), (22, 28)], LIGHTS[0])
    else:
        sk.put(img, [(17, 29), (20, 28), (23, 29)], LIGHTS[0])
    return img


def pictures():
    root = "gfx/Entities/TumboWorld/"
    pics = {}
    for f in range(4):
        pics[root + "CircleMan/0-%d.png" % f] = lambda w, h, f=f: circle_man(f)
        pics[root + "CircleMan/1-%d.png" % f] = lambda w, h, f=f: sk.mirror(circle_man(f))
    for f in range(2):
        pics[root + "UFRO/%d.png" % f] = lambda w, h, f=f: ufro(f)
    return pics

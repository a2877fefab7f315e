#!/usr/bin/python3
"""Draws every bitmap and icon of Brantel into assets/.

Run with the system Python (Pillow from python3-pil):
    /usr/bin/python3 tools/draw_artwork.py
The PNG files it writes are kept in the repository; the build only embeds them.
Everything is drawn from code and a fixed random seed, so a run gives the same
pictures every time.
"""

import math
import os
import random

from PIL import Image, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "assets")

FONT_DIRS = ["/usr/share/fonts/opentype/urw-base35", "/usr/share/fonts/truetype/dejavu"]

# The sixteen colours of the classic palette, used for the icons.
BLACK = (0, 0, 0)
MAROON = (128, 0, 0)
GREEN = (0, 128, 0)
OLIVE = (128, 128, 0)
NAVY = (0, 0, 128)
PURPLE = (128, 0, 128)
TEAL = (0, 128, 128)
SILVER = (192, 192, 192)
GREY = (128, 128, 128)
RED = (255, 0, 0)
LIME = (0, 255, 0)
YELLOW = (255, 255, 0)
BLUE = (0, 0, 255)
FUCHSIA = (255, 0, 255)
CYAN = (0, 255, 255)
WHITE = (255, 255, 255)

ORANGE = (255, 128, 64)          # the weights
ORANGE_LIGHT = (255, 176, 128)
ORANGE_DARK = (208, 92, 32)
LIGHT_GREY = (192, 192, 192)
BROWN = (128, 64, 16)
PALE_CYAN = (192, 255, 255)


def font(name, size):
    for d in FONT_DIRS:
        p = os.path.join(d, name)
        if os.path.exists(p):
            return ImageFont.truetype(p, size)
    raise FileNotFoundError(name)


def save(img, name):
    path = os.path.join(OUT, name)
    img.save(path, optimize=True)
    print("wrote", os.path.normpath(path), img.size, img.mode)


def to_256(img):
    """Indexed copy with at most 256 colours, no dithering."""
    return img.convert("RGB").quantize(256, method=Image.Quantize.MEDIANCUT,
                                       dither=Image.Dither.NONE)


# ---------------------------------------------------------------------------
# Supersampled canvas: shapes drawn at 4x and box-filtered down, so that the
# larger pictures get smooth edges. Coordinates are in final pixels.
# ---------------------------------------------------------------------------
class Canvas:
    S = 4

    def __init__(self, w, h, bg):
        self.w, self.h = w, h
        self.img = Image.new("RGB", (w * self.S, h * self.S), bg)
        self.d = ImageDraw.Draw(self.img)

    def _p(self, pts):
        return [(x * self.S, y * self.S) for x, y in pts]

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1):
        self.d.rectangle([x0 * self.S, y0 * self.S, x1 * self.S - 1, y1 * self.S - 1],
                         fill=fill, outline=outline, width=round(width * self.S))

    def ellipse(self, cx, cy, rx, ry=None, fill=None, outline=None, width=1):
        ry = rx if ry is None else ry
        self.d.ellipse([(cx - rx) * self.S, (cy - ry) * self.S,
                        (cx + rx) * self.S, (cy + ry) * self.S],
                       fill=fill, outline=outline, width=round(width * self.S))

    def poly(self, pts, fill=None, outline=None, width=1):
        self.d.polygon(self._p(pts), fill=fill)
        if outline:
            self.line(list(pts) + [pts[0]], outline, width)

    def line(self, pts, color, width=1):
        self.d.line(self._p(pts), fill=color, width=max(1, round(width * self.S)), joint="curve")

    def arrow(self, x0, y0, x1, y1, color, width=1.0, head=5.0):
        ang = math.atan2(y1 - y0, x1 - x0)
        bx, by = x1 - head * math.cos(ang), y1 - head * math.sin(ang)
        self.line([(x0, y0), (bx, by)], color, width)
        px, py = -math.sin(ang) * head * 0.5, math.cos(ang) * head * 0.5
        self.poly([(x1, y1), (bx + px, by + py), (bx - px, by - py)], fill=color)

    def text(self, xy, s, fnt, fill, anchor="la"):
        # fnt must be created at size * S
        self.d.text((xy[0] * self.S, xy[1] * self.S), s, font=fnt, fill=fill, anchor=anchor)

    def result(self):
        return self.img.reduce(self.S)


def text_1x(img, xy, s, fnt, fill, anchor="la", underline=False, shadow=None):
    """Text drawn at final size (hinted by FreeType, crisper when small)."""
    d = ImageDraw.Draw(img)
    if shadow:
        d.text((xy[0] + 1, xy[1] + 1), s, font=fnt, fill=shadow, anchor=anchor)
    d.text(xy, s, font=fnt, fill=fill, anchor=anchor)
    if underline:
        l, t, r, b = d.textbbox(xy, s, font=fnt, anchor=anchor)
        y = b + 2
        d.line([(l, y), (r - 1, y)], fill=fill, width=1)
    return d.textbbox(xy, s, font=fnt, anchor=anchor)


# ---------------------------------------------------------------------------
# Pixel-art helpers
# ---------------------------------------------------------------------------
def outline_of(m):
    h, w = len(m), len(m[0])
    edge = [[False] * w for _ in range(h)]
    for y in range(h):
        for x in range(w):
            if not m[y][x]:
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if not (0 <= nx < w and 0 <= ny < h) or not m[ny][nx]:
                    edge[y][x] = True
                    break
    return edge


# Bold figures, 6 x 9, for the weights.
DIGITS = {
    "0": [".####.", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", "##..##", ".####."],
    "1": ["..##..", ".###..", "####..", "..##..", "..##..", "..##..", "..##..", "..##..", "######"],
    "2": [".####.", "##..##", "....##", "...##.", "..##..", ".##...", "##....", "##....", "######"],
    "4": ["...##.", "..###.", ".####.", "##.##.", "##.##.", "######", "...##.", "...##.", "...##."],
    "5": ["######", "##....", "##....", "#####.", "....##", "....##", "....##", "##..##", ".####."],
}

# Tiny letters for the unit under the figures: k stands 5 rows high, g has a
# 3-row bowl and hangs 2 rows below the baseline.
SMALL = {
    "k": ["#..", "#..", "#.#", "##.", "#.#"],
    "g": ["###", "#.#", "###", "..#", "##."],
}


def stamp(px, x0, y0, glyph, color):
    for y, row in enumerate(glyph):
        for x, ch in enumerate(row):
            if ch == "#":
                px[x0 + x, y0 + y] = color


# ---------------------------------------------------------------------------
# The weights: 28 x 42, a bottle-shaped orange weight on light grey
# ---------------------------------------------------------------------------
WEIGHT_W, WEIGHT_H = 28, 42
# half widths about the axis between columns 13 and 14
WEIGHT_ROWS = {1: 3, 2: 4, 3: 4, 4: 4, 5: 3,              # knob
               6: 2, 7: 2, 8: 2, 9: 2, 10: 2,             # neck
               11: 3, 12: 5, 13: 7, 14: 9, 15: 10, 16: 11, 17: 12}  # shoulders
for _y in range(18, 40):
    WEIGHT_ROWS[_y] = 13
WEIGHT_ROWS[40] = 13
WEIGHT_ROWS[41] = 12


def weight_mask(w, h, rows):
    m = [[False] * w for _ in range(h)]
    for y, hw in rows.items():
        for x in range(w // 2 - hw, w // 2 + hw):
            m[y][x] = True
    return m


def draw_weight(kg):
    w, h = WEIGHT_W, WEIGHT_H
    img = Image.new("RGB", (w, h), LIGHT_GREY)
    px = img.load()
    m = weight_mask(w, h, WEIGHT_ROWS)
    edge = outline_of(m)
    for y in range(h):
        row = [x for x in range(w) if m[y][x]]
        if not row:
            continue
        left, right = row[0], row[-1]
        for x in row:
            if edge[y][x]:
                px[x, y] = BLACK
            elif x == left + 2 and right - left > 6:
                px[x, y] = ORANGE_LIGHT          # light from the upper left
            elif x == left + 1 and right - left <= 6:
                px[x, y] = ORANGE_LIGHT
            elif x == right - 1 and right - left > 4:
                px[x, y] = ORANGE_DARK
            else:
                px[x, y] = ORANGE
    # kilograms in black figures, centred on the body
    text = str(kg)
    gw = 6 * len(text) + (len(text) - 1)
    x0 = (w - gw) // 2
    for i, ch in enumerate(text):
        stamp(px, x0 + i * 7, 21, DIGITS[ch], BLACK)
    # "kg" below, on a baseline under row 35; the g hangs below it
    kx = (w - 7) // 2
    stamp(px, kx, 31, SMALL["k"], BLACK)
    stamp(px, kx + 4, 33, SMALL["g"], BLACK)
    return img


def draw_weight_drag():
    """Drag icon: the weight's outline, white with a black edge, transparent around."""
    rows = {2: 2, 3: 3, 4: 3, 5: 2,
            6: 2, 7: 2, 8: 2,
            9: 3, 10: 5, 11: 7, 12: 8, 13: 9}
    for y in range(14, 29):
        rows[y] = 10
    rows[29] = 9
    m = weight_mask(32, 32, rows)
    edge = outline_of(m)
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    px = img.load()
    for y in range(32):
        for x in range(32):
            if m[y][x]:
                px[x, y] = (0, 0, 0, 255) if edge[y][x] else (255, 255, 255, 255)
    return img


# ---------------------------------------------------------------------------
# Spin arrows, 17 x 13
# ---------------------------------------------------------------------------
def draw_spin(up):
    w, h = 17, 13
    img = Image.new("RGB", (w, h), LIGHT_GREY)
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, w - 1, h - 1], outline=BLACK)
    # raised face: white on the top and left, grey on the bottom and right
    d.line([(1, 1), (w - 3, 1)], fill=WHITE)
    d.line([(1, 1), (1, h - 3)], fill=WHITE)
    d.line([(1, h - 2), (w - 2, h - 2)], fill=GREY)
    d.line([(w - 2, 1), (w - 2, h - 2)], fill=GREY)
    # triangle: 5 rows, 9 pixels wide at the base, centred on the face
    rows = range(5) if up else range(4, -1, -1)
    for i, half in enumerate(rows):
        y = 4 + i
        d.line([(8 - half, y), (8 + half, y)], fill=BLACK)
    return img


# ---------------------------------------------------------------------------
# Dial face of the wall gauges, 32 x 32, centre at pixel (16, 16)
# ---------------------------------------------------------------------------
def draw_dial():
    """Drawn pixel by pixel so that every edge stays crisp at its small size."""
    size, c = 32, 16                 # the needle turns about pixel (16, 16)
    rim_light, rim_dark = (160, 24, 24), (112, 0, 0)
    face = (216, 216, 216)
    img = Image.new("RGB", (size, size), LIGHT_GREY)
    px = img.load()
    for y in range(size):
        for x in range(size):
            r = math.hypot(x - c, y - c)
            if r <= 15.4:
                # the rim is lit from the upper left
                lit = (x - c) + (y - c) < 0
                if r > 14.3:
                    px[x, y] = rim_dark
                elif r > 13.2:
                    px[x, y] = rim_light if lit else rim_dark
                else:
                    px[x, y] = face
    d = ImageDraw.Draw(img)
    for k in range(12):
        a = math.radians(30 * k)
        r0 = 9 if k % 3 == 0 else 10.2
        pixel_line(d, c + r0 * math.cos(a), c - r0 * math.sin(a),
                   c + 12.4 * math.cos(a), c - 12.4 * math.sin(a), BLACK)
    for y in range(c - 4, c + 5):
        for x in range(c - 4, c + 5):
            r = math.hypot(x - c, y - c)
            if r <= 1.5:
                px[x, y] = BLACK
            elif r <= 3.2:
                px[x, y] = RED
    return img


# ---------------------------------------------------------------------------
# Window icons, 32 x 32, drawn in the sixteen classic colours
# ---------------------------------------------------------------------------
def icon_canvas():
    img = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    return img, ImageDraw.Draw(img)


def pixel_circle(d, cx, cy, r, fill, outline):
    """Filled circle on whole pixels; cx, cy at a pixel centre."""
    for y in range(int(cy - r) - 1, int(cy + r) + 2):
        for x in range(int(cx - r) - 1, int(cx + r) + 2):
            dd = math.hypot(x - cx, y - cy)
            if dd <= r + 0.3:
                d.point((x, y), fill=outline if dd > r - 0.8 else fill)


def pixel_line(d, x0, y0, x1, y1, color):
    n = max(abs(x1 - x0), abs(y1 - y0))
    for i in range(int(n) + 1):
        t = i / n if n else 0
        d.point((round(x0 + (x1 - x0) * t), round(y0 + (y1 - y0) * t)), fill=color)


def gauge(d, cx, cy, r, face, ticks, needle_angle):
    pixel_circle(d, cx, cy, r, face, BLACK)
    for k in range(0, 360, 45 if r < 6 else 30):
        a = math.radians(k)
        x = round(cx + (r - 1.6) * math.cos(a))
        y = round(cy - (r - 1.6) * math.sin(a))
        d.point((x, y), fill=ticks)
    a = math.radians(needle_angle)
    pixel_line(d, cx, cy, cx + (r - 2) * math.cos(a), cy - (r - 2) * math.sin(a), RED)
    d.point((cx, cy), fill=BLACK)


def draw_icon_splash():
    """A small window with a rainbow band across its top and a blue peaked curve."""
    img, d = icon_canvas()
    d.rectangle([1, 3, 30, 28], fill=WHITE, outline=BLACK)
    band = [RED, RED, RED, RED, YELLOW, YELLOW, YELLOW, YELLOW, YELLOW, LIME, LIME, LIME, LIME, LIME,
            CYAN, CYAN, CYAN, CYAN, CYAN, BLUE, BLUE, BLUE, BLUE, BLUE, FUCHSIA, FUCHSIA, FUCHSIA, FUCHSIA]
    for i, c in enumerate(band):
        d.line([(2 + i, 4), (2 + i, 8)], fill=c)
    d.line([(2, 9), (29, 9)], fill=BLACK)
    # axes
    d.line([(4, 12), (4, 26)], fill=GREY)
    d.line([(4, 26), (28, 26)], fill=GREY)
    # a peaked curve, two pixels thick
    pts = []
    for x in range(5, 29):
        t = (x - 16.5) / 3.2
        y = 25 - 12 * math.exp(-t * t)
        pts.append((x, y))
    for (xa, ya), (xb, yb) in zip(pts, pts[1:]):
        pixel_line(d, xa, ya, xb, yb, BLUE)
        pixel_line(d, xa, ya - 1, xb, yb - 1, BLUE)
    return img


def draw_icon_launcher():
    """A tube holding a cyan liquid column, a blue square and a dial gauge with a red needle."""
    img, d = icon_canvas()
    # tube: open at the top, rounded at the bottom
    d.line([(3, 1), (3, 26)], fill=BLACK)
    d.line([(11, 1), (11, 26)], fill=BLACK)
    d.line([(2, 1), (3, 1)], fill=BLACK)
    d.line([(11, 1), (12, 1)], fill=BLACK)
    d.rectangle([4, 2, 10, 26], fill=WHITE)
    d.rectangle([4, 11, 10, 27], fill=CYAN)
    d.line([(4, 27), (4, 28)], fill=BLACK)
    d.line([(10, 27), (10, 28)], fill=BLACK)
    d.line([(5, 29), (9, 29)], fill=BLACK)
    d.point((4, 27), fill=BLACK)
    d.rectangle([5, 27, 9, 28], fill=CYAN)
    d.line([(5, 3), (5, 9)], fill=SILVER)       # glint on the glass
    d.line([(5, 13), (5, 24)], fill=WHITE)
    d.line([(4, 11), (10, 11)], fill=TEAL)      # meniscus
    # dial gauge
    gauge(d, 22, 9, 7.5, WHITE, BLACK, 50)
    # blue square
    d.rectangle([16, 19, 28, 30], fill=BLUE, outline=NAVY)
    d.line([(17, 20), (26, 20)], fill=(64, 64, 255))
    d.line([(17, 20), (17, 28)], fill=(64, 64, 255))
    return snap_rgba(img)


def draw_icon_pressure():
    """A black-outlined cylinder of blue liquid closed by a piston carrying a red weight,
    with a white dial gauge at its side."""
    img, d = icon_canvas()
    # cylinder walls and bottom
    d.rectangle([2, 6, 17, 30], fill=WHITE, outline=BLACK)
    d.line([(3, 6), (16, 6)], fill=(0, 0, 0, 0))   # open top
    d.rectangle([3, 6, 16, 14], fill=(0, 0, 0, 0))
    d.rectangle([3, 20, 16, 29], fill=BLUE)
    d.line([(3, 20), (16, 20)], fill=NAVY)
    # piston
    d.rectangle([3, 13, 16, 15], fill=GREY)
    d.line([(3, 13), (16, 13)], fill=SILVER)
    d.line([(3, 15), (16, 15)], fill=BLACK)
    # red weight on the piston
    w = ["..###..",
         ".#RRR#.",
         "..#R#..",
         ".#RRR#.",
         "#RRRRR#",
         "#RRRRR#",
         "#######"]
    for y, row in enumerate(w):
        for x, ch in enumerate(row):
            if ch == "#":
                d.point((6 + x, 6 + y), fill=BLACK)
            elif ch == "R":
                d.point((6 + x, 6 + y), fill=RED)
    # pipe from the wall to the gauge
    d.line([(18, 24), (21, 24)], fill=BLACK)
    d.line([(18, 26), (21, 26)], fill=BLACK)
    d.line([(18, 25), (21, 25)], fill=SILVER)
    gauge(d, 25, 21, 6.5, WHITE, BLACK, 60)
    return snap_rgba(img)


def draw_icon_help():
    """A help page with a blue question mark."""
    img, d = icon_canvas()
    page = [(5, 1), (21, 1), (27, 7), (27, 30), (5, 30)]
    d.polygon(page, fill=WHITE, outline=BLACK)
    d.polygon([(21, 1), (21, 7), (27, 7)], fill=SILVER, outline=BLACK)
    # question mark, 2-pixel strokes
    q = ["..######..",
         ".########.",
         "###....###",
         "##......##",
         "........##",
         ".......###",
         "......###.",
         ".....###..",
         "....###...",
         "....##....",
         "....##....",
         "..........",
         "....##....",
         "....##...."]
    for y, row in enumerate(q):
        for x, ch in enumerate(row):
            if ch == "#":
                d.point((11 + x, 10 + y), fill=BLUE)
    # text lines under the heading
    d.line([(8, 5), (17, 5)], fill=GREY)
    d.line([(8, 27), (24, 27)], fill=GREY)
    return img


def draw_icon_flotation():
    """A green square floating in a blue liquid."""
    img, d = icon_canvas()
    d.rectangle([1, 8, 30, 30], fill=WHITE, outline=BLACK)
    d.rectangle([2, 1, 29, 8], fill=(0, 0, 0, 0))
    d.point((1, 8), fill=BLACK)
    d.point((30, 8), fill=BLACK)
    d.rectangle([2, 18, 29, 29], fill=BLUE)
    d.line([(2, 18), (29, 18)], fill=NAVY)
    # a few ripples on the surface
    d.line([(4, 20), (7, 20)], fill=(64, 64, 255))
    d.line([(23, 22), (26, 22)], fill=(64, 64, 255))
    d.line([(6, 25), (9, 25)], fill=(64, 64, 255))
    # the block, two thirds under the surface
    d.rectangle([10, 11, 21, 22], fill=LIME, outline=GREEN)
    d.line([(11, 12), (19, 12)], fill=(160, 255, 160))
    d.line([(11, 12), (11, 20)], fill=(160, 255, 160))
    # the submerged part seen through the liquid
    for y in range(19, 22):
        d.line([(11, y), (20, y)], fill=GREEN if y == 19 else (0, 192, 96))
    d.line([(10, 18), (10, 18)], fill=NAVY)
    d.line([(21, 18), (21, 18)], fill=NAVY)
    return snap_rgba(img, extra=[(160, 255, 160), (0, 192, 96), (64, 64, 255)])


def snap_rgba(img, extra=()):
    palette = [BLACK, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER, GREY, RED, LIME,
               YELLOW, BLUE, FUCHSIA, CYAN, WHITE] + list(extra)
    out = img.copy()
    px = out.load()
    for y in range(32):
        for x in range(32):
            r, g, b, a = px[x, y]
            if a < 128:
                px[x, y] = (0, 0, 0, 0)
            else:
                c = min(palette, key=lambda p: sum((u - v) ** 2 for u, v in zip((r, g, b), p)))
                px[x, y] = c + (255,)
    return out


# ---------------------------------------------------------------------------
# Launcher background: white and light lilac flecks on dark blue-green
# ---------------------------------------------------------------------------
def draw_launcher_background():
    w, h = 680, 460
    rnd = random.Random(1947)
    # slow variation of the ground colour
    noise = Image.new("L", (17, 12))
    noise.putdata([rnd.randrange(256) for _ in range(17 * 12)])
    noise = noise.resize((w, h), Image.Resampling.BICUBIC).filter(ImageFilter.GaussianBlur(18))
    fine = Image.new("L", (136, 92))
    fine.putdata([rnd.randrange(256) for _ in range(136 * 92)])
    fine = fine.resize((w, h), Image.Resampling.BICUBIC).filter(ImageFilter.GaussianBlur(3))
    base_dark = (10, 46, 52)
    base_light = (28, 84, 88)
    img = Image.new("RGB", (w, h))
    px = img.load()
    npx, fpx = noise.load(), fine.load()
    for y in range(h):
        for x in range(w):
            t = (npx[x, y] / 255.0) * 0.75 + (fpx[x, y] / 255.0) * 0.25
            px[x, y] = tuple(int(a + (b - a) * t) for a, b in zip(base_dark, base_light))
    # soft lilac clouds, then a fine grain of light specks that they gather
    haze = Image.new("L", (34, 23))
    haze.putdata([rnd.randrange(256) for _ in range(34 * 23)])
    haze = haze.resize((w, h), Image.Resampling.BICUBIC).filter(ImageFilter.GaussianBlur(8))
    hpx = haze.load()
    cloud = (150, 120, 190)
    for y in range(h):
        for x in range(w):
            t = max(0.0, hpx[x, y] / 255.0 - 0.55) * 0.55
            px[x, y] = tuple(int(a + (b - a) * t) for a, b in zip(px[x, y], cloud))
    d = ImageDraw.Draw(img)
    lilac = [(210, 184, 240), (192, 164, 230), (228, 212, 250)]
    whites = [(255, 255, 255), (236, 244, 244)]
    # flecks gather where the ground is lighter
    for _ in range(11000):
        x, y = rnd.randrange(w), rnd.randrange(h)
        t = min(1.0, npx[x, y] / 255.0 * 0.7 + hpx[x, y] / 255.0 * 0.5)
        if rnd.random() > 0.25 + 0.75 * t * t:
            continue
        c = rnd.choice(lilac) if rnd.random() < 0.5 else rnd.choice(whites)
        k = rnd.random()
        if k < 0.62:
            d.point((x, y), fill=c)
        elif k < 0.9:
            if rnd.random() < 0.5:
                d.line([(x, y), (x + 1, y)], fill=c)
            else:
                d.line([(x, y), (x, y + 1)], fill=c)
        elif k < 0.985:
            d.rectangle([x, y, x + 1, y + 1], fill=c)
        else:
            d.ellipse([x - 1, y - 1, x + 2, y + 2], fill=c)
    # dim flecks in between, a faint glint of the same colours
    for _ in range(14000):
        x, y = rnd.randrange(w), rnd.randrange(h)
        r, g, b = px[x, y]
        c = rnd.choice(lilac + whites)
        px[x, y] = tuple(int(a + (cc - a) * 0.35) for a, cc in zip((r, g, b), c))
    return to_256(img)


# ---------------------------------------------------------------------------
# Launcher thumbnails
# ---------------------------------------------------------------------------
def bottle(c, cx, base, wdt, hgt, fill=ORANGE):
    """A bottle-shaped weight standing at (cx, base)."""
    body_top = base - hgt * 0.62
    neck_w = wdt * 0.28
    knob_w = wdt * 0.42
    pts = [(cx - wdt / 2, base), (cx - wdt / 2, body_top + 2), (cx - wdt / 2 + 2, body_top),
           (cx - neck_w / 2, base - hgt * 0.78), (cx - neck_w / 2, base - hgt * 0.88),
           (cx - knob_w / 2, base - hgt * 0.9), (cx - knob_w / 2, base - hgt),
           (cx + knob_w / 2, base - hgt), (cx + knob_w / 2, base - hgt * 0.9),
           (cx + neck_w / 2, base - hgt * 0.88), (cx + neck_w / 2, base - hgt * 0.78),
           (cx + wdt / 2 - 2, body_top), (cx + wdt / 2, body_top + 2), (cx + wdt / 2, base)]
    c.poly(pts, fill=fill, outline=BLACK, width=1)
    c.line([(cx - wdt / 2 + 2.5, body_top + 3), (cx - wdt / 2 + 2.5, base - 2)], ORANGE_LIGHT, 1.2)


def dial_face(c, cx, cy, r, needle_deg):
    c.ellipse(cx, cy, r, fill=(128, 0, 0))
    c.ellipse(cx, cy, r - 1.6, fill=(200, 200, 200))
    for k in range(12):
        a = math.radians(30 * k)
        c.line([(cx + (r - 4.2) * math.cos(a), cy - (r - 4.2) * math.sin(a)),
                (cx + (r - 2) * math.cos(a), cy - (r - 2) * math.sin(a))], BLACK, 0.9)
    a = math.radians(needle_deg)
    c.line([(cx, cy), (cx + (r - 3) * math.cos(a), cy - (r - 3) * math.sin(a))], RED, 1.2)
    c.ellipse(cx, cy, 1.6, fill=BLACK)


def draw_launcher_pressure():
    w, h = 224, 177
    c = Canvas(w, h, LIGHT_GREY)
    # The box that shows it keeps 221 x 165 pixels inside its border: everything is drawn
    # within that, the cylinder's base and the lower gauge included.
    # cylinder
    x0, x1, top, bot = 30, 86, 40, 155
    level = 110
    piston = 78
    c.rect(x0, piston + 6, x1, level, fill=(228, 236, 240))     # gas
    c.rect(x0, level, x1, bot, fill=(0, 64, 224))               # liquid
    c.line([(x0 + 3, level + 3), (x0 + 3, bot - 3)], (64, 128, 255), 1.5)
    c.line([(x0, level), (x1, level)], (0, 0, 128), 1)
    # piston with its rim
    c.rect(x0, piston, x1, piston + 6, fill=BROWN, outline=(72, 32, 0), width=1)
    c.line([(x0 + 1, piston + 1.5), (x1 - 1, piston + 1.5)], (176, 112, 56), 1)
    # weight on the piston
    bottle(c, (x0 + x1) / 2, piston, 22, 30)
    # walls and floor
    c.line([(x0 - 1, top), (x0 - 1, bot + 1), (x1 + 1, bot + 1), (x1 + 1, top)], BLACK, 2)
    c.line([(x0 - 5, bot + 3), (x1 + 5, bot + 3)], (96, 96, 96), 2)
    # level marks on the left wall
    for k in range(5):
        y = bot - k * 12
        c.line([(x0 - 6, y), (x0 - 2, y)], BLACK, 0.8)
    # gauges on the right wall
    for gy, ang in ((123, 75), (145, 45)):
        c.rect(x1 + 1, gy - 1.5, x1 + 8, gy + 1.5, fill=(96, 96, 96))
        dial_face(c, x1 + 19, gy, 10.5, ang)
    # shelf with three weights
    sy = 74
    c.rect(118, sy, 214, sy + 3, fill=(120, 84, 48), outline=(64, 40, 16), width=1)
    c.line([(124, sy + 3), (124, sy + 12)], (64, 40, 16), 2)
    c.line([(208, sy + 3), (208, sy + 12)], (64, 40, 16), 2)
    bottle(c, 134, sy, 16, 22)
    bottle(c, 162, sy, 19, 26)
    bottle(c, 193, sy, 22, 30)
    img = c.result()
    f = font("NimbusRoman-BoldItalic.otf", 22)
    text_1x(img, (w // 2 + 1, 7), "Presión Hidrostática", f, (0, 0, 128), anchor="mt",
            shadow=(255, 255, 255))
    return to_256(img)


def draw_launcher_flotation():
    w, h = 226, 167
    c = Canvas(w, h, LIGHT_GREY)
    # the vessel
    vx0, vx1, vy0, vy1 = 14, 122, 44, 152
    surface = 100
    c.rect(vx0, vy0, vx1, surface, fill=(200, 255, 255))
    c.rect(vx0, surface, vx1, vy1, fill=(0, 64, 224))
    c.line([(vx0, surface), (vx1, surface)], (0, 0, 128), 1)
    # the block, with its lower part seen through the liquid
    bx0, bx1, by0, by1 = 52, 86, 80, 114
    c.rect(bx0, by0, bx1, surface, fill=(255, 0, 255))
    c.rect(bx0, surface, bx1, by1, fill=(192, 0, 192))
    c.rect(bx0, by0, bx1, by1, outline=(96, 0, 96), width=1.2)
    c.line([(bx0 + 2, by0 + 2.5), (bx1 - 3, by0 + 2.5)], (255, 160, 255), 1.2)
    c.rect(vx0 - 1, vy0 - 1, vx1 + 1, vy1 + 1, outline=BLACK, width=2)
    # weight and buoyancy arrows
    ax = 146
    c.arrow(ax, 66, ax, 96, (160, 0, 0), width=2.2, head=8)
    c.arrow(ax + 22, 134, ax + 22, 104, (0, 0, 160), width=2.2, head=8)
    # slanted hatch lines beside the arrows, clipped to a narrow band
    hx0, hx1, hy0, hy1 = 198, 216, 50, 150
    span = hx1 - hx0
    for y in range(hy0 - span + 5, hy1, 5):
        # the line runs from (hx0, y + span) up to (hx1, y)
        xa, ya = hx0, y + span
        xb, yb = hx1, y
        if ya > hy1:
            xa, ya = xa + (ya - hy1), hy1
        if yb < hy0:
            xb, yb = xb - (hy0 - yb), hy0
        if xa < xb:
            c.line([(xa, ya), (xb, yb)], (64, 64, 64), 1)
    c.line([(hx0, hy0), (hx0, hy1)], BLACK, 1.5)
    img = c.result()
    ft = font("NimbusRoman-Bold.otf", 17)
    text_1x(img, (w // 2, 6), "Flotación de cuerpos sólidos", ft, (0, 0, 128), anchor="mt",
            underline=True)
    fw = font("NimbusSans-Bold.otf", 12)
    text_1x(img, (ax, 62), "Peso", fw, (160, 0, 0), anchor="mb")
    text_1x(img, (ax + 22, 138), "Empuje", fw, (0, 0, 160), anchor="mt")
    return to_256(img)


def draw_launcher_falling():
    w, h = 211, 166
    c = Canvas(w, h, LIGHT_GREY)
    py0, py1 = 44, 160
    # the column
    cx0, cx1 = 7, 33
    c.rect(cx0, py0, cx1, py1, fill=PALE_CYAN, outline=BLACK, width=1)
    for k in range(1, 10):
        y = py0 + k * (py1 - py0) / 10
        c.line([(cx0 + 1, y), (cx0 + 4, y)], (96, 96, 96), 0.7)
    # faint earlier positions of the sphere, spaced as in a free fall
    for t in (0.0, 0.45):
        c.ellipse((cx0 + cx1) / 2, py0 + 10 + 100 * t * t, 5.5, outline=(255, 160, 160), width=1)
    ball_y = py0 + 10 + 100 * 0.7 * 0.7
    c.ellipse((cx0 + cx1) / 2, ball_y, 6, fill=RED, outline=(128, 0, 0), width=1)
    c.ellipse((cx0 + cx1) / 2 - 1.8, ball_y - 2, 1.6, fill=(255, 190, 190))

    def graph(gx0, gx1, curve, color):
        c.rect(gx0, py0, gx1, py1, fill=WHITE, outline=BLACK, width=1)
        ox, oy = gx0 + 9.5, py1 - 11.5
        # axes on whole pixels, with arrow heads
        c.rect(ox - 0.5, oy - 0.5, gx1 - 8, oy + 0.5, fill=BLACK)
        c.poly([(gx1 - 3, oy), (gx1 - 9, oy - 2.8), (gx1 - 9, oy + 2.8)], fill=BLACK)
        c.rect(ox - 0.5, py0 + 9, ox + 0.5, oy + 0.5, fill=BLACK)
        c.poly([(ox, py0 + 4), (ox - 2.8, py0 + 10), (ox + 2.8, py0 + 10)], fill=BLACK)
        pts = [(ox + (gx1 - 14 - ox) * t, oy - (oy - py0 - 16) * curve(t))
               for t in [i / 40 for i in range(41)]]
        c.line(pts, color, 1.8)
        return ox, oy

    g1 = (42, 118)
    g2 = (127, 203)
    o1 = graph(*g1, lambda t: 1 - t * t, (224, 0, 0))
    o2 = graph(*g2, lambda t: t, (0, 160, 0))
    img = c.result()
    ft = font("NimbusRoman-Bold.otf", 14)
    text_1x(img, (w // 2, 4), "Caída de cuerpos en el vacío", ft, (0, 0, 128), anchor="mt",
            underline=True)
    text_1x(img, (w // 2, 22), "y en un medio resistente", ft, (0, 0, 128), anchor="mt",
            underline=True)
    fl = font("NimbusSans-Italic.otf", 10)
    for (ox, oy), (gx0, gx1), lab in ((o1, g1, "y"), (o2, g2, "v")):
        text_1x(img, (ox + 5, py0 + 2), lab, fl, BLACK)
        text_1x(img, (gx1 - 8, oy + 2), "t", fl, BLACK, anchor="lt")
    return to_256(img)


def draw_launcher_name():
    w, h = 39, 250
    # drawn lying on its side, then turned so that it reads from bottom to top
    img = Image.new("RGB", (h, w), LIGHT_GREY)
    d = ImageDraw.Draw(img)
    f = font("NimbusRoman-Bold.otf", 40)
    text = "Brantel"
    spacing = 8
    kern = [d.textlength(text[:i + 1], font=f) - d.textlength(text[:i], font=f) for i in range(len(text))]
    total = sum(kern) + spacing * (len(text) - 1)
    x = (h - total) / 2
    # vertical centring on the letters' real height (no descenders in the name)
    l, t, r, b = d.textbbox((0, 0), text, font=f, anchor="ls")
    base = (w - (b - t)) / 2 - t
    for ch, adv in zip(text, kern):
        d.text((x, base), ch, font=f, fill=BLACK, anchor="ls")
        x += adv + spacing
    return to_256(img.rotate(90, expand=True))


# ---------------------------------------------------------------------------
# Splash picture, 379 x 342, 24-bit
# ---------------------------------------------------------------------------
def draw_splash():
    w, h = 379, 342
    c = Canvas(w, h, WHITE)
    # pendulum: a blue triangle in the top-right corner, a thin line, a red ball
    px_, py_ = 328, 46            # pivot, at the triangle's lower point
    c.poly([(284, 0), (w, 0), (w, 6), (px_, py_)], fill=(24, 64, 200))
    c.poly([(284, 0), (w, 0), (w, 3), (287, 3)], fill=(90, 130, 236))
    L = 186.0
    swing = math.radians(11)
    bx, by = px_ - L * math.sin(swing), py_ + L * math.cos(swing)
    # the path of the swing, dashed, with the rest line dotted and the far end of the swing
    n = 24
    for k in range(0, n, 2):
        a0 = -swing + 2 * swing * k / n
        a1 = -swing + 2 * swing * (k + 1) / n
        c.line([(px_ + L * math.sin(a0), py_ + L * math.cos(a0)),
                (px_ + L * math.sin(a1), py_ + L * math.cos(a1))], (190, 190, 205), 1)
    for y in range(py_ + 8, int(py_ + L) - 14, 7):
        c.ellipse(px_, y, 0.7, fill=(185, 185, 200))
    gx, gy = px_ + L * math.sin(swing), by
    c.ellipse(gx, gy, 13, outline=(232, 200, 200), width=1)
    c.line([(gx, gy), (px_, py_)], (225, 225, 230), 0.7)
    c.line([(px_, py_), (bx, by)], (40, 40, 40), 0.9)
    # the ball, lit from the upper left
    for k in range(14, 0, -1):
        t = k / 14
        col = (int(140 + 115 * (1 - t) ** 0.6), int(10 + 70 * (1 - t) ** 2), int(10 + 70 * (1 - t) ** 2))
        c.ellipse(bx - 4 * (1 - t), by - 4 * (1 - t), 14 * t, fill=col)
    c.ellipse(bx, by, 14, outline=(110, 0, 0), width=1)
    c.ellipse(bx - 5, by - 5, 2.6, fill=(255, 220, 220))

    # telescope on a tripod, lower left
    hx, hy = 112, 236             # head of the tripod
    legs = [(60, 308), (120, 314), (168, 305)]
    for fx, fy in legs:
        c.line([(hx, hy), (fx, fy)], (92, 60, 30), 3.2)
        c.line([(hx, hy), (fx, fy)], (150, 104, 58), 1.2)
    for fx, fy in legs:
        c.ellipse(fx, fy, 2.2, fill=(60, 40, 20))
    # spreader
    c.line([(hx + (legs[0][0] - hx) * 0.55, hy + (legs[0][1] - hy) * 0.55),
            (hx + (legs[2][0] - hx) * 0.55, hy + (legs[2][1] - hy) * 0.55)], (110, 110, 110), 1)
    c.rect(hx - 6, hy - 6, hx + 6, hy + 3, fill=(60, 60, 70), outline=(20, 20, 20), width=0.8)
    # tube pointing up and to the right
    ang = math.radians(-28)
    ux, uy = math.cos(ang), math.sin(ang)
    nx, ny = -uy, ux

    def seg(s0, s1, r0, r1, fill):
        pts = [(hx + ux * s0 + nx * r0, hy - 10 + uy * s0 + ny * r0),
               (hx + ux * s1 + nx * r1, hy - 10 + uy * s1 + ny * r1),
               (hx + ux * s1 - nx * r1, hy - 10 + uy * s1 - ny * r1),
               (hx + ux * s0 - nx * r0, hy - 10 + uy * s0 - ny * r0)]
        c.poly(pts, fill=fill, outline=(16, 16, 32), width=0.8)

    seg(-78, -66, 3.5, 3.5, (40, 40, 40))                 # eyepiece
    seg(-66, -50, 6, 7.5, (200, 160, 60))                 # brass focuser
    seg(-50, 70, 9, 11.5, (28, 44, 110))                  # tube
    seg(-50, 70, 2.5, 3.5, (60, 84, 170))                 # light along the tube
    seg(70, 86, 13, 13, (200, 160, 60))                   # dew cap
    seg(-12, -4, 11, 11.4, (200, 160, 60))                # cradle band
    seg(28, 36, 11.2, 11.6, (200, 160, 60))
    seg(-40, -10, -13, -15, (28, 44, 110))                # finder
    c.line([(hx + ux * 86 + nx * 12, hy - 10 + uy * 86 + ny * 12),
            (hx + ux * 86 - nx * 12, hy - 10 + uy * 86 - ny * 12)], (150, 200, 255), 1.5)

    # a few stars for the telescope to look at
    for sx, sy, r in ((226, 150, 1.4), (250, 112, 1.0), (206, 186, 0.9), (242, 172, 1.2)):
        c.line([(sx - r * 3, sy), (sx + r * 3, sy)], (120, 130, 200), 0.6)
        c.line([(sx, sy - r * 3), (sx, sy + r * 3)], (120, 130, 200), 0.6)
        c.ellipse(sx, sy, r, fill=(70, 80, 170))

    img = c.result()
    fbig = font("NimbusRoman-Bold.otf", 50)
    text_1x(img, (20, 30), "Grupo", fbig, BLACK)
    text_1x(img, (46, 80), "Cormund", fbig, BLACK)
    d = ImageDraw.Draw(img)
    d.line([(22, 141), (238, 141)], fill=BLACK, width=2)
    fsmall = font("NimbusSans-Regular.otf", 10)
    text_1x(img, (5, 4), "Brantel  ·  simulaciones de Física", fsmall, (64, 64, 64))
    text_1x(img, (w // 2, h - 5), "Programa de simulación para Enseñanza de la Física  —  Grupo Cormund",
            fsmall, (64, 64, 64), anchor="mb")
    return img.convert("RGB")


def main():
    os.makedirs(OUT, exist_ok=True)
    save(draw_splash(), "splash.png")
    save(draw_launcher_background(), "launcher_background.png")
    save(draw_launcher_pressure(), "launcher_pressure.png")
    save(draw_launcher_flotation(), "launcher_flotation.png")
    save(draw_launcher_falling(), "launcher_falling.png")
    save(draw_launcher_name(), "launcher_name.png")
    save(draw_icon_splash(), "icon_splash.png")
    save(draw_icon_launcher(), "icon_launcher.png")
    save(draw_icon_pressure(), "icon_pressure.png")
    save(draw_icon_help(), "icon_help.png")
    save(draw_icon_flotation(), "icon_flotation.png")
    for kg in (1, 5, 10, 20, 40):
        save(draw_weight(kg), "weight_%d.png" % kg)
    save(draw_weight_drag(), "weight_drag.png")
    save(draw_dial(), "dial.png")
    save(draw_spin(True), "spin_up.png")
    save(draw_spin(False), "spin_down.png")


if __name__ == "__main__":
    main()

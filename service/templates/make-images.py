#!/usr/bin/python3
"""Draws every image that the message templates use, from shapes alone.

Run it from anywhere: it writes into <template>/images/ beside this file.
The drawing is deterministic (seeded), so running it again gives the same
files. Pictures carry no text: a message must still read when its images
are blocked, so all words live in the HTML.
Needs python3-pil (scripts/install-deps.sh --template-tools).
"""

import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter

HERE = os.path.dirname(os.path.abspath(__file__))
SS = 4  # supersampling factor: shapes are drawn large and scaled down smoothly


def rgb(hexstr, alpha=255):
    hexstr = hexstr.lstrip("#")
    return tuple(int(hexstr[i:i + 2], 16) for i in (0, 2, 4)) + (alpha,)


class Canvas:
    """An image of w x h pixels; coordinates are given in final pixels."""

    def __init__(self, w, h, bg="#ffffff"):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * SS, h * SS), rgb(bg))

    def _s(self, v):
        return [c * SS for c in v]

    def layer(self):
        """A transparent layer of the same size, for shapes with alpha."""
        return Canvas._Layer(self)

    class _Layer:
        def __init__(self, base):
            self.base = base
            self.img = Image.new("RGBA", base.img.size, (0, 0, 0, 0))

        def draw(self):
            return ImageDraw.Draw(self.img)

        def merge(self, blur=0):
            im = self.img
            if blur:
                # blurred in premultiplied form, or the edges darken towards black
                im = im.convert("RGBa").filter(ImageFilter.GaussianBlur(blur * SS)).convert("RGBA")
            self.base.img.alpha_composite(im)

    def draw(self):
        return ImageDraw.Draw(self.img)

    def vgradient(self, top, bottom, box=None):
        x0, y0, x1, y1 = self._s(box or (0, 0, self.w, self.h))
        t, b = rgb(top), rgb(bottom)
        d = self.draw()
        span = max(1, y1 - y0 - 1)
        for y in range(int(y0), int(y1)):
            f = (y - y0) / span
            d.line([(x0, y), (x1, y)], fill=tuple(round(t[i] + (b[i] - t[i]) * f) for i in range(4)))

    def rect(self, box, fill, radius=0, outline=None, width=0, on=None):
        d = (on or self).draw()
        if radius:
            d.rounded_rectangle(self._s(box), radius * SS, fill=fill and rgb(fill) if isinstance(fill, str) else fill,
                                outline=outline and rgb(outline), width=width * SS)
        else:
            d.rectangle(self._s(box), fill=rgb(fill) if isinstance(fill, str) else fill,
                        outline=outline and rgb(outline), width=width * SS)

    def circle(self, cx, cy, r, fill=None, outline=None, width=0, on=None):
        d = (on or self).draw()
        f = rgb(fill) if isinstance(fill, str) else fill
        d.ellipse(self._s((cx - r, cy - r, cx + r, cy + r)), fill=f,
                  outline=outline and (rgb(outline) if isinstance(outline, str) else outline), width=int(width * SS))

    def ellipse(self, box, fill, on=None):
        d = (on or self).draw()
        d.ellipse(self._s(box), fill=rgb(fill) if isinstance(fill, str) else fill)

    def chord(self, box, fill, on=None):
        """The upper half of an ellipse: shoulders of a person."""
        d = (on or self).draw()
        d.chord(self._s(box), 180, 360, fill=rgb(fill) if isinstance(fill, str) else fill)

    def poly(self, pts, fill, on=None):
        d = (on or self).draw()
        d.polygon([(x * SS, y * SS) for x, y in pts], fill=rgb(fill) if isinstance(fill, str) else fill)

    def line(self, pts, fill, width, on=None, round_ends=True):
        d = (on or self).draw()
        col = rgb(fill) if isinstance(fill, str) else fill
        p = [(x * SS, y * SS) for x, y in pts]
        d.line(p, fill=col, width=int(width * SS), joint="curve")
        if round_ends:
            r = width * SS / 2
            for x, y in (p[0], p[-1]):
                d.ellipse((x - r, y - r, x + r, y + r), fill=col)

    def arc(self, box, start, end, fill, width, on=None):
        d = (on or self).draw()
        d.arc(self._s(box), start, end, fill=rgb(fill) if isinstance(fill, str) else fill, width=int(width * SS))

    def save(self, path, colors=None, quality=None):
        """PNG (reduced to a palette when colors is given) or JPEG by extension."""
        im = self.img.resize((self.w, self.h), Image.LANCZOS).convert("RGB")
        os.makedirs(os.path.dirname(path), exist_ok=True)
        if path.endswith(".jpg"):
            im.save(path, "JPEG", quality=quality or 84, optimize=True, progressive=True)
        elif colors:
            im.quantize(colors=colors, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE).save(
                path, "PNG", optimize=True)
        else:
            im.save(path, "PNG", optimize=True)
        print(f"{os.path.relpath(path, HERE)}: {os.path.getsize(path)} bytes")


def out(slug, name):
    return os.path.join(HERE, slug, "images", name)


def wave(x0, x1, base, amp, freq, phase, bottom, steps=120):
    """Polygon of a hill line y = base + amp*sin(...) closed down to bottom."""
    pts = []
    for i in range(steps + 1):
        x = x0 + (x1 - x0) * i / steps
        pts.append((x, base + amp * math.sin(freq * x / 100 + phase) + amp * 0.4 * math.sin(freq * 2.3 * x / 100 + phase * 1.7)))
    return pts + [(x1, bottom), (x0, bottom)]


def heart(cx, cy, size, steps=200):
    pts = []
    for i in range(steps):
        t = 2 * math.pi * i / steps
        x = 16 * math.sin(t) ** 3
        y = 13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t)
        pts.append((cx + x * size / 32, cy - y * size / 32))
    return pts


def star(cx, cy, r_out, r_in, points=5, rot=-90):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180 / points)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


# ---------------------------------------------------------------- newsletter
def newsletter():
    slug = "monthly-newsletter"
    navy, teal, sand, coral = "#1f3a5f", "#2a9d8f", "#f4e3c9", "#e76f51"

    c = Canvas(1200, 480)
    c.vgradient("#f9ecd8", "#f1cfa9")
    sun = c.layer()
    c.circle(840, 190, 150, fill=rgb("#f6bd60", 90), on=sun)
    sun.merge(blur=30)
    c.circle(840, 200, 90, fill="#f4a259")
    for i, (col, base, amp, fr, ph) in enumerate([
            ("#8ab6a9", 300, 26, 0.45, 0.5), ("#2a9d8f", 340, 30, 0.38, 2.1),
            ("#21867a", 385, 24, 0.55, 4.0), ("#1f3a5f", 425, 22, 0.42, 1.2)]):
        c.poly(wave(0, 1200, base, amp, fr, ph, 480), col)
    for x, y, s in [(300, 120, 1.0), (345, 100, 0.8), (380, 135, 0.7)]:
        c.line([(x - 14 * s, y - 6 * s), (x, y), (x + 14 * s, y - 6 * s)], navy, 3.2)
    c.save(out(slug, "hero.jpg"), quality=82)

    c = Canvas(88, 88, navy)
    c.rect((0, 0, 88, 88), navy, radius=18)
    c.line([(44, 70), (44, 36)], "#8ab6a9", 4)
    for cy, r, col in [(26, 11, teal), (42, 9, "#8ab6a9"), (55, 7, teal)]:
        c.circle(44 - 10, cy, r * 0.8, fill=col)
        c.circle(44 + 10, cy + 4, r * 0.8, fill=col)
    c.circle(44, 18, 9, fill=coral)
    c.save(out(slug, "logo.png"), colors=48)

    c = Canvas(520, 300, "#e6f2ef")
    c.rect((40, 40, 480, 260), "#ffffff", radius=16)
    for i, hgt in enumerate([60, 95, 80, 130, 115, 160]):
        x = 80 + i * 62
        c.rect((x, 230 - hgt, x + 36, 230), teal if i % 2 else navy, radius=6)
    pts = [(98, 150), (160, 120), (222, 132), (284, 88), (346, 98), (408, 56)]
    c.line(pts, coral, 5)
    for p in pts:
        c.circle(*p, 9, fill="#ffffff", outline=coral, width=4)
    c.save(out(slug, "thumb-1.png"), colors=48)

    c = Canvas(520, 300, "#fbe9d7")
    c.line([(110, 0), (110, 70)], navy, 3)
    c.line([(410, 0), (410, 110)], navy, 3)
    c.line([(260, 0), (260, 40)], navy, 3)
    c.line([(60, 70), (460, 70)], navy, 4)
    c.circle(110, 120, 50, fill=teal)
    c.poly([(410, 110), (470, 220), (350, 220)], coral)
    c.rect((200, 40, 320, 160), navy, radius=12)
    c.circle(260, 100, 30, fill="#f6bd60")
    c.rect((70, 250, 450, 262), "#e8cba9", radius=6)
    c.save(out(slug, "thumb-2.png"), colors=48)


# ----------------------------------------------------------------- promotion
def promotion():
    slug = "weekend-sale"
    coral, dark, cream, mustard = "#e4572e", "#3b2418", "#fff4e6", "#f3a712"

    c = Canvas(1200, 560, coral)
    glow = c.layer()
    c.circle(600, 300, 250, fill=rgb("#ffffff", 40), on=glow)
    glow.merge(blur=6)
    rnd = random.Random(7)
    for _ in range(26):
        x, y = rnd.uniform(40, 1160), rnd.uniform(30, 530)
        if abs(x - 600) < 300 and 60 < y < 520:
            continue
        a = rnd.uniform(0, math.pi)
        bean = Canvas._Layer(c)
        c.ellipse((x - 22, y - 15, x + 22, y + 15), rgb(dark), on=bean)
        c.line([(x - 16, y + 2), (x - 4, y - 4), (x + 6, y + 4), (x + 16, y - 2)], "#6b4226", 3, on=bean)
        bean.img = bean.img.rotate(math.degrees(a), center=(x * SS, y * SS), resample=Image.BICUBIC)
        bean.merge()
    shadow = c.layer()
    c.ellipse((400, 450, 800, 500), rgb("#7a1f08", 90), on=shadow)
    shadow.merge(blur=8)
    c.ellipse((390, 420, 810, 480), "#fff8ef")
    c.ellipse((420, 425, 780, 465), "#f2e1cc")
    c.poly([(450, 250), (750, 250), (720, 430), (480, 430)], "#ffffff")
    c.ellipse((450, 230, 750, 270), "#fff8ef")
    c.ellipse((465, 237, 735, 263), "#5a3420")
    c.arc((720, 290, 820, 390), -80, 80, "#ffffff", 22)
    c.rect((530, 320, 670, 360), mustard, radius=20)
    for dx in (-60, 0, 60):
        c.line([(600 + dx, 210), (585 + dx, 180), (612 + dx, 150), (595 + dx, 115)], "#ffffff", 8)
    c.save(out(slug, "hero.jpg"), quality=80)

    def bag(name, body, label):
        c = Canvas(320, 360, "#ffffff")
        c.rect((0, 0, 320, 360), "#fcefdc")
        sh = c.layer()
        c.ellipse((60, 320, 260, 344), rgb("#b98d5a", 110), on=sh)
        sh.merge(blur=5)
        c.poly([(80, 70), (240, 70), (256, 330), (64, 330)], body)
        c.poly([(80, 70), (240, 70), (232, 40), (88, 40)], "#d9c2a0")
        c.rect((86, 36, 234, 46), "#c8ad85", radius=4)
        c.circle(160, 190, 58, fill="#fff8ef")
        c.circle(160, 190, 44, fill=label)
        c.ellipse((140, 174, 180, 206), dark)
        c.line([(146, 196), (156, 186), (166, 194), (176, 184)], "#fff8ef", 3)
        c.save(out(slug, name), colors=40)

    bag("bag-1.png", "#3b2418", coral)
    bag("bag-2.png", "#2f5d50", mustard)
    bag("bag-3.png", "#7a3b69", "#f0a6ca")

    c = Canvas(96, 96, dark)
    c.circle(48, 48, 46, fill=coral)
    c.ellipse((28, 22, 68, 74), dark)
    c.line([(48, 24), (40, 40), (56, 56), (48, 72)], coral, 4)
    c.save(out(slug, "logo.png"), colors=32)


# ------------------------------------------------------------ event invitation
def event():
    slug = "event-invitation"
    ink, violet, gold = "#1d1b3a", "#5b3f9e", "#f4c95d"

    c = Canvas(1200, 560)
    c.vgradient("#1d1b3a", "#4a2f85")
    rnd = random.Random(11)
    bokeh = c.layer()
    for _ in range(40):
        x, y, r = rnd.uniform(0, 1200), rnd.uniform(0, 560), rnd.uniform(10, 70)
        col = rnd.choice([gold, "#f29ca3", "#b8a4ff", "#ffffff"])
        c.circle(x, y, r, fill=rgb(col, rnd.randint(25, 70)), on=bokeh)
    bokeh.merge(blur=4)
    for _ in range(90):
        x, y = rnd.uniform(0, 1200), rnd.uniform(0, 560)
        c.circle(x, y, rnd.uniform(0.8, 2.2), fill=rgb("#ffffff", rnd.randint(120, 255)))
    rays = c.layer()
    for i in range(9):
        a = math.radians(200 + i * 16)
        c.line([(600, 600), (600 + 1200 * math.cos(a), 600 + 1200 * math.sin(a))], rgb(gold, 26), 40, on=rays,
               round_ends=False)
    rays.merge(blur=14)
    c.poly(star(600, 250, 120, 46, points=4, rot=-90), gold)
    c.poly(star(600, 250, 60, 22, points=4, rot=-45), "#fff3cf")
    c.circle(600, 250, 16, fill="#ffffff")
    for x, y, s in [(330, 150, 28), (880, 130, 22), (960, 360, 16), (240, 380, 18)]:
        c.poly(star(x, y, s, s * 0.36, points=4), "#fff3cf")
    c.save(out(slug, "hero.jpg"), quality=80)

    card = "#2a2752"

    def icon(name, fn):
        c = Canvas(64, 64, card)
        c.circle(32, 32, 31, fill="#3a3570")
        fn(c)
        c.save(out(slug, name), colors=32)

    def calendar(c):
        c.rect((16, 19, 48, 47), gold, radius=4)
        c.rect((16, 19, 48, 27), "#e0a93a", radius=4)
        c.rect((16, 24, 48, 27), "#e0a93a")
        c.line([(24, 15), (24, 22)], "#ffffff", 3)
        c.line([(40, 15), (40, 22)], "#ffffff", 3)
        for i in range(3):
            for j in range(2):
                c.rect((21 + i * 8, 31 + j * 7, 26 + i * 8, 35 + j * 7), card, radius=1)

    def clock(c):
        c.circle(32, 32, 16, fill=gold)
        c.line([(32, 32), (32, 22)], card, 3)
        c.line([(32, 32), (39, 36)], card, 3)
        c.circle(32, 32, 2.5, fill=card)

    def pin(c):
        c.poly([(20, 30), (44, 30), (32, 51)], gold)
        c.circle(32, 28, 12, fill=gold)
        c.circle(32, 28, 5, fill=card)

    icon("calendar.png", calendar)
    icon("clock.png", clock)
    icon("pin.png", pin)


# -------------------------------------------------------------------- welcome
def welcome():
    slug = "welcome"
    green, mint, leaf, soil = "#2d6a4f", "#d8f3dc", "#52b788", "#b5835a"

    c = Canvas(1200, 520, "#eaf7ee")
    c.circle(600, 300, 230, fill=mint)
    c.circle(930, 110, 44, fill="#ffd166")
    for x, y, r in [(230, 140, 60), (300, 130, 44), (170, 150, 40)]:
        c.circle(x, y, r, fill="#ffffff")
    c.rect((0, 450, 1200, 520), "#cdebd5")
    c.line([(600, 400), (600, 250)], green, 12)
    lf = c.layer()
    c.ellipse((460, 170, 600, 250), rgb(leaf), on=lf)
    lf.img = lf.img.rotate(-28, center=(600 * SS, 250 * SS), resample=Image.BICUBIC)
    lf.merge()
    rf = c.layer()
    c.ellipse((600, 150, 760, 240), rgb(green), on=rf)
    rf.img = rf.img.rotate(24, center=(600 * SS, 240 * SS), resample=Image.BICUBIC)
    rf.merge()
    c.line([(600, 245), (560, 215)], "#95d5b2", 4)
    c.line([(600, 238), (660, 200)], "#74c69d", 4)
    c.poly([(500, 380), (700, 380), (680, 470), (520, 470)], soil)
    c.rect((488, 368, 712, 398), "#c99a6e", radius=8)
    for x in (380, 820, 900):
        c.line([(x, 460), (x, 430)], leaf, 5)
        c.ellipse((x - 16, 418, x, 436), leaf)
        c.ellipse((x, 412, x + 18, 432), green)
    c.save(out(slug, "hero.png"), colors=48)

    def icon(name, fn):
        c = Canvas(112, 112, "#ffffff")
        c.circle(56, 56, 54, fill=mint)
        fn(c)
        c.save(out(slug, name), colors=32)

    def profile(c):
        c.circle(56, 42, 16, fill=green)
        c.chord((28, 62, 84, 106), green)
        c.circle(80, 76, 13, fill=leaf)
        c.line([(74, 76), (79, 81), (87, 71)], "#ffffff", 3.5)

    def lists(c):
        for i, w in enumerate([44, 36, 40]):
            y = 36 + i * 20
            c.circle(34, y, 5, fill=leaf)
            c.rect((46, y - 4, 46 + w, y + 4), green, radius=4)

    def plane(c):
        c.poly([(24, 56), (88, 30), (70, 86), (56, 66)], green)
        c.poly([(56, 66), (88, 30), (48, 82)], leaf)
        c.poly([(56, 66), (70, 86), (56, 80)], "#1b4332")

    icon("step-profile.png", profile)
    icon("step-contacts.png", lists)
    icon("step-send.png", plane)

    c = Canvas(88, 88, "#ffffff")
    c.circle(44, 44, 42, fill=green)
    c.ellipse((26, 30, 56, 62), leaf)
    c.ellipse((40, 22, 66, 52), "#95d5b2")
    c.line([(44, 68), (50, 44)], "#ffffff", 4)
    c.save(out(slug, "logo.png"), colors=32)


# --------------------------------------------------------------- announcement
def announcement():
    slug = "announcement"
    blue, sky, slate, red = "#3457d5", "#e8eefc", "#1b2540", "#ef476f"

    c = Canvas(1200, 500)
    c.vgradient("#9fb7ff", "#e8eefc")
    rnd = random.Random(5)
    for x, y, w in [(180, 90, 150), (880, 60, 190), (1040, 150, 120)]:
        c.rect((x, y, x + w, y + 34), "#ffffff", radius=17)
        c.circle(x + w * 0.4, y + 4, 26, fill="#ffffff")
    x = 0
    while x < 1200:
        w = rnd.randint(60, 130)
        h = rnd.randint(120, 260)
        c.rect((x, 500 - h, x + w - 6, 500), rnd.choice(["#7b93e8", "#8aa1ee", "#6d86e0"]))
        x += w
    x = -20
    while x < 1200:
        w = rnd.randint(80, 150)
        h = rnd.randint(90, 200)
        col = rnd.choice([blue, "#2946b8", "#3c5fe0"])
        c.rect((x, 500 - h, x + w - 8, 500), col)
        for wy in range(500 - h + 18, 490, 28):
            for wx in range(x + 14, x + w - 24, 24):
                if rnd.random() < 0.7:
                    c.rect((wx, wy, wx + 10, wy + 14), "#c9d6ff" if rnd.random() < 0.8 else "#ffd166")
        x += w
    c.rect((520, 180, 680, 500), slate)
    for wy in range(200, 480, 30):
        for wx in (540, 572, 604, 636):
            c.rect((wx, wy, wx + 20, wy + 16), "#ffd166")
    sh = c.layer()
    c.ellipse((570, 165, 630, 180), rgb("#000000", 70), on=sh)
    sh.merge(blur=3)
    c.poly([(560, 100), (640, 100), (600, 168)], red)
    c.circle(600, 88, 44, fill=red)
    c.circle(600, 88, 18, fill="#ffffff")
    c.save(out(slug, "hero.png"), colors=64)

    c = Canvas(1040, 400, "#eef1f6")
    c.rect((620, 40, 880, 200), "#cfe8d5", radius=18)
    for tx, ty in [(660, 90), (720, 140), (800, 80), (840, 160)]:
        c.circle(tx, ty, 18, fill="#9bd1a9")
    river = [(0, 330), (200, 300), (400, 340), (600, 300), (800, 330), (1040, 290)]
    c.line(river, "#b6d3f2", 40)
    for y in (120, 250):
        c.line([(0, y), (1040, y)], "#ffffff", 22, round_ends=False)
    for x in (180, 460, 940):
        c.line([(x, 0), (x, 400)], "#ffffff", 22, round_ends=False)
    c.line([(0, 60), (600, 210)], "#ffffff", 14, round_ends=False)
    c.line([(460, 250), (700, 130)], "#fdd9a0", 14)
    c.line([(700, 130), (940, 120)], "#fdd9a0", 14)
    c.circle(700, 130, 10, fill=blue)
    sh = c.layer()
    c.ellipse((930, 126, 962, 136), rgb("#000000", 60), on=sh)
    sh.merge(blur=2)
    c.poly([(920, 86), (960, 86), (940, 128)], red)
    c.circle(940, 78, 24, fill=red)
    c.circle(940, 78, 9, fill="#ffffff")
    c.save(out(slug, "map.png"), colors=32)

    c = Canvas(88, 88, "#ffffff")
    c.rect((0, 0, 88, 88), blue, radius=20)
    c.rect((22, 40, 40, 68), "#ffffff")
    c.rect((46, 22, 66, 68), "#c9d6ff")
    c.save(out(slug, "logo.png"), colors=16)


# ------------------------------------------------------------------ thank-you
def thank_you():
    slug = "thank-you"
    rose, blush, plum, gold = "#c44569", "#fdeef1", "#4a1942", "#f7b267"

    c = Canvas(1200, 500, blush)
    rnd = random.Random(3)
    for _ in range(70):
        x, y = rnd.uniform(20, 1180), rnd.uniform(20, 480)
        if (x - 600) ** 2 / 260 ** 2 + (y - 250) ** 2 / 220 ** 2 < 1:
            continue
        col = rnd.choice([rose, gold, "#f78fb3", plum, "#7ec4cf"])
        kind = rnd.random()
        if kind < 0.4:
            c.circle(x, y, rnd.uniform(4, 8), fill=col)
        elif kind < 0.8:
            a = rnd.uniform(0, math.pi)
            dx, dy = 12 * math.cos(a), 12 * math.sin(a)
            c.line([(x - dx, y - dy), (x + dx, y + dy)], col, 6)
        else:
            c.poly(heart(x, y, 26), col)
    glow = c.layer()
    c.circle(600, 250, 200, fill=rgb("#ffffff", 200), on=glow)
    glow.merge(blur=20)
    sh = c.layer()
    c.poly(heart(610, 265, 300), rgb("#8a2846", 70), on=sh)
    sh.merge(blur=10)
    c.poly(heart(600, 250, 300), rose)
    hl = c.layer()
    c.ellipse((495, 150, 560, 200), rgb("#ffffff", 70), on=hl)
    hl.merge(blur=3)
    c.poly(heart(600, 255, 90), "#fcd5df")
    c.save(out(slug, "hero.jpg"), quality=82)

    def icon(name, fn):
        c = Canvas(128, 128, "#ffffff")
        c.circle(64, 64, 62, fill=blush)
        fn(c)
        c.save(out(slug, name), colors=32)

    def book(c):
        c.poly([(24, 40), (62, 46), (62, 96), (24, 90)], rose)
        c.poly([(104, 40), (66, 46), (66, 96), (104, 90)], "#e56b8a")
        for i in range(3):
            c.line([(32, 56 + i * 10), (54, 59 + i * 10)], "#fcd5df", 3)
            c.line([(74, 59 + i * 10), (96, 56 + i * 10)], "#fcd5df", 3)

    def bulb(c):
        c.circle(64, 56, 26, fill=gold)
        c.poly([(50, 70), (78, 70), (74, 88), (54, 88)], gold)
        c.rect((52, 88, 76, 96), plum, radius=3)
        c.rect((55, 98, 73, 104), plum, radius=3)
        c.arc((50, 42, 78, 70), 200, 280, "#ffffff", 4)

    def people(c):
        for cx, col, s in [(44, "#e56b8a", 0.85), (84, "#e56b8a", 0.85), (64, rose, 1.0)]:
            c.circle(cx, 52 - 4 * s, 12 * s, fill=col)
            c.chord((cx - 20 * s, 70, cx + 20 * s, 118), col)

    icon("impact-books.png", book)
    icon("impact-ideas.png", bulb)
    icon("impact-people.png", people)

    c = Canvas(360, 110, "#ffffff")
    pts = []
    for i in range(600):
        t = i / 599 * 7 * 2 * math.pi
        amp = 18 + 10 * math.sin(t / 5)
        x = 36 + 5.8 * t - 9 * math.sin(t)
        y = 56 - amp * math.cos(t) * 0.9 - 4 * math.sin(t / 3)
        pts.append((x, y))
    c.line(pts, plum, 3)
    c.line([(30 + 8 * k, 92 - 6 * math.sin(k / 9 * math.pi)) for k in range(37)], plum, 2.4)
    c.save(out(slug, "signature.png"), colors=16)


# -------------------------------------------------------------- product launch
def launch():
    slug = "product-launch"
    night, cyan, purple = "#0f1226", "#3dd6d0", "#8b5cf6"

    c = Canvas(1200, 620, night)
    glow = c.layer()
    c.circle(520, 300, 220, fill=rgb(purple, 150), on=glow)
    c.circle(700, 330, 210, fill=rgb(cyan, 120), on=glow)
    glow.merge(blur=70)
    rnd = random.Random(9)
    for _ in range(70):
        c.circle(rnd.uniform(0, 1200), rnd.uniform(0, 620), rnd.uniform(0.6, 1.8),
                 fill=rgb("#ffffff", rnd.randint(60, 200)))
    sh = c.layer()
    c.ellipse((430, 520, 770, 560), rgb("#000000", 160), on=sh)
    sh.merge(blur=10)
    c.rect((450, 120, 750, 540), "#23284f", radius=70)
    c.rect((462, 132, 738, 528), "#2d3363", radius=60)
    for row in range(9):
        for col in range(7):
            x, y = 498 + col * 34, 300 + row * 22
            if y < 510:
                c.circle(x + (11 if row % 2 else 0), y, 4, fill="#1a1f45")
    ring = c.layer()
    c.circle(600, 210, 58, outline=rgb(cyan, 255), width=8, on=ring)
    ring.merge()
    halo = c.layer()
    c.circle(600, 210, 62, outline=rgb(cyan, 160), width=14, on=halo)
    halo.merge(blur=8)
    c.circle(600, 210, 22, fill="#ffffff")
    c.save(out(slug, "hero.jpg"), quality=78)

    def icon(name, fn):
        c = Canvas(112, 112, "#151936")
        c.rect((4, 4, 108, 108), "#22285a", radius=26)
        fn(c)
        c.save(out(slug, name), colors=32)

    def battery(c):
        c.rect((26, 38, 80, 74), None, radius=8, outline=cyan, width=5)
        c.rect((82, 50, 88, 62), cyan, radius=2)
        c.rect((34, 46, 66, 66), cyan, radius=3)

    def drop(c):
        c.poly([(56, 22), (78, 58), (34, 58)], cyan)
        c.circle(56, 66, 23, fill=cyan)
        c.arc((42, 52, 70, 80), 100, 170, "#ffffff", 4)

    def waves(c):
        for i, h in enumerate([16, 34, 50, 28, 42, 20, 12]):
            x = 26 + i * 10
            c.line([(x, 56 - h / 2), (x, 56 + h / 2)], cyan if i % 2 else purple, 6)

    icon("feature-battery.png", battery)
    icon("feature-water.png", drop)
    icon("feature-sound.png", waves)

    c = Canvas(88, 88, night)
    c.circle(44, 44, 40, outline=cyan, width=6)
    c.circle(44, 44, 14, fill="#ffffff")
    c.save(out(slug, "logo.png"), colors=16)


# ----------------------------------------------------------- seasonal greeting
def seasonal():
    slug = "seasonal-greetings"
    pine, red, cream, gold = "#1b4332", "#b23a48", "#fbf6ee", "#d4a373"

    c = Canvas(1200, 560)
    c.vgradient("#0e2a20", "#24553f")
    c.circle(930, 120, 56, fill="#fdf3d8")
    c.circle(952, 106, 50, fill="#173a2c")
    glow = c.layer()
    c.circle(930, 120, 90, fill=rgb("#fdf3d8", 40), on=glow)
    glow.merge(blur=20)
    c.poly(wave(0, 1200, 470, 16, 0.35, 1.0, 560), "#e4e8e0")
    c.poly(wave(0, 1200, 500, 12, 0.5, 3.0, 560), cream)

    def tree(x, base, h, col):
        w = h * 0.55
        c.rect((x - h * 0.04, base - h * 0.1, x + h * 0.04, base + 6), "#5b3a29")
        for k in range(3):
            top = base - h + k * h * 0.26
            bot = base - h * 0.1 - (2 - k) * h * 0.22
            half = w * (0.45 + 0.28 * k)
            c.poly([(x, top), (x + half, bot), (x - half, bot)], col)

    for x, b, h, col in [(140, 500, 220, "#2d6a4f"), (250, 505, 160, "#40916c"), (1030, 500, 240, "#2d6a4f"),
                         (1120, 510, 150, "#40916c"), (360, 510, 110, "#52b788")]:
        tree(x, b, h, col)
    rnd = random.Random(21)
    flakes = c.layer()
    for _ in range(70):
        x, y, r = rnd.uniform(0, 1200), rnd.uniform(0, 520), rnd.uniform(1.5, 4)
        c.circle(x, y, r, fill=rgb("#ffffff", rnd.randint(120, 230)), on=flakes)
    flakes.merge()

    def flake(cx, cy, r, col, w):
        for k in range(6):
            a = math.radians(k * 60 + 90)
            ex, ey = cx + r * math.cos(a), cy + r * math.sin(a)
            c.line([(cx, cy), (ex, ey)], col, w)
            for f in (0.55,):
                mx, my = cx + r * f * math.cos(a), cy + r * f * math.sin(a)
                for s in (-1, 1):
                    b = a + s * math.radians(40)
                    c.line([(mx, my), (mx + r * 0.3 * math.cos(b), my + r * 0.3 * math.sin(b))], col, w)

    flake(600, 250, 120, "#ffffff", 10)
    c.circle(600, 250, 20, fill=gold)
    for x, y, r in [(470, 120, 36), (760, 380, 30), (300, 260, 26), (820, 170, 22)]:
        flake(x, y, r, "#f1f7f3", 4)
    c.save(out(slug, "hero.jpg"), quality=80)

    c = Canvas(240, 72, cream)
    c.line([(30, 36), (210, 36)], gold, 2)
    for s in (-1, 1):
        lf = c.layer()
        c.ellipse((120 + s * 22 - 20, 24, 120 + s * 22 + 20, 46), rgb(pine), on=lf)
        lf.img = lf.img.rotate(s * 18, center=(120 * SS, 36 * SS), resample=Image.BICUBIC)
        lf.merge()
    c.circle(114, 32, 7, fill=red)
    c.circle(126, 32, 7, fill=red)
    c.circle(120, 42, 7, fill="#d1495b")
    c.save(out(slug, "holly.png"), colors=32)


# ---------------------------------------------------------- webinar reminder
def webinar():
    slug = "webinar-reminder"
    ink, amber, paper, sky = "#2b2d42", "#ff9f1c", "#f7f7f2", "#8ecae6"

    c = Canvas(1200, 520, "#fff3e0")
    c.circle(180, 420, 160, fill="#ffe2b8")
    c.circle(1060, 90, 120, fill="#ffe2b8")
    for x, y in [(150, 110), (1010, 400), (1090, 300)]:
        c.poly(star(x, y, 16, 6, points=4), amber)
    sh = c.layer()
    c.rect((300, 430, 900, 470), rgb("#000000", 50), radius=20, on=sh)
    sh.merge(blur=10)
    c.rect((330, 70, 870, 400), ink, radius=22)
    c.rect((350, 90, 850, 380), "#ffffff", radius=10)
    c.poly([(270, 420), (930, 420), (900, 450), (300, 450)], "#c9cad3")
    c.rect((270, 400, 930, 424), "#dfe0e6", radius=6)
    c.rect((370, 110, 650, 360), sky, radius=8)
    c.circle(510, 210, 38, fill=ink)
    c.chord((450, 250, 570, 380), ink)
    c.rect((370, 330, 650, 360), sky)
    c.rect((670, 110, 830, 200), "#ffd8a8", radius=8)
    c.circle(750, 145, 18, fill="#e07a5f")
    c.chord((722, 166, 778, 214), "#e07a5f")
    c.rect((670, 110, 830, 200), None, radius=8, outline="#ffd8a8", width=4)
    c.rect((670, 216, 830, 300), "#e0f1f8", radius=8)
    for i, w in enumerate([120, 90, 104]):
        c.rect((684, 232 + i * 20, 684 + w, 240 + i * 20), "#9bb7c4", radius=4)
    c.circle(700, 335, 16, fill=amber)
    c.poly([(694, 326), (694, 344), (709, 335)], "#ffffff")
    c.rect((726, 331, 830, 339), "#e6e6ea", radius=4)
    c.rect((726, 331, 780, 339), amber, radius=4)
    c.rect((880, 150, 1010, 220), "#ffffff", radius=16)
    c.poly([(900, 218), (930, 218), (896, 246)], "#ffffff")
    for k in range(3):
        c.circle(915 + k * 30, 185, 8, fill=amber)
    c.rect((200, 220, 320, 280), amber, radius=16)
    c.poly([(300, 278), (276, 278), (306, 302)], amber)
    c.line([(228, 250), (250, 250)], "#ffffff", 6)
    c.line([(266, 250), (292, 250)], "#ffffff", 6)
    c.save(out(slug, "hero.png"), colors=64)

    c = Canvas(144, 144, "#ffe2b8")
    c.chord((30, 92, 114, 176), ink)
    c.rect((62, 84, 82, 100), "#b07850")
    c.circle(72, 52, 29, fill="#3d2b1f")
    c.rect((43, 52, 101, 84), "#3d2b1f", radius=10)
    c.circle(72, 62, 23, fill="#b07850")
    c.ellipse((50, 30, 96, 52), "#3d2b1f")
    c.poly([(58, 104), (72, 122), (86, 104)], "#ffffff")
    # cut round, on the white of the page
    mask = Image.new("L", c.img.size, 0)
    ImageDraw.Draw(mask).ellipse((2 * SS, 2 * SS, 142 * SS, 142 * SS), fill=255)
    c.img = Image.composite(c.img, Image.new("RGBA", c.img.size, rgb("#ffffff")), mask)
    c.save(out(slug, "host.png"), colors=32)

    c = Canvas(88, 88, ink)
    c.circle(44, 44, 40, fill=amber)
    c.poly([(36, 28), (36, 60), (62, 44)], ink)
    c.save(out(slug, "logo.png"), colors=16)


# ----------------------------------------------------------- feedback survey
def survey():
    slug = "feedback-survey"
    blue, sun, pale, dark = "#0077b6", "#ffd166", "#e6f3fa", "#023e58"

    c = Canvas(1200, 480, pale)
    c.circle(960, 130, 70, fill=sun)
    for x, y, w in [(160, 90, 170), (620, 60, 130)]:
        c.rect((x, y, x + w, y + 36), "#ffffff", radius=18)
        c.circle(x + w * 0.45, y + 4, 28, fill="#ffffff")
    c.poly(wave(0, 1200, 380, 14, 0.4, 2.0, 480), "#b8ddf0")
    c.rect((0, 420, 1200, 480), "#8fc7e3")
    wheel = "#023e58"
    for cx in (440, 760):
        c.circle(cx, 330, 92, outline=wheel, width=12)
        c.circle(cx, 330, 10, fill=wheel)
        for k in range(12):
            a = math.radians(k * 30)
            c.line([(cx, 330), (cx + 86 * math.cos(a), 330 + 86 * math.sin(a))], "#4f7d91", 2, round_ends=False)
    frame = [(440, 330), (560, 330), (680, 200), (530, 200), (440, 330)]
    c.line(frame, blue, 14)
    c.line([(560, 330), (505, 160)], blue, 14)
    c.line([(680, 200), (760, 330)], blue, 14)
    c.line([(680, 200), (665, 150)], blue, 12)
    c.line([(640, 142), (700, 150)], dark, 12)
    c.rect((478, 146, 540, 164), dark, radius=9)
    c.circle(560, 330, 20, fill=sun, outline=dark, width=5)
    for x, y in [(250, 200), (310, 250), (880, 250)]:
        c.poly(heart(x, y, 40), "#ef476f")
    c.save(out(slug, "hero.png"), colors=64)

    faces = ["#e63946", "#f4845f", "#f7b801", "#8ac926", "#2a9d8f"]
    for i, col in enumerate(faces):
        c = Canvas(96, 96, "#ffffff")
        c.circle(48, 48, 44, fill=col)
        c.circle(34, 38, 6, fill=dark)
        c.circle(62, 38, 6, fill=dark)
        bend = (i - 2) * 9
        pts = [(28 + 4 * k, 64 + bend * math.sin(math.pi * k / 10)) for k in range(11)]
        c.line(pts, dark, 5)
        c.save(out(slug, f"face-{i + 1}.png"), colors=24)

    c = Canvas(88, 88, "#ffffff")
    c.circle(44, 44, 42, fill=blue)
    c.circle(30, 52, 13, outline="#ffffff", width=4)
    c.circle(60, 52, 13, outline="#ffffff", width=4)
    c.line([(30, 52), (44, 34), (60, 52)], "#ffffff", 4)
    c.save(out(slug, "logo.png"), colors=16)


BUILDERS = {
    "monthly-newsletter": newsletter,
    "weekend-sale": promotion,
    "event-invitation": event,
    "welcome": welcome,
    "announcement": announcement,
    "thank-you": thank_you,
    "product-launch": launch,
    "seasonal-greetings": seasonal,
    "webinar-reminder": webinar,
    "feedback-survey": survey,
}

if __name__ == "__main__":
    for slug in sys.argv[1:] or BUILDERS:
        BUILDERS[slug]()

#!/usr/bin/env python3
"""Draws the program's pictures (logo, warning sign, device pictures, button
faces, check-box glyphs, banner, icon) as 24-bit BMP files and one ICO.

Everything is drawn here from simple shapes; no artwork comes from anywhere
else. Shapes are filled on a canvas twice the final size and scaled down,
which smooths their edges.

Usage: make_app_bitmaps.py OUTPUT_FOLDER
"""
import math
import os
import struct
import sys


class Canvas:
    def __init__(self, w, h, bg=(255, 255, 255), scale=2):
        self.s = scale
        self.w, self.h = w * scale, h * scale
        self.out_w, self.out_h = w, h
        self.px = [list(bg) * self.w for _ in range(self.h)]

    def _put(self, x, y, c, a=1.0):
        row = self.px[y]
        i = x * 3
        if a >= 1.0:
            row[i], row[i + 1], row[i + 2] = c
        else:
            for k in range(3):
                row[i + k] = int(row[i + k] * (1 - a) + c[k] * a)

    def span(self, y, x0, x1, color, a=1.0):
        if y < 0 or y >= self.h:
            return
        x0 = max(0, int(math.ceil(x0)))
        x1 = min(self.w - 1, int(math.floor(x1)))
        for x in range(x0, x1 + 1):
            self._put(x, y, color(x, y) if callable(color) else color, a)

    # Shapes take final-size coordinates.
    def rect(self, x0, y0, x1, y1, color, a=1.0):
        s = self.s
        for y in range(int(y0 * s), int(y1 * s)):
            self.span(y, x0 * s, x1 * s - 1, color, a)

    def gradient(self, x0, y0, x1, y1, top, bottom):
        s = self.s
        h = max(1, (y1 - y0) * s)
        for y in range(int(y0 * s), int(y1 * s)):
            t = (y - y0 * s) / h
            c = tuple(int(top[k] + (bottom[k] - top[k]) * t) for k in range(3))
            self.span(y, x0 * s, x1 * s - 1, c)

    def ellipse(self, cx, cy, rx, ry, color, a=1.0):
        s = self.s
        cx, cy, rx, ry = cx * s, cy * s, rx * s, ry * s
        for y in range(int(cy - ry), int(cy + ry) + 1):
            dy = (y + 0.5 - cy) / ry
            if abs(dy) > 1:
                continue
            dx = rx * math.sqrt(1 - dy * dy)
            self.span(y, cx - dx, cx + dx - 1, color, a)

    def ring(self, cx, cy, r_out, r_in, color, a0=0.0, a1=360.0):
        """Part of an annulus between angles a0..a1 (degrees, 0 = right, counter-clockwise)."""
        s = self.s
        cx, cy, ro, ri = cx * s, cy * s, r_out * s, r_in * s
        for y in range(int(cy - ro), int(cy + ro) + 1):
            for x in range(int(cx - ro), int(cx + ro) + 1):
                dx, dy = x + 0.5 - cx, cy - (y + 0.5)
                d = math.hypot(dx, dy)
                if ri <= d <= ro:
                    ang = math.degrees(math.atan2(dy, dx)) % 360
                    if (a0 <= ang <= a1) or (a0 > a1 and (ang >= a0 or ang <= a1)):
                        if 0 <= x < self.w and 0 <= y < self.h:
                            self._put(x, y, color)

    def polygon(self, pts, color, a=1.0):
        s = self.s
        pts = [(x * s, y * s) for x, y in pts]
        ys = [p[1] for p in pts]
        for y in range(int(min(ys)), int(max(ys)) + 1):
            yc = y + 0.5
            xs = []
            n = len(pts)
            for i in range(n):
                (x0, y0), (x1, y1) = pts[i], pts[(i + 1) % n]
                if (y0 <= yc < y1) or (y1 <= yc < y0):
                    xs.append(x0 + (yc - y0) * (x1 - x0) / (y1 - y0))
            xs.sort()
            for i in range(0, len(xs) - 1, 2):
                self.span(y, xs[i], xs[i + 1] - 1, color, a)

    def line(self, x0, y0, x1, y1, width, color):
        dx, dy = x1 - x0, y1 - y0
        length = math.hypot(dx, dy) or 1
        nx, ny = -dy / length * width / 2, dx / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], color)
        self.ellipse(x0, y0, width / 2, width / 2, color)
        self.ellipse(x1, y1, width / 2, width / 2, color)

    def round_rect(self, x0, y0, x1, y1, r, color):
        self.rect(x0 + r, y0, x1 - r, y1, color)
        self.rect(x0, y0 + r, x1, y1 - r, color)
        for cx, cy in ((x0 + r, y0 + r), (x1 - r, y0 + r), (x0 + r, y1 - r), (x1 - r, y1 - r)):
            self.ellipse(cx, cy, r, r, color)

    def glyph(self, rows, x, y, cell, color):
        """Draws a bitmap glyph given as strings of '#' and '.'."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch == '#':
                    self.round_rect(x + i * cell, y + j * cell, x + (i + 1) * cell, y + (j + 1) * cell,
                                    cell * 0.3, color)

    def pixels(self):
        """The final-size pixels, each the mean of its s x s samples."""
        s = self.s
        out = []
        for y in range(self.out_h):
            row = []
            for x in range(self.out_w):
                acc = [0, 0, 0]
                for yy in range(y * s, y * s + s):
                    r = self.px[yy]
                    for xx in range(x * s, x * s + s):
                        i = xx * 3
                        acc[0] += r[i]
                        acc[1] += r[i + 1]
                        acc[2] += r[i + 2]
                row.append(tuple(v // (s * s) for v in acc))
            out.append(row)
        return out


def bmp_bytes(pixels):
    h, w = len(pixels), len(pixels[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for r, g, b in pixels[y]:
            row += bytes((b, g, r))
        row += b'\0' * (stride - w * 3)
        data += row
    info = struct.pack('<IiiHHIIiiII', 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return info, data


def write_bmp(path, canvas):
    info, data = bmp_bytes(canvas.pixels())
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info) + len(data), 0, 0, 14 + len(info))
    with open(path, 'wb') as f:
        f.write(header + info + data)


def write_ico(path, canvases):
    entries, images = [], []
    offset = 6 + 16 * len(canvases)
    for c in canvases:
        pixels = c.pixels()
        h, w = len(pixels), len(pixels[0])
        stride = w * 4
        xor = bytearray()
        for y in range(h - 1, -1, -1):
            for r, g, b in pixels[y]:
                xor += bytes((b, g, r, 255))
        mask_stride = ((w + 31) // 32) * 4
        mask = b'\0' * (mask_stride * h)
        info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
        image = info + bytes(xor) + mask
        entries.append(struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, 32, len(image), offset))
        images.append(image)
        offset += len(image)
        del stride
    with open(path, 'wb') as f:
        f.write(struct.pack('<HHH', 0, 1, len(canvases)) + b''.join(entries) + b''.join(images))


BLUE = (0, 99, 177)
DARK = (20, 48, 86)
WHITE = (255, 255, 255)
ORANGE = (255, 140, 0)
GREY = (70, 78, 92)

GLYPH_M = ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"]
GLYPH_Q = [".###.", "#...#", "....#", "..##.", "..#..", ".....", "..#.."]
GLYPH_X = ["#", "#", "#", "#", "#", ".", "#"]


def draw_logo(c, ox, oy, size):
    """The brand mark drawn straight onto a canvas, so that its round edge
    blends into whatever lies below it."""
    r = size / 2
    cx, cy = ox + r, oy + r
    c.ellipse(cx, cy, r - 1, r - 1, BLUE)
    c.ellipse(cx, cy, r - size * 0.09, r - size * 0.09, DARK)
    k = size / 64.0
    pen = 6.5 * k
    x0, x1, y0, y1 = cx - 13 * k, cx + 13 * k, cy - 13 * k, cy + 14 * k
    c.line(x0, y1, x0, y0, pen, WHITE)
    c.line(x0, y0, cx, cy + 3 * k, pen, WHITE)
    c.line(cx, cy + 3 * k, x1, y0, pen, WHITE)
    c.line(x1, y0, x1, y1, pen, WHITE)
    # Three short waves to the right of the letter.
    c.ring(cx, cy, r - size * 0.13, r - size * 0.17, ORANGE, 330, 30)


def logo(size, bg=(243, 246, 250)):
    c = Canvas(size, size, bg)
    draw_logo(c, 0, 0, size)
    return c


def warning(size):
    c = Canvas(size, size, (243, 246, 250))
    m = size * 0.06
    c.polygon([(size / 2, m), (size - m, size - m * 1.6), (m, size - m * 1.6)], (200, 120, 0))
    k = size * 0.1
    c.polygon([(size / 2, m + k * 1.2), (size - m - k, size - m * 1.6 - k * 0.55),
               (m + k, size - m * 1.6 - k * 0.55)], (255, 204, 0))
    k = size / 64.0
    c.line(size / 2, size * 0.36, size / 2, size * 0.62, 6 * k, (40, 30, 0))
    c.ellipse(size / 2, size * 0.74, 3.6 * k, 3.6 * k, (40, 30, 0))
    return c


def question_mark(c, cx, cy, size, color):
    k = size / 16.0
    pen = 2.2 * k
    c.ring(cx, cy - 3 * k, 4.2 * k + pen / 2, 4.2 * k - pen / 2, color, 330, 200)
    c.line(cx + 3.6 * k, cy - 1.0 * k, cx, cy + 1.6 * k, pen, color)
    c.line(cx, cy + 1.6 * k, cx, cy + 3.0 * k, pen, color)
    c.ellipse(cx, cy + 6.0 * k, pen * 0.65, pen * 0.65, color)


def help_glyph(size):
    c = Canvas(size, size, (243, 246, 250))
    c.ellipse(size / 2, size / 2, size / 2 - 0.5, size / 2 - 0.5, BLUE)
    question_mark(c, size / 2, size / 2, size * 0.8, WHITE)
    return c


class KeyedCanvas:
    """A canvas whose pixels outside the given discs become the transparent
    key colour; the edges inside are smoothed against the canvas background."""

    def __init__(self, canvas, discs, key):
        self.canvas, self.discs, self.key = canvas, discs, key

    def pixels(self):
        px = self.canvas.pixels()
        for y, row in enumerate(px):
            for x in range(len(row)):
                inside = any((x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= (r + 0.6) ** 2 for cx, cy, r in self.discs)
                if not inside:
                    row[x] = self.key
        return px


def checkbox_strip(size=20):
    """The four option glyphs of the grid's on/off cells, side by side: an
    empty round box, a marked one, and both greyed. Magenta is transparent."""
    c = Canvas(size * 4, size, WHITE)
    r = size * 0.4
    discs = []
    for i in range(4):
        cx, cy = i * size + size / 2, size / 2
        disabled = i >= 2
        marked = i % 2 == 1
        ring = (176, 184, 196) if disabled else (110, 122, 140)
        fill = (236, 239, 243) if disabled else WHITE
        c.ellipse(cx, cy, r, r, ring)
        c.ellipse(cx, cy, r - 1.4, r - 1.4, fill)
        if marked:
            c.ellipse(cx, cy, r * 0.45, r * 0.45, (150, 158, 170) if disabled else (30, 45, 68))
        discs.append((cx, cy, r))
    return KeyedCanvas(c, discs, (255, 0, 255))


def helmet(c, cx, cy, r, shell, visor, unit=True, boom=False, slim=False):
    """A side view of a full-face helmet, facing right, with the headset on its side."""
    light = tuple(min(255, v + 40) for v in shell)
    # Neck roll under the shell, then the shell with its chin bar.
    c.ellipse(cx - r * 0.1, cy + r * 0.72, r * 0.78, r * 0.16, (40, 40, 46))
    c.ellipse(cx, cy, r, r * 0.86, shell)
    c.polygon([(cx - r * 0.2, cy + r * 0.5), (cx + r * 0.98, cy + r * 0.12), (cx + r * 0.92, cy + r * 0.62),
               (cx + r * 0.5, cy + r * 0.8), (cx - r * 0.5, cy + r * 0.78)], shell)
    c.ellipse(cx - r * 0.12, cy - r * 0.3, r * 0.62, r * 0.38, light)
    c.ellipse(cx - r * 0.12, cy - r * 0.22, r * 0.62, r * 0.38, shell)
    # Visor.
    c.polygon([(cx + r * 0.12, cy - r * 0.22), (cx + r * 0.96, cy - r * 0.26), (cx + r * 1.04, cy + r * 0.14),
               (cx + r * 0.2, cy + r * 0.2)], visor)
    c.polygon([(cx + r * 0.3, cy - r * 0.16), (cx + r * 0.88, cy - r * 0.19), (cx + r * 0.9, cy - r * 0.11),
               (cx + r * 0.32, cy - r * 0.08)], tuple(min(255, v + 80) for v in visor))
    if unit:
        w = r * (0.44 if slim else 0.56)
        h = r * (0.26 if slim else 0.34)
        ux, uy = cx - r * 0.42, cy + r * 0.3
        c.round_rect(ux - w / 2, uy - h / 2, ux + w / 2, uy + h / 2, h * 0.3, (30, 32, 38))
        c.ellipse(ux + w * 0.14, uy, h * 0.34, h * 0.34, (70, 74, 84))
        c.ellipse(ux + w * 0.14, uy, h * 0.2, h * 0.2, ORANGE)
        c.rect(ux - w * 0.4, uy - h * 0.12, ux - w * 0.18, uy + h * 0.12, (120, 126, 138))
        if boom:
            c.line(ux + w * 0.45, uy + h * 0.2, cx + r * 0.62, cy + r * 0.5, r * 0.05, (30, 32, 38))
            c.ellipse(cx + r * 0.66, cy + r * 0.5, r * 0.08, r * 0.08, (50, 52, 60))


def waves(c, x, y, r, color, count=3, gap=None):
    gap = gap or r * 0.45
    for i in range(count):
        ro = r + i * gap
        c.ring(x, y, ro, ro - r * 0.16, color, 320, 40)


SKY_TOP = (236, 242, 250)
SKY_BOTTOM = (205, 220, 240)
HELMET = (0, 84, 160)
VISOR = (40, 60, 90)


def scene(c, w, h, horizon=0.55):
    """WELCOME's backdrop: a light sky and a road running to the horizon."""
    c.gradient(0, 0, w, h, SKY_TOP, SKY_BOTTOM)
    c.polygon([(w * 0.0, h), (w * 0.42, h * horizon), (w * 0.58, h * horizon), (w, h)], (150, 160, 176))
    for i in range(4):
        t0, t1 = horizon + 0.03 + i * 0.11, horizon + 0.08 + i * 0.11
        c.polygon([(w * (0.5 - 0.01 * (1 + i)), h * t0), (w * (0.5 + 0.01 * (1 + i)), h * t0),
                   (w * (0.5 + 0.012 * (1 + i)), h * t1), (w * (0.5 - 0.012 * (1 + i)), h * t1)], WHITE)
    c.rect(0, h * (horizon - 0.02), w, h * horizon, (120, 150, 190))


def device_picture(kind, w=240, h=124):
    """One picture per device family, in WELCOME's style: the same backdrop,
    the same blue helmet and orange waves, the product in the middle."""
    c = Canvas(w, h, (243, 246, 250))
    scene(c, w, h)
    if kind == 'none':
        c.ellipse(w / 2, h / 2, h * 0.3, h * 0.3, (150, 168, 194))
        question_mark(c, w / 2, h / 2, h * 0.5, WHITE)
    elif kind == 'camera':
        # An action camera on a helmet-mount base.
        c.round_rect(w * 0.33, h * 0.7, w * 0.6, h * 0.8, 3, (60, 64, 72))
        c.round_rect(w * 0.28, h * 0.3, w * 0.64, h * 0.72, 6, (30, 32, 38))
        c.ellipse(w * 0.43, h * 0.51, h * 0.16, h * 0.16, (90, 96, 110))
        c.ellipse(w * 0.43, h * 0.51, h * 0.1, h * 0.1, HELMET)
        c.ellipse(w * 0.41, h * 0.48, h * 0.03, h * 0.03, (200, 220, 255))
        c.rect(w * 0.54, h * 0.24, w * 0.6, h * 0.3, ORANGE)
        waves(c, w * 0.7, h * 0.46, h * 0.08, ORANGE, gap=h * 0.05)
    elif kind == 'module':
        # The vehicle module: a box with its connector pins and a status light.
        c.round_rect(w * 0.26, h * 0.3, w * 0.62, h * 0.7, 5, (40, 44, 52))
        for i in range(5):
            c.rect(w * (0.3 + i * 0.065), h * 0.7, w * (0.325 + i * 0.065), h * 0.8, (190, 170, 80))
        c.round_rect(w * 0.3, h * 0.38, w * 0.46, h * 0.5, 2, HELMET)
        c.ellipse(w * 0.55, h * 0.44, h * 0.05, h * 0.05, ORANGE)
        waves(c, w * 0.7, h * 0.46, h * 0.08, ORANGE, gap=h * 0.05)
    else:
        helmet(c, w * 0.4, h * 0.47, h * 0.31, HELMET, VISOR, boom=kind == 'boom', slim=kind == 'slim')
        waves(c, w * 0.74, h * 0.36, h * 0.07, ORANGE, gap=h * 0.045)
    # A thin frame like the wizard's buttons.
    c.rect(0, 0, w, 0.5, (168, 182, 201))
    c.rect(0, h - 0.5, w, h, (168, 182, 201))
    c.rect(0, 0, 0.5, h, (168, 182, 201))
    c.rect(w - 0.5, 0, w, h, (168, 182, 201))
    return c


def welcome(w=624, h=273):
    c = Canvas(w, h, WHITE)
    c.gradient(0, 0, w, h, SKY_TOP, SKY_BOTTOM)
    # A road in perspective.
    c.polygon([(w * 0.0, h), (w * 0.42, h * 0.55), (w * 0.58, h * 0.55), (w, h)], (150, 160, 176))
    for i in range(5):
        t0, t1 = 0.58 + i * 0.085, 0.62 + i * 0.085
        c.polygon([(w * (0.5 - 0.012 * (1 + i)), h * t0), (w * (0.5 + 0.012 * (1 + i)), h * t0),
                   (w * (0.5 + 0.014 * (1 + i)), h * t1), (w * (0.5 - 0.014 * (1 + i)), h * t1)], WHITE)
    c.rect(0, h * 0.53, w, h * 0.55, (120, 150, 190))
    helmet(c, w * 0.36, h * 0.42, h * 0.3, HELMET, VISOR, boom=True)
    waves(c, w * 0.62, h * 0.36, h * 0.07, ORANGE, count=4, gap=h * 0.045)
    # The brand mark in the corner, on the sky itself.
    draw_logo(c, w - 62, 12, 48)
    return c


def banner(w=760, h=56):
    """The band across the top of the wizard; the logo sits on the band's own
    gradient, its edge smoothed like every other shape."""
    c = Canvas(w, h, WHITE)
    c.gradient(0, 0, w, h, (20, 48, 86), (34, 82, 140))
    draw_logo(c, 8, 6, h - 12)
    for i in range(6):
        c.ring(w - 60, h / 2, 20 + i * 9, 17 + i * 9, (60, 110, 170), 300, 60)
    return c


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else '.'
    os.makedirs(out, exist_ok=True)
    pictures = {
        'logo.bmp': lambda: logo(64),
        'warning.bmp': lambda: warning(64),
        'help_question.bmp': lambda: help_glyph(16),
        'checkbox_glyphs.bmp': checkbox_strip,
        'welcome.bmp': welcome,
        'banner.bmp': banner,
        'device_headset.bmp': lambda: device_picture('headset'),
        'device_headset_boom.bmp': lambda: device_picture('boom'),
        'device_headset_slim.bmp': lambda: device_picture('slim'),
        'device_camera.bmp': lambda: device_picture('camera'),
        'device_module.bmp': lambda: device_picture('module'),
        'device_none.bmp': lambda: device_picture('none'),
    }
    for name, make in pictures.items():
        write_bmp(os.path.join(out, name), make())
    write_ico(os.path.join(out, 'app.ico'), [logo(32, WHITE), logo(16, WHITE)])


if __name__ == '__main__':
    main()

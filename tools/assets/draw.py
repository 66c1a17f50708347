"""Drawing primitives for the skin pictures: everything is drawn at three times the size and scaled down,
which gives smooth edges without an anti-aliasing renderer."""

import math

from PIL import Image, ImageDraw, ImageFilter, ImageFont

S = 3
FONT_DIR = "/usr/share/fonts/truetype/dejavu/"


def font(size, bold=False, condensed=False):
    name = "DejaVuSans"
    if condensed:
        name += "Condensed"
    if bold:
        name += "-Bold"
    return ImageFont.truetype(FONT_DIR + name + ".ttf", int(size * S))


class Canvas:
    def __init__(self, w, h, bg=(0, 0, 0, 0)):
        self.w, self.h = w, h
        self.img = Image.new("RGBA", (w * S, h * S), bg)
        self.d = ImageDraw.Draw(self.img)

    def box(self, x0, y0, x1, y1):
        return [round(x0 * S), round(y0 * S), round(x1 * S) - 1, round(y1 * S) - 1]

    def rrect(self, x0, y0, x1, y1, r, fill=None, outline=None, width=1):
        self.d.rounded_rectangle(self.box(x0, y0, x1, y1), radius=r * S, fill=fill, outline=outline,
                                 width=max(1, round(width * S)) if outline else 0)

    def rect(self, x0, y0, x1, y1, fill=None, outline=None, width=1):
        self.d.rectangle(self.box(x0, y0, x1, y1), fill=fill, outline=outline,
                         width=max(1, round(width * S)) if outline else 0)

    def ellipse(self, cx, cy, r, fill=None, outline=None, width=1):
        self.d.ellipse(self.box(cx - r, cy - r, cx + r, cy + r), fill=fill, outline=outline,
                       width=max(1, round(width * S)) if outline else 0)

    def line(self, pts, fill, width=1):
        self.d.line([(x * S, y * S) for x, y in pts], fill=fill, width=max(1, round(width * S)), joint="curve")

    def poly(self, pts, fill=None, outline=None):
        self.d.polygon([(x * S, y * S) for x, y in pts], fill=fill, outline=outline)

    def arc(self, cx, cy, r, start, end, fill, width=1):
        self.d.arc(self.box(cx - r, cy - r, cx + r, cy + r), start, end, fill=fill, width=max(1, round(width * S)))

    def text(self, x, y, s, size, fill, bold=False, anchor="la", condensed=False):
        self.d.text((x * S, y * S), s, font=font(size, bold, condensed), fill=fill, anchor=anchor)

    def gradient(self, x0, y0, x1, y1, top, bottom, r=0, horizontal=False):
        """Fills a (rounded) box with a linear gradient."""
        w, h = round((x1 - x0) * S), round((y1 - y0) * S)
        if w <= 0 or h <= 0:
            return
        grad = Image.new("RGBA", (w, h))
        gd = ImageDraw.Draw(grad)
        n = w if horizontal else h
        for i in range(n):
            t = i / max(1, n - 1)
            c = tuple(round(a + (b - a) * t) for a, b in zip(rgba(top), rgba(bottom)))
            if horizontal:
                gd.line([(i, 0), (i, h)], fill=c)
            else:
                gd.line([(0, i), (w, i)], fill=c)
        mask = Image.new("L", (w, h), 0)
        ImageDraw.Draw(mask).rounded_rectangle([0, 0, w - 1, h - 1], radius=r * S, fill=255)
        self.img.paste(grad, (round(x0 * S), round(y0 * S)), mask)

    def glow(self, cx, cy, r, color, blur=3):
        layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
        ImageDraw.Draw(layer).ellipse(self.box(cx - r, cy - r, cx + r, cy + r), fill=color)
        layer = layer.filter(ImageFilter.GaussianBlur(blur * S))
        self.img.alpha_composite(layer)

    def arrow_arc(self, cx, cy, r, clockwise, color, width=2):
        """A three-quarter circle with an arrow head, the usual rotate / reset glyph."""
        start, end = (-60, 210) if clockwise else (-30, 240)
        self.arc(cx, cy, r, start, end, color, width)
        a = math.radians(end if clockwise else start)
        hx, hy = cx + r * math.cos(a), cy + r * math.sin(a)
        # tangent direction of travel at the arrow end
        t = a + (math.pi / 2 if clockwise else -math.pi / 2)
        tx, ty = math.cos(t), math.sin(t)
        nx, ny = -ty, tx
        k = width * 1.8
        self.poly([(hx + tx * k * 1.4, hy + ty * k * 1.4), (hx + nx * k, hy + ny * k), (hx - nx * k, hy - ny * k)],
                  fill=color)

    def paste(self, other, x, y):
        self.img.alpha_composite(other.img, (round(x * S), round(y * S)))

    def result(self):
        return self.img.resize((self.w, self.h), Image.LANCZOS)


def rgba(c):
    return tuple(c) if len(c) == 4 else tuple(c) + (255,)


def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def save(img, path, opaque=False):
    """PNG pictures keep their alpha unless the picture is opaque anyway; BMP pictures are 24-bit."""
    if path.lower().endswith(".bmp"):
        flat = Image.new("RGB", img.size, (0, 0, 0))
        flat.paste(img, mask=img.split()[3])
        flat.save(path)
    elif opaque:
        flat = Image.new("RGB", img.size, (0, 0, 0))
        flat.paste(img, mask=img.split()[3])
        flat.save(path, optimize=True)
    else:
        img.save(path, optimize=True)

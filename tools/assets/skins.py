"""The two skins: pictures, window outline and SkinSetting.ini."""

import math
import os
import struct

from PIL import Image, ImageDraw

import layout as L
from draw import Canvas, mix, save


class Theme:
    def __init__(self, **kw):
        self.__dict__.update(kw)


GRAPHITE = Theme(
    name="Graphite", size=(800, 500), shape="round", btn_radius=5, thumb_w=28,
    bg_top=(44, 48, 55), bg_bottom=(22, 24, 28), panel=(30, 33, 38), panel_edge=(62, 67, 76),
    btn_top=(64, 69, 78), btn_bottom=(44, 48, 55), btn_edge=(86, 92, 102),
    down_top=(40, 30, 22), down_bottom=(62, 42, 24), accent=(255, 150, 40), accent_soft=(255, 196, 120),
    dim=(92, 96, 104), ink=(226, 230, 236), groove=(14, 15, 18),
    eq_top=84, mic_top=84, centre=(225, 133, 104),
    # window items: (left, top) of pictures, labels placed relative to them
    logo=(26, 18), close=(764, 12), minimize=(734, 12), active=(24, 100), led=(24, 178),
    setting=(112, 184), menus=[(24, 398), (140, 398), (256, 398)], menu_w=108,
)

AZURE = Theme(
    name="Azure", size=(780, 480), shape="chamfer", btn_radius=12, thumb_w=30,
    bg_top=(18, 44, 78), bg_bottom=(8, 20, 40), panel=(12, 32, 58), panel_edge=(40, 96, 150),
    btn_top=(30, 70, 112), btn_bottom=(20, 50, 86), btn_edge=(56, 120, 180),
    down_top=(18, 96, 150), down_bottom=(10, 66, 112), accent=(70, 210, 255), accent_soft=(170, 236, 255),
    dim=(70, 100, 130), ink=(225, 240, 250), groove=(5, 14, 28),
    eq_top=80, mic_top=88, centre=(224, 130, 110),
    logo=(40, 26), close=(736, 16), minimize=(706, 16), active=(36, 96), led=(36, 330),
    setting=(36, 170), menus=[(36, 212), (36, 250), (36, 288)], menu_w=150,
)

THEMES = [GRAPHITE, AZURE]


# ---------------------------------------------------------------------------------------------------------
# Parts


def outline_mask(t):
    w, h = t.size
    m = Image.new("L", (w, h), 0)
    d = ImageDraw.Draw(m)
    if t.shape == "round":
        d.rounded_rectangle([0, 0, w - 1, h - 1], radius=26, fill=255)
    else:
        c = 30
        d.polygon([(c, 0), (w - c, 0), (w - 1, c), (w - 1, h - 1 - c), (w - 1 - c, h - 1), (c, h - 1),
                   (0, h - 1 - c), (0, c)], fill=255)
    return m


def region_bytes(mask):
    """RGNDATA of the mask: bands of equal rows merged, bounding box from (0, 0)."""
    w, h = mask.size
    px = mask.load()
    rows = []
    for y in range(h):
        runs, x = [], 0
        while x < w:
            if px[x, y] >= 128:
                x0 = x
                while x < w and px[x, y] >= 128:
                    x += 1
                runs.append((x0, x))
            else:
                x += 1
        rows.append(runs)
    rects, y = [], 0
    while y < h:
        y1 = y + 1
        while y1 < h and rows[y1] == rows[y]:
            y1 += 1
        rects += [(x0, y, x1, y1) for x0, x1 in rows[y]]
        y = y1
    head = struct.pack("<8i", 32, 1, len(rects), 16 * len(rects), 0, 0, w, h)
    return head + b"".join(struct.pack("<4i", *r) for r in rects)


def headset(c, cx, cy, s, t, lit=False):
    """A stylised headset, s = overall size."""
    band = t.accent if lit else t.dim
    c.arc(cx, cy, s * 0.42, 180, 360, band, max(2, s * 0.07))
    for side in (-1, 1):
        x = cx + side * s * 0.42
        c.rrect(x - s * 0.12, cy - s * 0.06, x + s * 0.12, cy + s * 0.3, s * 0.06, fill=mix(t.btn_top, t.ink, 0.15),
                outline=band, width=max(1, s * 0.02))
    # the microphone boom from the left ear cup
    bx, by = cx - s * 0.36, cy + s * 0.26
    c.line([(bx, by), (bx + s * 0.06, by + s * 0.14), (cx - s * 0.12, by + s * 0.2)], band, max(1, s * 0.03))
    c.ellipse(cx - s * 0.1, by + s * 0.2, s * 0.035, fill=band)


def button(t, w, h, down, glyph=None):
    c = Canvas(w, h)
    r = min(t.btn_radius, h / 2)
    if down:
        c.gradient(0, 0, w, h, t.down_top, t.down_bottom, r)
        c.rrect(0, 0, w, h, r, outline=t.accent, width=1)
    else:
        c.gradient(0, 0, w, h, t.btn_top, t.btn_bottom, r)
        c.rrect(0, 0, w, h, r, outline=t.btn_edge, width=1)
        c.line([(r, 1.5), (w - r, 1.5)], mix(t.btn_top, (255, 255, 255), 0.25), 1)
    cy = h / 2
    col = t.accent if down else t.dim
    if glyph is None:
        if down:
            c.glow(12, cy, 6, t.accent + (160,), 2)
        c.ellipse(12, cy, 4, fill=t.accent_soft if down else mix(t.dim, t.groove, 0.4), outline=col, width=1)
    elif glyph in ("cw", "ccw", "reset"):
        c.arrow_arc(12, cy, 5, glyph != "ccw", t.accent_soft if down else t.ink, 1.6)
    elif glyph == "save":
        g = t.accent_soft if down else t.ink
        c.rrect(6, cy - 6, 18, cy + 6, 1.5, outline=g, width=1.4)
        c.rect(9, cy - 6, 15, cy - 2, fill=g)
        c.rect(8.5, cy + 1, 15.5, cy + 5, outline=g, width=1)
    elif glyph == "load":
        g = t.accent_soft if down else t.ink
        c.poly([(5, cy - 5), (10, cy - 5), (12, cy - 3), (19, cy - 3), (19, cy + 6), (5, cy + 6)], outline=g)
        c.line([(5, cy - 5), (10, cy - 5), (12, cy - 3), (19, cy - 3), (19, cy + 6), (5, cy + 6), (5, cy - 5)], g, 1.4)
    elif glyph == "about":
        g = t.accent_soft if down else t.ink
        c.ellipse(12, cy, 7, outline=g, width=1.4)
        c.text(12, cy + 0.5, "i", 9, g, bold=True, anchor="mm")
    return c.result()


def window_button(t, kind, down):
    c = Canvas(24, 24)
    fill = t.accent if down else t.btn_top
    if t.shape == "round":
        c.ellipse(12, 12, 11, fill=fill, outline=t.btn_edge if not down else t.accent_soft, width=1)
    else:
        c.rrect(1, 1, 23, 23, 5, fill=fill, outline=t.btn_edge if not down else t.accent_soft, width=1)
    ink = (20, 20, 20) if down else t.ink
    if kind == "close":
        c.line([(8, 8), (16, 16)], ink, 2)
        c.line([(16, 8), (8, 16)], ink, 2)
    else:
        c.line([(7, 15), (17, 15)], ink, 2)
    return c.result()


def thumb(t):
    w, h = t.thumb_w, L.THUMB_H
    c = Canvas(w, h)
    if t.shape == "round":
        c.gradient(0, 0, w, h, (222, 226, 232), (126, 132, 142), 3)
        c.rrect(0, 0, w, h, 3, outline=(60, 64, 70), width=1)
        c.line([(4, h / 2), (w - 4, h / 2)], t.accent, 2)
    else:
        c.glow(w / 2, h / 2, h / 2, t.accent + (120,), 1.5)
        c.gradient(1, 1, w - 1, h - 1, t.accent_soft, t.accent, h / 2)
        c.rrect(1, 1, w - 1, h - 1, h / 2, outline=(230, 250, 255), width=1)
        c.line([(w / 2, 3), (w / 2, h - 3)], (10, 40, 70), 1.5)
    return c.result()


def bar(t):
    w, h = L.BAR_W, L.TRAVEL + L.THUMB_H
    c = Canvas(w, h)
    y0, y1 = L.THUMB_H / 2 - 3, h - L.THUMB_H / 2 + 3
    c.rrect(1, y0, w - 1, y1, 3, fill=t.groove, outline=t.panel_edge, width=1)
    c.line([(w / 2, y0 + 3), (w / 2, y1 - 3)], mix(t.groove, t.accent, 0.45), 1)
    return c.result()


def graduation(t, width, marks, ticks, right=True, full=False):
    """Tick marks over the thumb-centre range; marks: {index: text} drawn beside the ticks."""
    h = L.TRAVEL + L.THUMB_H
    c = Canvas(width, h)
    for k in range(ticks + 1):
        y = L.THUMB_H / 2 + k * L.TRAVEL / ticks
        major = k in marks
        if full:
            c.line([(26, y), (width, y)], mix(t.panel, t.ink, 0.22 if major else 0.08), 1)
        else:
            x0 = 0 if right else width - (10 if major else 6)
            x1 = (10 if major else 6) if right else width
            c.line([(x0, y), (x1, y)], mix(t.panel, t.ink, 0.6 if major else 0.35), 1)
        if major:
            if full:
                c.text(22, y, marks[k], 7.5, mix(t.panel, t.ink, 0.75), anchor="rm")
            elif right:
                c.text(13, y, marks[k], 7.5, mix(t.panel, t.ink, 0.75), anchor="lm")
            else:
                c.text(width - 13, y, marks[k], 7.5, mix(t.panel, t.ink, 0.75), anchor="rm")
    return c.result()


def separator(t, w, h):
    c = Canvas(w, h)
    if w >= h:
        c.gradient(0, 0, w, h, t.panel_edge + (0,), t.panel_edge, 0, horizontal=True)
        c.gradient(w / 2, 0, w, h, t.panel_edge, t.panel_edge + (0,), 0, horizontal=True)
    else:
        c.gradient(0, 0, w, h, t.panel_edge + (0,), t.panel_edge)
        c.gradient(0, h / 2, w, h, t.panel_edge, t.panel_edge + (0,))
    return c.result()


def frame(t, w, h, header=True):
    c = Canvas(w, h)
    c.rrect(0, 0, w, h, 6, fill=mix(t.panel, t.groove, 0.35), outline=t.panel_edge, width=1)
    if header:
        c.rrect(0, 0, w, 22, 6, fill=mix(t.panel, t.btn_top, 0.5))
        c.rect(0, 16, w, 22, fill=mix(t.panel, t.btn_top, 0.5))
        c.line([(0, 22), (w, 22)], t.panel_edge, 1)
    return c.result()


def page_background(t, kind):
    c = Canvas(L.PAGE_W, L.PAGE_H)
    c.gradient(0, 0, L.PAGE_W, L.PAGE_H, mix(t.panel, t.btn_top, 0.25), t.panel, 8)
    c.rrect(0, 0, L.PAGE_W, L.PAGE_H, 8, outline=t.panel_edge, width=1)
    if kind == "mic":
        x, y, hh = L.MIC_PROGRESS
        c.rrect(x - 3, y - 3, x + L.MIC_PROGRESS_LENGTH + 3, y + hh + 3, 4, fill=t.groove, outline=t.panel_edge)
        for k in range(0, 11):
            xx = x + k * L.MIC_PROGRESS_LENGTH / 10
            c.line([(xx, y + hh + 5), (xx, y + hh + 8)], t.dim, 1)
    if kind == "eq" and t.shape == "round":
        for x in L.EQ_X:
            c.rrect(x - 24, t.eq_top - 8, x + 24, t.eq_top + L.TRAVEL + L.THUMB_H + 8, 6,
                    fill=mix(t.panel, t.groove, 0.3))
    return c.result()


def effect_picture(t, which):
    w, h = L.EFFECT_PIC[2], L.EFFECT_PIC[3]
    c = Canvas(w, h)
    c.gradient(0, 0, w, h, mix(t.panel, t.btn_top, 0.6), t.groove, 8)
    c.rrect(0, 0, w, h, 8, outline=t.panel_edge, width=1)
    a, ink, soft = t.accent, mix(t.dim, t.ink, 0.5), t.accent_soft
    cx = w / 2
    if which == "Non":
        # a plain speaker with straight sound
        c.rrect(cx - 30, 80, cx + 30, 180, 6, outline=ink, width=2)
        c.ellipse(cx, 112, 12, outline=ink, width=2)
        c.ellipse(cx, 152, 18, outline=a, width=2)
        c.ellipse(cx, 152, 5, fill=a)
    elif which == "Theater":
        c.rect(24, 40, w - 24, 120, fill=mix(t.groove, a, 0.25), outline=ink, width=2)
        c.poly([(cx - 14, 64), (cx + 16, 80), (cx - 14, 96)], fill=soft)
        for row in range(3):
            y = 150 + row * 30
            for k in range(5 - (row == 0)):
                x = 38 + k * 32 + (16 if row == 0 else 0)
                c.rrect(x - 11, y, x + 11, y + 18, 4, fill=mix(t.btn_bottom, a, 0.15 * row), outline=ink)
    elif which == "Bathroom":
        for yy in range(30, h - 30, 24):
            for xx in range(20, w - 20, 24):
                c.rect(xx, yy, xx + 22, yy + 22, outline=mix(t.panel_edge, t.ink, 0.2))
        c.rrect(36, 170, w - 36, 216, 20, fill=mix(t.groove, a, 0.3), outline=soft, width=2)
        for k in range(4):
            c.ellipse(60 + k * 28, 150 - (k % 2) * 14, 5 + k % 2 * 2, outline=soft, width=1)
    elif which == "Livingroom":
        c.rrect(30, 140, w - 30, 200, 10, fill=mix(t.btn_top, a, 0.25), outline=ink, width=2)
        c.rrect(20, 120, 46, 206, 8, fill=mix(t.btn_top, a, 0.35), outline=ink, width=2)
        c.rrect(w - 46, 120, w - 20, 206, 8, fill=mix(t.btn_top, a, 0.35), outline=ink, width=2)
        c.rect(w - 80, 40, w - 30, 100, outline=ink, width=2)
        c.line([(55, 206), (55, 222)], ink, 3)
        c.line([(w - 55, 206), (w - 55, 222)], ink, 3)
        c.ellipse(60, 70, 16, fill=mix(t.groove, soft, 0.6))
    elif which == "StoneGallery":
        for k in range(3):
            x0 = 18 + k * 58
            c.rect(x0, 70, x0 + 52, 230, fill=mix(t.btn_bottom, t.ink, 0.12), outline=ink, width=1)
            c.ellipse(x0 + 26, 118, 18, fill=mix(t.groove, a, 0.2))
            c.rect(x0 + 8, 118, x0 + 44, 230, fill=mix(t.groove, a, 0.2))
        c.line([(10, 230), (w - 10, 230)], ink, 2)
        c.line([(10, 62), (w - 10, 62)], ink, 3)
    return c.result()


def mic_picture(t):
    w, h = L.MIC_PIC[2], L.MIC_PIC[3]
    c = Canvas(w, h)
    cx = w / 2
    c.rrect(cx - 22, 20, cx + 22, 100, 22, fill=mix(t.btn_top, t.ink, 0.2), outline=t.accent, width=2)
    for y in range(34, 96, 8):
        c.line([(cx - 16, y), (cx + 16, y)], mix(t.btn_top, t.groove, 0.5), 1)
    c.arc(cx, 70, 34, 0, 180, t.ink, 3)
    c.line([(cx, 104), (cx, 140)], t.ink, 3)
    c.rrect(cx - 26, 140, cx + 26, 148, 3, fill=t.ink)
    return c.result()


def speaker_icon(t, name):
    c = Canvas(L.ICON, L.ICON)
    r = L.ICON / 2
    if t.shape == "round":
        c.ellipse(r, r, r - 1, fill=mix(t.btn_top, t.accent, 0.25), outline=t.accent, width=1.5)
    else:
        c.rrect(1, 1, L.ICON - 1, L.ICON - 1, 6, fill=t.down_bottom, outline=t.accent_soft, width=1.5)
    c.text(r, r + 0.5, name, 8 if len(name) < 3 else 6.5, t.ink, bold=True, anchor="mm")
    return c.result()


def virtual_picture(t):
    x0, y0, w, h = L.V_PIC
    cx, cy, radius = t.centre
    # the icons' top-left corners sit on the circle, so its visible middle is half an icon further
    vx, vy = cx + L.ICON / 2 - x0, cy + L.ICON / 2 - y0
    ring = (radius // 2) * 1.6
    c = Canvas(w, h)
    c.gradient(0, 0, w, h, mix(t.groove, t.panel, 0.6), t.groove, 8)
    c.rrect(0, 0, w, h, 8, outline=t.panel_edge, width=1)
    if t.shape == "round":
        for k in range(1, 5):
            c.ellipse(vx, vy, radius * k / 4, outline=mix(t.groove, t.dim, 0.5), width=1)
        c.line([(vx - radius, vy), (vx + radius, vy)], mix(t.groove, t.dim, 0.4), 1)
        c.line([(vx, vy - radius), (vx, vy + radius)], mix(t.groove, t.dim, 0.4), 1)
    else:
        for k in range(0, 360, 30):
            a = math.radians(k)
            c.line([(vx, vy), (vx + math.cos(a) * radius, vy + math.sin(a) * radius)], mix(t.groove, t.dim, 0.35), 1)
        c.ellipse(vx, vy, radius, outline=mix(t.groove, t.dim, 0.6), width=1)
    c.ellipse(vx, vy, ring, outline=t.accent, width=1.5)
    # the listener, seen from above
    c.ellipse(vx, vy, 15, fill=mix(t.btn_top, t.ink, 0.3), outline=t.ink, width=1.5)
    c.ellipse(vx - 15, vy, 4, fill=t.ink)
    c.ellipse(vx + 15, vy, 4, fill=t.ink)
    c.poly([(vx - 5, vy - 14), (vx + 5, vy - 14), (vx, vy - 21)], fill=t.ink)
    return c.result()


def connection_picture(t, greek, state):
    w, h = L.D3_ALPHA[2], L.D3_ALPHA[3]
    c = Canvas(w, h)
    c.rrect(0, 0, w, h, 6, fill=mix(t.groove, t.panel, 0.5), outline=t.panel_edge, width=1)
    c.text(w / 2, 10, greek, 10, t.ink, bold=True, anchor="mm")
    col = t.accent if state else t.dim

    def arrow(x, up):
        y0, y1 = (34, 20) if up else (20, 34)
        c.line([(x, y0), (x, y1)], col, 2)
        d = -1 if up else 1
        c.poly([(x - 4, y1 - d * 4), (x + 4, y1 - d * 4), (x, y1 + d * 2)], fill=col)

    arrow(12, True)
    arrow(w - 12, state != 2)
    if state == 0:
        c.line([(18, 27), (23, 27)], col, 1.5)
        c.line([(w - 23, 27), (w - 18, 27)], col, 1.5)
    else:
        c.line([(18, 27), (w - 18, 27)], col, 2)
    return c.result()


def led(t, on):
    c = Canvas(72, 28)
    c.rrect(0, 0, 72, 28, 14 if t.shape != "round" else 6, fill=t.down_bottom if on else t.btn_bottom,
            outline=t.accent if on else t.btn_edge, width=1)
    if on:
        c.glow(16, 14, 8, t.accent + (180,), 3)
    c.ellipse(16, 14, 6, fill=t.accent_soft if on else mix(t.dim, t.groove, 0.5), outline=t.accent if on else t.dim)
    c.text(46, 14.5, "LED", 10, t.ink if on else t.dim, bold=True, anchor="mm")
    return c.result()


def logo(t, w=200, h=46):
    c = Canvas(w, h)
    for k in range(5):
        hh = [10, 22, 32, 18, 8][k]
        c.rrect(4 + k * 7, h / 2 - hh / 2, 8 + k * 7, h / 2 + hh / 2, 2, fill=t.accent)
    c.text(44, h / 2 - 4, "TONVEL", 20, t.ink, bold=True, anchor="lm")
    c.text(46, h / 2 + 14, "7.1 SURROUND AUDIO", 6.5, t.accent_soft, anchor="lm")
    return c.result()


def about_logo(t):
    c = Canvas(57, 49)
    c.rrect(0, 0, 57, 49, 8, fill=t.btn_bottom, outline=t.accent, width=1.5)
    for k in range(5):
        hh = [8, 18, 28, 14, 6][k]
        c.rrect(11 + k * 7, 24.5 - hh / 2, 15 + k * 7, 24.5 + hh / 2, 2, fill=t.accent)
    return c.result()


def active_panel(t):
    c = Canvas(336, 64)
    c.rrect(0, 0, 336, 64, 8, fill=mix(t.panel, t.groove, 0.3), outline=t.panel_edge, width=1)
    headset(c, 36, 30, 44, t, lit=True)
    c.line([(68, 12), (68, 52)], t.panel_edge, 1)
    return c.result()


def main_background(t):
    w, h = t.size
    c = Canvas(w, h, (0, 0, 0, 255))
    c.gradient(0, 0, w, h, t.bg_top, t.bg_bottom)
    # left hero light
    c.glow(190, 300, 150, mix(t.bg_top, t.accent, 0.18) + (150,), 40)
    nx, ny, nw, nh = L.NOTEBOOK
    # page frame and tab strip
    c.rrect(nx - 6, ny - 32, nx + nw + 6, ny + nh + 6, 10, fill=mix(t.bg_bottom, t.groove, 0.5),
            outline=t.panel_edge, width=1)
    c.line([(nx + 4, ny - 4), (nx + nw - 4, ny - 4)], t.accent, 1.5)
    if t.shape == "round":
        headset(c, 190, 300, 150, t)
        c.line([(24, 88), (360, 88)], t.panel_edge, 1)
        c.line([(24, 436), (w - 24, 436)], t.panel_edge, 1)
    else:
        headset(c, 280, 350, 110, t)
        c.line([(36, 80), (356, 80)], t.accent, 1)
        c.line([(36, 162), (356, 162)], t.panel_edge, 1)
        c.line([(36, 432), (w - 36, 432)], t.panel_edge, 1)
    img = c.result()
    mask = outline_mask(t)
    out = Image.new("RGBA", (w, h), (0, 0, 0, 255))
    out.paste(img, mask=mask)
    # a light rim along the outline
    edge = mask.filter(__import__("PIL.ImageFilter", fromlist=["ImageFilter"]).FIND_EDGES)
    rim = Image.new("RGBA", (w, h), t.panel_edge + (255,))
    out.paste(rim, mask=edge)
    return out, mask


# ---------------------------------------------------------------------------------------------------------
# The skin folder


def make_skin(t, root):
    folder = os.path.join(root, t.name)
    os.makedirs(os.path.join(folder, "3D"), exist_ok=True)
    sections = {s: [] for s in ["Main", "EQ", "3D", "Effect", "Mic", "Virtual7ch1", "About", "MainLable"]}

    def put(section, key, img, fname, left=None, top=None, width=None, height=None, opaque=False):
        if img is not None:
            save(img, os.path.join(folder, fname), opaque)
        items = [fname] + ["" if v is None else str(v) for v in (left, top, width, height)]
        while items and items[-1] == "":
            items.pop()
        sections[section].append(f"{key}={','.join(items)}")

    def pair(section, up_key, down_key, w, h, left, top, glyph=None, file_stem=None):
        stem = file_stem or up_key.replace("ImageUp", "").replace("UpImage", "")
        put(section, up_key, button(t, w, h, False, glyph), stem + "_Up.png", left, top)
        put(section, down_key, button(t, w, h, True, glyph), stem + "_Down.png", left, top)

    # --- Main ---
    bg, mask = main_background(t)
    put("Main", "MainFormImage", bg, "MainForm.png", 0, 0, opaque=True)
    with open(os.path.join(folder, "MainForm_Frame.rgn"), "wb") as f:
        f.write(region_bytes(mask))
    for kind, pos in (("Close", t.close), ("Minimize", t.minimize)):
        put("Main", f"{kind}ImageUp", window_button(t, kind.lower(), False), f"{kind}_Up.png", *pos)
        put("Main", f"{kind}ImageDown", window_button(t, kind.lower(), True), f"{kind}_Down.png", *pos)
    put("Main", "DeviceActiveImage", active_panel(t), "DeviceActive.png", *t.active)
    for i, glyph in enumerate(["save", "load", "about"]):
        x, y = t.menus[i]
        pair("Main", f"Menu{i + 1}ImageUp", f"Menu{i + 1}ImageDown", t.menu_w, 28, x, y, glyph)
    put("Main", "LogoImage", logo(t), "Logo.png", *t.logo)
    put("Main", "LedImageUp", led(t, False), "Led_Off.png", *t.led)
    put("Main", "LedImageDown", led(t, True), "Led_On.png", *t.led)
    sections["Main"].append("BackNotebook=" + ",".join(map(str, L.NOTEBOOK)))

    # --- EQ ---
    put("EQ", "Back_EQImage", page_background(t, "eq"), "Back_EQ.png", 0, 0, opaque=True)
    for name, key in (("EQEQEN", "EQEQEN"), ("EQ3DEN", "EQ3DEN"), ("EQReset", "EQReset")):
        x, y, w = L.EQ_TOP_BUTTONS[name]
        pair("EQ", f"{key}ImageUp", f"{key}ImageDown", w, L.BTN_H, x, y, "reset" if name == "EQReset" else None)
    for i, (x, y, w) in enumerate(L.EQ_PRESETS):
        pair("EQ", f"EQS{i + 1}ImageUp", f"EQS{i + 1}ImageDown", w, L.BTN_H, x, y)
    lines = [(12, 76, 341, 2), (110, 12, 2, 20), (214, 12, 2, 20), (12, 38, 341, 1), (12, 228, 341, 1)]
    for i, (x, y, w, h) in enumerate(lines):
        put("EQ", f"EQButtonLineImage{i + 1}", separator(t, w, h), f"EQLine{i + 1}.bmp" if i == 0 else
            f"EQLine{i + 1}.png", x, y)
    marks = {0: "+12", 4: "0", 8: "-12"}
    if t.shape == "round":
        put("EQ", "EQGraduationImage", graduation(t, 40, marks, 8, right=False), "EQGraduation.png", 18,
            t.eq_top)
    else:
        put("EQ", "EQGraduationImage", graduation(t, 345, marks, 8, full=True), "EQGraduation.png", 10, t.eq_top)
    barimg, th = bar(t), thumb(t)
    save(barimg, os.path.join(folder, "EQBar.png"))
    save(th, os.path.join(folder, "EQSlider.png"))
    for i, band in enumerate(L.EQ_BANDS):
        put("EQ", f"EQ{band}BarImage", None, "EQBar.png", L.EQ_X[i] - L.BAR_W // 2, t.eq_top)
    for i, band in enumerate(L.EQ_BANDS):
        put("EQ", f"EQ{band}SliderImage", None, "EQSlider.png", L.eq_slider_left(i, t.thumb_w),
            t.eq_top + L.TRAVEL // 2)
    sections["EQ"].append(f"EQPanel={L.PAGE_W},{L.PAGE_H}")
    sections["EQ"].append(f"EQSlider={t.eq_top},{L.TRAVEL}")

    # --- 3D ---
    put("3D", "Back_3DImage", page_background(t, "3d"), "Back_3D.png", 0, 0, opaque=True)
    for name in ("D33DEN", "D3FBM", "D3Reset"):
        x, y, w = L.D3_TOP_BUTTONS[name]
        pair("3D", f"{name}ImageUp", f"{name}ImageDown", w, L.BTN_H, x, y, "reset" if name == "D3Reset" else None)
    put("3D", "D3LChannelImage", frame(t, *L.D3_GROUP_L[2:]), "D3LChannel.png", *L.D3_GROUP_L[:2])
    put("3D", "D3RChannelImage", frame(t, *L.D3_GROUP_R[2:]), "D3RChannel.png", *L.D3_GROUP_R[:2])
    put("3D", "D3ConnectionImage", frame(t, *L.D3_GROUP_C[2:]), "D3Connection.png", *L.D3_GROUP_C[:2])
    for greek, key, pos in (("\u03b1", "Alpha", L.D3_ALPHA), ("\u03b2", "Beta", L.D3_BETA)):
        for state, variant in enumerate(["Indep", "Dep", "Inv"]):
            img = connection_picture(t, greek, state)
            fname = f"D3{key}{variant}.png"
            save(img, os.path.join(folder, "3D", fname))
            put("3D", f"D3{key}{variant}Image", img, fname, pos[0], pos[1])
    put("3D", "D3ButtonLineImage1", separator(t, 341, 1), "D3Line1.png", 12, 38)
    put("3D", "D3ButtonLineImage2", separator(t, 341, 1), "D3Line2.png", 12, 272)
    grad = graduation(t, 14, {0: "", 15: ""}, 15, right=False)
    save(grad, os.path.join(folder, "D3Graduation.png"))
    for side in ("L", "R"):
        for kind in ("Alpha", "Beta"):
            put("3D", f"D3{side}{kind}GraduationImage", None, "D3Graduation.png",
                L.D3_X[side + kind] - L.BAR_W // 2 - 16, L.D3_TOP)
    for side in ("L", "R"):
        for kind in ("Alpha", "Beta"):
            put("3D", f"D3{side}{kind}BarImage", None, "EQBar.png", L.D3_X[side + kind] - L.BAR_W // 2, L.D3_TOP)
    for side in ("L", "R"):
        for kind in ("Alpha", "Beta"):
            put("3D", f"D3{side}{kind}SliderImage", None, "EQSlider.png",
                L.D3_X[side + kind] - t.thumb_w // 2, L.D3_TOP + L.TRAVEL // 2)

    # --- Effect ---
    put("Effect", "Back_EffectImage", page_background(t, "effect"), "Back_Effect.png", 0, 0, opaque=True)
    x, y0, w, h, pitch = L.EFFECT_BTN
    up, down = button(t, w, h, False), button(t, w, h, True)
    save(up, os.path.join(folder, "EffectButton_Up.png"))
    save(down, os.path.join(folder, "EffectButton_Down.png"))
    for name in ["Non", "Theater", "Bathroom", "Livingroom", "StoneGallery"]:
        # entries follow the effect number, as the effect buttons are driven by their tags
        row = L.EFFECT_LABEL_ROWS.index(name)
        put("Effect", f"EffectButton{name}ImageUp", None, "EffectButton_Up.png", x, y0 + row * pitch)
        put("Effect", f"EffectButton{name}ImageDown", None, "EffectButton_Down.png", x, y0 + row * pitch)
    for i in range(4):
        put("Effect", f"EffectButtonLineImage{i + 1}", separator(t, w, 1), f"EffectLine{i + 1}.png", x,
            y0 + i * pitch + h + (pitch - h) // 2)
    for name in ["Non", "Theater", "Bathroom", "Livingroom", "StoneGallery"]:
        put("Effect", f"EffectPic{name}Image", effect_picture(t, name), f"EffectPic{name}.png", *L.EFFECT_PIC[:2])
    sections["Effect"].append(f"EffectPanel={L.PAGE_W},{L.PAGE_H}")

    # --- Mic ---
    put("Mic", "Back_MicImage", page_background(t, "mic"), "Back_Mic.png", 0, 0, opaque=True)
    for name, (bx, by, bw) in L.MIC_BUTTONS.items():
        pair("Mic", f"{name}ImageUp", f"{name}ImageDown", bw, L.BTN_H, bx, by)
    put("Mic", "MicButtonLineImage", separator(t, 341, 1), "MicLine.png", 12, 40)
    put("Mic", "MicPicImage", mic_picture(t), "MicPic.png", *L.MIC_PIC[:2])
    px, py, ph = L.MIC_PROGRESS
    c = __import__("draw").Canvas(L.MIC_PROGRESS_LENGTH, ph)
    c.gradient(0, 0, L.MIC_PROGRESS_LENGTH, ph, (60, 200, 90), (250, 70, 50), 3, horizontal=True)
    put("Mic", "MicProgressImage", c.result(), "MicProgress.png", px, py, None, ph)
    put("Mic", "MicGainImage", frame(t, *L.MIC_GAIN[2:]), "MicGain.png", *L.MIC_GAIN[:2])
    put("Mic", "MicGraduationImage", graduation(t, 40, {0: "100", 4: "50", 8: "0"}, 8), "MicGraduation.png",
        L.MIC_X + 12, t.mic_top)
    put("Mic", "MicBarImage", None, "EQBar.png", L.MIC_X - L.BAR_W // 2, t.mic_top)
    put("Mic", "MicSliderImage", None, "EQSlider.png", L.MIC_X - t.thumb_w // 2, t.mic_top + L.TRAVEL // 2)
    vb = __import__("draw").Canvas(*L.MIC_VALUE[2:])
    vb.rrect(0, 0, L.MIC_VALUE[2], L.MIC_VALUE[3], 4, fill=t.groove, outline=t.accent, width=1)
    put("Mic", "MicValueImage", vb.result(), "MicValue.bmp", *L.MIC_VALUE[:2])
    sections["Mic"].append(f"MicPanel={L.PAGE_W},{L.PAGE_H}")
    sections["Mic"].append(f"MicSlider={t.mic_top},{L.TRAVEL}")
    sections["Mic"].append(f"MicProgressLength={L.MIC_PROGRESS_LENGTH}")

    # --- Virtual 7.1 ---
    put("Virtual7ch1", "Back_Virtual7p1Image", page_background(t, "virtual"), "Back_Virtual7p1.png", 0, 0,
        opaque=True)
    vb_left = L.V_BTN_LEFT
    glyphs = {"VirtualEnable": None, "VirtualClockwise": "cw", "VirtualCounterclockwise": "ccw",
              "VirtualReset": "reset"}
    for name, top in L.V_BUTTONS.items():
        if name == "VirtualEnable":
            keys = ("VirtualEnableImageUp", "VirtualEnableImageDown")
        else:
            keys = (f"{name}UpImage", f"{name}DownImage")
        pair("Virtual7ch1", keys[0], keys[1], L.V_BTN_W, L.V_BTN_H, vb_left, top, glyphs[name], file_stem=name)
    put("Virtual7ch1", "VirtualPicImage", virtual_picture(t), "VirtualPic.png", *L.V_PIC[:2])
    cx, cy, radius = t.centre
    r = (radius // 2) * 1.6
    reset = {"C": (cx, cy - r), "LS": (cx - r, cy), "RS": (cx + r, cy), "SUB": (cx, cy - radius // 2)}
    for name, ang in (("L", 2.3561925), ("LB", 3.9269875), ("RB", 5.4977825), ("R", 0.7853975)):
        reset[name] = (cx + math.cos(ang) * r, cy - math.sin(ang) * r)
    for name in ["C", "L", "LS", "LB", "RB", "RS", "R", "SUB"]:
        x, y = reset[name]
        put("Virtual7ch1", f"Virtual{name}Image", speaker_icon(t, name), f"Speaker{name}.png", int(x), int(y))
    sections["Virtual7ch1"].append(f"VirtualPanel={L.PAGE_W},{L.PAGE_H}")
    sections["Virtual7ch1"].append(f"VirtualCenter={cx},{cy},{radius}")

    # --- About ---
    put("About", "LogoImage", about_logo(t), "AboutLogo.png")

    # --- label overrides: the window's own labels follow the window items of this skin ---
    ml = sections["MainLable"]
    ax, ay = t.active
    ml.append(f"LabelActive=,,,,10,{ax + 84},{ay + 22}")
    ml.append(f"LabelUnactive=,,,,10,{ax + 84},{ay + 22}")
    for i, (mx, my) in enumerate(t.menus):
        ml.append(f"LabelMenu{i + 1}=,,,,,{mx + 26},{my + 7}")
    sx, sy = t.setting
    ml.append(f"LabelSetting=,,,,,{sx},{sy}")
    colour = "$0040D8FF" if t.shape == "round" else "$00FFE080"
    ml.append(f"LabelSX=,{colour},{colour},,,{sx + 104},{sy}")

    out = ["; Skin " + t.name + ": pictures, positions and metrics. Values: file,left,top,width,height.", ""]
    for s, lines in sections.items():
        out.append(f"[{s}]")
        out += lines
        out.append("")
    with open(os.path.join(folder, "SkinSetting.ini"), "w", newline="\r\n") as f:
        f.write("\n".join(out))

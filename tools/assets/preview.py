#!/usr/bin/python3
"""Composes a rough picture of the panel from a skin and a language folder, one image per page, so that the
skin's layout can be checked without Windows:

    tools/assets/preview.py SKIN LANGUAGE OUTPUT-PREFIX

Labels are drawn with DejaVu Sans in place of the language's font; states are the start-up ones except
that every second toggle is shown pressed.
"""

import configparser
import sys

from PIL import Image, ImageDraw, ImageFont


def ini(path):
    raw = open(path, "rb").read()
    text = raw.decode("utf-16") if raw[:2] in (b"\xff\xfe", b"\xfe\xff") else raw.decode("cp1252")
    cp = configparser.RawConfigParser(strict=False, comment_prefixes=(";",), interpolation=None)
    cp.optionxform = str
    cp.read_string(text)
    return cp


def split(v):
    items, cur, q = [], "", False
    for ch in v:
        if ch == '"':
            q = not q
        elif ch == "," and not q:
            items.append(cur)
            cur = ""
        else:
            cur += ch
    items.append(cur)
    return items


def num(s):
    s = s.strip()
    return int(s[1:], 16) if s.startswith("$") else int(s, 0)


def main():
    skin, lang, prefix = sys.argv[1:4]
    s = ini(skin + "/SkinSetting.ini")
    lg = ini(lang + "/Language.ini")
    gf = lg["GlobalFont"]
    up = num(gf["ColorUp"])

    def colour(c):
        return (c & 255, (c >> 8) & 255, (c >> 16) & 255)

    def place(img, sec, key, pos=None):
        v = split(s[sec].get(key, ""))
        if not v[0]:
            return
        pic = Image.open(skin + "/" + v[0]).convert("RGBA")
        x = int(v[1]) if len(v) > 1 and v[1] else (pos[0] if pos else 0)
        y = int(v[2]) if len(v) > 2 and v[2] else (pos[1] if pos else 0)
        img.alpha_composite(pic, (x, y))

    def label(img, sec, key, override=None):
        v = split(lg[sec].get(key, "")) + [""] * 9
        if override:
            o = split(s["MainLable"].get(key, "")) + [""] * 9
            v = [v[0]] + [o[i] or v[i] for i in range(1, 9)]
        if not v[0] or v[5] == "":
            return
        size = int(v[4]) if v[4] else int(gf["FontSize"])
        f = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", round(size * 96 / 72 * 0.92))
        c = colour(num(v[1])) if v[1] else colour(up)
        ImageDraw.Draw(img).text((int(v[5]), int(v[6])), v[0], font=f, fill=c)

    pages = [("EQ", "EQ", "Back_EQImage"), ("3D", "3D", "Back_3DImage"), ("Effect", "Effect", "Back_EffectImage"),
             ("Mic", "Mic", "Back_MicImage"), ("Virtual7ch1", "Virtual7ch1", "Back_Virtual7p1Image")]
    nb = [int(x) for x in split(s["Main"]["BackNotebook"])]
    for sec, lsec, back in pages:
        bg = Image.open(skin + "/" + split(s["Main"]["MainFormImage"])[0]).convert("RGBA")
        for key in s["Main"]:
            if key.endswith("Down") or key in ("MainFormImage", "BackNotebook"):
                continue
            place(bg, "Main", key)
        for key in ("LabelMenu1", "LabelMenu2", "LabelMenu3", "LabelUnactive", "LabelSetting"):
            label(bg, "Main", key, override=True)
        label(bg, "Main", "LabelSX", override=True)
        label(bg, "Main", "LabelCompanyName")
        label(bg, "Main", "LabelFeatures")
        x = int(split(lg["Main"]["LabelPageEQ"])[5])
        for key in ("LabelPageEQ", "LabelPageEffect", "LabelPageMic", "LabelPageVirtual7ch1"):
            v = split(lg["Main"][key])
            f = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf", 12)
            ImageDraw.Draw(bg).text((x, int(v[6])), v[0], font=f, fill=colour(up))
            x += int(ImageDraw.Draw(bg).textlength(v[0], font=f)) + 13
        page = Image.new("RGBA", (nb[2], nb[3]))
        place(page, sec, back)
        keys = list(s[sec].keys())
        toggle = 0
        for key in keys:
            if key == back or "Panel" in key or key in ("EQSlider", "MicSlider", "MicProgressLength", "VirtualCenter"):
                continue
            if key.endswith("DownImage") or key.endswith("ImageDown"):
                continue
            if any(w in key for w in ("Dep", "Inv")) or (key.startswith("EffectPic") and "Non" not in key):
                continue
            if key.endswith("ImageUp") or key.endswith("UpImage"):
                toggle += 1
                if toggle % 2 == 0:
                    key = key[:-2] + "Down" if key.endswith("Up") else key.replace("UpImage", "DownImage")
            place(page, sec, key)
        for key in lg[lsec]:
            label(page, lsec, key)
        bg.alpha_composite(page, (nb[0], nb[1]))
        bg.convert("RGB").save(f"{prefix}-{sec}.png")


if __name__ == "__main__":
    main()

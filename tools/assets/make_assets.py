#!/usr/bin/python3
"""Makes the product's data in assets/: AudioConfig.cfg, the skins, the languages, the manual, the program
icon and the setup background. Needs python3-pil (Debian). The generated files are committed, so the
product runs without this script; run it again after changing the layout or the texts:

    tools/assets/make_assets.py [--encipher PATH-TO-tonvel_encipher] [--out assets]

Without --encipher the device-ID tokens already in the existing AudioConfig.cfg are kept.
"""

import sys

sys.dont_write_bytecode = True

import argparse
import os
import re
import shutil
import subprocess

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import layout as L  # noqa: E402
import skins  # noqa: E402
import texts  # noqa: E402
from draw import Canvas, save  # noqa: E402

USB_IDS = [
    "USB\\VID_7F1C&PID_72XX&REV_0100&MI_03",
    "USB\\VID_7F1C&PID_7213&REV_0100&MI_03",
    "USB\\VID_7F1C&PID_721B&REV_0100&MI_03",
    # The audio interfaces: the panel's start-up search lists these.
    "USB\\VID_7F1C&PID_72XX&REV_0100&MI_00",
    "USB\\VID_7F1C&PID_7213&REV_0100&MI_00",
    "USB\\VID_7F1C&PID_721B&REV_0100&MI_00",
]
HID_IDS = [
    "HID\\VID_7F1C&PID_72XX&REV_0100&MI_03",
    "HID\\VID_7F1C&PID_7213&REV_0100&MI_03",
    "HID\\VID_7F1C&PID_721B&REV_0100&MI_03",
]
PENDING = "TOKEN-PENDING"


def tokens(encipher, old_cfg):
    ids = USB_IDS + HID_IDS
    if encipher:
        out = subprocess.run([encipher] + ids, check=True, capture_output=True, text=True).stdout.split()
        if len(out) != len(ids):
            raise SystemExit("tonvel_encipher gave %d tokens for %d texts" % (len(out), len(ids)))
        return dict(zip(ids, out))
    known = {}
    if os.path.exists(old_cfg):
        for line in open(old_cfg, encoding="ascii"):
            m = re.match(r"\s*\d+\s*=\s*([^,]+),\s*(\S+)\s*$", line)
            if m:
                known[m.group(1).strip()] = m.group(2)
    return {i: known.get(i, PENDING) for i in ids}


def write_config(path, tok):
    lines = [
        "; Tonvel configuration: folders, titles and names used by the setup and the control panel,",
        "; and the device-ID groups of the supported hardware (pattern, token).",
        "",
        "[Install]",
        "InstallAppTitle=Tonvel 7.1 Audio",
        "InstallIconFileName=Tonvel.ico",
        "InstallFolderName=Tonvel",
        "ShortcutFolderName=Tonvel 7.1 Audio",
        "AppShortcutName=Tonvel Control Panel",
        "APPFileName=Tonvel",
        "UserManualShortcutName=Tonvel User Manual",
        "BackgroundWidth=0",
        "BackgroundHeight=0",
        "InstallBackgroundFileName=SetupBackground.png",
        "",
        "[Uninstall]",
        "UninstallAppTitle=Tonvel Uninstall",
        "UninstallIconFileName=Tonvel.ico",
        "UninstallShortcutName=Uninstall Tonvel",
        "Publisher=Tonvel Audio",
        "UninstallDisplayName=Tonvel 7.1 Audio",
        "UninstallFileName=TonvelUninstall",
        "",
        "[Application]",
        "DeviceActiveIconFileName=Tonvel.ico",
        "DeviceUnactiveIconFileName=Tonvel.ico",
        "TrayIconRestorOn=1",
        "",
        "[DebugLevel]",
        "Application=0",
        "Service=0",
        "",
        "[Language]",
        "LanguageFolderName=Language",
        "DefaultLanguage=English",
        "",
        "[Skin]",
        "SkinFolderName=Skin",
        "DefaultSkin=Graphite",
        "",
        "[MultiLanguageFolderMap]",
    ]
    lines += [f"{folder}={caption}" for folder, caption in texts.MENU_CAPTIONS]
    lines += ["", "[TrayIconHint]", "HintName=Tonvel 7.1 Audio", "", "[LastINI]", "Path=", "", "[USB_VID_PID]"]
    lines += [f"{n + 1}={i},{tok[i]}" for n, i in enumerate(USB_IDS)]
    lines += ["", "[HID_VID_PID]"]
    lines += [f"{n + 1}={i},{tok[i]}" for n, i in enumerate(HID_IDS)]
    with open(path, "w", encoding="ascii", newline="\r\n") as f:
        f.write("\n".join(lines) + "\n")


def write_icon(path):
    t = skins.GRAPHITE
    c = Canvas(64, 64)
    c.rrect(2, 2, 62, 62, 14, fill=t.btn_bottom, outline=t.accent, width=3)
    for k in range(5):
        hh = [14, 28, 40, 24, 10][k]
        c.rrect(11 + k * 9, 32 - hh / 2, 17 + k * 9, 32 + hh / 2, 3, fill=t.accent)
    img = c.result()
    img.save(path, sizes=[(16, 16), (32, 32), (48, 48)])


def write_setup_background(path):
    t = skins.AZURE
    c = Canvas(800, 600, (0, 0, 0, 255))
    c.gradient(0, 0, 800, 600, t.bg_top, t.bg_bottom)
    c.glow(560, 300, 200, t.accent + (60,), 60)
    skins.headset(c, 600, 300, 260, t, lit=True)
    c.text(60, 90, "TONVEL", 44, t.ink, bold=True)
    c.text(64, 150, "7.1 SURROUND AUDIO", 14, t.accent_soft)
    img = c.result().convert("RGB")
    img.save(path, optimize=True)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--encipher")
    ap.add_argument("--out", default=os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "assets"))
    a = ap.parse_args()
    out = os.path.abspath(a.out)
    os.makedirs(out, exist_ok=True)
    cfg = os.path.join(out, "AudioConfig.cfg")
    write_config(cfg, tokens(a.encipher, cfg))
    for sub in ("Skin", "Language", "Manual"):
        shutil.rmtree(os.path.join(out, sub), ignore_errors=True)
    for t in skins.THEMES:
        skins.make_skin(t, os.path.join(out, "Skin"))
    texts.write_languages(os.path.join(out, "Language"))
    texts.write_manuals(os.path.join(out, "Manual"))
    write_icon(os.path.join(out, "Tonvel.ico"))
    write_setup_background(os.path.join(out, "SetupBackground.png"))
    print("assets written to", out)


if __name__ == "__main__":
    main()

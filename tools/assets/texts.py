"""The languages: Language.ini (control panel sections and "Setup") and the user manual.

English is written as plain ASCII; Deutsch needs umlauts and is written as UTF-16 with a byte-order mark,
which the wide profile-string functions read as Unicode.
"""

import os

import layout as L

MENU_CAPTIONS = [("Deutsch", "Deutsch"), ("English", "English")]

# key -> (section, English, Deutsch)
TEXTS = {
    "LabelMenu1": ("Main", "Save", "Speichern"),
    "LabelMenu2": ("Main", "Load", "Laden"),
    "LabelMenu3": ("Main", "About", "Info"),
    "LabelPageEQ": ("Main", "Equalizer", "Equalizer"),
    "LabelPage3D": ("Main", "", ""),
    "LabelPageEffect": ("Main", "Effects", "Effekte"),
    "LabelPageMic": ("Main", "Microphone", "Mikrofon"),
    "LabelPageVirtual7ch1": ("Main", "Virtual 7.1", "Virtuell 7.1"),
    "LabelActive": ("Main", "Headset connected", "Headset verbunden"),
    "LabelUnactive": ("Main", "No headset connected", "Kein Headset verbunden"),
    "LabelSync": ("Main", "", ""),
    "LabelSetting": ("Main", "Current preset:", "Aktuelles Profil:"),
    "LabelSX": ("Main", "Preset", "Profil"),
    "LabelFeatures": ("Main", "5-band equalizer - 3D sound - room effects - virtual 7.1 speakers",
                      "5-Band-Equalizer - 3D-Klang - Raumeffekte - virtuelle 7.1-Lautsprecher"),
    "LabelCompanyName": ("Main", "Tonvel Audio", "Tonvel Audio"),
    "LabelEQEnable": ("EQ", "EQ enable", "EQ aktiv"),
    "LableEQ3DEnable": ("EQ", "3D enable", "3D aktiv"),
    "LabelEQReset": ("EQ", "Reset", "Zurücksetzen"),
    "LabelEQS1": ("EQ", "Preset 1", "Profil 1"),
    "LabelEQS2": ("EQ", "Preset 2", "Profil 2"),
    "LabelEQS3": ("EQ", "Preset 3", "Profil 3"),
    "LabelEQS4": ("EQ", "Preset 4", "Profil 4"),
    "LabelEQ60Hz": ("EQ", "60 Hz", "60 Hz"),
    "LabelEQ300Hz": ("EQ", "300 Hz", "300 Hz"),
    "LabelEQ1200Hz": ("EQ", "1.2 kHz", '"1,2 kHz"'),
    "LabelEQ3600Hz": ("EQ", "3.6 kHz", '"3,6 kHz"'),
    "LabelEQ12000Hz": ("EQ", "12 kHz", "12 kHz"),
    "Label3DEnable": ("3D", "3D enable", "3D aktiv"),
    "Label3DFBM": ("3D", "FBM", "FBM"),
    "Label3DReset": ("3D", "Reset", "Zurücksetzen"),
    "Label3DLeftChannel": ("3D", "Left channel", "Linker Kanal"),
    "Label3DRightChannel": ("3D", "Right channel", "Rechter Kanal"),
    "Label3DConnection": ("3D", "Link", "Kopplung"),
    "LabelEffectNothing": ("Effect", "No effect", "Kein Effekt"),
    "LabelEffectTheater": ("Effect", "Theater", "Kino"),
    "LabelEffectBathroom": ("Effect", "Bathroom", "Badezimmer"),
    "LabelEffectLivingroom": ("Effect", "Living room", "Wohnzimmer"),
    "LabelEffectStoneGallery": ("Effect", "Stone gallery", "Steinhalle"),
    "LabelMicBoost": ("Mic", "Mic boost", "Mikro-Boost"),
    "LabelMicMute": ("Mic", "Mute", "Stumm"),
    "LabelMicGain": ("Mic", "Gain", "Pegel"),
    "LabelMicValue": ("Mic", "0", "0"),
    "Label7ch1Enable": ("Virtual7ch1", "Enable 7.1", "7.1 aktiv"),
    "LabelVirtualClockwise": ("Virtual7ch1", "Rotate right", "Rechts drehen"),
    "LabelVirtualCounterclockwise": ("Virtual7ch1", "Rotate left", "Links drehen"),
    "Label7ch1Reset": ("Virtual7ch1", "Reset", "Zurücksetzen"),
    "LabelAbout": ("About", "Tonvel 7.1 Surround Control Panel version 1.0 - Copyright (C) 2026 Tonvel Audio.",
                   "Tonvel 7.1 Surround-Steuerung Version 1.0 - Copyright (C) 2026 Tonvel Audio."),
    "LabelWarning": ("Main", "No headset is connected. Please connect your Tonvel headset and try again.",
                     "Es ist kein Headset angeschlossen. Bitte schließen Sie Ihr Tonvel-Headset an."),
}

SETUP = [
    ("LabelBackBtn", "< Back", "< Zurück"),
    ("LabelNextBtn", "Next >", "Weiter >"),
    ("LabelFinishBtn", "Finish", "Fertig"),
    ("LabelCancelBtn", "Cancel", "Abbrechen"),
    ("LabelSelectLang", "Select language:", "Sprache wählen:"),
    ("LabelVersion", "Tonvel 7.1 USB audio", "Tonvel 7.1 USB-Audio"),
    ("LabelAudioExt", "Audio extension for installation", "Audio-Erweiterung zur Installation"),
    ("LabelInstall", "Installing...", "Installation läuft..."),
    ("LabelReboot", "Setup will restart your computer to complete the installation.",
     "Das Setup startet den Computer neu um die Installation abzuschließen."),
    ("LabelRebootRadioBtn", "Yes - restart now", "Ja - jetzt neu starten"),
    ("LabelNoRebootRadioBtn", "No - restart later", "Nein - später neu starten"),
    ("LabelTitle", "Tonvel Setup", "Tonvel Setup"),
    ("LabelWarning1", "An older Tonvel driver is still active. Please restart Windows and run Setup again.",
     "Ein älterer Tonvel-Treiber ist noch aktiv. Bitte starten Sie Windows neu und wiederholen Sie das Setup."),
    ("LabelWarning2", "Installation failed. ", "Die Installation ist fehlgeschlagen. "),
    ("LabelWarning3", "The Tonvel driver did not start. Please restart Windows after Setup.",
     "Der Tonvel-Treiber wurde nicht gestartet. Bitte starten Sie Windows nach dem Setup neu."),
    ("LabelWarning4", "Setup will now install a required Windows update. This can take a few minutes.",
     "Das Setup installiert jetzt ein benötigtes Windows-Update. Das kann einige Minuten dauern."),
]


def button_label(x, y):
    return (x + L.LABEL_DX, y + L.LABEL_DY)


def bounds():
    """Label key -> (font size or None, left, top); None for labels placed by the design."""
    b = {}
    g = __import__("skins").GRAPHITE
    for i, (mx, my) in enumerate(g.menus):
        b[f"LabelMenu{i + 1}"] = (None, mx + 26, my + 7)
    for key in ("LabelPageEQ", "LabelPage3D", "LabelPageEffect", "LabelPageMic", "LabelPageVirtual7ch1"):
        b[key] = (10, L.TABS_LEFT, L.TABS_TOP)
    ax, ay = g.active
    b["LabelActive"] = b["LabelUnactive"] = (10, ax + 84, ay + 22)
    b["LabelSetting"] = (None, g.setting[0], g.setting[1])
    b["LabelSX"] = (None, g.setting[0] + 104, g.setting[1])
    b["LabelCompanyName"] = (9, *L.COMPANY)
    b["LabelFeatures"] = (None, *L.FEATURES)
    tb = L.EQ_TOP_BUTTONS
    b["LabelEQEnable"] = (None, *button_label(*tb["EQEQEN"][:2]))
    b["LableEQ3DEnable"] = (None, *button_label(*tb["EQ3DEN"][:2]))
    b["LabelEQReset"] = (None, *button_label(*tb["EQReset"][:2]))
    for i, (x, y, _) in enumerate(L.EQ_PRESETS):
        b[f"LabelEQS{i + 1}"] = (None, *button_label(x, y))
    for i, band in enumerate(L.EQ_BANDS):
        b[f"LabelEQ{band}"] = (None, L.EQ_X[i] - 17, L.EQ_BAND_LABEL_Y)
    tb = L.D3_TOP_BUTTONS
    b["Label3DEnable"] = (None, *button_label(*tb["D33DEN"][:2]))
    b["Label3DFBM"] = (None, *button_label(*tb["D3FBM"][:2]))
    b["Label3DReset"] = (None, *button_label(*tb["D3Reset"][:2]))
    b["Label3DLeftChannel"] = (None, L.D3_GROUP_L[0] + 8, L.D3_GROUP_L[1] + 4)
    b["Label3DRightChannel"] = (None, L.D3_GROUP_R[0] + 8, L.D3_GROUP_R[1] + 4)
    b["Label3DConnection"] = (None, L.D3_GROUP_C[0] + 5, L.D3_GROUP_C[1] + 4)
    x, y0, w, h, pitch = L.EFFECT_BTN
    names = {"Non": "Nothing", "Theater": "Theater", "Bathroom": "Bathroom", "Livingroom": "Livingroom",
             "StoneGallery": "StoneGallery"}
    for row, name in enumerate(L.EFFECT_LABEL_ROWS):
        b[f"LabelEffect{names[name]}"] = (None, x + L.LABEL_DX, y0 + row * pitch + 8)
    b["LabelMicBoost"] = (None, *button_label(*L.MIC_BUTTONS["MicBoost"][:2]))
    b["LabelMicMute"] = (None, *button_label(*L.MIC_BUTTONS["MicMute"][:2]))
    b["LabelMicGain"] = (None, L.MIC_GAIN[0] + 8, L.MIC_GAIN[1] + 4)
    b["LabelMicValue"] = (10, L.MIC_VALUE[0] + 10, L.MIC_VALUE[1] + 4)
    for key, name in (("Label7ch1Enable", "VirtualEnable"), ("LabelVirtualClockwise", "VirtualClockwise"),
                      ("LabelVirtualCounterclockwise", "VirtualCounterclockwise"), ("Label7ch1Reset", "VirtualReset")):
        b[key] = (None, L.V_BTN_LEFT + L.LABEL_DX, L.V_BUTTONS[name] + 6)
    return b


def label_value(text, placed):
    if not text:
        return ""
    if placed is None:
        return text
    size, left, top = placed
    return f"{text},,,,{'' if size is None else size},{left},{top}"


def write_languages(root):
    b = bounds()
    for lang, index, encoding in (("English", 1, "ascii"), ("Deutsch", 2, "utf-16")):
        folder = os.path.join(root, lang)
        os.makedirs(folder, exist_ok=True)
        out = [f"; Tonvel language file: {lang}. Label values: text,colour up,colour down,font,size,left,top,"
               "width,height", "", "[GlobalFont]", "ColorUp=$00D8D4CF", "ColorDown=$0040D8FF", "Font=Tahoma",
               "FontSize=8", ""]
        sections = {}
        for key, entry in TEXTS.items():
            sections.setdefault(entry[0], []).append(f"{key}={label_value(entry[index], b.get(key))}")
        for sec, lines in sections.items():
            out.append(f"[{sec}]")
            out += lines
            out.append("")
        out.append("[Setup]")
        out += [f"{key}={vals[index - 1]}" for key, *vals in SETUP]
        with open(os.path.join(folder, "Language.ini"), "w", encoding=encoding, newline="\r\n") as f:
            f.write("\n".join(out) + "\n")


MANUAL = {
    "English": ("Tonvel 7.1 Audio - User Manual", [
        "Tonvel lives in the notification area. Double-click its icon to open the control panel.",
        "Equalizer: drag the five band sliders or click a bar. Preset 1 to 4 keep four settings.",
        "Effects: choose a room. Microphone: boost, mute and gain with a live level meter.",
        "Virtual 7.1: drag the speakers around the listener, or let them rotate.",
        "Right-click the tray icon to choose the language and the skin, or to close the program."]),
    "Deutsch": ("Tonvel 7.1 Audio - Benutzerhandbuch", [
        "Tonvel befindet sich im Infobereich. Ein Doppelklick auf das Symbol öffnet die Steuerung.",
        "Equalizer: Ziehen Sie die fünf Regler oder klicken Sie auf eine Leiste. Profil 1 bis 4 speichern "
        "vier Einstellungen.",
        "Effekte: Wählen Sie einen Raum. Mikrofon: Boost, Stummschaltung und Pegel mit Anzeige.",
        "Virtuell 7.1: Ziehen Sie die Lautsprecher um den Hörer oder lassen Sie sie kreisen.",
        "Ein Rechtsklick auf das Symbol wählt Sprache und Oberfläche oder beendet das Programm."]),
}


def write_manuals(root):
    for lang, (title, paras) in MANUAL.items():
        folder = os.path.join(root, lang)
        os.makedirs(folder, exist_ok=True)
        body = "\n".join(f"<p>{p}</p>" for p in paras)
        html = (f"<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>{title}</title></head>\n"
                f"<body style=\"font-family: Tahoma, sans-serif; max-width: 40em\">\n<h1>{title}</h1>\n{body}\n"
                "</body></html>\n")
        with open(os.path.join(folder, "UserManual.html"), "w", encoding="utf-8", newline="\r\n") as f:
            f.write(html)

"""Geometry shared by the pictures, SkinSetting.ini and Language.ini.

Labels are positioned by the language files and sit on top of the skin's pictures, so the page layouts
(in page coordinates) are common to both skins; the skins differ in their look, their window outline,
the arrangement of the window's own items (moved together with their labels through "MainLable") and the
slider, meter and speaker-circle metrics.
"""

PAGE_W, PAGE_H = 365, 292
NOTEBOOK = (392, 104, PAGE_W, PAGE_H)
TRAVEL = 120  # shared thumb travel; the 3D thumbs run over 105..225, so it must be 120
THUMB_H = 14
BAR_W = 8
BTN_H = 24
LABEL_DX, LABEL_DY = 24, 5  # label position inside a button with an indicator at its left

# --- EQ page -------------------------------------------------------------------------------------------
EQ_BANDS = ["60Hz", "300Hz", "1200Hz", "3600Hz", "12000Hz"]
EQ_X = [86, 144, 202, 260, 318]  # centre of each band's bar
EQ_TOP_BUTTONS = {"EQEQEN": (12, 10, 96), "EQ3DEN": (116, 10, 96), "EQReset": (257, 10, 96)}
EQ_PRESETS = [(12 + i * 87, 44, 80) for i in range(4)]
EQ_BAND_LABEL_Y = 238

# --- 3D page -------------------------------------------------------------------------------------------
D3_TOP = 105
D3_X = {"LBeta": 50, "LAlpha": 112, "RAlpha": 253, "RBeta": 315}
D3_TOP_BUTTONS = {"D33DEN": (12, 10, 96), "D3FBM": (116, 10, 96), "D3Reset": (257, 10, 96)}
D3_GROUP_L = (16, 62, 134, 204)
D3_GROUP_R = (215, 62, 134, 204)
D3_GROUP_C = (152, 62, 61, 204)
D3_ALPHA = (156, 112, 53, 40)
D3_BETA = (156, 180, 53, 40)

# --- Effect page ---------------------------------------------------------------------------------------
EFFECT_BTN = (12, 16, 124, 30, 52)  # left, first top, width, height, pitch
# Rows from top to bottom by effect number (1 Nothing .. 5 Stone gallery). The buttons are driven by their
# tags, so each effect's pictures sit in that effect's row, whatever the name of the component there.
EFFECT_LABEL_ROWS = ["Non", "Theater", "Bathroom", "Livingroom", "StoneGallery"]
EFFECT_PIC = (150, 16, 203, 260)

# --- Mic page ------------------------------------------------------------------------------------------
MIC_BUTTONS = {"MicBoost": (12, 10, 96), "MicMute": (116, 10, 96)}
MIC_PIC = (18, 58, 130, 180)
MIC_GAIN = (166, 52, 186, 194)
MIC_X = 214
MIC_VALUE = (280, 150, 56, 24)
MIC_PROGRESS = (22, 260, 12)  # left, top, height
MIC_PROGRESS_LENGTH = 321

# --- Virtual 7.1 page ----------------------------------------------------------------------------------
V_BUTTONS = {"VirtualEnable": 14, "VirtualClockwise": 50, "VirtualCounterclockwise": 86, "VirtualReset": 122}
V_BTN_LEFT, V_BTN_W, V_BTN_H = 8, 104, 26
V_PIC = (118, 8, 240, 276)
ICON = 26
SPEAKERS = ["C", "L", "LS", "LB", "RB", "RS", "R", "SUB"]

# --- Main window labels and what the language files place -------------------------------------------
TABS_LEFT, TABS_TOP = 404, 80
COMPANY = (28, 440)
FEATURES = (28, 458)


def eq_slider_left(i, thumb_w):
    return EQ_X[i] - thumb_w // 2

#!/usr/bin/python3
"""Makes every bitmap and font of the game (except the continent maps).

Run from anywhere with Debian's Python and Pillow:

    /usr/bin/python3 Tools/Assets/art/make_art.py

It writes Data/Bitmaps/*.bmp and Data/Fonts/* (strips, masks and .fmc
metrics) into the repository. The output is deterministic: running it twice
gives the same bytes, so the committed files only change when the art does.
"""

import os
import struct
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import bmp8  # noqa: E402
import pixfont  # noqa: E402
import shapes  # noqa: E402
from look import *  # noqa: E402,F401,F403
import look  # noqa: E402

ROOT = os.path.abspath(os.path.join(HERE, "..", "..", ".."))
BITMAPS = os.path.join(ROOT, "Data", "Bitmaps")
FONTS = os.path.join(ROOT, "Data", "Fonts")

# Everything written, as (folder, name) -> image, for the contact sheet.
WRITTEN = {}


def save(img, name, folder=BITMAPS):
    WRITTEN[(folder, name)] = img
    bmp8.save(img, os.path.join(folder, name))


def save_masked(img, name, background, mask_names=None):
    """Saves an image and its mask (black where the image shows)."""
    save(img, name)
    mask = mask_from(img, background)
    for m in mask_names or [name[:-4] + "_mask.bmp"]:
        save(mask, m)
    return mask


# ---------------------------------------------------------------- fonts

def write_font(name, face, color, background, shadow=None, first=32, last=126, default="?"):
    """Writes a glyph strip, its mask and its .fmc metrics into Data/Fonts.

    A glyph's recorded width includes its spacing column (and the shadow's
    column for shadowed faces), because the game draws with spacing 0.
    """
    records = []
    x = 0
    order = []
    for code in range(first, last + 1):
        ch = chr(code)
        if face.has(ch):
            adv = face.advance(ch)
            records.append((x, adv))
            order.append((ch, x))
            x += adv
        else:
            records.append((0, 255))
    height = face.height + (1 if shadow is not None and face.pad_bottom == 0 else 0)
    img = Image.new("RGB", (x, height), background)
    for ch, gx in order:
        if shadow is not None:
            pixfont.draw_text(img, gx + 1, 1, ch, face, shadow)
        pixfont.draw_text(img, gx, 0, ch, face, color)
    base = name[: name.index(".")] if "." in name else name
    save(img, name, FONTS)
    save(mask_from(img, background), base + "_mask.bmp", FONTS)
    ic = ord(default)
    data = struct.pack("<HHH", first, last - first + 1, ic)
    for off, w in records:
        data += struct.pack("<HBB", off, w, 0)
    with open(os.path.join(FONTS, base + ".fmc"), "wb") as f:
        f.write(data)


def make_fonts():
    text = look.TEXT_FACE
    write_font("font.bmp", text, TEXT, NAVY)
    write_font("font_yellow.bmp", text, AMBER, NAVY)
    write_font("font_pl2.bmp", text, SKY, NAVY)
    write_font("sr_Menu_font.bmp", look.BOLD_FACE, TITLE, NAVY, shadow=INK)
    small = pixfont.small_digit_face()
    write_font("sr_digits_date.bmp", small, DATE_DIGIT, LCD, first=32, last=118, default=" ")
    write_font("sr_digits_ver.bmp", small, SKY, NAVY, first=32, last=118, default=" ")
    write_font("sr_digits_cash.bmp", pixfont.cash_digit_face(), CASH_DIGIT, LCD,
               first=32, last=118, default=" ")


# ---------------------------------------------------------------- buttons

BUTTON_H = 24

TEXT_BUTTONS = [
    # name, width, label
    ("sr_NewGame_button.bmp", 124, "New Game"),
    ("sr_Resume_button.bmp", 124, "Resume"),
    ("sr_Highscores_button.bmp", 124, "Highscores"),
    ("sr_Options_button.bmp", 124, "Options"),
    ("sr_Help_button.bmp", 124, "Help"),
    ("sr_About_button.bmp", 124, "About"),
    ("sr_redefine_button.bmp", 124, "Redefine keys"),
    ("sr_Ok_button.bmp", 61, "OK"),
    ("sr_Cancel_button.bmp", 61, "Cancel"),
    ("sr_Yes_button.bmp", 61, "Yes"),
    ("sr_No_button.bmp", 61, "No"),
    ("sr_Buy_button.bmp", 61, "Buy"),
    ("sr_Demand_button.bmp", 61, "Demand"),
    ("sr_Risk_button.bmp", 61, "Risk"),
    ("sr_Proceed_button.bmp", 61, "Proceed"),
    ("sr_Free_button.bmp", 61, "Free"),
    ("sr_History_button.bmp", 72, "History"),
    ("sr_Current_button.bmp", 72, "Current"),
    ("sr_BuyNew_button.bmp", 80, "Buy new"),
    ("sr_Accept_button.bmp", 80, "Accept"),
    ("sr_Reject_button.bmp", 80, "Reject"),
    ("sr_JumpToNext_button.bmp", 99, "Next event"),
    ("sr_Replace_button.bmp", 99, "Replace"),
    ("sr_ShutDown_button.bmp", 99, "Shut down"),
    ("sr_AssignPlane_button.bmp", 99, "Assign plane"),
]

ARROW_BUTTONS = [
    ("sr_PrevCont_button.bmp", 44, BUTTON_H, "left", 9),
    ("sr_NextCont_button.bmp", 44, BUTTON_H, "right", 9),
    ("sr_ScrollUp_button.bmp", 18, 18, "up", 7),
    ("sr_ScrollDown_button.bmp", 18, 18, "down", 7),
    ("sr_ScrollVerticalUp_button.bmp", 18, 18, "up", 7),
    ("sr_ScrollVerticalDown_button.bmp", 18, 18, "down", 7),
    ("sr_Combo_arrow.bmp", 20, 20, "down", 7),
]

POPUP_BUTTONS = [
    ("sr_Go_button.bmp", "Go"),
    ("sr_Opts_button.bmp", "Options"),
    ("sr_View_button.bmp", "View"),
    ("sr_SortBy_button.bmp", "Sort by"),
]
POPUP_BUTTON_W = 61

POPUP_ITEMS = [
    ("sr_Popup1Retire_button.bmp", "Retire"),
    ("sr_Popup1Statistics_button.bmp", "Statistics"),
    ("sr_Popup1Bank_button.bmp", "Bank"),
    ("sr_Popup1Airports_button.bmp", "Airports"),
    ("sr_Popup1Planes_button.bmp", "Planes"),
    ("sr_Popup2Change_button.bmp", "Change MIR"),
    ("sr_Popup2Repay_button.bmp", "Repay"),
    ("sr_Popup2Obtain_button.bmp", "Obtain"),
    ("sr_Popup3Company_button.bmp", "Company"),
    ("sr_Popup3Account_button.bmp", "Account"),
    ("sr_Popup3Planes_button.bmp", "Planes"),
    ("sr_Popup3Passenger_button.bmp", "Passengers"),
    ("sr_Popup3Map_button.bmp", "Map"),
    ("sr_Popup5Age_button.bmp", "Age"),
    ("sr_Popup5Speed_button.bmp", "Speed"),
    ("sr_Popup5Range_button.bmp", "Range"),
    ("sr_Popup5Profit_button.bmp", "Profit"),
    ("sr_Popup5NoD_button.bmp", "Damages"),
    ("sr_Popup5NoP_button.bmp", "Passengers"),
    ("sr_Popup7Repair_button.bmp", "Repair"),
    ("sr_Popup7Sell_button.bmp", "Sell"),
    ("sr_Popup7ShutDown_button.bmp", "Shut down"),
    ("sr_Popup7Edit_button.bmp", "Edit"),
    ("sr_Popup7SetUp_button.bmp", "Set up"),
    ("sr_Popup8Research_button.bmp", "Research"),
    ("sr_Popup8Advertise_button.bmp", "Advertise"),
    ("sr_Popup8Buy_button.bmp", "Buy office"),
    ("sr_Popup8Sell_button.bmp", "Sell office"),
]
POPUP_ITEM_W, POPUP_ITEM_H = 84, 20


def make_buttons():
    for name, w, text in TEXT_BUTTONS:
        save(text_button(w, BUTTON_H, text), name)
    for name, w, h, direction, size in ARROW_BUTTONS:
        save(arrow_button(w, h, direction, size), name)
    save(exit_button(), "exit_button.bmp")
    for name, text in POPUP_BUTTONS:
        save(popup_button(POPUP_BUTTON_W, BUTTON_H, text), name)
    for name, text in POPUP_ITEMS:
        save(popup_item(POPUP_ITEM_W, POPUP_ITEM_H, text), name)
    save(radio_button(), "sr_Radio_Button.bmp")
    save(scroll_thumb(), "sr_ScrollVertical_bar.bmp")
    save(scroll_track(), "sr_ScrollLine.bmp")


def exit_button():
    def content(img, box, look_):
        x0, y0, x1, y1 = box
        off = 1 if look_ == "pressed" else 0
        cx, cy = (x0 + x1) // 2 - 1 + off, (y0 + y1) // 2 - 1 + off
        d = ImageDraw.Draw(img)
        col = label_color(look_)
        for sh, c in ((1, INK), (0, col)):
            if sh and look_ == "disabled":
                continue
            for k in (0, 1):
                d.line([(cx - 4 + sh + k, cy - 4 + sh), (cx + 3 + sh + k, cy + 3 + sh)], fill=c)
                d.line([(cx - 4 + sh + k, cy + 3 + sh), (cx + 3 + sh + k, cy - 4 + sh)], fill=c)
    return button_strip(22, 20, content)


def popup_button(w, h, text):
    """Two looks: closed (raised, arrow up) and open (sunk, amber arrow down)."""
    def content(img, box, look_):
        x0, y0, x1, y1 = box
        open_ = look_ == "pressed"
        off = 1 if open_ else 0
        col = AMBER_LIGHT if open_ else TEXT
        tw = text_width(text)
        total = tw + 4 + 7
        left = x0 + (w - total) // 2 + off
        label(img, 0, (y0 + y1) / 2 - 0.5 + off, text, col, shadow=INK, left=left)
        ax = left + tw + 4 + 3
        ay = (y0 + y1) // 2 + off
        triangle(img, ax + 1, ay + 1, 4, "down" if open_ else "up", INK)
        triangle(img, ax, ay, 4, "down" if open_ else "up", AMBER if open_ else SKY)
    return button_strip(w, h, content, looks=("normal", "pressed"))


def popup_item(w, h, text):
    """Three looks: normal, highlighted (amber), disabled; items stack into a menu."""
    img = new(w * 3, h)
    d = ImageDraw.Draw(img)
    for i, look_ in enumerate(("normal", "highlighted", "disabled")):
        x0 = i * w
        if look_ == "normal":
            vgradient(img, (x0, 0, x0 + w, h), (20, 70, 122), (14, 52, 98), steps=4)
            col, shadow = TEXT, INK
        elif look_ == "highlighted":
            vgradient(img, (x0, 0, x0 + w, h), (255, 196, 84), (232, 148, 32), steps=4)
            col, shadow = INK, None
        else:
            img.paste((28, 40, 62), (x0, 0, x0 + w, h))
            col, shadow = DIS_TEXT, None
        d.rectangle([x0, 0, x0 + w - 1, h - 1], outline=INK)
        hi = {"normal": (70, 140, 210), "highlighted": (255, 232, 170), "disabled": (52, 66, 90)}[look_]
        lo = {"normal": (8, 34, 66), "highlighted": (170, 96, 10), "disabled": (20, 28, 44)}[look_]
        bevel(img, (x0 + 1, 1, x0 + w - 1, h - 1), hi, lo)
        # A small bullet marks the entry, then the label.
        bx, by = x0 + 6, h // 2
        d.rectangle([bx, by - 1, bx + 2, by + 1], fill=AMBER if look_ == "normal" else
                    (INK if look_ == "highlighted" else DIS_EDGE))
        if 13 + text_width(text) > w - 3:
            raise ValueError("pop-up entry %r is wider than %d pixels" % (text, w))
        label(img, 0, h / 2 - 0.5, text, col, face=look.BOLD_FACE, shadow=shadow, left=x0 + 13)
    return img


def radio_button():
    """Three looks 16x16: unchecked, checked, disabled; drawn on the screen body."""
    s = 16
    img = new(s * 3, s, NAVY)

    def draw(d, k):
        for i in range(3):
            ox = i * s * k
            ring = [(ox + 1 * k, 1 * k), (ox + 15 * k - 1, 15 * k - 1)]
            inner = [(ox + 3 * k, 3 * k), (ox + 13 * k - 1, 13 * k - 1)]
            if i == 2:
                d.ellipse(ring, fill=DIS_EDGE + (255,))
                d.ellipse(inner, fill=DIS_FACE + (255,))
                continue
            d.ellipse(ring, fill=(96, 178, 255, 255))
            d.ellipse([(ox + 2 * k, 2 * k), (ox + 14 * k - 1, 14 * k - 1)], fill=(10, 70, 120, 255))
            d.ellipse(inner, fill=LCD + (255,))
            if i == 1:
                d.ellipse([(ox + 5 * k, 5 * k), (ox + 11 * k - 1, 11 * k - 1)], fill=AMBER + (255,))
                d.ellipse([(ox + 6 * k, 6 * k), (ox + 8 * k - 1, 8 * k - 1)], fill=AMBER_LIGHT + (255,))
    layer = supersampled(s * 3, s, draw)
    return composite(img, layer)


def scroll_thumb():
    """Three looks 12x20: normal, pressed, disabled; grip lines across the middle."""
    w, h = 12, 20

    def content(img, box, look_):
        x0, y0, x1, y1 = box
        d = ImageDraw.Draw(img)
        col = {"normal": (150, 205, 255), "pressed": AMBER, "disabled": DIS_EDGE}[look_]
        dark = {"normal": (6, 48, 88), "pressed": (90, 50, 8), "disabled": (30, 40, 58)}[look_]
        for gy in (y0 + 7, y0 + 10, y0 + 13):
            d.line([(x0 + 3, gy), (x1 - 4, gy)], fill=dark)
            d.line([(x0 + 3, gy - 1), (x1 - 4, gy - 1)], fill=col)
    return button_strip(w, h, content)


def scroll_track():
    """Two looks 18x132: normal and pressed (paging); a groove down the middle."""
    w, h = 18, 132
    img = new(w * 2, h, NAVY)
    for i in range(2):
        x0 = i * w
        box = (x0, 0, x0 + w, h)
        img.paste(LIST_BG if i == 0 else (20, 52, 100), box)
        outline(img, box, INK, corner=NAVY)
        bevel(img, (x0 + 1, 1, x0 + w - 1, h - 1), (6, 16, 36), (64, 120, 184))
        d = ImageDraw.Draw(img)
        d.line([(x0 + 8, 4), (x0 + 8, h - 5)], fill=(6, 16, 36))
        d.line([(x0 + 9, 4), (x0 + 9, h - 5)], fill=(40, 84, 140))
    return img


# ---------------------------------------------------------------- panels

def make_panels():
    save(screen_background(), "sr_Screen_background.bmp")
    for name, kind in (("sr_Screen_top_plain.bmp", "plain"), ("sr_Screen_top.bmp", "bar"),
                       ("sr_Screen_top_rev.bmp", "rev")):
        save(screen_top(kind), name)
    save(list_panel(200, 168), "sr_ListPanel.bmp")
    save(display_panel(198, 40), "sr_Panel.bmp")
    # The statistics pages stand on this panel at (21, 43): the history
    # graph puts its axis at the panel height + 43 = row 208.
    save(display_panel(198, 165), "sr_PanelMedium.bmp")
    save(display_panel(200, 20), "sr_PanelLine.bmp")
    save(display_panel(142, 20), "sr_Amount_panel.bmp")
    save(display_panel(60, 20), "sr_Procent_Panel1.bmp")
    save(display_panel(100, 20), "sr_Procent_Panel2.bmp")
    save(highscores_panel(), "sr_Highscores_panel.bmp")
    save(input_panel(), "sr_InputPanel.bmp")
    save(speed_panel(), "sr_Speed_panel.bmp")
    save(combo_box(120), "sr_Combo_box.bmp")
    save(combo_box(80), "sr_Combo_box_short.bmp")
    win = window_frame()
    save(win, "window.bmp")
    save(window_mask(win.size), "window_mask.bmp")


def body_frame(img):
    """The thin rim around every screen's body."""
    d = ImageDraw.Draw(img)
    w, h = img.size
    d.line([(0, 30), (0, h - 1)], fill=NAVY_DEEP)
    d.line([(w - 1, 30), (w - 1, h - 1)], fill=NAVY_DEEP)


def bottom_console(img, top=230):
    """The strip at the bottom that holds the row of buttons at y 238."""
    w, h = img.size
    d = ImageDraw.Draw(img)
    vgradient(img, (0, top, w, h), (16, 40, 82), (8, 20, 46), steps=5)
    d.line([(0, top), (w - 1, top)], fill=(40, 96, 160))
    d.line([(0, top + 1), (w - 1, top + 1)], fill=INK)


def screen_background():
    img = new(240, 268, NAVY)
    top = screen_top("plain")
    img.paste(top, (0, 0))
    bottom_console(img)
    body_frame(img)
    return img


def top_band(img, x0, x1):
    vgradient(img, (x0, 0, x1, 30), (24, 66, 124), (12, 34, 74), steps=8)
    d = ImageDraw.Draw(img)
    d.line([(x0, 0), (x1 - 1, 0)], fill=(70, 140, 210))
    d.line([(x0, 28), (x1 - 1, 28)], fill=(40, 96, 160))
    d.line([(x0, 29), (x1 - 1, 29)], fill=INK)


def wing_mark(img, x, y, color):
    """A small swept-wing chevron, the game's emblem, in the corner of the title strip."""
    d = ImageDraw.Draw(img)
    for i in range(5):
        d.point((x + i, y + i), fill=color)
        d.point((x + i + 1, y + i), fill=color)
        d.point((x + 10 - i, y + i), fill=color)
        d.point((x + 9 - i, y + i), fill=color)


def screen_top(kind):
    img = new(240, 30, NAVY)
    top_band(img, 0, 240)
    d = ImageDraw.Draw(img)
    if kind in ("bar", "rev"):
        # Divider between the title part and the tap area at x 147.
        d.line([(146, 2), (146, 27)], fill=INK)
        d.line([(147, 2), (147, 27)], fill=(70, 140, 210))
    if kind == "bar":
        instrument_cluster(img)
    if kind == "rev":
        # A back tab over the left part: the whole left side goes back.
        d.rectangle([1, 2, 144, 26], outline=INK)
        vgradient(img, (2, 3, 144, 26), (30, 100, 166), (14, 60, 112), steps=6)
        bevel(img, (2, 3, 144, 26), (96, 178, 255), (6, 48, 88))
        triangle(img, 5, 14, 7, "left", INK)
        triangle(img, 4, 13, 7, "left", AMBER)
    return img


def instrument_cluster(img):
    """The top-bar area (x 147-239): lamps, the date display and the cash display."""
    d = ImageDraw.Draw(img)
    # The recessed display that holds lamps, date and cash.
    d.rectangle([149, 2, 238, 27], fill=LCD, outline=INK)
    bevel(img, (150, 3, 238, 27), (2, 6, 12), LCD_EDGE)
    # Sockets around the four speed lamps, which the game fills at
    # (155..159, 8..12), (162..166, ...), (169..173, ...), (176..180, ...).
    for lx in (155, 162, 169, 176):
        d.rectangle([lx - 1, 7, lx + 5, 13], outline=(36, 52, 70))
    # A hairline under the lamps and the date separates the cash row.
    d.line([(152, 15), (235, 15)], fill=(18, 34, 52))


def list_panel(w, h):
    img = inset_panel(w, h, LIST_BG)
    return img


def display_panel(w, h):
    """A sunken display for figures: a little lighter than the list panels."""
    img = inset_panel(w, h, (16, 42, 86))
    d = ImageDraw.Draw(img)
    # A faint gloss line along the top of the glass.
    if h >= 30:
        d.line([(4, 4), (w - 5, 4)], fill=(22, 54, 104))
    return img


def highscores_panel():
    w, h = 200, 50
    img = new(w, h, NAVY)
    vgradient(img, (0, 0, w, h), (22, 64, 120), (14, 40, 82), steps=6)
    outline(img, (0, 0, w, h), INK, corner=NAVY)
    bevel(img, (1, 1, w - 1, h - 1), (70, 140, 210), (6, 30, 60))
    d = ImageDraw.Draw(img)
    # The place badge behind "%.2d" at (5, 16) in panel coordinates.
    d.ellipse([2, 11, 25, 34], fill=LCD, outline=AMBER_DARK)
    # A rule between the name row and the worth row, and a slot for the year.
    d.line([(30, 20), (w - 8, 20)], fill=(40, 96, 160))
    d.line([(30, 21), (w - 8, 21)], fill=(8, 24, 52))
    d.rectangle([168, 3, 196, 18], fill=(12, 32, 68), outline=(8, 22, 48))
    return img


def input_panel():
    """The frame around a text field at (8, 8) 184x17 inside the panel."""
    w, h = 200, 33
    img = new(w, h, NAVY)
    vgradient(img, (0, 0, w, h), (22, 64, 120), (12, 38, 78), steps=6)
    outline(img, (0, 0, w, h), INK, corner=NAVY)
    bevel(img, (1, 1, w - 1, h - 1), (70, 140, 210), (6, 30, 60))
    d = ImageDraw.Draw(img)
    d.rectangle([6, 6, 6 + 187, 6 + 20], outline=INK)
    bevel(img, (7, 7, 7 + 186, 7 + 19), (6, 16, 36), (96, 178, 255))
    d.rectangle([8, 8, 8 + 183, 8 + 16], fill=WHITE)
    return img


def speed_panel():
    """The speed slider's rail, 200x20; the knob (12x20) sits on it at five stops."""
    w, h = 200, 20
    img = new(w, h, NAVY)
    d = ImageDraw.Draw(img)
    d.rectangle([0, 7, w - 1, 12], fill=LCD, outline=INK)
    bevel(img, (1, 8, w - 1, 12), (2, 6, 12), LCD_EDGE)
    for i in range(5):
        cx = 6 + i * (w - 12) // 4
        col = AMBER if i else SKY
        d.line([(cx, 1), (cx, 4)], fill=col)
        d.line([(cx, 15), (cx, 18)], fill=col)
    # A glow along the rail that warms towards the fast end.
    for x in range(4, w - 4):
        d.point((x, 10), fill=lerp((30, 80, 140), (200, 120, 30), x / float(w)))
    return img


def combo_box(w):
    h = 20
    img = new(w, h, NAVY)
    img.paste((12, 95, 150), (0, 0, w, h))
    d = ImageDraw.Draw(img)
    d.rectangle([0, 0, w - 1, h - 1], outline=INK)
    bevel(img, (1, 1, w - 1, h - 1), (153, 204, 255), (51, 153, 255))
    d.rectangle([2, 2, w - 3, h - 3], fill=(9, 72, 120))
    for p in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        img.putpixel(p, NAVY)
    return img


WINDOW_W, WINDOW_H = 240, 168


def window_frame():
    """The dialog window behind notices: drawn at (0, 50), title band on top."""
    w, h = WINDOW_W, WINDOW_H
    img = new(w, h, NAVY)
    d = ImageDraw.Draw(img)
    x0, x1 = 3, w - 4
    d.rounded_rectangle([x0, 0, x1, h - 1], radius=5, fill=NAVY, outline=INK)
    d.rounded_rectangle([x0 + 1, 1, x1 - 1, h - 2], radius=4, outline=(70, 140, 210))
    d.rounded_rectangle([x0 + 2, 2, x1 - 2, h - 3], radius=3, outline=(16, 48, 96))
    # Title band: the title sits at row 53 of the screen, 3 rows into the window.
    vgradient(img, (x0 + 3, 3, x1 - 2, 21), (30, 100, 166), (14, 56, 106), steps=6)
    d.line([(x0 + 3, 21), (x1 - 3, 21)], fill=INK)
    d.line([(x0 + 3, 22), (x1 - 3, 22)], fill=(40, 96, 160))
    # Rivets at the ends of the title band.
    for rx in (x0 + 6, x1 - 7):
        d.point((rx, 11), fill=AMBER)
        d.point((rx, 12), fill=AMBER_DARK)
    return img


def window_mask(size):
    w, h = size
    m = Image.new("RGB", size, WHITE)
    d = ImageDraw.Draw(m)
    d.rounded_rectangle([3, 0, w - 4, h - 1], radius=5, fill=BLACK)
    return m


# ---------------------------------------------------------------- icons

def icon(size, draw, background=NAVY):
    img = new(size, size, background)
    layer = supersampled(size, size, draw)
    # Keep icon edges crisp for the mask: snap partly covered pixels.
    px = layer.load()
    for y in range(size):
        for x in range(size):
            r, g, b, a = px[x, y]
            px[x, y] = (r, g, b, 255 if a >= 110 else 0)
    return composite(img, layer)


def make_icons():
    def ce_info(d, k):
        d.ellipse([0, 0, 10 * k - 1, 10 * k - 1], fill=(96, 178, 255, 255))
        d.ellipse([1 * k, 1 * k, 9 * k - 1, 9 * k - 1], fill=(12, 95, 150, 255))
        d.rectangle([4 * k, 2 * k, 6 * k - 1, 4 * k - 1], fill=TEXT + (255,))
        d.rectangle([4 * k, 5 * k, 6 * k - 1, 8 * k - 1], fill=TEXT + (255,))

    def ce_city(d, k):
        d.rectangle([0, 4 * k, 3 * k - 1, 10 * k - 1], fill=(150, 196, 240, 255))
        d.rectangle([3 * k, 1 * k, 7 * k - 1, 10 * k - 1], fill=SKY + (255,))
        d.rectangle([7 * k, 3 * k, 10 * k - 1, 10 * k - 1], fill=(120, 170, 220, 255))
        for wy in (3, 5, 7):
            d.rectangle([4 * k, wy * k, 6 * k - 1, wy * k + k - 1], fill=AMBER + (255,))

    def route(d, k):
        d.line([(1.5 * k, 8.5 * k), (8.5 * k, 1.5 * k)], fill=SKY + (255,), width=k)
        d.ellipse([0, 7 * k, 3 * k - 1, 10 * k - 1], fill=AMBER + (255,))
        d.ellipse([7 * k, 0, 10 * k - 1, 3 * k - 1], fill=AMBER + (255,))

    def charity(d, k):
        d.polygon(shapes.heart(5 * k, 5.3 * k, 5 * k), fill=(236, 72, 96, 255))

    def vip(d, k):
        d.polygon(shapes.star(5 * k, 5.3 * k, 5.2 * k, 2.2 * k, points=5), fill=AMBER + (255,))

    def stop(d, k):
        d.polygon(shapes.octagon(5 * k, 5 * k, 5.2 * k), fill=RED + (255,))
        d.rectangle([2 * k, 4 * k, 8 * k - 1, 6 * k - 1], fill=WHITE + (255,))

    for name, fn in (("sr_ce_info.bmp", ce_info), ("sr_ce_city.bmp", ce_city),
                     ("sr_Route_icon.bmp", route), ("sr_Charity_icon.bmp", charity),
                     ("sr_VIP_icon.bmp", vip), ("sr_stop_icon.bmp", stop)):
        save_masked(icon(10, fn), name, NAVY)

    def plane(d, k):
        for p in shapes.place(shapes.JET_TOP, 6 * k, 6 * k, 12 * k, 90):
            d.polygon(p, fill=SKY + (255,))
    save_masked(icon(12, plane), "sr_ce_plane.bmp", NAVY)

    # Route contract badges share one round mask.
    def badge(symbol):
        def draw(d, k):
            d.ellipse([0, 0, 14 * k - 1, 14 * k - 1], fill=INK + (255,))
            d.ellipse([1 * k, 1 * k, 13 * k - 1, 13 * k - 1], fill=(22, 110, 172, 255))
            symbol(d, k)
        return draw

    def suitcase(d, k):
        d.rectangle([5 * k, 3 * k, 9 * k - 1, 5 * k - 1], outline=TEXT + (255,), width=k)
        d.rectangle([3 * k, 5 * k, 11 * k - 1, 11 * k - 1], fill=AMBER + (255,))
        d.line([(3 * k, 8 * k), (11 * k, 8 * k)], fill=AMBER_DARK + (255,), width=k // 2)

    def heart(d, k):
        d.polygon(shapes.heart(7 * k, 7.3 * k, 4.6 * k), fill=(255, 96, 118, 255))

    def vipstar(d, k):
        d.polygon(shapes.star(7 * k, 7.4 * k, 5.2 * k, 2.2 * k, points=5), fill=AMBER + (255,))

    round_mask = None
    for name, sym in (("sr_Travel_Bicon.bmp", suitcase), ("sr_Charity_Bicon.bmp", heart),
                      ("sr_VIP_Bicon.bmp", vipstar)):
        img = icon(14, badge(sym))
        mask = mask_from(img, NAVY)
        round_mask = round_mask or mask
        save(img, name)
        save(round_mask, name[:-4] + "_mask.bmp")

    # Status lamps of the plane list, with one shared round mask.
    def lamp(col, dark):
        def draw(d, k):
            d.ellipse([0, 0, 10 * k - 1, 10 * k - 1], fill=INK + (255,))
            d.ellipse([1 * k, 1 * k, 9 * k - 1, 9 * k - 1], fill=dark + (255,))
            d.ellipse([2 * k, 2 * k, 8 * k - 1, 8 * k - 1], fill=col + (255,))
            d.ellipse([3 * k, 2.5 * k, 5 * k, 4.5 * k], fill=(255, 255, 255, 230))
        return draw

    lamp_mask = None
    for name, col, dark in (("sr_LightGreen_button.bmp", (60, 220, 40), GREEN_DARK),
                            ("sr_LightRed_button.bmp", (240, 70, 50), RED_DARK)):
        img = icon(10, lamp(col, dark))
        lamp_mask = lamp_mask or mask_from(img, NAVY)
        save(img, name)
        save(lamp_mask, name[:-4] + "_mask.bmp")
    save(lamp_mask, "sr_Lights_mask.bmp")


# ---------------------------------------------------------------- screens

def sky(img, top, bottom, y0=0, y1=None, steps=24):
    y1 = y1 or img.size[1]
    vgradient(img, (0, y0, img.size[0], y1), top, bottom, steps=steps)


def draw_jet(img, polys, fill, rim=None):
    def draw(d, k):
        for p in polys:
            d.polygon([(x * k, y * k) for x, y in p], fill=fill + (255,))
    w, h = img.size
    layer = supersampled(w, h, draw)
    if rim is not None:
        # A thin rim light: the silhouette shifted up-left in the rim colour.
        def draw_rim(d, k):
            for p in polys:
                d.polygon([((x - 0.8) * k, (y - 0.8) * k) for x, y in p], fill=rim + (255,))
        composite(img, supersampled(w, h, draw_rim))
    composite(img, layer)


def big_title(img, cx, y, text, scale, color=TITLE, shadow=INK, face=None):
    face = face or look.BOLD_FACE
    w = (face.width(text) - 1) * scale
    x = cx - w // 2
    pixfont.draw_text(img, x + scale, y + scale, text, face, shadow, scale=scale)
    pixfont.draw_text(img, x, y, text, face, color, scale=scale)
    return x, x + w


def centred(img, cy_top, text, color, face=None, shadow=INK):
    face = face or look.TEXT_FACE
    w = face.width(text) - 1
    x = (img.size[0] - w) // 2
    if shadow is not None:
        pixfont.draw_text(img, x + 1, cy_top + 1, text, face, shadow)
    pixfont.draw_text(img, x, cy_top, text, face, color)


def stars(img, seed, count, y1):
    d = ImageDraw.Draw(img)
    x = seed
    for _ in range(count):
        x = (x * 1103515245 + 12345) & 0x7FFFFFFF
        px = x % img.size[0]
        x = (x * 1103515245 + 12345) & 0x7FFFFFFF
        py = x % y1
        x = (x * 1103515245 + 12345) & 0x7FFFFFFF
        b = 110 + x % 120
        d.point((px, py), fill=(b, b, min(255, b + 30)))


def contrails(img, cx, cy, length, angle, trail, top=(200, 220, 255), bottom=None):
    """Two fading vapour trails behind the engines of a top-view jet."""
    import math
    d = ImageDraw.Draw(img)
    a = math.radians(angle)
    ca, sa = math.cos(a), math.sin(a)
    s = length / 100.0
    for side in (-17, 17):
        for i in range(int(trail)):
            x = (-14 - i / s) * s
            y = side * s
            px = cx + x * ca - y * sa
            py = cy - (x * sa + y * ca)
            t = i / float(trail)
            base = img.getpixel((int(px), int(py))) if 0 <= px < img.size[0] and 0 <= py < img.size[1] else None
            if base is None:
                continue
            d.point((int(px), int(py)), fill=lerp(top, base, min(1.0, 0.35 + t)))


def main_menu_screen():
    img = new(240, 268)
    sky(img, (4, 10, 28), (24, 60, 112), 0, 208, steps=20)
    stars(img, 7, 45, 150)
    # Horizon glow and the airfield.
    vgradient(img, (0, 200, 240, 214), (40, 66, 112), (214, 128, 52), steps=6)
    vgradient(img, (0, 214, 240, 268), (12, 16, 28), (4, 8, 16), steps=6)
    d = ImageDraw.Draw(img)
    # Runway edge lights running into the distance on the left.
    for i in range(10):
        t = i / 9.0
        y = int(266 - t * 48)
        xl = int(2 + t * 38)
        xr = int(94 - t * 28)
        for x in (xl, xr):
            d.point((x, y), fill=AMBER_LIGHT)
            if t < 0.45:
                d.point((x + (1 if x == xl else -1), y), fill=AMBER)
    # The control tower, its cab lit.
    tower = [(71, 216), (73, 176), (67, 176), (65, 168), (87, 168), (85, 176), (79, 176), (81, 216)]
    draw_jet(img, [tower], (8, 14, 26))
    d.rectangle([67, 170, 85, 174], fill=(255, 206, 120))
    for x in (71, 76, 81):
        d.line([(x, 170), (x, 174)], fill=(8, 14, 26))
    d.point((76, 164), fill=RED)
    d.line([(76, 165), (76, 167)], fill=(8, 14, 26))
    # A jet climbing away over the field, trailing vapour.
    cx, cy, length, angle = 46, 128, 62, 38
    contrails(img, cx, cy, length, angle, 60)
    jet = shapes.place(shapes.JET_TOP, cx, cy, length, angle)
    draw_jet(img, jet, (206, 222, 244), rim=(60, 90, 140))
    # Title and tag line; the exit button sits at (210, 9).
    big_title(img, 104, 16, "JET WARDEN", 2)
    centred(img, 50, "Airline management 1959-2003", SKY)
    d.line([(28, 66), (211, 66)], fill=(40, 96, 160))
    d.line([(28, 67), (211, 67)], fill=INK)
    # A rail behind the button column at x 103..226, y 96..254.
    d.rounded_rectangle([98, 90, 231, 260], radius=4, fill=(8, 22, 50), outline=(40, 96, 160))
    return img


def splash_screen():
    img = new(240, 268)
    sky(img, (4, 10, 30), (36, 64, 110), 0, 140, steps=20)
    vgradient(img, (0, 140, 240, 214), (36, 64, 110), (240, 146, 60), steps=18)
    vgradient(img, (0, 214, 240, 268), (22, 18, 30), (6, 6, 14), steps=6)
    stars(img, 3, 60, 120)
    d = ImageDraw.Draw(img)
    # Distant city lights on the horizon.
    x = 11
    for i in range(90):
        x = (x * 1103515245 + 12345) & 0x7FFFFFFF
        px = x % 240
        py = 215 + (x >> 8) % 7
        d.point((px, py), fill=(255, 200, 110) if i % 3 else (255, 240, 200))
    # The jet climbing out over the city at dusk, seen from below.
    cx, cy, length, angle = 122, 166, 104, 28
    contrails(img, cx, cy, length, angle, 90, top=(255, 236, 210))
    jet = shapes.place(shapes.JET_TOP, cx, cy, length, angle)
    draw_jet(img, jet, (10, 14, 28), rim=(255, 196, 120))
    big_title(img, 120, 18, "JET", 4)
    big_title(img, 120, 62, "WARDEN", 3)
    centred(img, 98, "Build the airline of the jet age", AMBER_LIGHT)
    centred(img, 236, "Tap to continue", SKY, shadow=None)
    centred(img, 250, "(c) 2002 Northgate Soft", (120, 136, 166), shadow=None)
    return img


def publisher_splash():
    img = new(240, 268, (6, 10, 22))
    sky(img, (6, 10, 22), (14, 30, 60), 0, 268, steps=16)
    d = ImageDraw.Draw(img)
    cx, cy = 120, 92
    # The gate: two pillars and a lintel, and the north star above.
    stone = (40, 96, 160)
    d.rectangle([cx - 34, cy - 20, cx - 24, cy + 40], fill=stone)
    d.rectangle([cx + 24, cy - 20, cx + 34, cy + 40], fill=stone)
    d.rectangle([cx - 40, cy - 28, cx + 40, cy - 20], fill=(70, 140, 210))
    d.rectangle([cx - 34, cy - 20, cx - 33, cy + 40], fill=(96, 178, 255))
    d.rectangle([cx + 24, cy - 20, cx + 25, cy + 40], fill=(96, 178, 255))
    d.line([(cx - 40, cy - 28), (cx + 40, cy - 28)], fill=SKY)

    def north_star(dd, k):
        dd.polygon([(x * k, y * k) for x, y in shapes.star(cx, cy + 8, 18, 4, points=4)],
                   fill=AMBER + (255,))
        dd.polygon([(x * k, y * k) for x, y in shapes.star(cx, cy + 8, 9, 2.5, points=4, rot=45)],
                   fill=AMBER_LIGHT + (255,))
    composite(img, supersampled(240, 268, north_star))
    # The path through the gate.
    for i in range(6):
        d.line([(cx - 22 - i * 4, cy + 41 + i * 3), (cx + 22 + i * 4, cy + 41 + i * 3)],
               fill=lerp((40, 96, 160), (10, 20, 40), i / 6.0))
    big_title(img, 120, 160, "NORTHGATE", 2)
    big_title(img, 120, 188, "S O F T", 1, color=AMBER)
    centred(img, 244, "presents", SKY, shadow=None)
    return img


def about_screen():
    img = new(240, 268)
    sky(img, (6, 14, 36), (14, 36, 76), 0, 268, steps=12)
    d = ImageDraw.Draw(img)
    jet = shapes.place(shapes.JET_TOP, 120, 34, 44, 90)
    draw_jet(img, jet, SKY, rim=INK)
    big_title(img, 120, 60, "JET WARDEN", 2)
    # The credits window: the game outlines (38, 97)-(201, 114) and scrolls
    # the credits in the 161x15 strip at (39, 98).
    d.rectangle([34, 93, 205, 118], fill=INK, outline=(40, 96, 160))
    d.rectangle([38, 97, 201, 114], fill=LCD)
    centred(img, 130, "An airline business game", SKY, shadow=None)
    centred(img, 144, "for the Pocket PC", SKY, shadow=None)
    # The version, "v 0.13.9" in the version digits, goes at (160, 165).
    pixfont.draw_text(img, 155 - look.TEXT_FACE.width("Version"), 163, "Version", look.TEXT_FACE, TEXT)
    d.line([(28, 190), (211, 190)], fill=(40, 96, 160))
    d.line([(28, 191), (211, 191)], fill=INK)
    centred(img, 202, "(c) 2002 Northgate Soft", TEXT)
    centred(img, 216, "All rights reserved.", (120, 140, 170), shadow=None)
    centred(img, 246, "Tap anywhere to return", AMBER_LIGHT)
    return img


def make_screens():
    save(main_menu_screen(), "sr_MainMenu_screen.bmp")
    save(splash_screen(), "sr_Splash_screen.bmp")
    save(publisher_splash(), "pxsplash.bmp")
    save(about_screen(), "sr_About_screen.bmp")


# ---------------------------------------------------------------- README table

USED_BY = {
    "sr_Screen_background.bmp": "shared set 0: body of every game screen",
    "sr_Highscores_panel.bmp": "shared set 1: high score rows at (20, 49 + 57i)",
    "sr_InputPanel.bmp": "shared set 2: company name at (20, 137), text field 184x17 at +(8, 8)",
    "sr_Panel.bmp": "shared set 3: Time&Cash panels at (21, 50) and (21, 107), bank panel at (21, 110)",
    "sr_Radio_Button.bmp": "shared set 4: options, route settings, advertising",
    "sr_PanelMedium.bmp": "shared set 5: statistics pages at (21, 43); the history graph axis is at its height + 43 = 208",
    "sr_Procent_Panel1.bmp": "shared set 6: rate field (Change MIR)",
    "sr_Amount_panel.bmp": "shared set 7: amounts (credit), game-over worth at (49, 192)",
    "sr_Procent_Panel2.bmp": "shared set 8: installment field (Change MIR)",
    "sr_ListPanel.bmp": "shared set 9: lists at (13, 62), help at (13, 50)",
    "sr_PanelLine.bmp": "shared set 10: one-line value panel",
    "sr_Screen_top_plain.bmp": "shared set 17: title strip without top bar (titles at y 7)",
    "sr_Screen_top.bmp": "shared set 18 and 20: title strip; x 147-239 is the top bar (lamps, date at (186, 6), cash to x 235 at y 16)",
    "sr_Screen_top_rev.bmp": "shared set 19: back tab on the left (label at (10, 7)), title on the right (152, 7)",
    "window.bmp": "window frame of framed dialogs, drawn at (0, 50); title row 53",
    "window_mask.bmp": "mask of window.bmp",
    "sr_MainMenu_screen.bmp": "main menu background",
    "pxsplash.bmp": "publisher splash (Northgate Soft)",
    "sr_Splash_screen.bmp": "game splash",
    "sr_About_screen.bmp": "About: credits box (38, 97)-(201, 114), version at (160, 165)",
    "exit_button.bmp": "main menu (210, 9)",
    "sr_NewGame_button.bmp": "main menu (103, 96)",
    "sr_Resume_button.bmp": "main menu (103, 123)",
    "sr_Highscores_button.bmp": "main menu (103, 150)",
    "sr_Options_button.bmp": "main menu (103, 177)",
    "sr_Help_button.bmp": "main menu (103, 204)",
    "sr_About_button.bmp": "main menu (103, 231)",
    "sr_redefine_button.bmp": "options (58, 193)",
    "sr_Ok_button.bmp": "everywhere: (89, 238), (89, 189), (10, 238), (35, 189), (163, 189)",
    "sr_Cancel_button.bmp": "(144, 189), (144, 238), (13, 238), (154/156, 238)",
    "sr_Yes_button.bmp": "(43, 189) or (35, 189)",
    "sr_No_button.bmp": "(136, 189) or (144, 189)",
    "sr_Buy_button.bmp": "plane buying (167, 238), replace plane",
    "sr_Demand_button.bmp": "airport details",
    "sr_Risk_button.bmp": "airport details",
    "sr_Proceed_button.bmp": "notices 66, 68, 69, 75, 77, 78 at (24, 238)",
    "sr_Free_button.bmp": "notices 67, 76 at (24, 189)",
    "sr_History_button.bmp": "company worth (158, 204)",
    "sr_Current_button.bmp": "company worth history",
    "sr_BuyNew_button.bmp": "planes list (151, 238)",
    "sr_Accept_button.bmp": "agency and smuggling offers (24, 238)",
    "sr_Reject_button.bmp": "agency and smuggling offers (136, 238)",
    "sr_JumpToNext_button.bmp": "Time&Cash (72, 238)",
    "sr_Replace_button.bmp": "plane crash (13, 189), route edit",
    "sr_ShutDown_button.bmp": "plane crash (128, 189)",
    "sr_AssignPlane_button.bmp": "charity and VIP offers (17, 189)",
    "sr_PrevCont_button.bmp": "plane buying (132, 204)",
    "sr_NextCont_button.bmp": "plane buying (181, 204)",
    "sr_ScrollUp_button.bmp": "high scores (188, 243), credit amounts",
    "sr_ScrollDown_button.bmp": "high scores (208, 243), credit amounts",
    "sr_ScrollVerticalUp_button.bmp": "scroll bar up arrow (at x 213 beside lists)",
    "sr_ScrollVerticalDown_button.bmp": "scroll bar down arrow",
    "sr_ScrollVertical_bar.bmp": "scroll bar thumb (x + 3); Time&Cash speed knob",
    "sr_ScrollLine.bmp": "scroll bar track (normal, paging)",
    "sr_Combo_arrow.bmp": "combo box arrow, right of the box",
    "sr_Combo_box.bmp": "combo box",
    "sr_Combo_box_short.bmp": "combo box, short",
    "sr_Speed_panel.bmp": "Time&Cash speed slider at (21, 180); stops at x 0, 47, 94, 141, 188",
    "sr_Go_button.bmp": "Go pop-up (11, 238)",
    "sr_Opts_button.bmp": "plane, airport and bank pop-ups ((80, 238) on the bank)",
    "sr_View_button.bmp": "statistics page pop-up",
    "sr_SortBy_button.bmp": "planes statistics sort pop-up",
    "sr_LightGreen_button.bmp": "plane list status lamp",
    "sr_LightRed_button.bmp": "plane list status lamp",
    "sr_Lights_mask.bmp": "mask of both lamps",
    "sr_ce_info.bmp": "list row icon (flag 2) at (x + 1, y + 1)",
    "sr_ce_city.bmp": "list row icon (flag 3) at (x + 1, y + 1)",
    "sr_ce_plane.bmp": "demand info marker at (27, 71 + 26i)",
    "sr_Route_icon.bmp": "list row icon (flag 16) at (x + 12, y + 1)",
    "sr_Charity_icon.bmp": "list row icon (flag 32)",
    "sr_VIP_icon.bmp": "list row icon (flag 64)",
    "sr_stop_icon.bmp": "list row icon (flag 128)",
    "sr_Travel_Bicon.bmp": "route edit contract badge (186, 47)",
    "sr_Charity_Bicon.bmp": "route edit contract badge",
    "sr_VIP_Bicon.bmp": "route edit contract badge",
    "sr_Travel_Bicon_mask.bmp": "mask of all three contract badges",
    "sr_Menu_font.bmp": "shared font 0: titles",
    "font.bmp": "shared fonts 1 (masked) and 2 (unmasked): text",
    "font_yellow.bmp": "shared font 3: questions, warnings",
    "font_pl2.bmp": "shared font 4: secondary text, figures",
    "sr_digits_cash.bmp": "top bar cash (unmasked on the display)",
    "sr_digits_date.bmp": "top bar date (unmasked), history graph axis (masked)",
    "sr_digits_ver.bmp": "About version (masked)",
}
for _name, _text in POPUP_ITEMS:
    USED_BY.setdefault(_name, "pop-up entry \"%s\"" % _text)


def looks_of(name):
    if name in dict(POPUP_BUTTONS):
        return "2 (closed, open)"
    if name.startswith("sr_Popup"):
        return "3 (normal, highlighted, disabled)"
    if name == "sr_Radio_Button.bmp":
        return "3 (unchecked, checked, disabled)"
    if name == "sr_ScrollLine.bmp":
        return "2 (normal, pressed)"
    if name in [n for n, _, _ in TEXT_BUTTONS] or name in [a[0] for a in ARROW_BUTTONS] or \
            name in ("exit_button.bmp", "sr_ScrollVertical_bar.bmp"):
        return "3 (normal, pressed, disabled)"
    return "1"


def write_readme():
    rows = []
    names = {n for (folder, n) in WRITTEN}
    for (folder, name), img in sorted(WRITTEN.items(), key=lambda kv: (kv[0][0] != BITMAPS, kv[0][1].lower())):
        if name.endswith("_mask.bmp") and name not in USED_BY:
            continue
        base = name[:-4]
        mask = base + "_mask.bmp" if base + "_mask.bmp" in names else ""
        if name in ("sr_LightGreen_button.bmp", "sr_LightRed_button.bmp"):
            mask = "sr_Lights_mask.bmp"
        if name in ("sr_Charity_Bicon.bmp", "sr_VIP_Bicon.bmp"):
            mask = "sr_Travel_Bicon_mask.bmp"
        where = "Fonts" if folder == FONTS else "Bitmaps"
        n = int(looks_of(name)[0])
        rows.append("| %s | %s | %dx%d | %s | %s | %s |" % (
            name, where, img.size[0] // n, img.size[1], looks_of(name), mask or "-", USED_BY.get(name, "")))
    text = README_HEAD + "\n".join(rows) + "\n" + README_TAIL
    with open(os.path.join(HERE, "README.md"), "w") as f:
        f.write(text)


README_HEAD = """# Artwork and fonts

Generators for every bitmap and font of the game except the six continent maps.
They are Python 3 scripts for Debian's `/usr/bin/python3` with `python3-pil`
(Pillow); no other fonts or images are used: every glyph is drawn here, one bit
per pixel, in `pixfont.py`.

| file | what it does |
|---|---|
| `make_art.py` | writes `Data/Bitmaps/*.bmp` (not `sr_Map*.bmp`), `Data/Fonts/*` and this README |
| `look.py` | palette, bevels, button faces and labels shared by all images |
| `pixfont.py` | the pixel fonts: text face (12 rows), bold title face, date and cash digits |
| `shapes.py` | vector shapes (jets, badges) drawn supersampled |
| `bmp8.py` | writes and reads the 8-bit bitmap files |
| `contact_sheet.py OUT.png` | every image and font with its name, and mock-ups of screens built from the pieces, for review (not committed) |

    /usr/bin/python3 Tools/Assets/art/make_art.py
    /usr/bin/python3 Tools/Assets/art/contact_sheet.py /tmp/art.png

The output is deterministic, so re-running the generator changes committed
files only when the art changes. `Tests/Data/ArtTests.cpp` checks the results.

## Formats

- Bitmaps: uncompressed (BI_RGB) 8-bit palettized files, bottom-up, with a full
  256-entry palette (the game's reader requires exactly 2^bpp palette entries).
- Masks: the same size as their image, pure black where the image shows and
  pure white where the background stays.
- Strips: looks side by side, equal widths. Every bitmap button of the game is
  a sound button that can be disabled, so all button strips hold three looks
  (normal, pressed, disabled) and are cut in thirds; pop-up menu buttons hold
  two (closed, open) and pop-up entries three (normal, highlighted, disabled).
- Fonts: one strip per font, glyphs side by side in character order, plus
  `NAME.fmc` (first character, count, default character, then per character
  its x offset, its width with the spacing column included, and a zero byte;
  width 255 marks a missing glyph). Text fonts cover printable ASCII (32-126,
  default `?`); digit fonts cover space to `v` with glyphs for space, digits,
  `$ % + , - . / :` and `v` (default space). Every strip has a `_mask`
  partner, including those the game draws only unmasked.
- `font.bmp` (also drawn unmasked as shared font 2), `font_yellow.bmp` and
  `font_pl2.bmp` have the screen body colour as paper; the date and cash
  digits have the top bar display colour as paper, so they can be drawn
  without a mask there.

## Palette (RGB)

| use | colour |
|---|---|
| screen body, window interior, paper of text fonts | 12, 30, 66 |
| list panel interior (suggested list background colour) | 14, 36, 76 |
| raised face / suggested list selection colour | 12, 95, 150 |
| highlight edge | 51, 153, 255 / 96, 178, 255 |
| text / titles | 236, 242, 250 / 255, 238, 206 |
| accent (amber), `font_yellow` | 255, 176, 48 |
| `font_pl2`, light edges | 153, 204, 255 |
| top bar display | 6, 16, 30 |

## Sizes and where the screens put them

Sizes follow the positions the screens use: bottom-row buttons at y 238 are
24 high (end at 262 < 268); dialog buttons at y 189 end at 213, above the
bottom strip at 218; standard buttons are 61 wide so that Yes/No at 43/136 and
OK/Cancel at 35/144 sit symmetrically and OK at (10, 238) clears the jump
button at 72; the top strips are 240x30 and the top bar occupies x 147-239.

| name | folder | size of one look | looks | mask | used by |
|---|---|---|---|---|---|
"""

README_TAIL = """
The continent maps `sr_MapAfrica.bmp` ... `sr_MapSAmerica.bmp` are made with
the world tables (see `Data/README`).
"""


def main():
    os.makedirs(BITMAPS, exist_ok=True)
    os.makedirs(FONTS, exist_ok=True)
    make_fonts()
    make_buttons()
    make_panels()
    make_icons()
    make_screens()
    write_readme()
    print("wrote %d images" % len(WRITTEN))
    return WRITTEN


if __name__ == "__main__":
    main()

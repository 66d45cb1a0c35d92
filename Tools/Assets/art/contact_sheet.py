#!/usr/bin/python3
"""Renders the game's bitmaps and fonts into one PNG for looking at.

    /usr/bin/python3 Tools/Assets/art/contact_sheet.py OUT.png [--scale N]

Reads the committed files back through the bitmap reader (so the sheet shows
what the game will load), lays them out with their names, and adds mock-ups of
a few screens composed from the pieces the way the game draws them.
"""

import argparse
import glob
import os
import struct
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import bmp8  # noqa: E402
import look  # noqa: E402
import pixfont  # noqa: E402

ROOT = os.path.abspath(os.path.join(HERE, "..", "..", ".."))


class StripFont:
    """Draws text the way the game does: glyph rectangles cut from a strip by its .fmc."""

    def __init__(self, folder, name):
        base = name[: name.index(".")]
        self.img = bmp8.load(os.path.join(folder, name))
        self.mask = bmp8.load(os.path.join(folder, base + "_mask.bmp")).convert("L")
        with open(os.path.join(folder, base + ".fmc"), "rb") as f:
            data = f.read()
        self.fc, self.nc, self.ic = struct.unpack_from("<HHH", data, 0)
        self.recs = [struct.unpack_from("<HBB", data, 6 + 4 * i)[:2] for i in range(self.nc)]

    def rec(self, ch):
        c = ord(ch) & 0xFF
        if self.fc <= c < self.fc + self.nc and self.recs[c - self.fc][1] != 255:
            return self.recs[c - self.fc]
        return self.recs[(self.ic & 0xFF) - self.fc]

    def width(self, text):
        return sum(self.rec(c)[1] for c in text)

    def draw(self, dst, x, y, text, masked=True):
        for ch in text:
            off, w = self.rec(ch)
            if w:
                glyph = self.img.crop((off, 0, off + w, self.img.size[1]))
                m = self.mask.crop((off, 0, off + w, self.img.size[1])).point(lambda v: 255 - v)
                dst.paste(glyph, (x, y), m if masked else None)
            x += w
        return x


def mock_screens(bm, fonts):
    """A few screens composed from the pieces, as the game lays them out."""
    def B(n):
        return bm[n]

    def btn(dst, name, x, y, look_=0, looks=3):
        img = B(name)
        w = img.size[0] // looks
        dst.paste(img.crop((look_ * w, 0, (look_ + 1) * w, img.size[1])), (x, y))

    def masked(dst, name, x, y, mask=None):
        img = B(name)
        m = B(mask or name[:-4] + "_mask.bmp").convert("L").point(lambda v: 255 - v)
        dst.paste(img, (x, y), m)

    f0, f1, f3, f4 = fonts["sr_Menu_font.bmp"], fonts["font.bmp"], fonts["font_yellow.bmp"], fonts["font_pl2.bmp"]
    cash, date = fonts["sr_digits_cash.bmp"], fonts["sr_digits_date.bmp"]

    def centre(dst, f, y, text):
        f.draw(dst, (240 - f.width(text)) // 2, y, text)

    def topbar(dst):
        dst.paste(B("sr_Screen_top.bmp").crop((147, 0, 240, 30)), (147, 0))
        s = "125400"
        cash.draw(dst, 235 - cash.width(s), 16, s, masked=False)
        date.draw(dst, 186, 6, "03/14/1962", masked=False)
        d = ImageDraw.Draw(dst)
        for i, lx in enumerate((155, 162, 169, 176)):
            d.rectangle([lx, 8, lx + 4, 12], fill=(24, 190, 10) if i < 2 else (11, 86, 9))

    screens = []
    # Main menu.
    s = B("sr_MainMenu_screen.bmp").copy()
    btn(s, "exit_button.bmp", 210, 9)
    for i, n in enumerate(("NewGame", "Resume", "Highscores", "Options", "Help", "About")):
        btn(s, "sr_%s_button.bmp" % n, 103, 96 + 27 * i, 2 if n == "Resume" else 0)
    screens.append(("main menu", s))
    # Planes list with the Go popup open.
    s = B("sr_Screen_background.bmp").copy()
    s.paste(B("sr_Screen_top.bmp"), (0, 0))
    topbar(s)
    f0.draw(s, 8, 7, "Planes")
    f1.draw(s, 16, 44, "List of your planes:")
    s.paste(B("sr_ListPanel.bmp"), (13, 62))
    d = ImageDraw.Draw(s)
    rows = [("Comet", "sr_LightGreen_button.bmp"), ("Caravelle", "sr_LightRed_button.bmp"),
            ("Skyliner 2", "sr_LightGreen_button.bmp")]
    for i, (name, lampn) in enumerate(rows):
        y = 66 + i * 14
        d.rectangle([17, y, 13 + 200 - 6, y + 13], fill=(12, 95, 150) if i == 0 else look.LIST_BG)
        masked(s, lampn, 19, y + 2, "sr_Lights_mask.bmp")
        f1.draw(s, 33, y + 1, name)
    btn(s, "sr_ScrollVerticalUp_button.bmp", 213, 62)
    s.paste(B("sr_ScrollLine.bmp").crop((0, 0, 18, 132)), (213, 80))
    btn(s, "sr_ScrollVertical_bar.bmp", 216, 80)
    btn(s, "sr_ScrollVerticalDown_button.bmp", 213, 212)
    items = ["Planes", "Airports", "Bank", "Statistics", "Retire"]
    for i, n in enumerate(items):
        btn(s, "sr_Popup1%s_button.bmp" % n, 11, 238 - 20 * (i + 1), 2 if n == "Planes" else (1 if n == "Bank" else 0))
    btn(s, "sr_Go_button.bmp", 11, 238, 1, looks=2)
    btn(s, "sr_BuyNew_button.bmp", 151, 238)
    screens.append(("planes + Go popup", s))
    # A notice dialog over the frame.
    s = B("sr_Screen_background.bmp").copy()
    s.paste(B("sr_Screen_top.bmp"), (0, 0))
    topbar(s)
    masked(s, "window.bmp", 0, 50)
    centre(s, f0, 53, "Plane damage")
    for i, t in enumerate(["Plane Skyliner 2", "has been damaged.", "Repair cost is:", "$ 12500"]):
        centre(s, f1, 80 + 15 * i, t)
    centre(s, f3, 145, "Do you want to repair it?")
    btn(s, "sr_Yes_button.bmp", 35, 189)
    btn(s, "sr_No_button.bmp", 144, 189, 1)
    screens.append(("notice", s))
    # Time & Cash.
    s = B("sr_Screen_background.bmp").copy()
    s.paste(B("sr_Screen_top_rev.bmp"), (0, 0))
    f1.draw(s, 10, 7, "Planes")
    f0.draw(s, 152, 7, "Time&Cash")
    p = B("sr_Panel.bmp").copy()
    f1.draw(p, 80, 6, "Cash :")
    t = "$ 125400"
    f4.draw(p, (198 - f4.width(t)) // 2, 20, t)
    s.paste(p, (21, 50))
    p = B("sr_Panel.bmp").copy()
    f1.draw(p, 44, 5, "time:   09:30:00")
    f1.draw(p, 45, 20, "date:     03/14/1962")
    s.paste(p, (21, 107))
    centre(s, f1, 160, "Time speed in units per second")
    s.paste(B("sr_Speed_panel.bmp"), (21, 180))
    btn(s, "sr_ScrollVertical_bar.bmp", 21 + 47, 180)
    for x, lab in ((20, "0s"), (58, "1min"), (102, "30min"), (162, "1h"), (203, "3h")):
        f1.draw(s, x, 200, lab)
    btn(s, "sr_Ok_button.bmp", 10, 238)
    btn(s, "sr_JumpToNext_button.bmp", 72, 238)
    screens.append(("time & cash", s))
    # Options.
    s = B("sr_Screen_background.bmp").copy()
    s.paste(B("sr_Screen_top_plain.bmp"), (0, 0))
    centre(s, f0, 7, "Options")
    f1.draw(s, 99, 46, "Sound")
    for (y, lab, chk) in ((72, "On", 1), (92, "Off", 0), (147, "Km", 0), (167, "Miles", 1)):
        btn(s, "sr_Radio_Button.bmp", 96, y, chk)
        f1.draw(s, 114, y + 2, lab)
    f1.draw(s, 60, 119, "Show distances in")
    btn(s, "sr_redefine_button.bmp", 58, 193)
    btn(s, "sr_Ok_button.bmp", 89, 238)
    screens.append(("options", s))
    # High scores.
    s = B("sr_Screen_background.bmp").copy()
    s.paste(B("sr_Screen_top_plain.bmp"), (0, 0))
    centre(s, f0, 7, "Highscores")
    for i in range(3):
        s.paste(B("sr_Highscores_panel.bmp"), (20, 49 + 57 * i))
        f3.draw(s, 25, 65 + 57 * i, "%.2d" % (i + 1))
        f1.draw(s, 50, 56 + 57 * i, ["Blue Horizon", "Polar Air", "Sunline"][i])
        f4.draw(s, 192, 55 + 57 * i, "%d" % (2003 - i * 7))
        w = "%d $" % (98000000 // (i + 1))
        f1.draw(s, 180 - f1.width(w), 75 + 57 * i, w)
    btn(s, "sr_Ok_button.bmp", 89, 238)
    btn(s, "sr_ScrollUp_button.bmp", 188, 243, 2)
    btn(s, "sr_ScrollDown_button.bmp", 208, 243)
    screens.append(("highscores", s))
    # Company worth history on the statistics panel.
    s = B("sr_Screen_background.bmp").copy()
    s.paste(B("sr_Screen_top.bmp"), (0, 0))
    topbar(s)
    f0.draw(s, 8, 7, "Company worth")
    s.paste(B("sr_PanelMedium.bmp"), (21, 43))
    d = ImageDraw.Draw(s)
    d.line([(36, 73), (36, 214)], fill=(170, 170, 170))
    d.line([(31, 208), (206, 208)], fill=(170, 170, 170))
    f4.draw(s, 29, 60, "$ 200K")
    pts = [(37 + 14 * i, 208 - int(v * 110 / 200)) for i, v in enumerate((40, 60, 55, 90, 120, 150, 140, 170))]
    d.line(pts, fill=(230, 40, 40))
    for i in range(12):
        d.line([(37 + 14 * i, 209), (37 + 14 * i, 211)], fill=(170, 170, 170))
    for i, t in enumerate(("Total", "This Year", "This Month")):
        f1.draw(s, 30 + 60 * i, 48, t)
    btn(s, "sr_Go_button.bmp", 11, 238, 0, looks=2)
    btn(s, "sr_View_button.bmp", 80, 238, 0, looks=2)
    btn(s, "sr_Current_button.bmp", 158, 238)
    screens.append(("worth history", s))
    return screens


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("out")
    ap.add_argument("--scale", type=int, default=2)
    args = ap.parse_args()
    bm = {}
    for folder in ("Data/Bitmaps", "Data/Fonts"):
        for path in sorted(glob.glob(os.path.join(ROOT, folder, "*.bmp"))):
            bm[os.path.basename(path)] = bmp8.load(path)
    fonts = {n: StripFont(os.path.join(ROOT, "Data/Fonts"), n)
             for n in ("sr_Menu_font.bmp", "font.bmp", "font_yellow.bmp", "font_pl2.bmp",
                       "sr_digits_cash.bmp", "sr_digits_date.bmp", "sr_digits_ver.bmp")}
    screens = mock_screens(bm, fonts)

    face = look.TEXT_FACE
    W = 1000
    pad = 8
    # Lay out: mock screens first, then every image with its name, in rows.
    tiles = [("mock: " + n, img) for n, img in screens]
    tiles += [(n, img) for n, img in sorted(bm.items(), key=lambda kv: (-kv[1].size[1], kv[0]))
              if not n.startswith("sr_Map")]
    x = y = pad
    row_h = 0
    placed = []
    for name, img in tiles:
        w, h = img.size
        cell_w = max(w, face.width(name)) + pad
        if x + cell_w > W:
            x = pad
            y += row_h + pad
            row_h = 0
        placed.append((name, img, x, y))
        x += cell_w
        row_h = max(row_h, h + 14)
    H = y + row_h + pad
    sheet = Image.new("RGB", (W, H), (40, 40, 40))
    for name, img, x, y in placed:
        pixfont.draw_text(sheet, x, y, name, face, (220, 220, 220))
        d = ImageDraw.Draw(sheet)
        d.rectangle([x - 1, y + 12, x + img.size[0], y + 13 + img.size[1]], outline=(255, 0, 255))
        sheet.paste(img, (x, y + 13))
    if args.scale != 1:
        sheet = sheet.resize((W * args.scale, H * args.scale), Image.NEAREST)
    sheet.save(args.out)
    print("%s: %d tiles, %dx%d" % (args.out, len(placed), sheet.size[0], sheet.size[1]))


if __name__ == "__main__":
    main()

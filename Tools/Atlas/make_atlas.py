#!/usr/bin/python3
"""Puts every screenshot of a folder into one atlas image, each labelled with
its file name, in the order of the names (the screen numbers first), so a
reviewer sees every screen the player-bot met at a glance.

    make_atlas.py FOLDER OUT.png
"""
import os
import sys

from PIL import Image, ImageDraw

COLUMNS = 10
GAP = 8
LABEL = 14
BACKGROUND = (48, 48, 48)
INK = (230, 230, 230)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_atlas.py FOLDER OUT.png")
    folder, out = sys.argv[1], sys.argv[2]
    names = sorted(n for n in os.listdir(folder)
                   if n.endswith(".png") and os.path.join(folder, n) != os.path.abspath(out)
                   and n != os.path.basename(out))
    if not names:
        sys.exit("make_atlas.py: no screenshots in " + folder)
    shots = [Image.open(os.path.join(folder, n)).convert("RGB") for n in names]
    width = max(s.width for s in shots)
    height = max(s.height for s in shots)
    rows = (len(shots) + COLUMNS - 1) // COLUMNS
    atlas = Image.new("RGB", (GAP + COLUMNS * (width + GAP), GAP + rows * (height + LABEL + GAP)), BACKGROUND)
    draw = ImageDraw.Draw(atlas)
    for i, (name, shot) in enumerate(zip(names, shots)):
        x = GAP + (i % COLUMNS) * (width + GAP)
        y = GAP + (i // COLUMNS) * (height + LABEL + GAP)
        atlas.paste(shot, (x, y))
        draw.text((x, y + height + 1), name[:-4][:38], fill=INK)
    atlas.save(out)
    print("%s: %d screens" % (out, len(shots)))


if __name__ == "__main__":
    main()

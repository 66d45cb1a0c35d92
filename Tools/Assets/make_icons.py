#!/usr/bin/python3
"""Draws the application icon of the desktop package.

The icon is the game's splash scene on a rounded tile: the jet of the splash
screen (the same vector shape, shapes.JET_TOP, with the same rim light)
climbing out through the dusk sky of the splash, with its contrails, its
stars and the city lights of its horizon, in the splash's own colours. It is
drawn from the shapes rather than cut out of the 240x268 splash bitmap, so
that the large icons stay sharp and the small ones keep only what still reads
at their size.

    /usr/bin/python3 Tools/Assets/make_icons.py

writes, in the freedesktop icon theme layout that the install rules copy:

    Data/Desktop/icons/hicolor/NxN/apps/com.northgatesoft.JetWarden.png
        for N in 16, 22, 24, 32, 48, 64, 128 and 256
    Data/Desktop/icons/hicolor/scalable/apps/com.northgatesoft.JetWarden.svg

The output is deterministic: running it twice gives the same bytes.
"""

import os
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "art"))

import shapes  # noqa: E402

ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
ICONS = os.path.join(ROOT, "Data", "Desktop", "icons", "hicolor")
APP_ID = "com.northgatesoft.JetWarden"
SIZES = [16, 22, 24, 32, 48, 64, 128, 256]

# The scene in units of a 256-unit tile.
UNITS = 256.0
MARGIN = 8.0
RADIUS = 44.0
# The splash's sky, top to horizon, then its dark ground.
SKY_STOPS = [(0.0, (4, 10, 30)), (0.40, (36, 64, 110)), (0.82, (240, 146, 60))]
HORIZON = 0.82
GROUND = ((22, 18, 30), (6, 6, 14))
JET_FILL = (10, 14, 28)
JET_RIM = (255, 196, 120)
TRAIL = (255, 236, 210)
# The jet: centre, length and climb angle of the splash's jet, scaled up.
JET_X, JET_Y, JET_LENGTH, JET_ANGLE = 132.0, 112.0, 170.0, 28.0
RIM_SHIFT = 2.2
TRAIL_LENGTH = 70.0
TRAIL_WIDTH = 3.0


def lcg(seed):
    """The splash's little generator, so the icon's stars fall the same way."""
    x = seed
    while True:
        x = (x * 1103515245 + 12345) & 0x7FFFFFFF
        yield x


def stars():
    out = []
    rnd = lcg(3)
    for _ in range(14):
        x = MARGIN + 14 + next(rnd) % 200
        y = MARGIN + 10 + next(rnd) % 70
        b = 150 + next(rnd) % 100
        out.append((x, y, 1.6 + (next(rnd) % 3) * 0.5, (b, b, min(255, b + 30))))
    return out


def city_lights():
    out = []
    rnd = lcg(11)
    top = HORIZON * UNITS + 3
    for i in range(40):
        x = MARGIN + 16 + next(rnd) % 208
        y = top + next(rnd) % 14
        out.append((x, y, 1.4, (255, 200, 110) if i % 3 else (255, 240, 200)))
    return out


def jet(shift=0.0):
    return [[(x - shift, y - shift) for x, y in p]
            for p in shapes.place(shapes.JET_TOP, JET_X, JET_Y, JET_LENGTH, JET_ANGLE)]


def trails():
    """Two vapour trails behind the engines, as (start, end) in units."""
    out = []
    for side in (-17, 17):
        line = shapes.place([[(-14, side), (-14 - TRAIL_LENGTH * 100.0 / JET_LENGTH, side)]],
                             JET_X, JET_Y, JET_LENGTH, JET_ANGLE)[0]
        out.append((line[0], line[1]))
    return out


def sky_color(t):
    for (t0, c0), (t1, c1) in zip(SKY_STOPS, SKY_STOPS[1:]):
        if t <= t1:
            f = (t - t0) / (t1 - t0)
            return tuple(int(round(c0[i] + (c1[i] - c0[i]) * f)) for i in range(3))
    return SKY_STOPS[-1][1]


def detail(size):
    """What still reads at a size: trails from 32 pixels, stars from 48, lights from 64."""
    return {"trails": size >= 32, "stars": size >= 48, "lights": size >= 64}


# ---------------------------------------------------------------- PNG

def render_png(size):
    scale = 4
    big = size * scale
    k = big / UNITS
    img = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    d = ImageDraw.Draw(img)
    horizon = int(round(HORIZON * big))
    for y in range(big):
        if y < horizon:
            color = sky_color(y / big)
        else:
            f = (y - horizon) / max(1, big - horizon - 1)
            color = tuple(int(round(GROUND[0][i] + (GROUND[1][i] - GROUND[0][i]) * f)) for i in range(3))
        d.line([(0, y), (big - 1, y)], fill=color + (255,))
    show = detail(size)
    dots = (stars() if show["stars"] else []) + (city_lights() if show["lights"] else [])
    for x, y, r, color in dots:
        d.ellipse([(x - r) * k, (y - r) * k, (x + r) * k, (y + r) * k], fill=color + (255,))
    if show["trails"]:
        layer = Image.new("RGBA", (big, big), (0, 0, 0, 0))
        ld = ImageDraw.Draw(layer)
        steps = 48
        for (x0, y0), (x1, y1) in trails():
            for i in range(steps):
                a = i / steps
                b = (i + 1) / steps
                alpha = int(round(210 * (1 - a)))
                ld.line([((x0 + (x1 - x0) * a) * k, (y0 + (y1 - y0) * a) * k),
                         ((x0 + (x1 - x0) * b) * k, (y0 + (y1 - y0) * b) * k)],
                        fill=TRAIL + (alpha,), width=max(1, int(round(TRAIL_WIDTH * k))))
        img = Image.alpha_composite(img, layer)
        d = ImageDraw.Draw(img)
    for polys, color in ((jet(RIM_SHIFT), JET_RIM), (jet(), JET_FILL)):
        for p in polys:
            d.polygon([(x * k, y * k) for x, y in p], fill=color + (255,))
    # The rounded tile.
    mask = Image.new("L", (big, big), 0)
    ImageDraw.Draw(mask).rounded_rectangle(
        [MARGIN * k, MARGIN * k, (UNITS - MARGIN) * k - 1, (UNITS - MARGIN) * k - 1], radius=RADIUS * k, fill=255)
    img.putalpha(Image.composite(img.getchannel("A"), mask, mask))
    # Shrunk with premultiplied colour so the transparent corners do not bleed.
    return img.convert("RGBa").resize((size, size), Image.LANCZOS).convert("RGBA")


# ---------------------------------------------------------------- SVG

def hexcolor(c):
    return "#%02x%02x%02x" % c


def fmt(v):
    text = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if text == "-0" else text


def points(poly):
    return " ".join("%s,%s" % (fmt(x), fmt(y)) for x, y in poly)


def render_svg():
    inner = UNITS - 2 * MARGIN
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<!-- Drawn by Tools/Assets/make_icons.py; edit that, not this. -->',
           '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">',
           '  <defs>',
           '    <clipPath id="tile"><rect x="%s" y="%s" width="%s" height="%s" rx="%s"/></clipPath>'
           % (fmt(MARGIN), fmt(MARGIN), fmt(inner), fmt(inner), fmt(RADIUS)),
           '    <linearGradient id="sky" x1="0" y1="0" x2="0" y2="%s" gradientUnits="userSpaceOnUse">'
           % fmt(HORIZON * UNITS)]
    for t, color in SKY_STOPS:
        out.append('      <stop offset="%s" stop-color="%s"/>' % (fmt(t / HORIZON), hexcolor(color)))
    out.append('    </linearGradient>')
    out.append('    <linearGradient id="ground" x1="0" y1="%s" x2="0" y2="256" gradientUnits="userSpaceOnUse">'
               % fmt(HORIZON * UNITS))
    out.append('      <stop offset="0" stop-color="%s"/>' % hexcolor(GROUND[0]))
    out.append('      <stop offset="1" stop-color="%s"/>' % hexcolor(GROUND[1]))
    out.append('    </linearGradient>')
    for i, ((x0, y0), (x1, y1)) in enumerate(trails()):
        out.append('    <linearGradient id="trail%d" x1="%s" y1="%s" x2="%s" y2="%s" gradientUnits="userSpaceOnUse">'
                   % (i, fmt(x0), fmt(y0), fmt(x1), fmt(y1)))
        out.append('      <stop offset="0" stop-color="%s" stop-opacity="0.82"/>' % hexcolor(TRAIL))
        out.append('      <stop offset="1" stop-color="%s" stop-opacity="0"/>' % hexcolor(TRAIL))
        out.append('    </linearGradient>')
    out.append('  </defs>')
    out.append('  <g clip-path="url(#tile)">')
    out.append('    <rect width="256" height="%s" fill="url(#sky)"/>' % fmt(HORIZON * UNITS))
    out.append('    <rect y="%s" width="256" height="%s" fill="url(#ground)"/>'
               % (fmt(HORIZON * UNITS), fmt(UNITS - HORIZON * UNITS)))
    for x, y, r, color in stars() + city_lights():
        out.append('    <circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (fmt(x), fmt(y), fmt(r), hexcolor(color)))
    for i, ((x0, y0), (x1, y1)) in enumerate(trails()):
        out.append('    <line x1="%s" y1="%s" x2="%s" y2="%s" stroke="url(#trail%d)" stroke-width="%s"/>'
                   % (fmt(x0), fmt(y0), fmt(x1), fmt(y1), i, fmt(TRAIL_WIDTH)))
    for polys, color in ((jet(RIM_SHIFT), JET_RIM), (jet(), JET_FILL)):
        for p in polys:
            out.append('    <polygon points="%s" fill="%s"/>' % (points(p), hexcolor(color)))
    out.append('  </g>')
    out.append('</svg>')
    return "\n".join(out) + "\n"


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    mode = "w" if isinstance(data, str) else "wb"
    with open(path, mode) as f:
        f.write(data)


def main():
    for size in SIZES:
        folder = os.path.join(ICONS, "%dx%d" % (size, size), "apps")
        os.makedirs(folder, exist_ok=True)
        render_png(size).save(os.path.join(folder, APP_ID + ".png"), optimize=True)
    write(os.path.join(ICONS, "scalable", "apps", APP_ID + ".svg"), render_svg())
    print("wrote %d icons and the scalable one into %s" % (len(SIZES), os.path.relpath(ICONS, ROOT)))


if __name__ == "__main__":
    main()

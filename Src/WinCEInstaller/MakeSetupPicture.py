#!/usr/bin/env python3
"""Draws SetupPicture.bmp, the picture of the install dialog.

A 16-colour (4 bits per pixel) Windows bitmap of 242 x 270 pixels, the size of
the dialog's 161 x 166 unit picture frame at the usual 8-point dialog font:
an evening sky, the sun over a runway and a jet climbing away. The output is
committed; run this script again only to change the picture.

    python3 MakeSetupPicture.py [OUTPUT]
"""
import math
import struct
import sys

WIDTH, HEIGHT = 242, 270

PALETTE = [
    (16, 24, 64),     # 0 night blue
    (32, 48, 112),    # 1 deep blue
    (56, 88, 160),    # 2 blue
    (96, 136, 200),   # 3 light blue
    (160, 176, 208),  # 4 haze
    (232, 176, 120),  # 5 peach
    (248, 208, 112),  # 6 gold
    (255, 244, 200),  # 7 sun
    (40, 40, 48),     # 8 tarmac dark
    (72, 72, 80),     # 9 tarmac
    (232, 232, 232),  # 10 marking white
    (48, 96, 56),     # 11 grass dark
    (80, 136, 72),    # 12 grass
    (24, 28, 40),     # 13 silhouette
    (200, 48, 40),    # 14 red
    (255, 255, 255),  # 15 white
]

BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
HORIZON = 190
SKY_RAMP = [0, 1, 2, 3, 4, 5, 6]


def sky(x, y):
    # A vertical ramp through the sky colours, dithered between neighbours.
    t = y / HORIZON * (len(SKY_RAMP) - 1)
    low = int(t)
    frac = t - low
    pick = low + (1 if frac * 16 > BAYER[y % 4][x % 4] else 0)
    return SKY_RAMP[min(pick, len(SKY_RAMP) - 1)]


def ground(x, y):
    # The runway narrows towards the horizon; its centre line is dashed.
    depth = (y - HORIZON) / (HEIGHT - HORIZON)
    half = 6 + depth * 110
    centre = WIDTH / 2
    if abs(x - centre) <= half:
        if abs(x - centre) >= half - 1 - depth * 3:
            return 10
        dash = int(math.log(1 + (y - HORIZON)) * 6) % 2 == 0
        if dash and abs(x - centre) <= 0.5 + depth * 2:
            return 10
        return 9 if (x + y) % 7 else 8
    return 12 if BAYER[y % 4][x % 4] > depth * 10 else 11


def inside(polygon, x, y):
    hit = False
    j = len(polygon) - 1
    for i in range(len(polygon)):
        xi, yi = polygon[i]
        xj, yj = polygon[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def jet():
    # A swept-wing airliner seen from below, nose up and to the right.
    body = [(-70, -6), (40, -8), (62, -4), (70, 0), (62, 4), (40, 8), (-70, 6), (-78, 0)]
    wing = [(-10, 6), (14, 6), (-24, 58), (-34, 58)]
    wing_far = [(-10, -6), (14, -6), (-24, -52), (-34, -52)]
    tail = [(-58, 5), (-46, 5), (-70, 24), (-78, 24)]
    tail_far = [(-58, -5), (-46, -5), (-70, -22), (-78, -22)]
    fin = [(-62, 0), (-48, 0), (-72, -30), (-80, -30)]
    shapes = [body, wing, wing_far, tail, tail_far, fin]
    angle = math.radians(-20)
    cx, cy, scale = 128, 92, 1.05
    placed = []
    for shape in shapes:
        placed.append([(cx + scale * (px * math.cos(angle) - py * math.sin(angle)),
                        cy + scale * (px * math.sin(angle) + py * math.cos(angle))) for px, py in shape])
    return placed


def main():
    output = sys.argv[1] if len(sys.argv) > 1 else "SetupPicture.bmp"
    shapes = jet()
    sun_x, sun_y, sun_r = 60, HORIZON - 24, 22
    pixels = []
    for y in range(HEIGHT):
        row = []
        for x in range(WIDTH):
            if y < HORIZON:
                colour = sky(x, y)
                d = math.hypot(x - sun_x, y - sun_y)
                if d < sun_r:
                    colour = 7
                elif d < sun_r + 5 and BAYER[y % 4][x % 4] > (d - sun_r) * 3:
                    colour = 6
            else:
                colour = ground(x, y)
            if any(inside(shape, x, y) for shape in shapes):
                colour = 13
            row.append(colour)
        pixels.append(row)
    # A red stripe along the fuselage.
    for y in range(HEIGHT):
        for x in range(WIDTH):
            if pixels[y][x] == 13 and inside(shapes[0], x, y) and inside(shapes[0], x, y + 3) \
                    and not inside(shapes[0], x, y - 3):
                pixels[y][x] = 14

    row_bytes = (WIDTH + 1) // 2
    stride = (row_bytes + 3) & ~3
    data = bytearray()
    for y in reversed(range(HEIGHT)):
        row = pixels[y] + [0]
        packed = bytes((row[i] << 4) | row[i + 1] for i in range(0, WIDTH, 2))
        data += packed + bytes(stride - len(packed))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(data), 3780, 3780, 16, 16)
    with open(output, "wb") as f:
        f.write(header + info + palette + data)


if __name__ == "__main__":
    main()

"""Vector shapes drawn into the artwork: the jet, the tower, the badges.

Shapes are lists of polygons in their own units, placed with a rotation, a
scale and an offset, and drawn supersampled so that they come out smooth.
"""

import math

# A twin-engine jet seen from above, nose towards +x, 100 units long.
JET_TOP = [
    # fuselage
    [(50, 0), (47, -3.2), (40, -5), (-40, -5), (-50, -2), (-52, 0), (-50, 2), (-40, 5), (40, 5), (47, 3.2)],
    # wings
    [(14, -4), (-22, -47), (-30, -47), (-12, -4)],
    [(14, 4), (-22, 47), (-30, 47), (-12, 4)],
    # tailplane
    [(-34, -4), (-47, -19), (-53, -19), (-47, -3)],
    [(-34, 4), (-47, 19), (-53, 19), (-47, 3)],
    # engines
    [(4, -15), (2, -19), (-12, -19), (-12, -15)],
    [(4, 15), (2, 19), (-12, 19), (-12, 15)],
]

# The same jet seen from the side, nose towards +x, 100 units long.
JET_SIDE = [
    # fuselage with a rounded nose and a raised tail cone
    [(50, 2), (48, -2), (44, -4.5), (36, -6), (-34, -6), (-44, -8), (-50, -9.5),
     (-52, -8), (-48, -2), (-40, 4), (-30, 6), (36, 6), (45, 5), (49, 4)],
    # fin
    [(-36, -6), (-44, -26), (-50, -26), (-51, -9)],
    # wing, seen edge-on from a little above
    [(10, 2), (-16, 14), (-24, 14), (-10, 2)],
    # engine under the wing
    [(2, 7), (1, 11), (-12, 11), (-13, 7)],
]


def place(polys, cx, cy, length, angle_deg, flip=False):
    """Scales shapes of 100 units to a length, rotates them and moves them to (cx, cy)."""
    s = length / 100.0
    a = math.radians(angle_deg)
    ca, sa = math.cos(a), math.sin(a)
    out = []
    for poly in polys:
        pts = []
        for x, y in poly:
            if flip:
                y = -y
            x, y = x * s, y * s
            pts.append((cx + x * ca - y * sa, cy - (x * sa + y * ca)))
        out.append(pts)
    return out


def scaled(polys, k):
    return [[(x * k, y * k) for x, y in p] for p in polys]


def star(cx, cy, r_out, r_in, points=4, rot=90):
    pts = []
    for i in range(points * 2):
        r = r_out if i % 2 == 0 else r_in
        a = math.radians(rot + i * 180.0 / points)
        pts.append((cx + r * math.cos(a), cy - r * math.sin(a)))
    return pts


def heart(cx, cy, r):
    pts = []
    for i in range(64):
        t = 2 * math.pi * i / 64
        x = 16 * math.sin(t) ** 3
        y = 13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t)
        pts.append((cx + x * r / 17.0, cy - y * r / 17.0))
    return pts


def octagon(cx, cy, r):
    return [(cx + r * math.cos(math.radians(22.5 + 45 * i)), cy + r * math.sin(math.radians(22.5 + 45 * i)))
            for i in range(8)]

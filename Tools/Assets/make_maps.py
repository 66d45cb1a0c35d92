#!/usr/bin/python3
"""Draws the six continent maps of the map statistics screen from Natural
Earth coastlines and country borders (npm package world-atlas,
countries-50m.json) and writes the airport markers that go on them:

  Data/Bitmaps/sr_MapAfrica.bmp ... sr_MapSAmerica.bmp  (MAP_W x MAP_H, 8 bits)
  Data/Entries/amasks_rsc                               (140 records of 38 bytes)

Every map uses the same plate carree projection with the horizontal scale
shrunk by the cosine of the map's middle latitude, so shapes look right in
the middle of each continent. The airport positions come from
Data/Tables/airports.csv.

amasks_rsc record (38 bytes, little-endian):
  0  int16   x of the marker's top-left corner on the map, in pixels
  2  int16   y of the marker's top-left corner
  4  uint8   marker width w (1..16)
  5  uint8   marker height h (1..14)
  6  14 x uint16  marker shape, one row each from the top: bit c set means
                  pixel (x + c, y + row) belongs to the marker; rows at and
                  below h are 0
  34 int16   airport index
  36 int16   continent index (0 Africa, 1 Asia, 2 Australia, 3 Europe,
             4 N America, 5 S America)
The airport itself lies at the marker's centre (x + w / 2, y + h / 2).
"""

import csv
import json
import math
import os
import struct
import sys

from PIL import Image, ImageDraw

import airport_list as al
import bmpfile

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))

MAP_W, MAP_H = 224, 140
SUPERSAMPLE = 4

# Map name, continent index and the region the map must show (western and
# eastern longitude, southern and northern latitude). The map is centred on
# the region and scaled so that all of it fits; the other direction shows
# more than asked so that the map fills its rectangle.
MAPS = [
    ("sr_MapAfrica.bmp", al.AFRICA, -19.0, 53.0, -36.5, 38.5),
    ("sr_MapAsia.bmp", al.ASIA, 25.0, 147.0, -10.0, 58.0),
    ("sr_MapAustralia.bmp", al.AUSTRALIA, 111.0, 212.0, -48.0, 25.0),
    ("sr_MapEurope.bmp", al.EUROPE, -25.0, 43.0, 35.0, 66.5),
    ("sr_MapNAmerica.bmp", al.NAMERICA, -155.0, -50.0, 6.0, 64.0),
    ("sr_MapSAmerica.bmp", al.SAMERICA, -83.0, -33.0, -56.5, 13.5),
]

# Palette: a calm sea, a lighter grid on it, sandy land with a darker coast
# and soft borders, and a dark frame.
SEA = 1
GRID = 2
LAND = 3
COAST = 4
BORDER = 5
FRAME = 6
PALETTE = [
    (0, 0, 0),
    (58, 104, 150),   # sea
    (74, 120, 166),   # graticule on the sea
    (206, 196, 150),  # land
    (120, 104, 70),   # coastline
    (176, 164, 120),  # country borders
    (28, 44, 68),     # frame
]

# Marker diameter by airport size.
MARKER_SIZE = {50: 5, 100: 5, 150: 7, 200: 7, 250: 9}


class Projection:
    def __init__(self, west, east, south, north):
        self.lon0, self.lat0 = (west + east) / 2.0, (south + north) / 2.0
        shrink = math.cos(math.radians(self.lat0))
        # Pixels per degree of longitude; a degree of latitude is longer by
        # 1 / cos(middle latitude).
        self.kx = min(MAP_W / (east - west), MAP_H * shrink / (north - south))
        self.ky = self.kx / shrink

    def __call__(self, lon, lat):
        return ((lon - self.lon0) * self.kx + MAP_W / 2, (self.lat0 - lat) * self.ky + MAP_H / 2)

    def wrap(self, lon):
        """The copy of a longitude nearest to the map's centre."""
        while lon - self.lon0 > 180:
            lon -= 360
        while lon - self.lon0 < -180:
            lon += 360
        return lon


def load_topology():
    path = os.path.join(HERE, "node_modules", "world-atlas", "countries-50m.json")
    if not os.path.exists(path):
        sys.exit("coastline data not installed: run `npm install` in Tools/Assets first")
    with open(path, encoding="utf-8") as f:
        topo = json.load(f)
    sx, sy = topo["transform"]["scale"]
    tx, ty = topo["transform"]["translate"]
    arcs = []
    for arc in topo["arcs"]:
        x = y = 0
        pts = []
        for dx, dy in arc:
            x += dx
            y += dy
            pts.append((x * sx + tx, y * sy + ty))
        arcs.append(pts)
    return topo, arcs


def ring_points(arcs, ring):
    pts = []
    for a in ring:
        seg = arcs[a] if a >= 0 else list(reversed(arcs[~a]))
        pts.extend(seg if not pts else seg[1:])
    return pts


def polygons(geometry):
    if geometry["type"] == "Polygon":
        return [geometry["arcs"]]
    if geometry["type"] == "MultiPolygon":
        return geometry["arcs"]
    return []


def unwrap(points):
    """Makes a ring's longitudes continuous across the 180th meridian."""
    out = [points[0]]
    for lon, lat in points[1:]:
        prev = out[-1][0]
        while lon - prev > 180:
            lon -= 360
        while lon - prev < -180:
            lon += 360
        out.append((lon, lat))
    return out


def draw_map(topo, arcs, proj):
    big = Image.new("L", (MAP_W * SUPERSAMPLE, MAP_H * SUPERSAMPLE), 0)
    draw = ImageDraw.Draw(big)

    def scaled(points, shift):
        return [tuple(v * SUPERSAMPLE for v in proj(lon + shift, lat)) for lon, lat in points]

    # Land: outer rings filled, holes (lakes) cut out again. Each ring is
    # drawn at the three copies of the globe so that rings across the 180th
    # meridian land where the map shows them.
    # Islands smaller than a pixel would vanish; they are kept as one dot
    # of coast, as printed maps show them.
    islands = []
    land = topo["objects"]["land"]["geometries"]
    for geom in land:
        for poly in polygons(geom):
            for k, ring in enumerate(poly):
                pts = unwrap(ring_points(arcs, ring))
                for shift in (-360, 0, 360):
                    draw.polygon(scaled(pts, shift), fill=0 if k else 255)
                    if k == 0:
                        xy = [proj(lon + shift, lat) for lon, lat in pts]
                        xs = [p[0] for p in xy]
                        ys = [p[1] for p in xy]
                        if max(xs) - min(xs) < 2 and max(ys) - min(ys) < 2:
                            islands.append((int(sum(xs) / len(xs)), int(sum(ys) / len(ys))))
    small = big.resize((MAP_W, MAP_H), Image.BOX)
    is_land = [[small.getpixel((x, y)) >= 128 for x in range(MAP_W)] for y in range(MAP_H)]

    pix = [[SEA] * MAP_W for _ in range(MAP_H)]
    # A graticule every 15 degrees on the sea only.
    for lon in range(-360, 361, 15):
        x = int(round(proj(lon, 0)[0]))
        if 0 <= x < MAP_W:
            for y in range(MAP_H):
                pix[y][x] = GRID
    for lat in range(-90, 91, 15):
        y = int(round(proj(0, lat)[1]))
        if 0 <= y < MAP_H:
            for x in range(MAP_W):
                pix[y][x] = GRID
    for y in range(MAP_H):
        for x in range(MAP_W):
            if is_land[y][x]:
                pix[y][x] = LAND

    # Country borders: the arcs that two countries share.
    uses = {}
    for geom in topo["objects"]["countries"]["geometries"]:
        for poly in polygons(geom):
            for ring in poly:
                for a in ring:
                    i = a if a >= 0 else ~a
                    uses[i] = uses.get(i, 0) + 1
    borders = Image.new("1", (MAP_W, MAP_H), 0)
    bdraw = ImageDraw.Draw(borders)
    for i, count in sorted(uses.items()):
        if count < 2:
            continue
        pts = unwrap(arcs[i])
        for shift in (-360, 0, 360):
            line = [proj(lon + shift, lat) for lon, lat in pts]
            bdraw.line([(round(x), round(y)) for x, y in line], fill=1)
    for y in range(MAP_H):
        for x in range(MAP_W):
            if borders.getpixel((x, y)) and is_land[y][x]:
                pix[y][x] = BORDER

    for x, y in islands:
        if 0 <= x < MAP_W and 0 <= y < MAP_H and not is_land[y][x]:
            pix[y][x] = COAST

    # Coastline: land pixels that touch the sea.
    for y in range(MAP_H):
        for x in range(MAP_W):
            if not is_land[y][x]:
                continue
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                nx, ny = x + dx, y + dy
                if 0 <= nx < MAP_W and 0 <= ny < MAP_H and not is_land[ny][nx]:
                    pix[y][x] = COAST
                    break

    for x in range(MAP_W):
        pix[0][x] = pix[MAP_H - 1][x] = FRAME
    for y in range(MAP_H):
        pix[y][0] = pix[y][MAP_W - 1] = FRAME
    return pix


def disc(d):
    """Rows of a filled disc of diameter d as bit masks."""
    r = d / 2.0
    rows = []
    for y in range(d):
        bits = 0
        for x in range(d):
            if (x + 0.5 - r) ** 2 + (y + 0.5 - r) ** 2 <= r * r + 0.25:
                bits |= 1 << x
        rows.append(bits)
    return rows


def place_markers(proj, members, airports):
    """Marker centre and diameter for every airport of a map. Markers grow
    with the airport's size; where two would overlap, the larger one shrinks
    (down to 3 pixels) so that neighbouring airports stay apart."""
    placed = []
    for i in members:
        a = airports[i]
        px, py = proj(proj.wrap(float(a["longitude"])), float(a["latitude"]))
        placed.append([i, int(math.floor(px)), int(math.floor(py)), MARKER_SIZE[int(a["size"])]])

    def box(m):
        return m[1] - m[3] // 2, m[2] - m[3] // 2, m[3]

    def overlap(m, n):
        (x1, y1, d1), (x2, y2, d2) = box(m), box(n)
        return x1 < x2 + d2 and x2 < x1 + d1 and y1 < y2 + d2 and y2 < y1 + d1

    changed = True
    while changed:
        changed = False
        for m in placed:
            for n in placed:
                if m is n or not overlap(m, n):
                    continue
                big = m if (m[3], -m[0]) > (n[3], -n[0]) else n
                if big[3] > 3:
                    big[3] -= 2
                    changed = True
    return placed


def marker_record(placed, continent):
    airport, cx, cy, d = placed
    x0, y0 = cx - d // 2, cy - d // 2
    if not (1 <= x0 and x0 + d <= MAP_W - 1 and 1 <= y0 and y0 + d <= MAP_H - 1):
        sys.exit("airport %d does not fit on map %d (at %d, %d)" % (airport, continent, cx, cy))
    rows = disc(d) + [0] * (14 - d)
    return struct.pack("<hhBB14Hhh", x0, y0, d, d, *rows, airport, continent)


def main():
    topo, arcs = load_topology()
    with open(os.path.join(ROOT, "Data", "Tables", "airports.csv"), newline="", encoding="ascii") as f:
        airports = list(csv.DictReader(f))
    code_index = {a["code"]: int(a["index"]) for a in airports}
    bitmaps = os.path.join(ROOT, "Data", "Bitmaps")
    os.makedirs(bitmaps, exist_ok=True)

    records = bytearray()
    for name, continent, west, east, south, north in MAPS:
        proj = Projection(west, east, south, north)
        pix = draw_map(topo, arcs, proj)
        bmpfile.write_bmp8(os.path.join(bitmaps, name), MAP_W, MAP_H, pix, PALETTE)
        print("wrote", name)
        members = [i for i, a in enumerate(al.AIRPORTS) if a[1] == continent]
        members += [code_index[c] for c, cont in al.SECOND_MAP if cont == continent]
        for placed in place_markers(proj, members, airports):
            records += marker_record(placed, continent)
    assert len(records) == 140 * 38, len(records) // 38
    entries = os.path.join(ROOT, "Data", "Entries")
    with open(os.path.join(entries, "amasks_rsc"), "wb") as f:
        f.write(records)
    print("wrote amasks_rsc (%d bytes)" % len(records))


if __name__ == "__main__":
    main()

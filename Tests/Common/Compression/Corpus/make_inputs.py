#!/usr/bin/python3
# Writes the generated inputs of the compression corpus. The inputs and the
# expected blocks are committed; run this (and `lzrw c` for the blocks) only to
# add a new case on purpose. prose.txt is written by hand.
import struct


class Noise:
    def __init__(self, seed):
        self.state = seed

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state >> 8


def write(name, data):
    with open(name, "wb") as f:
        f.write(bytes(data))


def table():
    noise = Noise(10)
    syllables = ["ka", "ro", "mi", "ten", "vel", "dor", "sa", "lin", "por", "ta", "ne", "bu"]
    lines = ["index,name,latitude,longitude,runway_m,demand,fog,strikes"]
    for i in range(90):
        name = "".join(syllables[noise.next() % len(syllables)] for _ in range(2 + noise.next() % 2)).title()
        lines.append("%d,%s,%d.%02d,%d.%02d,%d,%d,%d,%d" % (
            i, name, noise.next() % 90, noise.next() % 100, noise.next() % 180, noise.next() % 100,
            1500 + 100 * (noise.next() % 25), noise.next() % 10, noise.next() % 5, noise.next() % 3))
    return ("\n".join(lines) + "\n").encode()


def bitmap():
    # An 8-bit bitmap file: header, 256-colour palette, 96x48 pixels of sky,
    # ground and a plane shape.
    width, height = 96, 48
    pixels = bytearray()
    for y in range(height):
        for x in range(width):
            c = 10 + y // 6 if y < 30 else 60 + (x // 8) % 3
            if 20 <= x <= 70 and 10 <= y <= 14:
                c = 200
            if 40 <= x <= 48 and 4 <= y <= 22:
                c = 201
            pixels.append(c)
    palette = bytearray()
    for i in range(256):
        palette += bytes((i, (i * 3) & 0xFF, 255 - i, 0))
    offset = 14 + 40 + len(palette)
    header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    return header + info + palette + pixels


def repeats(size):
    noise = Noise(4)
    data = bytearray()
    while len(data) < size:
        if len(data) > 64 and noise.next() % 3 != 0:
            back = 1 + noise.next() % min(len(data), 9000)
            length = 3 + noise.next() % 30
            start = len(data) - back
            for i in range(length):
                data.append(data[start + i])
        else:
            data.append(noise.next() % 40 + 48)
    return data[:size]


def noise(size, seed):
    n = Noise(seed)
    return bytearray(n.next() & 0xFF for _ in range(size))


prose = open("prose.txt", "rb").read()
write("table.csv", table())
write("bitmap.bmp", bitmap())
write("zeros.bin", bytes(4096))
write("noise.bin", noise(1024, 3))
write("repeats.bin", repeats(12000))
write("digits.txt", (b"123456789012345678" * 40) + b"1234567890" * 20)
# Text that packs well at first, then noise: the packers give up late.
write("late-noise.bin", prose[:800] + noise(2700, 8))
# Noise, then the same noise again: far copies after a stretch of literals.
half = noise(2000, 9)
write("echo.bin", half + half)
for size in (1, 2, 6, 7, 17, 18, 19, 35, 287, 288, 289, 306):
    write("edge-%d.bin" % size, prose[:size])

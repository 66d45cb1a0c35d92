"""Writes Windows device-independent bitmap files the way the game reads
them: 8 bits per pixel with a full 256-entry palette, rows bottom-up, each
row padded to a multiple of four bytes. Written by hand rather than through
an imaging library so the bytes never depend on a library version."""

import struct


def write_bmp8(path, width, height, pixels, palette):
    """pixels: list of rows (top row first), each a sequence of palette
    indexes; palette: list of up to 256 (r, g, b) tuples."""
    assert len(pixels) == height and all(len(row) == width for row in pixels)
    assert 0 < len(palette) <= 256
    stride = (width * 8 + 31) // 32 * 4
    pal = bytearray()
    for i in range(256):
        r, g, b = palette[i] if i < len(palette) else (0, 0, 0)
        pal += bytes((b, g, r, 0))
    offset = 14 + 40 + len(pal)
    size = offset + stride * height
    header = struct.pack("<2sIHHI", b"BM", size, 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 8, 0, stride * height, 2835, 2835,
                       len(palette), len(palette))
    body = bytearray()
    for row in reversed(pixels):
        body += bytes(row) + b"\0" * (stride - width)
    with open(path, "wb") as f:
        f.write(header + info + pal + body)

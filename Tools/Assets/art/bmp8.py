"""Writes and reads the bitmap files the game loads.

The game reads Windows device-independent bitmaps as stored: a 14-byte file
header, a 40-byte information header, a palette of exactly 2^bpp entries for
depths up to 8, then the pixel rows bottom-up, each padded to four bytes. All
artwork is written as uncompressed 8-bit palettized files with a full
256-entry palette; the packer compresses them inside the data file.
"""

import struct

from PIL import Image


def to_palettized(img):
    """Maps an RGB image to (palette, indexes): exact when it has at most 256 colours."""
    img = img.convert("RGB")
    colors = img.getcolors(maxcolors=256)
    if colors is None:
        q = img.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
        pal = q.getpalette()[: 256 * 3]
        palette = [tuple(pal[i * 3 : i * 3 + 3]) for i in range(len(pal) // 3)]
        return palette, list(q.getdata())
    # Sort so that the palette, and so the file, does not depend on the
    # order Pillow happens to report the colours in.
    palette = sorted(c for _, c in colors)
    index = {c: i for i, c in enumerate(palette)}
    return palette, [index[c] for c in img.getdata()]


def encode(img):
    """The bytes of an 8-bit bottom-up BI_RGB bitmap file of an image."""
    w, h = img.size
    palette, idx = to_palettized(img)
    while len(palette) < 256:
        palette.append((0, 0, 0))
    stride = (w * 8 + 31) // 32 * 4
    pal_bytes = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytes(idx[y * w : (y + 1) * w])
        rows.append(row + b"\0" * (stride - w))
    pixels = b"".join(rows)
    offset = 14 + 40 + len(pal_bytes)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 8, 0, len(pixels), 2835, 2835, 256, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + pal_bytes + pixels


def save(img, path):
    data = encode(img)
    with open(path, "wb") as f:
        f.write(data)


def load(path):
    """Reads a bitmap file of 1, 8, 24 or 32 bits back into an RGB image."""
    with open(path, "rb") as f:
        data = f.read()
    offset = struct.unpack_from("<I", data, 10)[0]
    w, h = struct.unpack_from("<ii", data, 18)
    bpp = struct.unpack_from("<H", data, 28)[0]
    stride = (w * bpp + 31) // 32 * 4
    palette = []
    if bpp <= 8:
        for i in range(1 << bpp):
            b, g, r, _ = struct.unpack_from("<BBBB", data, 54 + 4 * i)
            palette.append((r, g, b))
    img = Image.new("RGB", (w, h))
    px = img.load()
    for y in range(h):
        row = offset + (h - 1 - y) * stride
        for x in range(w):
            if bpp == 8:
                px[x, y] = palette[data[row + x]]
            elif bpp == 1:
                bit = data[row + x // 8] & (0x80 >> (x % 8))
                px[x, y] = palette[1 if bit else 0]
            elif bpp == 24:
                b, g, r = data[row + 3 * x : row + 3 * x + 3]
                px[x, y] = (r, g, b)
            elif bpp == 32:
                b, g, r = data[row + 4 * x : row + 4 * x + 3]
                px[x, y] = (r, g, b)
            else:
                raise ValueError("%s: unsupported depth %d" % (path, bpp))
    return img

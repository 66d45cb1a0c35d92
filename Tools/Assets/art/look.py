"""The shared look of the game's artwork: palette, bevels, faces and labels.

Every screen sits on the same flat navy body so that images drawn without a
mask (buttons, radio buttons, panels) blend wherever they are placed. Raised
controls are blue with a light top-left and dark bottom-right bevel; pressed
controls sink and light their label in amber; disabled controls go grey-blue.
"""

from PIL import Image, ImageDraw

import pixfont

INK = (5, 11, 26)
NAVY_DEEP = (8, 20, 46)
NAVY = (12, 30, 66)
NAVY_MID = (18, 44, 90)
LIST_BG = (14, 36, 76)
PANEL = (12, 95, 150)
PANEL_DARK = (9, 62, 108)
PANEL_HI = (51, 153, 255)
SKY = (153, 204, 255)
TEXT = (236, 242, 250)
TITLE = (255, 238, 206)
AMBER = (255, 176, 48)
AMBER_DARK = (190, 108, 18)
AMBER_LIGHT = (255, 214, 128)
DIS_FACE = (46, 60, 84)
DIS_EDGE = (70, 86, 112)
DIS_TEXT = (122, 136, 158)
LCD = (6, 16, 30)
LCD_EDGE = (30, 58, 92)
CASH_DIGIT = (255, 190, 70)
DATE_DIGIT = (130, 220, 255)
RED = (222, 58, 48)
RED_DARK = (120, 20, 16)
GREEN = (24, 190, 10)
GREEN_DARK = (11, 86, 9)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

# Button corners: one pixel cut off each corner, painted between the body
# colour and the bottom console so that the cut reads as rounding on both.
CORNER = (10, 25, 56)

TEXT_FACE = pixfont.text_face()
BOLD_FACE = pixfont.bold_face()


def new(w, h, color=NAVY):
    return Image.new("RGB", (w, h), color)


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def vgradient(img, box, top, bottom, steps=None):
    """Fills a box with a vertical gradient in a few flat bands."""
    x0, y0, x1, y1 = box
    d = ImageDraw.Draw(img)
    h = y1 - y0
    steps = steps or max(1, h)
    for y in range(y0, y1):
        t = int((y - y0) * steps / max(1, h)) / max(1, steps - 1) if steps > 1 else 0
        d.line([(x0, y), (x1 - 1, y)], fill=lerp(top, bottom, min(1.0, t)))


def bevel(img, box, light, dark, width=1):
    """Light top and left edges, dark bottom and right edges inside a box."""
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    for i in range(width):
        d.line([(x0 + i, y1 - 1 - i), (x0 + i, y0 + i), (x1 - 1 - i, y0 + i)], fill=light)
        d.line([(x0 + i + 1, y1 - 1 - i), (x1 - 1 - i, y1 - 1 - i), (x1 - 1 - i, y0 + i + 1)], fill=dark)


def outline(img, box, color, cut_corners=True, corner=CORNER):
    d = ImageDraw.Draw(img)
    x0, y0, x1, y1 = box
    d.rectangle([x0, y0, x1 - 1, y1 - 1], outline=color)
    if cut_corners:
        for p in ((x0, y0), (x1 - 1, y0), (x0, y1 - 1), (x1 - 1, y1 - 1)):
            img.putpixel(p, corner)


def text_width(text, face=None):
    return (face or BOLD_FACE).width(text) - 1


def label(img, cx, cy, text, color, face=None, shadow=None, left=None):
    """Draws a label with its capitals centred on (cx, cy) or starting at x=left."""
    face = face or BOLD_FACE
    w = text_width(text, face)
    x = left if left is not None else cx - w // 2
    if x < 0 or x + w > img.size[0]:
        raise ValueError("label %r does not fit its image" % text)
    # Capitals occupy cell rows 1..8: centre those on cy.
    y = int(round(cy - 4.5 - face.pad_top + 1))
    if shadow is not None:
        pixfont.draw_text(img, x + 1, y + 1, text, face, shadow)
    pixfont.draw_text(img, x, y, text, face, color)
    return x + w


def raised_face(img, box, look):
    """The face of a button in one of its looks: 'normal', 'pressed' or 'disabled'."""
    x0, y0, x1, y1 = box
    if look == "normal":
        vgradient(img, (x0, y0, x1, y1), (22, 122, 186), (10, 76, 128), steps=6)
        outline(img, box, INK)
        bevel(img, (x0 + 1, y0 + 1, x1 - 1, y1 - 1), (96, 178, 255), (6, 48, 88))
    elif look == "pressed":
        vgradient(img, (x0, y0, x1, y1), (8, 52, 94), (12, 80, 132), steps=6)
        outline(img, box, INK)
        bevel(img, (x0 + 1, y0 + 1, x1 - 1, y1 - 1), (4, 30, 60), (40, 120, 200))
    else:
        img.paste(DIS_FACE, (x0, y0, x1, y1))
        outline(img, box, INK)
        bevel(img, (x0 + 1, y0 + 1, x1 - 1, y1 - 1), DIS_EDGE, (30, 40, 58))


def button_strip(w, h, draw_content, looks=("normal", "pressed", "disabled")):
    """A strip of button looks side by side; draw_content(img, box, look) adds the label."""
    img = new(w * len(looks), h)
    for i, look in enumerate(looks):
        box = (i * w, 0, (i + 1) * w, h)
        raised_face(img, box, look)
        draw_content(img, box, look)
    return img


def label_color(look):
    return {"normal": TEXT, "pressed": AMBER_LIGHT, "disabled": DIS_TEXT}[look]


def text_button(w, h, text, face=None):
    if text_width(text, face) > w - 8:
        raise ValueError("label %r is wider than its %d-pixel button" % (text, w))

    def content(img, box, look):
        x0, y0, x1, y1 = box
        off = 1 if look == "pressed" else 0
        shadow = INK if look != "disabled" else None
        label(img, (x0 + x1) // 2 + off, (y0 + y1) / 2 - 0.5 + off, text,
              label_color(look), face, shadow)
    return button_strip(w, h, content)


def triangle(img, cx, cy, size, direction, color):
    """A solid arrow head of the given size pointing 'up', 'down', 'left' or 'right'."""
    d = ImageDraw.Draw(img)
    for i in range(size):
        half = i
        if direction == "up":
            d.line([(cx - half, cy - size // 2 + i), (cx + half, cy - size // 2 + i)], fill=color)
        elif direction == "down":
            d.line([(cx - half, cy + size // 2 - i), (cx + half, cy + size // 2 - i)], fill=color)
        elif direction == "left":
            d.line([(cx - size // 2 + i, cy - half), (cx - size // 2 + i, cy + half)], fill=color)
        else:
            d.line([(cx + size // 2 - i, cy - half), (cx + size // 2 - i, cy + half)], fill=color)


def arrow_button(w, h, direction, size=None):
    size = size or max(3, min(w, h) // 3)

    def content(img, box, look):
        x0, y0, x1, y1 = box
        off = 1 if look == "pressed" else 0
        cx, cy = (x0 + x1 - 1) // 2 + off, (y0 + y1 - 1) // 2 + off
        if look != "disabled":
            triangle(img, cx + 1, cy + 1, size, direction, INK)
        triangle(img, cx, cy, size, direction, label_color(look))
    return button_strip(w, h, content)


def inset_panel(w, h, fill=LIST_BG, rim=2):
    """A sunken panel: dark top-left, light bottom-right, flat interior."""
    img = new(w, h, fill)
    outline(img, (0, 0, w, h), INK, cut_corners=True, corner=NAVY)
    bevel(img, (1, 1, w - 1, h - 1), (6, 16, 36), (64, 120, 184))
    if rim > 1:
        bevel(img, (2, 2, w - 2, h - 2), (8, 22, 48), (34, 78, 132))
    return img


def mask_from(img, background):
    """A mask the size of an image: black where it differs from the background."""
    m = Image.new("RGB", img.size, WHITE)
    src = img.load()
    dst = m.load()
    for y in range(img.size[1]):
        for x in range(img.size[0]):
            if src[x, y] != background:
                dst[x, y] = BLACK
    return m


def supersampled(w, h, draw, scale=4, background=(0, 0, 0, 0)):
    """Draws shapes at a larger scale and shrinks them: smooth silhouettes."""
    big = Image.new("RGBA", (w * scale, h * scale), background)
    draw(ImageDraw.Draw(big), scale)
    return big.resize((w, h), Image.LANCZOS)


def composite(base, layer, x=0, y=0):
    base.paste(layer, (x, y), layer)
    return base

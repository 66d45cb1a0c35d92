"""The game's own pixel fonts, drawn glyph by glyph.

Every glyph is a one-bit picture written as rows of '#' (ink) and '.' (paper).
The text face has ten design rows: rows 0-7 hold capitals and ascenders with
the baseline on row 7, lowercase letters start on row 2, and rows 8-9 hold the
descenders. Strips add one empty row above and below, so a line of text is 12
pixels high. Each glyph is followed by one empty column in the strip, because
the game draws its fonts with a character spacing of 0.

The digit faces are smaller: the date face is 7 rows high (the top bar shows a
whole date in 54 pixels) and the cash face 9 rows.
"""

TEXT_ROWS = 10

# Printable ASCII, one glyph per line: the character, then its rows.
_TEXT_GLYPHS = r"""
A .###. #...# #...# #...# ##### #...# #...# #...#
B ####. #...# #...# ####. #...# #...# #...# ####.
C .###. #...# #.... #.... #.... #.... #...# .###.
D ###.. #..#. #...# #...# #...# #...# #..#. ###..
E ##### #.... #.... ####. #.... #.... #.... #####
F ##### #.... #.... ####. #.... #.... #.... #....
G .###. #...# #.... #.... #.### #...# #...# .####
H #...# #...# #...# ##### #...# #...# #...# #...#
I ### .#. .#. .#. .#. .#. .#. ###
J ..### ...#. ...#. ...#. ...#. #..#. #..#. .##..
K #...# #..#. #.#.. ##... ##... #.#.. #..#. #...#
L #.... #.... #.... #.... #.... #.... #.... #####
M #...# ##.## #.#.# #.#.# #...# #...# #...# #...#
N #...# ##..# ##..# #.#.# #.#.# #..## #..## #...#
O .###. #...# #...# #...# #...# #...# #...# .###.
P ####. #...# #...# #...# ####. #.... #.... #....
Q .###. #...# #...# #...# #...# #.#.# #..#. .##.#
R ####. #...# #...# #...# ####. #.#.. #..#. #...#
S .###. #...# #.... .###. ....# ....# #...# .###.
T ##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#.. ..#..
U #...# #...# #...# #...# #...# #...# #...# .###.
V #...# #...# #...# #...# #...# .#.#. .#.#. ..#..
W #...# #...# #...# #.#.# #.#.# #.#.# #.#.# .#.#.
X #...# #...# .#.#. ..#.. ..#.. .#.#. #...# #...#
Y #...# #...# .#.#. ..#.. ..#.. ..#.. ..#.. ..#..
Z ##### ....# ...#. ..#.. .#... #.... #.... #####
a ..... ..... .###. ....# .#### #...# #...# .####
b #.... #.... ####. #...# #...# #...# #...# ####.
c ..... ..... .###. #...# #.... #.... #...# .###.
d ....# ....# .#### #...# #...# #...# #...# .####
e ..... ..... .###. #...# ##### #.... #...# .###.
f ..## .#.. .#.. ###. .#.. .#.. .#.. .#..
g ..... ..... .#### #...# #...# #...# #...# .#### ....# .###.
h #.... #.... ####. #...# #...# #...# #...# #...#
i .#. ... ##. .#. .#. .#. .#. ###
j ..# ... .## ..# ..# ..# ..# ..# #.# .#.
k #... #... #..# #.#. ##.. #.#. #..# #..#
l ##. .#. .#. .#. .#. .#. .#. ###
m ..... ..... ####. #.#.# #.#.# #.#.# #.#.# #.#.#
n ..... ..... ####. #...# #...# #...# #...# #...#
o ..... ..... .###. #...# #...# #...# #...# .###.
p ..... ..... ####. #...# #...# #...# #...# ####. #.... #....
q ..... ..... .#### #...# #...# #...# #...# .#### ....# ....#
r .... .... #.## ##.. #... #... #... #...
s ..... ..... .#### #.... .###. ....# ....# ####.
t .#.. .#.. ###. .#.. .#.. .#.. .#.. ..##
u ..... ..... #...# #...# #...# #...# #...# .####
v ..... ..... #...# #...# #...# .#.#. .#.#. ..#..
w ..... ..... #...# #...# #.#.# #.#.# #.#.# .#.#.
x ..... ..... #...# .#.#. ..#.. ..#.. .#.#. #...#
y ..... ..... #...# #...# #...# #...# #...# .#### ....# .###.
z ..... ..... ##### ...#. ..#.. .#... #.... #####
0 .###. #...# #..## #.#.# #.#.# ##..# #...# .###.
1 ..#.. .##.. #.#.. ..#.. ..#.. ..#.. ..#.. #####
2 .###. #...# ....# ...#. ..#.. .#... #.... #####
3 .###. #...# ....# ..##. ....# ....# #...# .###.
4 ...#. ..##. .#.#. #..#. ##### ...#. ...#. ...#.
5 ##### #.... #.... ####. ....# ....# #...# .###.
6 .###. #.... #.... ####. #...# #...# #...# .###.
7 ##### ....# ...#. ...#. ..#.. ..#.. .#... .#...
8 .###. #...# #...# .###. #...# #...# #...# .###.
9 .###. #...# #...# #...# .#### ....# ....# .###.
! # # # # # # . #
" #.# #.#
# ..... .#.#. ##### .#.#. .#.#. ##### .#.#. .....
$ ..#.. .#### #.#.. #.#.. .###. ..#.# ####. ..#..
% ##..# ##..# ...#. ..#.. ..#.. .#... #..## #..##
& .##.. #..#. #..#. .##.. #.#.# #..#. #..#. .##.#
' # #
( ..# .#. #.. #.. #.. #.. .#. ..#
) #.. .#. ..# ..# ..# ..# .#. #..
* ..... ..#.. #.#.# .###. #.#.# ..#.. ..... .....
+ ..... ..... ..#.. ..#.. ##### ..#.. ..#.. .....
, .. .. .. .. .. .. .# .# #.
- .... .... .... .... #### .... .... ....
. . . . . . . . #
/ ....# ....# ...#. ..#.. ..#.. .#... #.... #....
: . . . # . . . #
; .. .. .. .# .. .. .. .# #.
< ...# ..#. .#.. #... .#.. ..#. ...# ....
= ..... ..... ..... ##### ..... ##### ..... .....
> #... .#.. ..#. ...# ..#. .#.. #... ....
? .###. #...# ....# ...#. ..#.. ..#.. ..... ..#..
@ .###. #...# #.### #.#.# #.### #.... #...# .###.
[ ### #.. #.. #.. #.. #.. #.. ###
\ #.... #.... .#... ..#.. ..#.. ...#. ....# ....#
] ### ..# ..# ..# ..# ..# ..# ###
^ ..#.. .#.#. #...#
_ ..... ..... ..... ..... ..... ..... ..... ..... ..... #####
` #. .#
{ ..# .#. .#. #.. .#. .#. .#. ..#
| # # # # # # # # # #
} #.. .#. .#. ..# .#. .#. .#. #..
~ ..... ..... ..... .##.# #.##.
"""

# Digits for the top bar's date and the version number: 7 rows.
_SMALL_DIGITS = r"""
0 .##. #..# #..# #..# #..# #..# .##.
1 .#.. ##.. .#.. .#.. .#.. .#.. ###.
2 .##. #..# ...# ..#. .#.. #... ####
3 ###. ...# ...# .##. ...# ...# ###.
4 ..#. .##. #.#. #.#. #### ..#. ..#.
5 #### #... ###. ...# ...# #..# .##.
6 .##. #... #... ###. #..# #..# .##.
7 #### ...# ..#. ..#. .#.. .#.. .#..
8 .##. #..# #..# .##. #..# #..# .##.
9 .##. #..# #..# .### ...# ...# .##.
$ ..#.. .#### #.#.. .###. ..#.# ####. ..#..
- ... ... ... ### ... ... ...
. . . . . . . #
, .. .. .. .. .. .# #.
/ ..# ..# .#. .#. .#. #.. #..
: . . # . . # .
v .... .... #..# #..# #..# .##. .##.
% #..# #..# ..#. .#.. .#.. #..# #..#
+ ... ... .#. ### .#. ... ...
"""

# Digits for the cash on the top bar: 9 rows.
_CASH_DIGITS = r"""
0 .###. #...# #...# #..## #.#.# ##..# #...# #...# .###.
1 ..#.. .##.. #.#.. ..#.. ..#.. ..#.. ..#.. ..#.. #####
2 .###. #...# ....# ....# ...#. ..#.. .#... #.... #####
3 .###. #...# ....# ....# ..##. ....# ....# #...# .###.
4 ...#. ..##. .#.#. #..#. #..#. ##### ...#. ...#. ...#.
5 ##### #.... #.... ####. ....# ....# ....# #...# .###.
6 .###. #...# #.... #.... ####. #...# #...# #...# .###.
7 ##### ....# ....# ...#. ...#. ..#.. ..#.. .#... .#...
8 .###. #...# #...# #...# .###. #...# #...# #...# .###.
9 .###. #...# #...# #...# .#### ....# ....# #...# .###.
$ ..#.. .#### #.#.. #.#.. .###. ..#.# ..#.# ####. ..#..
- .... .... .... .... #### .... .... .... ....
. . . . . . . . . #
, .. .. .. .. .. .. .. .# #.
/ ...# ...# ..#. ..#. .#.. .#.. #... #... ....
: . . # . . . # . .
v ..... ..... ..... #...# #...# #...# .#.#. .#.#. ..#..
% ##..# ##..# ...#. ..#.. ..#.. .#... #..## #..## .....
+ ..... ..... ..#.. ..#.. ##### ..#.. ..#.. ..... .....
"""


def _parse(table, rows):
    glyphs = {}
    for line in table.strip("\n").split("\n"):
        if not line.strip():
            continue
        ch = line[0]
        parts = line[2:].split()
        width = len(parts[0])
        for p in parts:
            if len(p) != width:
                raise ValueError("glyph %r has rows of different widths" % ch)
        while len(parts) < rows:
            parts.append("." * width)
        if len(parts) != rows:
            raise ValueError("glyph %r has %d rows, expected %d" % (ch, len(parts), rows))
        glyphs[ch] = [[c == "#" for c in p] for p in parts]
    return glyphs


class Face:
    """A set of one-bit glyphs of one height, with the spacing column added."""

    def __init__(self, glyphs, rows, space_width, pad_top=0, pad_bottom=0, gap=1):
        self.glyphs = glyphs
        self.rows = rows
        self.pad_top = pad_top
        self.pad_bottom = pad_bottom
        self.gap = gap
        self.glyphs[" "] = [[False] * space_width for _ in range(rows)]

    @property
    def height(self):
        return self.pad_top + self.rows + self.pad_bottom

    def has(self, ch):
        return ch in self.glyphs

    def advance(self, ch):
        return len(self.glyphs[ch][0]) + self.gap

    def width(self, text):
        return sum(self.advance(c) for c in text if c in self.glyphs)

    def ink(self, ch):
        """(x, y) of every ink pixel of the glyph cell, cell origin at top-left."""
        g = self.glyphs[ch]
        for y, row in enumerate(g):
            for x, on in enumerate(row):
                if on:
                    yield x, y + self.pad_top


# Letters whose strokes would run together when doubled: drawn bold by hand.
_BOLD_GLYPHS = r"""
M ##...## ###.### ####### ##.#.## ##...## ##...## ##...## ##...##
W ##...## ##...## ##...## ##.#.## ##.#.## ##.#.## ####### .##.##.
m ........ ........ #######. ##.##.## ##.##.## ##.##.## ##.##.## ##.##.##
w ........ ........ ##....## ##....## ##.##.## ##.##.## ######## .##..##.
"""


class BoldFace(Face):
    """A face whose strokes are doubled to the right: one pixel wider."""

    def __init__(self, base):
        glyphs = {}
        overrides = _parse(_BOLD_GLYPHS, base.rows)
        for ch, g in base.glyphs.items():
            if ch == " ":
                continue
            if ch in overrides:
                glyphs[ch] = overrides[ch]
                continue
            w = len(g[0]) + 1
            out = []
            for row in g:
                r = [False] * w
                for x, on in enumerate(row):
                    if on:
                        r[x] = True
                        r[x + 1] = True
                out.append(r)
            glyphs[ch] = out
        super().__init__(glyphs, base.rows, len(base.glyphs[" "][0]) + 1,
                         base.pad_top, base.pad_bottom, base.gap)


def text_face():
    return Face(_parse(_TEXT_GLYPHS, TEXT_ROWS), TEXT_ROWS, 3, pad_top=1, pad_bottom=1)


def bold_face():
    return BoldFace(text_face())


def small_digit_face():
    return Face(_parse(_SMALL_DIGITS, 7), 7, 2)


def cash_digit_face():
    return Face(_parse(_CASH_DIGITS, 9), 9, 3)


def draw_text(img, x, y, text, face, color, scale=1):
    """Draws text with a face onto a Pillow RGB image; returns the end x."""
    px = img.load()
    w, h = img.size
    for ch in text:
        if ch not in face.glyphs:
            ch = "?"
        for gx, gy in face.ink(ch):
            for sy in range(scale):
                for sx in range(scale):
                    xx = x + gx * scale + sx
                    yy = y + gy * scale + sy
                    if 0 <= xx < w and 0 <= yy < h:
                        px[xx, yy] = color
        x += face.advance(ch) * scale
    return x


def draw_text_shadowed(img, x, y, text, face, color, shadow, scale=1):
    """Draws a drop shadow one (scaled) pixel down-right first, then the text."""
    draw_text(img, x + scale, y + scale, text, face, shadow, scale=scale)
    return draw_text(img, x, y, text, face, color, scale=scale)

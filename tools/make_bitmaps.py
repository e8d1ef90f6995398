#!/usr/bin/env python3
"""Draws the program's bitmaps and icon into monitor/res.

The lamps, menu pictures and digit strips are 16-colour bitmaps on the standard VGA palette;
the digit strips are rows of 17 glyphs, 14 x 20 each, black on silver; the menu
pictures use magenta as their transparent colour, and their bottom-left pixel is always
background, which is where the image list takes the mask colour from. The icon is drawn at
32 and 16 pixels with an alpha channel.

Run:  python3 tools/make_bitmaps.py [output folder]   (default: monitor/res)
      add --preview to also write an enlarged PPM sheet of all pictures for a look.
"""

import math
import os
import struct
import sys

# The 16 colours of the standard Windows palette, in palette order.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# Letters of the pictures below and the palette entries they stand for.
INK = {
    'K': 0, 'r': 1, 'g': 2, 'y': 3, 'b': 4, 'p': 5, 'c': 6, 'S': 7,
    'G': 8, 'R': 9, 'L': 10, 'Y': 11, 'B': 12, '.': 13, 'C': 14, 'W': 15,
}
MAGENTA = 13

# Menu pictures, 16 x 16, in image-list order.
MENU = [
    # 0 New: an empty sheet with a folded corner.
    """
    ................
    ...KKKKKKKK.....
    ...KWWWWWWKK....
    ...KWWWWWWKWK...
    ...KWWWWWWKWWK..
    ...KWWWWWWKKKKK.
    ...KWWWWWWWWWWK.
    ...KWWWWWWWWWWK.
    ...KWWWWWWWWWWK.
    ...KWWWWWWWWWWK.
    ...KWWWWWWWWWWK.
    ...KWWWWWWWWWWK.
    ...KWWWWWWWWWWK.
    ...KWWWWWWWWWWK.
    ...KKKKKKKKKKKK.
    ................
    """,
    # 1 View: an open yellow folder.
    """
    ................
    ................
    .KKKK...........
    KYYYYK..........
    KYYYYYKKKKKKK...
    KYYYYYYYYYYYK...
    KYYYKKKKKKKKKKKK
    KYYKyyyyyyyyyyyK
    KYYKyyyyyyyyyyK.
    KYKyyyyyyyyyyyK.
    KYKyyyyyyyyyyK..
    KKyyyyyyyyyyyK..
    KKyyyyyyyyyyK...
    KKKKKKKKKKKKK...
    ................
    ................
    """,
    # 2 Save As: a floppy disk.
    """
    ................
    .KKKKKKKKKKKKKK.
    .KbKWWWWWWWWKbK.
    .KbKWWWWWWWWKbK.
    .KbKWGGGGGGWKbK.
    .KbKWWWWWWWWKbK.
    .KbKWGGGGGGWKbK.
    .KbbKKKKKKKKbbK.
    .KbbbbbbbbbbbbK.
    .KbbbSSSSSSSbbK.
    .KbbbSKKSSSSbbK.
    .KbbbSKKSSSSbbK.
    .KbbbSKKSSSSbbK.
    .KKKKKKKKKKKKKK.
    ................
    ................
    """,
    # 3 Car description: a red car from the side.
    """
    ................
    ................
    ................
    ................
    .....KKKKKKK....
    ....KCCCKCCCK...
    ...KCCCCKCCCCK..
    .KKKKKKKKKKKKKK.
    KRRRRRRRRRRRRRYK
    KRRRRRRRRRRRRRRK
    KRRKKKRRRRRKKKRK
    .KKKSKKKKKKKSKK.
    ...KKK.....KKK..
    ................
    ................
    ................
    """,
    # 4 Exit: a door and an arrow leaving through it.
    """
    ................
    .KKKKKKKK.......
    .KyyyyyyK.......
    .KyyyyyyK.......
    .KyyyyyyK...R...
    .KyyyyyyK...RR..
    .KyyyyKyKRRRRRR.
    .KyyyyKyKRRRRRRR
    .KyyyyyyKRRRRRR.
    .KyyyyyyK...RR..
    .KyyyyyyK...R...
    .KyyyyyyK.......
    .KyyyyyyK.......
    .KKKKKKKK.......
    ................
    ................
    """,
    # 5 Charts: two curves over axes.
    """
    ................
    .KWWWWWWWWWWWWW.
    .KWWWWWWWWWRRWW.
    .KWWWWWWWWRWWRW.
    .KWWWRWWWRWWWWR.
    .KWWRWRWRWWWWWW.
    .KWRWWWRWWWWWWW.
    .KRWWWWWWWWWWWW.
    .KWWWWWWWWBBBWW.
    .KWBBWWWWBWWWBW.
    .KWWWBBBBWWWWWB.
    .KWWWWWWWWWWWWW.
    .KWWWWWWWWWWWWW.
    .KKKKKKKKKKKKKK.
    ................
    ................
    """,
    # 6 Large data display: a screen with large digits.
    """
    ................
    KKKKKKKKKKKKKKKK
    KSSSSSSSSSSSSSSK
    KSKKKKKKKKKKKKSK
    KSKLLLKKKKLLLKSK
    KSKKKLKKKKLKKKSK
    KSKLLLKKKKLLLKSK
    KSKLKKKKKKKKLKSK
    KSKLLLKKKKLLLKSK
    KSKKKKKKKKKKKKSK
    KSSSSSSSSSSSSSSK
    KKKKKKKKKKKKKKKK
    ......KSSK......
    ....KKKKKKKK....
    ................
    ................
    """,
    # 7 Driving parameters: a half dial with its needle.
    """
    ................
    ................
    .....KKKKKK.....
    ...KKWWWWWWKK...
    ..KWKWWWWWWKWK..
    .KWWWWWWWWRWWWK.
    .KWWWWWWWRWWWWK.
    KKWWWWWWRWWWWWKK
    KWWWWWWRWWWWWWWK
    KWWWWWKKKWWWWWWK
    KWWWWWKKKWWWWWWK
    KKKKKKKKKKKKKKKK
    ................
    ................
    ................
    ................
    """,
    # 8 Check performance: a stopwatch.
    """
    ................
    ......KKKK......
    .......KK.......
    .....KKKKKK.....
    ...KKWWWWWWKK...
    ..KWWWWKWWWWWK..
    ..KWWWWKWWWWWK..
    .KWWWWWKWWWWWWK.
    .KWWWWWKKKKKWWK.
    .KWWWWWWWWWWWWK.
    .KWWWWWWWWWWWWK.
    ..KWWWWWWWWWWK..
    ..KWWWWWWWWWWK..
    ...KKWWWWWWKK...
    .....KKKKKK.....
    ................
    """,
    # 9 Cable check: a serial plug and its two-wire cable.
    """
    ................
    KKKKKKKKKKKKKK..
    KSSSSSSSSSSSSK..
    KSKSKSKSKSKSSK..
    .KSSSSSSSSSSK...
    .KSSKSKSKSKSK...
    ..KSSSSSSSSK....
    ..KKKKKKKKKK....
    ....KGGGGK......
    .....KRBK.......
    .....KRBK.......
    .....KRBK.......
    .....KRBK.......
    .....KRBK.......
    .....KRBK.......
    ................
    """,
    # 10 Program settings: a gear wheel.
    """
    ................
    .......KK.......
    ....K.KGGK.K....
    ...KGKGGGGKGK...
    ....KGGGGGGK....
    ...KGGGKKGGGK...
    .KKGGGKWWKGGGKK.
    .KGGGKWWWWKGGGK.
    .KGGGKWWWWKGGGK.
    .KKGGGKWWKGGGKK.
    ...KGGGKKGGGK...
    ....KGGGGGGK....
    ...KGKGGGGKGK...
    ....K.KGGK.K....
    .......KK.......
    ................
    """,
    # 11 About: the letter i in a blue disc.
    """
    ................
    .....KKKKKK.....
    ...KKBBBBBBKK...
    ..KBBBBWWBBBBK..
    ..KBBBBWWBBBBK..
    .KBBBBBBBBBBBBK.
    .KBBBBWWWBBBBBK.
    .KBBBBBWWBBBBBK.
    .KBBBBBWWBBBBBK.
    .KBBBBBWWBBBBBK.
    ..KBBBBWWBBBBK..
    ..KBBBWWWWBBBK..
    ...KKBBBBBBKK...
    .....KKKKKK.....
    ................
    ................
    """,
    # 12 Working with the program: an open book.
    """
    ................
    ................
    .KKKKK...KKKKK..
    KWWWWWK.KWWWWWK.
    KWGGGWWKWGGGGWK.
    KWWWWWWKWWWWWWK.
    KWGGGGWKWGGGWWK.
    KWWWWWWKWWWWWWK.
    KWGGGWWKWGGGGWK.
    KWWWWWWKWWWWWWK.
    KWGGGGWKWGGWWWK.
    KWWWWWWKWWWWWWK.
    KKKKKKKKKKKKKKK.
    .ccccccKccccccc.
    ................
    ................
    """,
    # 13 Plug-in commands: a green jigsaw piece.
    """
    ................
    ......KKKK......
    .....KggggK.....
    .....KggggK.....
    ..KKKKggggKKKK..
    ..KggggggggggK..
    ..KggggggggggKK.
    ..KgggggggggggK.
    ..KgggggggggggK.
    ..KggggggggggKK.
    ..KggggggggggK..
    ..KggggggggggK..
    ..KggggggggggK..
    ..KKKKKKKKKKKK..
    ................
    ................
    """,
    # 14 Reading: a green start arrow.
    """
    ................
    ....KK..........
    ....KLK.........
    ....KLLK........
    ....KLLLK.......
    ....KLLLLK......
    ....KLLLLLK.....
    ....KLLLLLLK....
    ....KLLLLLLK....
    ....KLLLLLK.....
    ....KLLLLK......
    ....KLLLK.......
    ....KLLK........
    ....KLK.........
    ....KK..........
    ................
    """,
]


# Glyphs of the digit strips, in strip order; the eleventh is blank.
DIGIT_GLYPHS = "0123456789 ,.+-:/"
GLYPH_W, GLYPH_H = 14, 20

# Seven-segment digits: a top, b upper right, c lower right, d bottom, e lower left,
# f upper left, g middle.
SEGMENTS = {
    '0': 'abcdef', '1': 'bc', '2': 'abdeg', '3': 'abcdg', '4': 'bcfg', '5': 'acdfg',
    '6': 'acdefg', '7': 'abc', '8': 'abcdefg', '9': 'abcdfg', '-': 'g',
}

# A 5 x 7 matrix font of the same glyphs.
MATRIX = {
    '0': ["01110", "10001", "10011", "10101", "11001", "10001", "01110"],
    '1': ["00100", "01100", "00100", "00100", "00100", "00100", "01110"],
    '2': ["01110", "10001", "00001", "00010", "00100", "01000", "11111"],
    '3': ["11111", "00010", "00100", "00010", "00001", "10001", "01110"],
    '4': ["00010", "00110", "01010", "10010", "11111", "00010", "00010"],
    '5': ["11111", "10000", "11110", "00001", "00001", "10001", "01110"],
    '6': ["00110", "01000", "10000", "11110", "10001", "10001", "01110"],
    '7': ["11111", "00001", "00010", "00100", "01000", "01000", "01000"],
    '8': ["01110", "10001", "10001", "01110", "10001", "10001", "01110"],
    '9': ["01110", "10001", "10001", "01111", "00001", "00010", "01100"],
    ' ': ["00000"] * 7,
    ',': ["00000", "00000", "00000", "00000", "01100", "00100", "01000"],
    '.': ["00000", "00000", "00000", "00000", "00000", "01100", "01100"],
    '+': ["00000", "00100", "00100", "11111", "00100", "00100", "00000"],
    '-': ["00000", "00000", "00000", "11111", "00000", "00000", "00000"],
    ':': ["00000", "01100", "01100", "00000", "01100", "01100", "00000"],
    '/': ["00001", "00001", "00010", "00100", "01000", "10000", "10000"],
}


def blank_glyph():
    return [[7] * GLYPH_W for _ in range(GLYPH_H)]


def segment_glyph(ch, t):
    """A seven-segment glyph with strokes t pixels thick, a pixel's gap at the corners."""
    px = blank_glyph()

    def box(x0, y0, x1, y1):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = 0

    left, right = 2, 11
    top, middle, bottom = 2, 9, 18 - t
    spans = {
        'a': (left + t, top, right - t, top + t - 1),
        'g': (left + t, middle, right - t, middle + t - 1),
        'd': (left + t, bottom, right - t, bottom + t - 1),
        'f': (left, top + t, left + t - 1, middle - 1),
        'b': (right - t + 1, top + t, right, middle - 1),
        'e': (left, middle + t, left + t - 1, bottom - 1),
        'c': (right - t + 1, middle + t, right, bottom - 1),
    }
    for s in SEGMENTS.get(ch, ''):
        box(*spans[s])
    if ch == '+':
        box(left + t, middle, right - t, middle + t - 1)
        box(6, 5, 6 + t - 1, 14)
    elif ch in ':':
        box(6, 6, 7, 7)
        box(6, 13, 7, 14)
    elif ch in '.,':
        box(6, 16, 7, 17)
        if ch == ',':
            box(5, 18, 6, 18)
    elif ch == '/':
        for y in range(top, bottom + t):
            x = round(right - (y - top) * (right - left) / (bottom + t - 1 - top))
            box(max(left, x - t + 1), y, x, y)
    return px


def matrix_glyph(ch, dots):
    """The 5 x 7 matrix glyph, each point a 2 x 2 block, or a single dot for the dot look."""
    px = blank_glyph()
    for j, row in enumerate(MATRIX[ch]):
        for i, bit in enumerate(row):
            if bit == '1':
                for dy in range(1 if dots else 2):
                    for dx in range(1 if dots else 2):
                        px[3 + 2 * j + dy][2 + 2 * i + dx] = 0
    return px


def digit_strip(glyph):
    glyphs = [glyph(ch) for ch in DIGIT_GLYPHS]
    return [sum((g[y] for g in glyphs), []) for y in range(GLYPH_H)]


def parse_art(art):
    rows = [line.strip() for line in art.strip().splitlines()]
    assert len(rows) == 16 and all(len(r) == 16 for r in rows), rows
    return [[INK[ch] for ch in row] for row in rows]


def lamp(fill, rim):
    """A 20 x 20 lamp: a disc with a darker rim and a white highlight at the upper left,
    on button-face silver."""
    silver, white = 7, 15
    px = [[silver] * 20 for _ in range(20)]
    cx = cy = 9.5
    for y in range(20):
        for x in range(20):
            d = math.hypot(x - cx, y - cy)
            if d <= 9.3:
                px[y][x] = rim
            if d <= 7.8:
                px[y][x] = fill
            # The highlight: a short arc inside the rim, up and left of the centre.
            angle = math.degrees(math.atan2(y - cy, x - cx)) % 360
            if 4.2 <= d <= 6.0 and 195 <= angle <= 255:
                px[y][x] = white
    return px


def bmp4(pixels):
    """A bottom-up 4-bit BMP file of palette indexes."""
    h, w = len(pixels), len(pixels[0])
    stride = ((w * 4 + 31) // 32) * 4
    rows = b""
    for row in reversed(pixels):
        data = bytearray()
        for x in range(0, w, 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < w else 0
            data.append((hi << 4) | lo)
        rows += bytes(data) + b"\0" * (stride - len(data))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(rows), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + palette + rows


def icon_pixels(size):
    """RGBA rows of the program icon: a dark-blue rounded tile with a green pulse train, the
    line signal the program reads."""
    s = size / 32.0
    out = []
    for y in range(size):
        row = []
        for x in range(size):
            fx, fy = (x + 0.5) / s, (y + 0.5) / s
            # Rounded tile from 1 to 31 with corner radius 6.
            qx = min(max(fx, 7.0), 25.0)
            qy = min(max(fy, 7.0), 25.0)
            inside = math.hypot(fx - qx, fy - qy) <= 6.0
            if not inside:
                row.append((0, 0, 0, 0))
                continue
            colour = (16, 32, 96, 255)
            if math.hypot(fx - qx, fy - qy) > 5.0:
                colour = (200, 210, 240, 255)
            # The pulse train: low at y 22, high at y 10, edges at x 9, 14, 18, 24.
            edges = [9, 14, 18, 24]
            level_high = sum(1 for e in edges if fx >= e) % 2 == 1
            line_y = 10 if level_high else 22
            w = 1.6
            on_level = 5 <= fx <= 27 and abs(fy - line_y) <= w / 2 + 0.2
            on_edge = any(abs(fx - e) <= w / 2 + 0.2 and 10 <= fy <= 22 for e in edges)
            if on_level or on_edge:
                colour = (0, 255, 64, 255)
            row.append(colour)
        out.append(row)
    return out


def ico(sizes):
    images = []
    for size in sizes:
        px = icon_pixels(size)
        xor = b"".join(struct.pack("<BBBB", b, g, r, a)
                       for row in reversed(px) for (r, g, b, a) in row)
        mask_stride = ((size + 31) // 32) * 4
        mask = b""
        for row in reversed(px):
            bits = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(row):
                if a == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bytes(bits)
        info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask),
                           0, 0, 0, 0)
        images.append((size, info + xor + mask))
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    data = b""
    for size, blob in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(blob),
                               offset + len(data))
        data += blob
    return header + entries + data


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def preview(path, pictures):
    """All pictures side by side, enlarged 8 times, magenta shown as light grey."""
    zoom, gap = 8, 4
    height = max(len(p) for p in pictures) * zoom
    width = sum(len(p[0]) * zoom + gap for p in pictures)
    canvas = [[(230, 230, 230)] * width for _ in range(height)]
    left = 0
    for pic in pictures:
        for y, row in enumerate(pic):
            for x, index in enumerate(row):
                rgb = (210, 210, 210) if index == MAGENTA else PALETTE[index]
                for dy in range(zoom):
                    for dx in range(zoom):
                        canvas[y * zoom + dy][left + x * zoom + dx] = rgb
        left += len(pic[0]) * zoom + gap
    with open(path, "wb") as f:
        f.write(b"P6 %d %d 255\n" % (width, height))
        f.write(bytes(c for row in canvas for px in row for c in px))


def main():
    args = [a for a in sys.argv[1:] if a != "--preview"]
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = args[0] if args else os.path.join(root, "monitor", "res")
    lamps = {"err": lamp(9, 1), "on": lamp(10, 2), "off": lamp(8, 0)}
    for name, px in lamps.items():
        write(os.path.join(out, "lamp_%s.bmp" % name), bmp4(px))
    menu = [parse_art(a) for a in MENU]
    for i, px in enumerate(menu):
        assert px[15][0] == MAGENTA, "menu picture %d needs background at its bottom left" % i
        write(os.path.join(out, "menu%02d.bmp" % i), bmp4(px))
    # Strip 1 is the one the digit displays load; the others are alternative looks.
    strips = [
        digit_strip(lambda ch: segment_glyph(ch, 2)),
        digit_strip(lambda ch: matrix_glyph(ch, False)),
        digit_strip(lambda ch: segment_glyph(ch, 1)),
        digit_strip(lambda ch: matrix_glyph(ch, True)),
    ]
    for i, px in enumerate(strips):
        assert len(px[0]) == 238 and len(px) == 20
        write(os.path.join(out, "kro_digit%d.bmp" % (i + 1)), bmp4(px))
    write(os.path.join(out, "velmorant.ico"), ico([32, 16]))
    if "--preview" in sys.argv:
        preview(os.path.join(out, "preview.ppm"), list(lamps.values()) + menu)
        preview(os.path.join(out, "preview_digits.ppm"), strips)


if __name__ == "__main__":
    main()

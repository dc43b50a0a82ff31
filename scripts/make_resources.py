#!/usr/bin/python3
"""Build the binary resources of Pandor 7 from the text pixel maps.

Usage:
    python3 scripts/make_resources.py --art resources/art --out OUTDIR

Every picture the program shows (icon, cursors, tree images, button glyphs)
lives in resources/art/ as a plain text pixel map so that changes can be
reviewed in a diff.  Each picture is drawn at its size for 96 DPI and at one
and a half times that size for 144 DPI; the map's file name ends in the size.
This script turns them into the files the resource script includes:

    mainicon.ico       32x32 and 48x48 images as drawn, and 64x64 (the 32x32
                       one doubled pixel by pixel), 4 bit (16 colour
                       palette), XOR + AND mask
    czoom.cur          monochrome cursor at 32x32, 48x48 and 64x64 (made as
                       the icon's), hot spot taken from the maps
    cnozoom.cur        the same for the other cursor
    node_images_N.bmp  (7N)xN, 24 bit: seven NxN tree images side by side,
                       N = 16 and 24
    glyph_ende_N.bmp   (2N)xN, 24 bit: normal glyph | disabled glyph
    glyph_suchen_N.bmp (2N)xN, 24 bit: normal glyph | disabled glyph

Windows picks the icon and cursor image of its own icon and cursor size; the
program enlarges the bitmaps for other resolutions itself.

In all .bmp files transparent pixels are magenta (255,0,255); the program
loads them as masked image lists / glyphs with magenta as the mask colour,
so magenta must not be used as a real colour in those maps.

Pixel map format (one file per resource):

    # comment lines start with '#', blank lines are ignored
    size 16 16                      width and height of each image
    hotspot 0 0                     cursors only: x y of the hot spot
    colour .  transparent           legend: one character per colour
    colour K  0 0 0     black       R G B (0..255), then an optional name
    image 0 closed folder           index (0, 1, ...) and a label
    ................                exactly <height> rows of <width>
    ...                             legend characters follow

The script checks everything before it writes anything and stops with
"file:line: message" on the first problem.  Output is deterministic.
"""

import argparse
import os
import struct
import sys

TRANSPARENT = None
MAGENTA = (255, 0, 255)

# The 16 colours of the standard Windows/VGA palette in the usual index order.
VGA16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# What each resource must look like: map file -> (width, height, images, kind)
RESOURCES = {}
for _stem, _sizes, _images, _kind in (("mainicon", (32, 48), 1, "icon"),
                                      ("czoom", (32, 48), 1, "cursor"),
                                      ("cnozoom", (32, 48), 1, "cursor"),
                                      ("node_images", (16, 24), 7, "strip"),
                                      ("glyph_ende", (16, 24), 1, "glyph"),
                                      ("glyph_suchen", (16, 24), 1, "glyph")):
    for _size in _sizes:
        RESOURCES["%s_%d.txt" % (_stem, _size)] = (_size, _size, _images, _kind)


class ArtError(Exception):
    pass


class PixelMap:
    def __init__(self, path):
        self.path = path
        self.width = None
        self.height = None
        self.hotspot = None
        self.legend = {}
        self.images = []        # list of (label, rows of colours)
        self.lines = {}         # what -> line number, for error messages
        self.last_line = 0


def fail(path, lineno, message):
    where = path if lineno is None else "%s:%d" % (path, lineno)
    raise ArtError("%s: %s" % (where, message))


def parse_int(path, lineno, text, what, lo, hi):
    try:
        value = int(text, 10)
    except ValueError:
        fail(path, lineno, "%s '%s' is not a number" % (what, text))
    if not lo <= value <= hi:
        fail(path, lineno, "%s %d out of range %d..%d" % (what, value, lo, hi))
    return value


def read_map(path, display):
    """Parse and validate one pixel map file."""
    pm = PixelMap(display)
    try:
        with open(path, "r", encoding="utf-8") as f:
            lines = f.read().split("\n")
    except OSError as e:
        fail(display, None, "cannot read: %s" % e.strerror)
    except UnicodeDecodeError:
        fail(display, None, "not valid UTF-8 text")

    current = None          # rows of the image being read
    current_start = None
    for lineno, raw in enumerate(lines, 1):
        line = raw.rstrip("\r").rstrip()
        if current is not None:
            # inside an image: every non-blank line is a pixel row
            if not line:
                if not "".join(lines[lineno:]).strip():
                    fail(display, lineno, "file ends, but the image started on "
                         "line %d has only %d of %d rows"
                         % (current_start, len(current), pm.height))
                fail(display, lineno, "blank line inside the image started on "
                     "line %d (%d of %d rows read)"
                     % (current_start, len(current), pm.height))
            if len(line) != pm.width:
                fail(display, lineno, "row has %d pixels, expected %d"
                     % (len(line), pm.width))
            row = []
            for col, ch in enumerate(line):
                if ch not in pm.legend:
                    fail(display, lineno, "column %d: character '%s' is not in "
                         "the legend" % (col + 1, ch))
                row.append(pm.legend[ch])
            current.append(row)
            if len(current) == pm.height:
                current = None
            continue

        stripped = line.strip()
        if not stripped or stripped.startswith("#"):
            continue
        words = stripped.split()
        key = words[0]
        pm.last_line = lineno
        if key == "size":
            if pm.width is not None:
                fail(display, lineno, "'size' given twice")
            if len(words) != 3:
                fail(display, lineno, "expected 'size WIDTH HEIGHT'")
            pm.lines["size"] = lineno
            pm.width = parse_int(display, lineno, words[1], "width", 1, 256)
            pm.height = parse_int(display, lineno, words[2], "height", 1, 256)
        elif key == "hotspot":
            if pm.hotspot is not None:
                fail(display, lineno, "'hotspot' given twice")
            if len(words) != 3:
                fail(display, lineno, "expected 'hotspot X Y'")
            pm.lines["hotspot"] = lineno
            pm.hotspot = (parse_int(display, lineno, words[1], "hotspot x", 0, 255),
                          parse_int(display, lineno, words[2], "hotspot y", 0, 255))
        elif key == "colour":
            if pm.images:
                fail(display, lineno, "legend entries must come before the images")
            if len(words) < 3:
                fail(display, lineno, "expected 'colour CHAR R G B [name]' or "
                     "'colour CHAR transparent'")
            ch = words[1]
            if len(ch) != 1:
                fail(display, lineno, "legend key '%s' must be one character" % ch)
            if ch == "#":
                fail(display, lineno, "'#' cannot be a legend key")
            if ch in pm.legend:
                fail(display, lineno, "legend key '%s' defined twice" % ch)
            pm.lines["colour " + ch] = lineno
            if words[2] == "transparent":
                if TRANSPARENT in pm.legend.values():
                    fail(display, lineno, "only one character may be transparent")
                pm.legend[ch] = TRANSPARENT
            else:
                if len(words) < 5:
                    fail(display, lineno, "expected 'colour %s R G B [name]'" % ch)
                pm.legend[ch] = tuple(
                    parse_int(display, lineno, w, "colour component", 0, 255)
                    for w in words[2:5])
        elif key == "image":
            if pm.width is None:
                fail(display, lineno, "'size' must come before the first image")
            if not pm.legend:
                fail(display, lineno, "the legend must come before the first image")
            if len(words) < 2:
                fail(display, lineno, "expected 'image INDEX [label]'")
            index = parse_int(display, lineno, words[1], "image index", 0, 255)
            if index != len(pm.images):
                fail(display, lineno, "image index %d out of order, expected %d"
                     % (index, len(pm.images)))
            current = []
            current_start = lineno
            pm.last_line = lineno
            pm.images.append((" ".join(words[2:]), current))
        elif pm.images and len(words) == 1 and all(c in pm.legend for c in key):
            fail(display, lineno, "pixel row outside an image: image %d already "
                 "has the %d rows that 'size' asks for"
                 % (len(pm.images) - 1, pm.height))
        else:
            fail(display, lineno, "unknown keyword '%s'" % key)

    if current is not None:
        fail(display, len(lines), "image started on line %d has only %d of %d rows"
             % (current_start, len(current), pm.height))
    if pm.width is None:
        fail(display, None, "no 'size' line")
    if TRANSPARENT not in pm.legend.values():
        fail(display, None, "the legend has no transparent character")
    return pm


def check_resource(pm, name):
    width, height, count, kind = RESOURCES[name]
    if (pm.width, pm.height) != (width, height):
        fail(pm.path, pm.lines["size"], "size is %dx%d, expected %dx%d"
             % (pm.width, pm.height, width, height))
    if len(pm.images) != count:
        fail(pm.path, pm.last_line or None, "file has %d image(s), expected %d"
             % (len(pm.images), count))
    if kind == "cursor":
        if pm.hotspot is None:
            fail(pm.path, pm.lines["size"], "a cursor needs a 'hotspot X Y' line "
                 "after 'size'")
        if pm.hotspot[0] >= width or pm.hotspot[1] >= height:
            fail(pm.path, pm.lines["hotspot"], "hotspot %d,%d lies outside the "
                 "image" % pm.hotspot)
    elif pm.hotspot is not None:
        fail(pm.path, pm.lines["hotspot"], "'hotspot' is only meaningful for "
             "cursors")
    for ch, colour in sorted(pm.legend.items()):
        if colour is TRANSPARENT:
            continue
        line = pm.lines["colour " + ch]
        if kind == "icon" and colour not in VGA16:
            fail(pm.path, line, "colour '%s' = %d %d %d is not one of the 16 "
                 "standard palette colours" % ((ch,) + colour))
        if kind == "cursor" and colour not in ((0, 0, 0), (255, 255, 255)):
            fail(pm.path, line, "colour '%s': a monochrome cursor can only use "
                 "black, white and transparent" % ch)
        if kind in ("strip", "glyph") and colour == MAGENTA:
            fail(pm.path, line, "colour '%s' is magenta, which is reserved as "
                 "the transparent colour" % ch)


# ---------------------------------------------------------------------------
# Writers

def info_header(width, height, bpp, image_size, colours_used):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bpp, 0,
                       image_size, 0, 0, colours_used, 0)


def pack_bits(bits, row_bytes):
    """Pack a list of 0/1 values, MSB first, padded to row_bytes."""
    out = bytearray(row_bytes)
    for i, b in enumerate(bits):
        if b:
            out[i >> 3] |= 0x80 >> (i & 7)
    return bytes(out)


def stride(width, bpp):
    return ((width * bpp + 31) // 32) * 4


def and_mask(pixels):
    width = len(pixels[0])
    return b"".join(pack_bits([1 if p is TRANSPARENT else 0 for p in row],
                              stride(width, 1))
                    for row in reversed(pixels))


def ico_body(pixels):
    height = len(pixels)
    width = len(pixels[0])
    row_bytes = stride(width, 4)
    xor = bytearray()
    for row in reversed(pixels):
        line = bytearray(row_bytes)
        for x, p in enumerate(row):
            index = 0 if p is TRANSPARENT else VGA16.index(p)
            line[x >> 1] |= index << (0 if x & 1 else 4)
        xor += line
    mask = and_mask(pixels)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in VGA16)
    return (info_header(width, height * 2, 4, len(xor) + len(mask), 16)
            + palette + bytes(xor) + mask)


def cur_body(pixels):
    height = len(pixels)
    width = len(pixels[0])
    row_bytes = stride(width, 1)
    xor = b"".join(pack_bits([1 if p == (255, 255, 255) else 0 for p in row],
                             row_bytes)
                   for row in reversed(pixels))
    mask = and_mask(pixels)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    return (info_header(width, height * 2, 1, len(xor) + len(mask), 2)
            + palette + xor + mask)


def icon_directory(kind, entries):
    """An .ico (kind 1) or .cur (kind 2) file of several images.

    entries: (pixels, body, colours, word1, word2), where the two words are
    planes and bit count for an icon, the hot spot for a cursor.
    """
    offset = 6 + 16 * len(entries)
    header = struct.pack("<HHH", 0, kind, len(entries))
    directory = b""
    bodies = b""
    for pixels, body, colours, word1, word2 in entries:
        width = len(pixels[0])
        height = len(pixels)
        directory += struct.pack("<BBBBHHII", width & 0xFF, height & 0xFF,
                                 colours, 0, word1, word2, len(body),
                                 offset + len(bodies))
        bodies += body
    return header + directory + bodies


def make_ico(images):
    return icon_directory(1, [(p, ico_body(p), 16, 1, 4) for p in images])


def make_cur(images):
    """images: (pixels, hotspot) pairs."""
    return icon_directory(2, [(p, cur_body(p), 2, hot[0], hot[1])
                              for p, hot in images])


def enlarged(pixels, factor):
    """Every pixel as a square of factor x factor pixels."""
    return [[p for p in row for _ in range(factor)]
            for row in pixels for _ in range(factor)]


def make_bmp24(pixels):
    height = len(pixels)
    width = len(pixels[0])
    row_bytes = stride(width, 24)
    data = bytearray()
    for row in reversed(pixels):
        line = bytearray()
        for p in row:
            r, g, b = MAGENTA if p is TRANSPARENT else p
            line += bytes((b, g, r))
        line += bytes(row_bytes - len(line))
        data += line
    offset = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0,
                       len(data), 2835, 2835, 0, 0)
    return file_header + info + bytes(data)


def side_by_side(images):
    height = len(images[0])
    return [sum((img[y] for img in images), []) for y in range(height)]


def luma(colour):
    r, g, b = colour
    return (299 * r + 587 * g + 114 * b) // 1000


# Pixels darker than this (0..255 luma) form the line drawing that is kept
# for the disabled look; black outlines and near-black shadows qualify,
# coloured areas do not.
ETCH_LUMA = 32


def disabled(pixels):
    """Etched grey version of a glyph, the way disabled buttons look.

    Only the line drawing survives: every near-black pixel of the glyph
    becomes mid grey, and a white copy of those lines, moved one pixel right
    and down, sits underneath so the picture looks engraved into the button
    face.  All other pixels become transparent.
    """
    height = len(pixels)
    width = len(pixels[0])
    ink = [[p is not TRANSPARENT and luma(p) < ETCH_LUMA for p in row]
           for row in pixels]
    out = [[TRANSPARENT] * width for _ in range(height)]
    for y in range(height - 1):
        for x in range(width - 1):
            if ink[y][x]:
                out[y + 1][x + 1] = (255, 255, 255)
    for y in range(height):
        for x in range(width):
            if ink[y][x]:
                out[y][x] = (128, 128, 128)
    return out


def build(art_dir):
    """Read every map and return {output file name: bytes}."""
    maps = {}
    for name in RESOURCES:
        path = os.path.join(art_dir, name)
        pm = read_map(path, path)
        check_resource(pm, name)
        maps[name] = pm

    def first(name):
        return maps[name].images[0][1]

    def three_sizes(stem):
        """(pixels, hot spot) at 32 and 48 as drawn, and at 64: 32 doubled."""
        small, large = maps[stem + "_32.txt"], maps[stem + "_48.txt"]
        hot = small.hotspot or (0, 0)
        return [(small.images[0][1], small.hotspot),
                (large.images[0][1], large.hotspot),
                (enlarged(small.images[0][1], 2), (hot[0] * 2, hot[1] * 2))]

    outputs = {
        "mainicon.ico": make_ico([p for p, _ in three_sizes("mainicon")]),
        "czoom.cur": make_cur(three_sizes("czoom")),
        "cnozoom.cur": make_cur(three_sizes("cnozoom")),
    }
    for size in (16, 24):
        outputs["node_images_%d.bmp" % size] = make_bmp24(side_by_side(
            [img for _, img in maps["node_images_%d.txt" % size].images]))
        for stem in ("glyph_ende", "glyph_suchen"):
            glyph = first("%s_%d.txt" % (stem, size))
            outputs["%s_%d.bmp" % (stem, size)] = make_bmp24(
                side_by_side([glyph, disabled(glyph)]))
    return outputs


def main(argv=None):
    parser = argparse.ArgumentParser(
        description="Build Pandor 7's icon, cursors and bitmaps from text pixel maps.")
    parser.add_argument("--art", required=True, help="folder with the *.txt maps")
    parser.add_argument("--out", required=True, help="folder to write the results to")
    args = parser.parse_args(argv)

    try:
        outputs = build(args.art)
    except ArtError as e:
        print("make_resources: error: %s" % e, file=sys.stderr)
        return 1

    try:
        os.makedirs(args.out, exist_ok=True)
        for name in sorted(outputs):
            with open(os.path.join(args.out, name), "wb") as f:
                f.write(outputs[name])
    except OSError as e:
        print("make_resources: error: cannot write %s: %s"
              % (e.filename or args.out, e.strerror), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())

#!/usr/bin/python3
"""Builds the Pandor 7 demo medium.

Usage: python3 demo/make_demo.py --out DIR --hello PATH_TO_hello.exe

Writes into DIR everything the demo medium carries except the menu program
itself (the build copies that to DIR/autorun.exe):

    autorun.inf                  Windows autoplay file of the medium
    autorun/options.dat          settings and welcome text
    autorun/filelist.dat         program list
    autorun/startup.wav          start-up chime
    autorun/*.txt                description texts
    autorun/*.bmp|jpg|JPG|ico|wmf|emf   preview pictures
    programme/...                copies of hello.exe and a text document

DIR/autorun, DIR/programme and DIR/autorun.inf are removed first; anything
else in DIR (such as autorun.exe) is left alone.

All text files are Windows-1252 with CR LF line ends, as the menu expects.
Pictures, metafiles and sound are drawn by this script; JPEG files are
compressed with cjpeg (Debian package libjpeg-turbo-progs). The output is
the same on every run. Only the Python standard library is used.
"""

import argparse
import math
import shutil
import struct
import subprocess
import sys
import wave
from pathlib import Path

HERE = Path(__file__).resolve().parent
TEXTS = HERE / "texts"


# ---------------------------------------------------------------------------
# Text files
# ---------------------------------------------------------------------------

def ansi(lines):
    """Lines as Windows-1252 bytes, each ended by CR LF."""
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


def text_lines(text):
    """Splits a text at its line ends; a final line end adds no empty line."""
    lines = text.replace("\r\n", "\n").replace("\r", "\n").split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    return lines


def source_text(name):
    """Lines of a UTF-8 text under demo/texts/."""
    return text_lines((TEXTS / name).read_text(encoding="utf-8"))


def colour(r, g, b):
    """Integer colour as the menu reads it: red in the lowest byte."""
    return r | (g << 8) | (b << 16)


# ---------------------------------------------------------------------------
# Settings and program list
# ---------------------------------------------------------------------------

def options_lines():
    return [
        "5600.0",                                    # 0 format version
        str(colour(255, 248, 231)),                  # 1 background: warm cream
        "1",                                         # 2 info panel shown
        str(colour(40, 40, 90)),                     # 3 description text: dark blue
        "Pandor 7 – Demo-CD",                        # 4 window caption
        "Willkommen!",                               # 5 banner text
        "$0080FFFF",                                 # 6 banner text: light yellow
        str(colour(20, 20, 40)),                     # 7 banner shadow: near black
        "0x00804020",                                # 8 banner panel: dark blue
        "Schön, dass Sie da sind! Viel Spaß mit der Demo-CD von Pandor 7 …",
                                                     # 9 status-bar text
        "1",                                         # 10 ticker on
        "Arial",                                     # 11 menu font
        "10",                                        # 12 menu font size
        str(colour(0, 51, 102)),                     # 13 menu font colour
        "0",                                         # 14 sound plays once
        "1",                                         # 15 hover colours on
        "3",                                         # 16 CD icons for programs
        "[HELLO!]",
    ] + source_text("willkommen.txt")


class Program:
    """One record of filelist.dat and what the medium needs for it."""

    def __init__(self, group, run, name, installed, picture, info, run_source, info_source):
        self.group = group            # empty: top level
        self.run = run                # relative to the medium root, backslashes
        self.name = name              # display name, unique
        self.installed = installed    # registered exe name, or empty
        self.picture = picture        # relative to autorun/, or empty
        self.info = info              # relative to autorun/, or empty
        self.run_source = run_source  # "hello" or a file under texts/
        self.info_source = info_source  # file under texts/infos/, None: left out

    def lines(self):
        return [self.group, self.run, self.name, self.installed, self.picture, self.info]


# The records of the two groups alternate in the file, so the menu shows
# that a group keeps the file order of its programs even when they are not
# next to each other. "Lies mich zuerst" opens a document instead of a
# program and has no picture; "Schach für Einsteiger" has no description
# (the menu says so), and its picture has its extension in capitals; "Würfelspiel" has no installed name; "Weltuhr" lives in a
# folder whose name has a blank.
PROGRAMS = [
    Program("Werkzeuge", r"programme\rechner\setup.exe", "Taschenrechner Plus",
            "pandordemo-rechner.exe", "rechner.bmp", "rechner.txt", "hello", "rechner.txt"),
    Program("Spiele", r"programme\spiele\memory.exe", "Bilder-Memory",
            "pandordemo-memory.exe", "memory.ico", "memory.txt", "hello", "memory.txt"),
    Program("", r"programme\liesmich.txt", "Lies mich zuerst",
            "", "", "liesmich-info.txt", "liesmich.txt", "liesmich-info.txt"),
    Program("Werkzeuge", r"programme\notizen\notizen.exe", "Notizblock Deluxe",
            "pandordemo-notizen.exe", "notizen.wmf", "notizen.txt", "hello", "notizen.txt"),
    Program("Spiele", r"programme\spiele\wuerfel.exe", "Würfelspiel",
            "", "wuerfel.emf", "wuerfel.txt", "hello", "wuerfel.txt"),
    Program("", r"programme\galerie\galerie.exe", "Bildergalerie",
            "pandordemo-galerie.exe", "galerie.jpg", "galerie.txt", "hello", "galerie.txt"),
    Program("Werkzeuge", r"programme\packer\install.exe", "Dateipacker",
            "pandordemo-packer.exe", "packer.bmp", "packer.txt", "hello", "packer.txt"),
    Program("Spiele", r"programme\spiele\schach.exe", "Schach für Einsteiger",
            "pandordemo-schach.exe", "schach.JPG", "", "hello", None),
    Program("", r"programme\Welt Uhr\weltuhr.exe", "Weltuhr",
            "pandordemo-weltuhr.exe", "uhr.emf", "uhr.txt", "hello", "uhr.txt"),
]

AUTORUN_INF = [
    "[autorun]",
    "open=autorun.exe",
    "icon=autorun.exe,0",
    "label=Pandor 7 Demo",
]


# ---------------------------------------------------------------------------
# Raster pictures
# ---------------------------------------------------------------------------

def mix(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


class Canvas:
    """RGB picture with a few drawing helpers; optional 0/255 opacity."""

    def __init__(self, w, h, background=(0, 0, 0), transparent=False):
        self.w, self.h = w, h
        self.px = bytearray(bytes(background) * (w * h))
        self.alpha = bytearray(w * h) if transparent else None

    def get(self, x, y):
        i = (y * self.w + x) * 3
        return tuple(self.px[i:i + 3])

    def put(self, x, y, c, a=1.0):
        if not (0 <= x < self.w and 0 <= y < self.h) or a <= 0:
            return
        i = (y * self.w + x) * 3
        if a >= 1:
            self.px[i:i + 3] = bytes(c)
        else:
            self.px[i:i + 3] = bytes(mix(self.get(x, y), c, a))
        if self.alpha is not None:
            self.alpha[y * self.w + x] = 255

    def rect(self, x0, y0, x1, y1, c):
        """Fills x0 <= x < x1, y0 <= y < y1."""
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                self.put(x, y, c)

    def vgradient(self, x0, y0, x1, y1, stops):
        """Vertical gradient through (position 0..1, colour) stops."""
        for y in range(max(0, y0), min(self.h, y1)):
            t = (y - y0) / max(1, y1 - y0 - 1)
            for (p, a), (q, b) in zip(stops, stops[1:]):
                if p <= t <= q:
                    c = mix(a, b, (t - p) / (q - p))
                    break
            for x in range(max(0, x0), min(self.w, x1)):
                self.put(x, y, c)

    def shape(self, box, inside, c, a=1.0, ss=4):
        """Fills the points where inside(x, y) holds, ss x ss samples a pixel."""
        x0, y0, x1, y1 = (math.floor(box[0]), math.floor(box[1]),
                          math.ceil(box[2]), math.ceil(box[3]))
        offsets = [(i + 0.5) / ss for i in range(ss)]
        for y in range(max(0, y0), min(self.h, y1 + 1)):
            for x in range(max(0, x0), min(self.w, x1 + 1)):
                n = sum(1 for dy in offsets for dx in offsets if inside(x + dx, y + dy))
                if n:
                    self.put(x, y, c, a * n / (ss * ss))

    def ellipse(self, cx, cy, rx, ry, c, a=1.0, ss=4):
        self.shape((cx - rx, cy - ry, cx + rx, cy + ry),
                   lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1, c, a, ss)

    def rrect(self, x0, y0, x1, y1, r, c, a=1.0, ss=4):
        def inside(x, y):
            if not (x0 <= x <= x1 and y0 <= y <= y1):
                return False
            dx = max(x0 + r - x, 0, x - (x1 - r))
            dy = max(y0 + r - y, 0, y - (y1 - r))
            return dx * dx + dy * dy <= r * r
        self.shape((x0, y0, x1, y1), inside, c, a, ss)

    def polygon(self, pts, c, a=1.0, ss=4):
        def inside(x, y):
            odd = False
            j = len(pts) - 1
            for i in range(len(pts)):
                (xi, yi), (xj, yj) = pts[i], pts[j]
                if (yi > y) != (yj > y) and x < xi + (y - yi) * (xj - xi) / (yj - yi):
                    odd = not odd
                j = i
            return odd
        xs = [p[0] for p in pts]
        ys = [p[1] for p in pts]
        self.shape((min(xs), min(ys), max(xs), max(ys)), inside, c, a, ss)

    def below(self, x0, x1, top, y1, c):
        """Fills each column x from the curve y = top(x) down to y1."""
        for x in range(max(0, x0), min(self.w, x1)):
            t = top(x + 0.5)
            first = math.ceil(t)
            if first - 1 >= 0:
                self.put(x, first - 1, c, first - t)
            for y in range(max(0, first), min(self.h, y1)):
                self.put(x, y, c)

    def glow(self, cx, cy, radius, c, strength):
        for y in range(max(0, int(cy - radius)), min(self.h, int(cy + radius) + 1)):
            for x in range(max(0, int(cx - radius)), min(self.w, int(cx + radius) + 1)):
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                if d < radius:
                    self.put(x, y, c, strength * (1 - d / radius) ** 2)

    def ppm(self):
        return b"P6\n%d %d\n255\n" % (self.w, self.h) + bytes(self.px)


def bmp24(cv):
    """24-bit Windows bitmap, bottom-up rows padded to four bytes."""
    row = (cv.w * 3 + 3) & ~3
    data = bytearray()
    for y in range(cv.h - 1, -1, -1):
        line = cv.px[y * cv.w * 3:(y + 1) * cv.w * 3]
        for x in range(cv.w):
            r, g, b = line[x * 3:x * 3 + 3]
            data += bytes((b, g, r))
        data += bytes(row - cv.w * 3)
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(data), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, cv.w, cv.h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    return header + info + bytes(data)


def ico32(cv):
    """Icon file with one 32-bit image (with alpha) and its AND mask."""
    w, h = cv.w, cv.h
    xor = bytearray()
    mask = bytearray()
    mask_row = ((w + 31) // 32) * 4
    for y in range(h - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(w):
            a = cv.alpha[y * w + x]
            r, g, b = cv.get(x, y)
            if a:
                xor += bytes((b, g, r, a))
            else:
                xor += bytes(4)
                bits[x // 8] |= 0x80 >> (x % 8)  # 1: screen shows through
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = info + bytes(xor) + bytes(mask)
    head = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32, len(image), 6 + 16)
    return head + entry + image


def jpeg(cv, progressive=False):
    cjpeg = shutil.which("cjpeg")
    if not cjpeg:
        sys.exit("make_demo.py: cjpeg not found (Debian package libjpeg-turbo-progs)")
    args = [cjpeg, "-quality", "90", "-optimize"]
    if progressive:
        args.append("-progressive")
    data = subprocess.run(args, input=cv.ppm(), stdout=subprocess.PIPE, check=True).stdout
    if data[:2] != b"\xff\xd8":
        sys.exit("make_demo.py: cjpeg gave no JPEG data")
    return data


# Seven-segment digits for the calculator display: segments a..g.
SEGMENTS = {
    "0": "abcdef", "1": "bc", "2": "abdeg", "3": "abcdg", "4": "bcfg",
    "5": "acdfg", "6": "acdefg", "7": "abc", "8": "abcdefg", "9": "abcdfg",
}


def seven_segment(cv, x, y, w, h, digit, c):
    t = 3  # stroke
    m = y + h // 2
    bars = {
        "a": (x + t, y, x + w - t, y + t), "d": (x + t, y + h - t, x + w - t, y + h),
        "g": (x + t, m - t // 2, x + w - t, m - t // 2 + t),
        "f": (x, y + t, x + t, m - 1), "b": (x + w - t, y + t, x + w, m - 1),
        "e": (x, m + 1, x + t, y + h - t), "c": (x + w - t, m + 1, x + w, y + h - t),
    }
    for s in SEGMENTS[digit]:
        cv.rect(*bars[s], c)


def picture_calculator():
    cv = Canvas(200, 260)
    cv.vgradient(0, 0, 200, 260, [(0, (214, 228, 246)), (1, (164, 186, 224))])
    cv.rrect(35, 20, 175, 250, 14, (40, 50, 80), 0.35)                 # shadow
    cv.rrect(30, 15, 170, 245, 14, (58, 62, 70))                        # body
    cv.rrect(34, 19, 166, 241, 11, (76, 81, 92))
    cv.rrect(44, 30, 156, 76, 4, (168, 190, 138))                       # display
    text, x = "3.1416", 150
    for ch in reversed(text):
        if ch == ".":
            cv.rect(x - 5, 66, x - 1, 70, (38, 48, 38))
            x -= 6
        else:
            seven_segment(cv, x - 16, 38, 16, 32, ch, (38, 48, 38))
            x -= 21
    for row in range(5):
        for col in range(4):
            bx, by = 44 + col * 30, 88 + row * 30
            if row == 4 and col == 3:
                c = (92, 172, 82)
            elif col == 3:
                c = (242, 152, 42)
            elif row == 0:
                c = (204, 84, 72)
            else:
                c = (228, 228, 228)
            cv.rrect(bx, by + 2, bx + 22, by + 24, 5, mix(c, (0, 0, 0), 0.45))
            cv.rrect(bx, by, bx + 22, by + 22, 5, c)
            cv.rrect(bx + 3, by + 2, bx + 19, by + 8, 3, (255, 255, 255), 0.25)
    return cv


def picture_box():
    cv = Canvas(201, 151)  # odd width: every BMP row ends in padding bytes
    cv.vgradient(0, 0, 201, 151, [(0, (250, 250, 252)), (1, (206, 214, 230))])
    cv.ellipse(100, 138, 72, 9, (120, 120, 140), 0.35)                  # shadow
    cv.polygon([(40, 55), (100, 75), (100, 135), (40, 112)], (196, 150, 100))
    cv.polygon([(100, 75), (160, 55), (160, 112), (100, 135)], (160, 115, 70))
    cv.polygon([(100, 35), (160, 55), (100, 75), (40, 55)], (226, 190, 140))
    cv.polygon([(66, 46), (74, 43), (134, 64), (126, 67)], (244, 226, 176))   # tape
    cv.polygon([(90, 4), (110, 4), (110, 22), (123, 22), (100, 42), (77, 22), (90, 22)],
               (60, 170, 80))                                            # arrow
    return cv


def picture_landscape():
    w, h, horizon = 400, 300, 190
    cv = Canvas(w, h)
    cv.vgradient(0, 0, w, horizon, [(0, (28, 46, 118)), (0.5, (118, 106, 170)),
                                    (0.85, (248, 160, 104)), (1, (255, 204, 126))])
    cv.glow(292, 128, 120, (255, 222, 150), 0.6)
    cv.ellipse(292, 128, 24, 24, (255, 242, 196))
    for cx, cy, rx, ry in [(84, 62, 38, 13), (116, 54, 34, 15), (146, 64, 30, 11),
                           (300, 40, 42, 12), (334, 34, 28, 11), (220, 90, 36, 8)]:
        cv.ellipse(cx, cy, rx, ry, (255, 240, 236), 0.45)
    cv.below(0, w, lambda x: 148 - 24 * math.sin(x / 37) - 13 * math.sin(x / 13 + 1),
             horizon, (112, 88, 146))
    cv.below(0, w, lambda x: 172 - 11 * math.sin(x / 50 + 2) - 5 * math.sin(x / 17),
             horizon, (58, 104, 72))
    # lake: the sky and hills mirrored, darker, with small ripples
    for y in range(horizon, 240):
        src = horizon - 1 - (y - horizon)
        shift = round(1.5 * math.sin((y - horizon) * 0.8))
        row = [cv.get(min(w - 1, max(0, x + shift)), src) for x in range(w)]
        for x in range(w):
            cv.put(x, y, mix(row[x], (36, 66, 108), 0.5))
    cv.below(0, w, lambda x: 236 + 5 * math.sin(x / 30), h, (70, 138, 58))
    for y in range(236, h):
        for x in range(w):
            if y >= 236 + 5 * math.sin((x + 0.5) / 30) + 1:
                cv.put(x, y, mix((74, 142, 60), (36, 96, 38), (y - 236) / (h - 236)))
    for tx, ty, s in [(38, 262, 1.0), (66, 252, 0.8), (352, 266, 1.1)]:
        cv.rect(round(tx - 3 * s), round(ty), round(tx + 3 * s), round(ty + 16 * s), (92, 60, 36))
        cv.polygon([(tx, ty - 52 * s), (tx + 20 * s, ty + 2), (tx - 20 * s, ty + 2)], (28, 82, 40))
    for i in range(24):  # flowers
        fx = 110 + (i * 97) % 220
        fy = 250 + (i * 53) % 44
        cv.ellipse(fx, fy, 2.2, 2.2, [(250, 220, 60), (240, 90, 110), (255, 255, 255)][i % 3])
    # gold frame
    for d in range(10):
        c = mix((196, 152, 64), (120, 86, 30), d / 9) if d < 5 else mix((120, 86, 30), (226, 186, 96), (d - 5) / 4)
        cv.rect(d, d, w - d, d + 1, c)
        cv.rect(d, h - d - 1, w - d, h - d, c)
        cv.rect(d, d, d + 1, h - d, c)
        cv.rect(w - d - 1, d, w - d, h - d, c)
    return cv


def picture_chess():
    w, h = 320, 240
    cv = Canvas(w, h)
    for y in range(h):
        for x in range(w):
            t = 0.5 + 0.5 * math.sin(y / 3.1 + 2.2 * math.sin(x / 47))
            cv.put(x, y, mix((126, 84, 48), (96, 60, 32), t))
    ox, oy, sq = 72, 32, 22
    cv.rect(ox - 8, oy - 8, ox + 8 * sq + 8, oy + 8 * sq + 8, (58, 34, 18))
    for r in range(8):
        for f in range(8):
            c = (238, 216, 172) if (r + f) % 2 == 0 else (162, 112, 62)
            cv.rect(ox + f * sq, oy + r * sq, ox + (f + 1) * sq, oy + (r + 1) * sq, c)

    def piece(square, white, king=False):
        f, r = "abcdefgh".index(square[0]), 8 - int(square[1])
        cx, base = ox + f * sq + sq / 2, oy + r * sq + sq - 3
        body, edge = ((248, 246, 238), (86, 86, 86)) if white else ((34, 34, 38), (196, 196, 196))
        for grow, c in ((1.2, edge), (0, body)):
            cv.ellipse(cx, base, 7.5 + grow, 2.5 + grow, c)
            cv.polygon([(cx - 5 - grow, base), (cx + 5 + grow, base),
                        (cx + 2 + grow, base - 10 - grow), (cx - 2 - grow, base - 10 - grow)], c)
            cv.ellipse(cx, base - 12, 4 + grow, 4 + grow, c)
            if king:
                cv.rect(round(cx - 1 - grow), round(base - 20 - grow), round(cx + 1 + grow), round(base - 14), c)
                cv.rect(round(cx - 3 - grow), round(base - 18 - grow), round(cx + 3 + grow), round(base - 16 + grow), c)

    for s in ["a2", "b2", "c3", "d4", "e4", "f2", "g2", "h2"]:
        piece(s, True)
    for s in ["a7", "b7", "c7", "d6", "e5", "f7", "g7", "h7"]:
        piece(s, False)
    piece("g1", True, king=True)
    piece("g8", False, king=True)
    return cv


def picture_cards_icon():
    cv = Canvas(32, 32, transparent=True)

    def card(x0, y0, x1, y1, border, fill):
        for y in range(y0, y1):
            for x in range(x0, x1):
                corner = (x in (x0, x1 - 1)) and (y in (y0, y1 - 1))
                if corner:
                    continue
                edge = x in (x0, x1 - 1) or y in (y0, y1 - 1)
                cv.put(x, y, border if edge else fill(x, y))

    card(2, 1, 20, 26, (36, 36, 92),
         lambda x, y: (126, 156, 244) if (x + y) % 4 == 0 else (58, 88, 200))
    card(11, 6, 31, 32, (64, 64, 64), lambda x, y: (255, 255, 255))

    def heart(x, y):
        return (math.hypot(x - 18.6, y - 16.4) <= 3.2 or math.hypot(x - 23.4, y - 16.4) <= 3.2
                or (y >= 17 and abs(x - 21) <= (25.5 - y) * 0.75))
    cv.shape((14, 12, 28, 27), heart, (214, 30, 44), ss=1)
    return cv


# ---------------------------------------------------------------------------
# Metafiles
# ---------------------------------------------------------------------------

# The calls both metafile kinds make alike: the record function and the
# struct layout of the parameters, in a WMF and in an EMF.
METAFILE_CALLS = {
    #                WMF                  EMF
    "select":       ((0x012D, "H"),       (37, "I")),        # SELECTOBJECT
    "delete":       ((0x01F0, "H"),       (40, "I")),        # DELETEOBJECT
    "bk_mode":      ((0x0102, "H"),       (18, "I")),        # SETBKMODE
    "text_colour":  ((0x0209, "I"),       (24, "I")),        # SETTEXTCOLOR
    "text_align":   ((0x012E, "H"),       (22, "I")),        # SETTEXTALIGN
    "rectangle":    ((0x041B, "hhhh"),    (43, "iiii")),     # RECTANGLE
    "round_rect":   ((0x061C, "hhhhhh"),  (44, "iiiiii")),   # ROUNDRECT
    "ellipse":      ((0x0418, "hhhh"),    (42, "iiii")),     # ELLIPSE
}


class Metafile:
    """The drawing calls and object table both metafile kinds share.

    A subclass gives in CALLS its column of METAFILE_CALLS, writes a record
    in rec() and makes pens, brushes and fonts; it sets stand_in, the object
    of each kind that drop() selects in place of one that is still selected.
    """

    PARAMETERS_LAST_FIRST = False   # True where a record holds them reversed

    def __init__(self):
        self.records = []
        self.slots = []           # object table: True where an object lives
        self.most_objects = 0
        self.kind = {}            # object -> "pen", "brush" or "font"
        self.selected = {}        # kind -> object selected now

    def call(self, name, *params):
        function, layout = self.CALLS[name]
        if self.PARAMETERS_LAST_FIRST:
            params = reversed(params)
        self.rec(function, struct.pack("<" + layout, *params))

    def _new_object(self, kind):
        if False in self.slots:
            i = self.slots.index(False)
            self.slots[i] = True
        else:
            i = len(self.slots)
            self.slots.append(True)
        self.most_objects = max(self.most_objects, len(self.slots))
        self.kind[i] = kind
        return i

    def select(self, i):
        self.call("select", i)
        self.selected[self.kind[i]] = i

    def drop(self, i):
        """Deletes an object, first selecting its stand-in in its place."""
        kind = self.kind[i]
        if self.selected.get(kind) == i:
            self.select(self.stand_in[kind])
        self.call("delete", i)
        self.slots[i] = False
        del self.kind[i]

    def fill(self, shape, c, *args):
        """Draws a shape, filled with a brush of its own."""
        b = self.brush(c)
        self.select(b)
        shape(*args)
        self.drop(b)

    def bk_transparent(self):
        self.call("bk_mode", 1)

    def text_colour(self, c):
        self.call("text_colour", colour(*c))

    def text_align(self, mode):
        self.call("text_align", mode)

    def rectangle(self, l, t, r, b):
        self.call("rectangle", l, t, r, b)

    def round_rect(self, l, t, r, b, w, h):
        self.call("round_rect", l, t, r, b, w, h)

    def ellipse(self, l, t, r, b):
        self.call("ellipse", round(l), round(t), round(r), round(b))


# ---------------------------------------------------------------------------
# Windows metafile (placeable WMF)
# ---------------------------------------------------------------------------

class Wmf(Metafile):
    """Writes a placeable Windows metafile; logical units fill the box.

    A metafile has no stock objects, so a null pen, a hollow brush and a
    plain font are made first; drop() selects one of them before it deletes
    an object that is still selected.
    """

    CALLS = {name: wmf for name, (wmf, emf) in METAFILE_CALLS.items()}
    PARAMETERS_LAST_FIRST = True

    def __init__(self, width, height, inch):
        super().__init__()
        self.width, self.height, self.inch = width, height, inch
        self.rec(0x020B, struct.pack("<hh", 0, 0))              # SETWINDOWORG y, x
        self.rec(0x020C, struct.pack("<hh", height, width))     # SETWINDOWEXT y, x
        self.stand_in = {"pen": self.pen((0, 0, 0), style=5),    # PS_NULL
                         "brush": self.brush((0, 0, 0), style=1),  # BS_NULL
                         "font": self.font("Arial", 0)}
        for i in self.stand_in.values():
            self.select(i)

    def rec(self, function, payload=b""):
        assert len(payload) % 2 == 0
        self.records.append(struct.pack("<IH", 3 + len(payload) // 2, function) + payload)

    def pen(self, c, width=1, style=0):
        self.rec(0x02FA, struct.pack("<HhhI", style, width, 0, colour(*c)))
        return self._new_object("pen")

    def brush(self, c, style=0, hatch=0):
        self.rec(0x02FC, struct.pack("<HIH", style, colour(*c), hatch))
        return self._new_object("brush")

    def font(self, face, height, weight=400):
        name = face.encode("cp1252").ljust(32, b"\0")[:32]
        self.rec(0x02FB, struct.pack("<hhhhh8B", height, 0, 0, 0, weight,
                                     0, 0, 0, 0, 0, 0, 2, 0) + name)   # ANSI charset, proof quality
        return self._new_object("font")

    def polygon(self, pts):
        self.rec(0x0324, struct.pack("<h", len(pts)) +
                 b"".join(struct.pack("<hh", round(x), round(y)) for x, y in pts))

    def polyline(self, pts):
        self.rec(0x0325, struct.pack("<h", len(pts)) +
                 b"".join(struct.pack("<hh", round(x), round(y)) for x, y in pts))

    def line(self, x0, y0, x1, y1):
        self.rec(0x0214, struct.pack("<hh", y0, x0))  # MOVETO
        self.rec(0x0213, struct.pack("<hh", y1, x1))  # LINETO

    def text(self, x, y, s):
        data = s.encode("cp1252")
        padded = data + b"\0" * (len(data) % 2)
        self.rec(0x0521, struct.pack("<h", len(data)) + padded + struct.pack("<hh", y, x))

    def data(self):
        self.rec(0x0000)  # EOF
        body = b"".join(self.records)
        words = 9 + len(body) // 2
        largest = max(len(r) // 2 for r in self.records)
        header = struct.pack("<HHHIHIH", 1, 9, 0x0300, words, self.most_objects, largest, 0)
        placeable = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, self.width, self.height,
                                self.inch, 0)
        checksum = 0
        for (word,) in struct.iter_unpack("<H", placeable):
            checksum ^= word
        return placeable + struct.pack("<H", checksum) + header + body


def metafile_notepad():
    # 800 x 600 logical units at 192 units per inch: 400 x 300 pixels at 96 dpi
    m = Wmf(800, 600, 192)
    m.bk_transparent()

    m.fill(m.rectangle, (204, 226, 246), 0, 0, 801, 601)              # background
    m.fill(m.polygon, (150, 162, 180),                                 # note's shadow
           [(134, 84), (634, 84), (634, 484), (534, 574), (134, 574)])
    edge = m.pen((180, 150, 40), 3)
    m.select(edge)
    m.fill(m.polygon, (255, 242, 142), [(120, 70), (620, 70), (620, 470), (520, 560), (120, 560)])
    m.fill(m.polygon, (232, 202, 92), [(620, 470), (520, 470), (520, 560)])  # folded corner
    m.drop(edge)

    ruled = m.pen((120, 160, 220), 2)
    m.select(ruled)
    for y in range(170, 471, 60):
        m.line(140, y, 600 if y < 470 else 515, y)
    margin = m.pen((220, 70, 70), 2)
    m.select(margin)
    m.drop(ruled)
    m.polyline([(190, 90), (190, 545)])
    m.drop(margin)

    pin_edge = m.pen((130, 20, 20), 2)                                 # drawing pin
    m.select(pin_edge)
    m.fill(m.ellipse, (222, 40, 40), 345, 40, 395, 90)
    m.drop(pin_edge)
    m.fill(m.ellipse, (255, 200, 200), 356, 50, 372, 66)

    m.text_align(0)  # TA_LEFT | TA_TOP
    m.text_colour((40, 40, 120))
    big = m.font("Arial", -56, 700)
    m.select(big)
    m.text(210, 96, "Notizen")
    small = m.font("Arial", -40)
    m.select(small)
    m.drop(big)
    for i, line in enumerate(["• Brot und Käse", "• Äpfel (5 kg)", "• Grüße an Oma",
                              "• Arzt: Dienstag"]):
        m.text(210, 186 + i * 60, line)
    m.drop(small)

    # a pencil lying across the note, from its end (x0, y0) to its point (x1, y1)
    x0, y0, x1, y1, half = 760, 150, 640, 520, 16
    length = math.hypot(x1 - x0, y1 - y0)
    dx, dy = (x1 - x0) / length, (y1 - y0) / length
    nx, ny = -dy * half, dx * half
    bx, by = x1 - dx * 70, y1 - dy * 70      # where the wood begins
    ex, ey = x0 + dx * 30, y0 + dy * 30      # where the eraser ends
    outline = m.pen((90, 60, 20), 2)
    m.select(outline)
    m.fill(m.polygon, (240, 150, 170),
           [(x0 + nx, y0 + ny), (ex + nx, ey + ny), (ex - nx, ey - ny), (x0 - nx, y0 - ny)])
    m.fill(m.polygon, (250, 182, 40),
           [(ex + nx, ey + ny), (bx + nx, by + ny), (bx - nx, by - ny), (ex - nx, ey - ny)])
    m.fill(m.polygon, (240, 212, 170), [(bx + nx, by + ny), (x1, y1), (bx - nx, by - ny)])
    m.fill(m.polygon, (60, 60, 60),
           [(x1 - dx * 22 + nx * 0.32, y1 - dy * 22 + ny * 0.32), (x1, y1),
            (x1 - dx * 22 - nx * 0.32, y1 - dy * 22 - ny * 0.32)])
    m.drop(outline)

    m.fill(m.round_rect, (70, 110, 180), 24, 524, 214, 584, 30, 30)    # label
    m.text_colour((255, 255, 255))
    label = m.font("Arial", -36, 700)
    m.select(label)
    m.text(52, 534, "Deluxe")
    m.drop(label)
    return m.data()


# ---------------------------------------------------------------------------
# Enhanced metafile (EMF)
# ---------------------------------------------------------------------------

# stock objects
NULL_BRUSH = 0x80000005
NULL_PEN = 0x80000008
SYSTEM_FONT = 0x8000000D


class Emf(Metafile):
    """Writes an enhanced metafile in pixel units of a 0.25 mm reference device.

    drop() selects a stock object in place of one that is still selected.
    """

    DEVICE = (1024, 768)          # pixels of the reference device
    DEVICE_MM = (256, 192)        # and its size: 0.25 mm a pixel
    CALLS = {name: emf for name, (wmf, emf) in METAFILE_CALLS.items()}

    def __init__(self, width, height, description):
        super().__init__()
        self.width, self.height = width, height
        self.description = description
        self.slots = [True]       # index 0 stands for the metafile
        self.kind.update({NULL_BRUSH: "brush", NULL_PEN: "pen", SYSTEM_FONT: "font"})
        self.stand_in = {"pen": NULL_PEN, "brush": NULL_BRUSH, "font": SYSTEM_FONT}

    def rec(self, kind, payload=b""):
        assert len(payload) % 4 == 0
        self.records.append(struct.pack("<II", kind, 8 + len(payload)) + payload)

    def pen(self, c, width=1, style=0):
        i = self._new_object("pen")
        self.rec(38, struct.pack("<IIiiI", i, style, width, 0, colour(*c)))   # CREATEPEN
        return i

    def brush(self, c, style=0, hatch=0):
        i = self._new_object("brush")
        self.rec(39, struct.pack("<IIII", i, style, colour(*c), hatch))       # CREATEBRUSHINDIRECT
        return i

    def font(self, face, height, weight=400):
        i = self._new_object("font")
        name = face.encode("utf-16-le").ljust(64, b"\0")[:64]
        logfont = struct.pack("<iiiii8B", height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 2, 0x31) + name
        self.rec(82, struct.pack("<I", i) + logfont)                         # EXTCREATEFONTINDIRECTW
        return i

    def _poly16(self, kind, pts):
        pts = [(round(x), round(y)) for x, y in pts]
        xs, ys = [p[0] for p in pts], [p[1] for p in pts]
        self.rec(kind, struct.pack("<iiiiI", min(xs), min(ys), max(xs), max(ys), len(pts)) +
                 b"".join(struct.pack("<hh", x, y) for x, y in pts))

    def polygon(self, pts):
        self._poly16(86, pts)     # POLYGON16

    def polyline(self, pts):
        self._poly16(87, pts)     # POLYLINE16

    def line(self, x0, y0, x1, y1):
        self.rec(27, struct.pack("<ii", round(x0), round(y0)))   # MOVETOEX
        self.rec(54, struct.pack("<ii", round(x1), round(y1)))   # LINETO

    def text(self, x, y, s, advance, height):
        """Text in a fixed-pitch font, every character advance pixels wide."""
        n = len(s)
        chars = s.encode("utf-16-le")
        chars += b"\0" * (-len(chars) % 4)
        off_string = 8 + 16 + 4 + 8 + 40
        off_dx = off_string + len(chars)
        bounds = (x, y, x + n * advance - 1, y + height - 1)
        scale = 100 * self.DEVICE_MM[0] / self.DEVICE[0]   # pixels to 0.01 mm
        payload = (struct.pack("<iiii", *bounds) + struct.pack("<Iff", 1, scale, scale) +
                   struct.pack("<iiIIIiiiiI", x, y, n, off_string, 0, 0, 0, 0, 0, off_dx) +
                   chars + struct.pack("<%dI" % n, *([advance] * n)))
        self.rec(84, payload)     # EXTTEXTOUTW

    def data(self):
        self.rec(14, struct.pack("<III", 0, 16, 20))   # EOF: no palette, nSizeLast
        desc = (self.description + "\0").encode("utf-16-le")
        desc_chars = len(desc) // 2
        desc += b"\0" * (-len(desc) % 4)
        header_size = 108 + len(desc)
        nbytes = header_size + sum(len(r) for r in self.records)
        per_mm = self.DEVICE[0] / self.DEVICE_MM[0]
        frame = (0, 0, round(self.width * 100 / per_mm), round(self.height * 100 / per_mm))
        header = struct.pack(
            "<II4i4iIIIIHHIII2i2iIII2i",
            1, header_size,
            0, 0, self.width - 1, self.height - 1,   # bounds, inclusive, device pixels
            *frame,                                  # frame in 0.01 mm
            0x464D4520, 0x10000, nbytes, len(self.records) + 1,
            len(self.slots), 0,
            desc_chars, 108, 0,
            *self.DEVICE, *self.DEVICE_MM,
            0, 0, 0,
            self.DEVICE_MM[0] * 1000, self.DEVICE_MM[1] * 1000)
        assert len(header) == 108
        return header + desc + b"".join(self.records)


def metafile_clock():
    m = Emf(400, 300, "Pandor 7\0Weltuhr\0")
    m.bk_transparent()
    m.select(NULL_PEN)

    m.fill(m.rectangle, (24, 44, 92), 0, 0, 401, 301)                  # background
    m.fill(m.ellipse, (60, 120, 204), 18, 196, 82, 260)                # globe
    land = m.brush((84, 170, 90))
    m.select(land)
    m.polygon([(34, 208), (52, 204), (58, 218), (48, 232), (40, 226), (30, 222)])
    m.polygon([(58, 236), (72, 230), (76, 242), (64, 254), (56, 248)])
    m.drop(land)

    cx, cy, r = 200, 130, 100
    rim = m.pen((212, 176, 80), 8)
    m.select(rim)
    m.fill(m.ellipse, (250, 250, 244), cx - r, cy - r, cx + r, cy + r)  # dial
    m.drop(rim)
    thin = m.pen((40, 40, 60), 3)
    thick = m.pen((40, 40, 60), 6)
    for hour in range(12):
        a = hour * math.pi / 6
        m.select(thick if hour % 3 == 0 else thin)
        m.line(cx + 78 * math.sin(a), cy - 78 * math.cos(a),
               cx + 90 * math.sin(a), cy - 90 * math.cos(a))
    m.drop(thin)
    m.drop(thick)

    def hand(angle, length, width):
        s, c = math.sin(angle), math.cos(angle)
        return [(cx - width * c - 12 * s, cy - width * s + 12 * c),
                (cx + length * s, cy - length * c),
                (cx + width * c - 12 * s, cy + width * s + 12 * c)]

    hands = m.brush((30, 30, 50))
    m.select(hands)
    m.polygon(hand((10 + 10 / 60) * math.pi / 6, 52, 7))              # ten past ten
    m.polygon(hand(10 * math.pi / 30, 80, 5))
    m.drop(hands)
    red = m.pen((214, 40, 40), 2)
    m.select(red)
    a = 37 * math.pi / 30                                               # second hand
    m.polyline([(cx - 20 * math.sin(a), cy + 20 * math.cos(a)),
                (cx + 86 * math.sin(a), cy - 86 * math.cos(a))])
    m.drop(red)
    m.fill(m.ellipse, (214, 40, 40), cx - 6, cy - 6, cx + 6, cy + 6)

    m.text_align(0)  # TA_LEFT | TA_TOP
    m.text_colour((230, 232, 255))
    f = m.font("Courier New", -32, 700)
    m.select(f)
    m.text(200 - 7 * 19 // 2, 250, "Weltuhr", 19, 32)  # Courier New: 0.6 em a character
    m.drop(f)
    return m.data()


def metafile_dice():
    m = Emf(400, 300, "Pandor 7\0Würfelspiel\0")
    m.bk_transparent()
    m.select(NULL_PEN)

    def pips(points, rad=10):
        b = m.brush((30, 30, 36))
        m.select(b)
        for x, y in points:
            m.ellipse(x - rad, y - rad, x + rad, y + rad)
        m.drop(b)

    m.fill(m.rectangle, (28, 100, 56), 0, 0, 401, 301)                 # table
    rim = m.pen((18, 70, 36), 4)
    m.select(rim)
    m.fill(m.round_rect, (40, 128, 70), 10, 10, 390, 290, 40, 40)      # felt
    m.drop(rim)

    shadow = (16, 66, 34)
    edge = m.pen((50, 50, 50), 3)
    m.fill(m.round_rect, shadow, 72, 82, 192, 202, 30, 30)
    m.select(edge)
    m.fill(m.round_rect, (255, 255, 255), 60, 70, 180, 190, 30, 30)    # first die: five
    m.select(NULL_PEN)
    pips([(90, 100), (150, 100), (120, 130), (90, 160), (150, 160)])

    cx, cy, half, turn = 275, 135, 58, math.radians(20)               # second die: three

    def turned(u, v):
        return (cx + u * math.cos(turn) - v * math.sin(turn),
                cy + u * math.sin(turn) + v * math.cos(turn))
    corners = [turned(-half, -half), turned(half, -half), turned(half, half), turned(-half, half)]
    m.fill(m.polygon, shadow, [(x + 12, y + 10) for x, y in corners])
    m.select(edge)
    m.fill(m.polygon, (255, 250, 232), corners)
    m.drop(edge)
    pips([turned(-30, -30), turned(0, 0), turned(30, 30)])

    m.text_align(0)
    m.text_colour((255, 230, 120))
    f = m.font("Courier New", -40, 700)
    m.select(f)
    m.text(200 - 6 * 24 // 2, 222, "Würfel", 24, 40)
    m.drop(f)
    return m.data()


# ---------------------------------------------------------------------------
# Start-up sound
# ---------------------------------------------------------------------------

def chime(rate=22050, seconds=1.5):
    """A rising C major arpeggio of softly decaying bell-like tones."""
    n = int(rate * seconds)
    out = [0.0] * n
    notes = [(523.25, 0.00), (659.26, 0.12), (783.99, 0.24), (1046.50, 0.36)]
    for freq, start in notes:
        first = int(start * rate)
        for i in range(first, n):
            t = (i - first) / rate
            env = min(1.0, t / 0.008) * math.exp(-t / 0.42)
            out[i] += env * (math.sin(2 * math.pi * freq * t)
                             + 0.30 * math.sin(4 * math.pi * freq * t)
                             + 0.08 * math.sin(6 * math.pi * freq * t))
    fade = int(0.15 * rate)
    for i in range(n - fade, n):
        out[i] *= (n - i) / fade
    peak = max(abs(v) for v in out)
    scale = 0.7 * 32767 / peak
    return rate, struct.pack("<%dh" % n, *(round(v * scale) for v in out))


def write_wav(path):
    rate, frames = chime()
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(frames)


# ---------------------------------------------------------------------------
# The medium
# ---------------------------------------------------------------------------

PICTURES = {
    "rechner.bmp": lambda: bmp24(picture_calculator()),
    "packer.bmp": lambda: bmp24(picture_box()),
    "galerie.jpg": lambda: jpeg(picture_landscape()),
    "schach.JPG": lambda: jpeg(picture_chess(), progressive=True),
    "memory.ico": lambda: ico32(picture_cards_icon()),
    "notizen.wmf": metafile_notepad,
    "uhr.emf": metafile_clock,
    "wuerfel.emf": metafile_dice,
}


def medium_path(root, relative):
    return root.joinpath(*relative.split("\\"))


def build(out, hello):
    out.mkdir(parents=True, exist_ok=True)
    for name in ("autorun", "programme"):
        if (out / name).exists():
            shutil.rmtree(out / name)
    if (out / "autorun.inf").exists():
        (out / "autorun.inf").unlink()

    menu = out / "autorun"
    menu.mkdir()
    (out / "autorun.inf").write_bytes(ansi(AUTORUN_INF))
    (menu / "options.dat").write_bytes(ansi(options_lines()))
    (menu / "filelist.dat").write_bytes(ansi([line for p in PROGRAMS for line in p.lines()]))
    write_wav(menu / "startup.wav")

    for p in PROGRAMS:
        target = medium_path(out, p.run)
        target.parent.mkdir(parents=True, exist_ok=True)
        if p.run_source == "hello":
            shutil.copyfile(hello, target)
        else:
            target.write_bytes(ansi(source_text(p.run_source)))
        if p.info_source:
            medium_path(menu, p.info).write_bytes(ansi(source_text("infos/" + p.info_source)))
        if p.picture:
            medium_path(menu, p.picture).write_bytes(PICTURES[p.picture]())


def main():
    parser = argparse.ArgumentParser(description="Builds the Pandor 7 demo medium.")
    parser.add_argument("--out", required=True, type=Path, help="folder of the medium")
    parser.add_argument("--hello", required=True, type=Path, help="the built hello.exe")
    args = parser.parse_args()
    if not args.hello.is_file() or args.hello.read_bytes()[:2] != b"MZ":
        sys.exit("make_demo.py: %s is not a Windows program" % args.hello)
    if not shutil.which("cjpeg"):
        sys.exit("make_demo.py: cjpeg not found (Debian package libjpeg-turbo-progs)")
    build(args.out, args.hello)


if __name__ == "__main__":
    main()

#!/usr/bin/python3
"""Writes the fuzz targets' seed corpus into tests/fuzz/corpus/.

Usage: python3 tests/fuzz/make_seeds.py

Small valid files of each kind the menu reads, so the fuzzers start from the
structures they are to break. JPEG seeds come from cjpeg (Debian package
libjpeg-turbo-progs). The output is the same on every run.
"""

import struct
import subprocess
from pathlib import Path

OUT = Path(__file__).resolve().parent / "corpus"


def write(kind, name, data):
    folder = OUT / kind
    folder.mkdir(parents=True, exist_ok=True)
    (folder / name).write_bytes(data)


def crlf(lines):
    return "".join(line + "\r\n" for line in lines).encode("cp1252")


OPTIONS = ["5600.0", "16777215", "1", "0", "Demo", "Willkommen", "$0080FFFF", "0", "0x00804020", "Status",
           "1", "Arial", "10", "-2147483633", "1", "1", "3", "[HELLO!]", "Schön, dass Sie da sind.", ""]
PROGRAMS = ["Werkzeuge", r"setup\rechner.exe", "Rechner", "rechner.exe", "rechner.bmp", "rechner.txt",
            "", r"programme\liesmich.txt", "Lies mich", "", "", "",
            "Werkzeuge", r"setup\packer.exe", "Packer", "", "packer.jpg", "packer.txt",
            "Rechner", r"setup\plus.exe", "Plus", "", "", ""]


def bitmap(width, height, bits, compression=0, core=False):
    palette = 1 << bits if bits <= 8 else 0
    stride = (width * bits + 31) // 32 * 4
    pixels = bytes((x * 37 + y * 11) & 0xFF for y in range(height) for x in range(stride))
    if compression == 1:  # RLE8: one run a row, then the end
        pixels = b"".join(bytes([width, y, 0, 0]) for y in range(height)) + b"\x00\x01"
    if core:
        info = struct.pack("<IHHHH", 12, width, height, 1, bits) + bytes(3 * palette)
    else:
        info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, compression, len(pixels), 2835, 2835, 0, 0)
        info += bytes(4 * palette)
    offset = 14 + len(info)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + info + pixels


def icon(size):
    image = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, 0, 0, 0, 0, 0)
    image += bytes(size * size * 4) + bytes(size * ((size + 31) // 32 * 4))
    return struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), 22) + image


def windows_metafile(placeable):
    records = struct.pack("<IHhh", 5, 0x020B, 0, 0) + struct.pack("<IHhh", 5, 0x020C, 100, 200)
    records += struct.pack("<IHhhhh", 7, 0x041B, 90, 180, 10, 20)  # rectangle
    records += struct.pack("<IH", 3, 0)
    header = struct.pack("<HHHIHIH", 1, 9, 0x0300, (18 + len(records)) // 2, 0, 7, 0)
    data = header + records
    if placeable:
        head = struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, 200, 100, 96, 0)
        checksum = 0
        for (word,) in struct.iter_unpack("<H", head):
            checksum ^= word
        data = head + struct.pack("<H", checksum) + data
    return data


def enhanced_metafile():
    rectangle = struct.pack("<II4i", 43, 24, 10, 10, 90, 40)
    end = struct.pack("<IIIII", 14, 20, 0, 16, 20)
    total = 88 + len(rectangle) + len(end)
    header = struct.pack("<II4i4iIIIIHHIII", 1, 88, 0, 0, 100, 50, 0, 0, 2540, 1270,
                         0x464D4520, 0x10000, total, 3, 1, 0, 0, 0, 0)
    header += struct.pack("<4i", 1024, 768, 270, 203)
    return header + rectangle + end


def jpeg(progressive, grey=False):
    width, height = 16, 8
    if grey:
        ppm = b"P5\n%d %d\n255\n" % (width, height) + bytes((x * 16) & 0xFF for y in range(height) for x in range(width))
    else:
        ppm = b"P6\n%d %d\n255\n" % (width, height) + bytes(
            v for y in range(height) for x in range(width) for v in (x * 16, y * 32, 128))
    args = ["cjpeg", "-quality", "75"] + (["-progressive"] if progressive else []) + (["-grayscale"] if grey else [])
    return subprocess.run(args, input=ppm, stdout=subprocess.PIPE, check=True).stdout


def wave(tag, channels, rate, bits, samples):
    block = max(1, channels * bits // 8)
    fmt = struct.pack("<HHIIHH", tag, channels, rate, rate * block, block, bits)
    data = bytes(samples)
    body = b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt + b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", len(body)) + body


def menu_model(edits, options, programs):
    """An input of the model's fuzz target: edits of three bytes each, then both files."""
    return bytes([len(edits)]) + b"".join(bytes(e) for e in edits) + struct.pack("<H", len(options)) + options + programs


def main():
    write("settings", "complete.dat", crlf(OPTIONS))
    write("settings", "short-lf.dat", "\n".join(OPTIONS[:9]).encode("cp1252"))
    write("program_list", "groups.dat", crlf(PROGRAMS))
    write("program_list", "incomplete.dat", crlf(PROGRAMS[:9]))
    write("description", "text.txt", "Zeile eins\r\nZeile zwei\nZeile drei\rEnde\n\r".encode("cp1252"))
    write("bitmap", "rgb24.bmp", bitmap(5, 3, 24))
    write("bitmap", "palette8.bmp", bitmap(4, 4, 8))
    write("bitmap", "rle8.bmp", bitmap(4, 3, 8, compression=1))
    write("bitmap", "core4.bmp", bitmap(6, 2, 4, core=True))
    write("icon", "icon16.ico", icon(16))
    write("metafile", "placeable.wmf", windows_metafile(True))
    write("metafile", "plain.wmf", windows_metafile(False))
    write("metafile", "enhanced.emf", enhanced_metafile())
    write("jpeg", "baseline.jpg", jpeg(False))
    write("jpeg", "progressive.jpg", jpeg(True))
    write("jpeg", "grey.jpg", jpeg(False, grey=True))
    write("wave", "pcm16.wav", wave(1, 2, 8000, 16, range(16)))
    write("wave", "ima.wav", wave(0x11, 1, 8000, 4, range(8)))
    write("menu_model", "unchanged.bin", menu_model([], crlf(OPTIONS), crlf(PROGRAMS)))
    # Set the caption, add a program, move a node up, rename a group, move a node out of its group.
    write("menu_model", "edited.bin", menu_model([(0, 4, 3), (4, 1, 2), (8, 3, 1), (6, 0, 2), (9, 2, 1)],
                                                 crlf(OPTIONS), crlf(PROGRAMS)))
    write("menu_model", "odd-ends.bin", menu_model([(3, 1, 4), (7, 0, 0)], "\n\r".join(OPTIONS[:9]).encode("cp1252"),
                                                   crlf(PROGRAMS[:9])[:-2] + b"\0rest"))
    # Texts a label or a file name is made of: a caption, umlauts and scripts the code page lacks, odd bytes.
    write("medium_names", "caption.txt", b"Demo-CD")
    write("medium_names", "umlauts.txt", "Mein Büro-Programm Łódź 日本".encode("utf-8"))
    write("medium_names", "odd.bin", b"con\0\xff\xfe*?:")


if __name__ == "__main__":
    main()

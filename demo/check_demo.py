#!/usr/bin/python3
"""Checks a demo medium made by make_demo.py.

Usage: python3 demo/check_demo.py DIR

Reads every file of the medium back on its own terms, without using
make_demo.py: text files must be Windows-1252 with CR LF line ends, the
settings and the program list must read as the menu reads them, and every
picture, metafile, sound and program file must be well formed (headers,
sizes, record structure). Prints one line per check and a closing count;
the exit code is 1 if any check failed.
"""

import struct
import sys
import wave
from pathlib import Path

failures = []
passed = 0


def check(name, ok, detail=""):
    global passed
    if ok:
        passed += 1
        print("ok   %s" % name)
    else:
        failures.append(name)
        print("FAIL %s%s" % (name, ": " + detail if detail else ""))


class Bad(Exception):
    pass


def need(cond, msg):
    if not cond:
        raise Bad(msg)


def run(name, fn, *args):
    try:
        detail = fn(*args)
        check(name + (" (" + detail + ")" if detail else ""), True)
    except Bad as e:
        check(name, False, str(e))
    except (struct.error, IndexError, ValueError, EOFError, OSError, wave.Error) as e:
        check(name, False, "%s: %s" % (type(e).__name__, e))


# --- text ------------------------------------------------------------------

def read_lines(path):
    """Lines as the menu cuts them: at NUL, CR, CR LF or LF."""
    data = path.read_bytes()
    data = data.split(b"\0", 1)[0]
    lines, i = [], 0
    while i < len(data):
        j = i
        while j < len(data) and data[j] not in b"\r\n":
            j += 1
        lines.append(data[i:j])
        if j < len(data) and data[j] == 13:
            j += 1
        if j < len(data) and data[j] == 10:
            j += 1
        i = j
    return [line.decode("cp1252") for line in lines]


def check_text(path):
    data = path.read_bytes()
    need(b"\0" not in data, "NUL byte")
    data.decode("cp1252")  # strict: bytes undefined in Windows-1252 raise
    stripped = data.replace(b"\r\n", b"")
    need(b"\r" not in stripped and b"\n" not in stripped, "line end other than CR LF")
    need(data.endswith(b"\r\n"), "last line has no CR LF")
    return "%d lines" % data.count(b"\r\n")


def strict_int(text):
    """Integer as the menu reads it; None when it isn't one."""
    s = text.lstrip(" ")
    if not s:
        return None
    for prefix in ("0x", "0X", "$", "x", "X"):
        if s.startswith(prefix):
            digits = s[len(prefix):]
            if not digits or any(c not in "0123456789abcdefABCDEF" for c in digits):
                return None
            v = int(digits, 16)
            if v > 0xFFFFFFFF:
                return None
            return v - (1 << 32) if v & 0x80000000 else v
    body = s[1:] if s[0] in "+-" else s
    if not body or any(c not in "0123456789" for c in body):
        return None
    v = int(s)
    return v if -2**31 <= v < 2**31 else None


def check_options(path):
    lines = read_lines(path)
    need(len(lines) >= 17, "only %d lines" % len(lines))
    need(lines[0] == "5600.0", "version line is %r" % lines[0])
    for n in (1, 3, 6, 7, 8, 12, 13, 16):
        need(strict_int(lines[n]) is not None, "line %d %r is no integer" % (n, lines[n]))
    for n in (2, 10, 14, 15):
        need(lines[n] in ("0", "1"), "switch line %d is %r" % (n, lines[n]))
    need(strict_int(lines[16]) in (1, 2, 3), "icon style %r" % lines[16])
    need(any(lines[n].lstrip(" ")[:1] in "$xX" or lines[n].lstrip(" ")[:2] in ("0x", "0X")
             for n in (1, 3, 6, 7, 8, 13)), "no colour in hexadecimal")
    marker = [i for i, line in enumerate(lines) if line.lower() == "[hello!]"]
    need(marker and marker[0] >= 17, "marker line missing or before line 17")
    welcome = lines[marker[0] + 1:]
    need(welcome, "empty welcome text")
    text = "\n".join(lines)
    need(all(c in text for c in "äöüßÄÖÜ"), "welcome text lacks some umlauts")
    colours = ", ".join("%d=%06X" % (n, strict_int(lines[n]) & 0xFFFFFF) for n in (1, 3, 6, 7, 8, 13))
    return "%d welcome lines; colours as 0xBBGGRR: %s" % (len(welcome), colours)


# --- pictures ----------------------------------------------------------------

def check_bmp(path):
    d = path.read_bytes()
    need(d[:2] == b"BM", "no BM signature")
    size, _, _, offset = struct.unpack_from("<IHHI", d, 2)
    need(size == len(d), "bfSize %d, file %d" % (size, len(d)))
    hs, w, h, planes, bpp, comp, image = struct.unpack_from("<IiiHHII", d, 14)
    need(hs == 40 and planes == 1 and bpp == 24 and comp == 0, "not a plain 24-bit bitmap")
    row = (w * 3 + 3) & ~3
    need(offset == 54 and len(d) == offset + row * abs(h), "pixel data size")
    need(image in (0, row * abs(h)), "biSizeImage")
    return "%dx%d" % (w, h)


def check_ico(path):
    d = path.read_bytes()
    reserved, kind, count = struct.unpack_from("<HHH", d, 0)
    need(reserved == 0 and kind == 1 and count >= 1, "not an icon directory")
    for k in range(count):
        w, h, colours, _, planes, bpp, size, offset = struct.unpack_from("<BBBBHHII", d, 6 + 16 * k)
        w, h = w or 256, h or 256
        need(offset + size <= len(d), "image %d outside the file" % k)
        hs, bw, bh, bplanes, bbpp = struct.unpack_from("<IiiHH", d, offset)
        need(hs == 40 and bw == w and bh == 2 * h and bplanes == 1 and bbpp == bpp,
             "bitmap header of image %d" % k)
        palette = 4 * (1 << bpp) if bpp <= 8 else 0
        xor = ((w * bpp + 31) // 32) * 4 * h
        mask = ((w + 31) // 32) * 4 * h
        need(size == 40 + palette + xor + mask, "image %d: size %d, expected %d" %
             (k, size, 40 + palette + xor + mask))
        bits = d[offset + 40 + palette + xor:offset + size]
        need(any(bits) and any(b != 0xFF for b in bits), "AND mask shows no transparency")
    return "%d image(s), %dx%d, %d bpp" % (count, w, h, bpp)


def check_jpeg(path):
    d = path.read_bytes()
    need(d[:2] == b"\xff\xd8" and d[-2:] == b"\xff\xd9", "SOI/EOI missing")
    i, dims = 2, None
    while i < len(d) and dims is None:
        need(d[i] == 0xFF, "marker expected at %d" % i)
        m = d[i + 1]
        length = struct.unpack_from(">H", d, i + 2)[0]
        if m in (0xC0, 0xC1, 0xC2):
            _, h, w = struct.unpack_from(">BHH", d, i + 4)
            dims = (w, h, "progressive" if m == 0xC2 else "baseline")
        i += 2 + length
    need(dims is not None, "no frame header")
    return "%dx%d %s" % dims


# Windows metafile: expected record sizes in 16-bit words (None: checked apart)
WMF_SIZES = {
    0x0000: 3, 0x020B: 5, 0x020C: 5, 0x0102: (4, 5), 0x012E: (4, 5), 0x0209: 5,
    0x02FA: 8, 0x02FC: 7, 0x012D: 4, 0x01F0: 4, 0x041B: 7, 0x0418: 7, 0x061C: 9,
    0x0214: 5, 0x0213: 5, 0x02FB: None, 0x0324: None, 0x0325: None, 0x0521: None,
}
WMF_CREATES = {0x02FA, 0x02FC, 0x02FB, 0x00F7, 0x01F9, 0x0142, 0x06FF}


def check_wmf(path):
    d = path.read_bytes()
    key, hmf, left, top, right, bottom, inch, reserved, checksum = struct.unpack_from("<IHhhhhHIH", d)
    need(key == 0x9AC6CDD7, "no placeable header")
    x = 0
    for (word,) in struct.iter_unpack("<H", d[:20]):
        x ^= word
    need(x == checksum, "placeable checksum")
    need(right > left and bottom > top and inch > 0, "bounding box / inch")
    kind, header_words, version, size_words, objects, max_record, params = struct.unpack_from("<HHHIHIH", d, 22)
    need(kind in (1, 2) and header_words == 9 and version in (0x100, 0x300), "metafile header")
    need(22 + 2 * size_words == len(d), "mtSize %d words, file holds %d" % (size_words, (len(d) - 22) // 2))
    pos, largest, count = 22 + 18, 0, 0
    slots, texts, last = [], [], None
    while pos < len(d):
        size, fn = struct.unpack_from("<IH", d, pos)
        need(size >= 3 and pos + 2 * size <= len(d), "record at %d has size %d" % (pos, size))
        body = d[pos + 6:pos + 2 * size]
        expected = WMF_SIZES.get(fn, "unknown")
        need(expected != "unknown", "unexpected record 0x%04X" % fn)
        if isinstance(expected, int):
            need(size == expected, "record 0x%04X size %d, expected %d" % (fn, size, expected))
        elif isinstance(expected, tuple):
            need(size in expected, "record 0x%04X size %d" % (fn, size))
        if fn in (0x0324, 0x0325):
            n = struct.unpack_from("<h", body)[0]
            need(size == 4 + 2 * n, "poly record size %d for %d points" % (size, n))
            for k in range(n):
                px, py = struct.unpack_from("<hh", body, 2 + 4 * k)
                need(left <= px <= right + 1 and top <= py <= bottom + 1, "point outside the box")
        if fn == 0x0521:
            n = struct.unpack_from("<h", body)[0]
            need(size == 3 + 1 + (n + 1) // 2 + 2, "TEXTOUT size %d for %d bytes" % (size, n))
            texts.append(body[2:2 + n].decode("cp1252"))
        if fn == 0x02FB:
            need(size >= 3 + 9 + 1 and body[18:].find(b"\0") >= 0, "font record")
        if fn in (0x041B, 0x0418, 0x061C):
            b, r, t, l = struct.unpack_from("<hhhh", body, len(body) - 8)
            need(left <= l < r <= right + 1 and top <= t < b <= bottom + 1, "shape outside the box")
        if fn in WMF_CREATES:
            if False in slots:
                slots[slots.index(False)] = True
            else:
                slots.append(True)
        if fn in (0x012D, 0x01F0):
            i = struct.unpack_from("<H", body)[0]
            need(i < len(slots) and slots[i], "object %d used but not there" % i)
            if fn == 0x01F0:
                slots[i] = False
        need(len(slots) <= objects, "more than mtNoObjects objects")
        largest = max(largest, size)
        count += 1
        last = (fn, size)
        pos += 2 * size
    need(pos == len(d), "records don't end with the file")
    need(last == (0, 3), "last record is no EOF")
    need(largest == max_record, "mtMaxRecord %d, largest %d" % (max_record, largest))
    return "%d records, %dx%d units at %d/inch, texts %s" % (count, right - left, bottom - top,
                                                           inch, texts)


EMF_SIZES = {1: None, 14: 20, 18: 12, 22: 12, 24: 12, 37: 12, 40: 12, 42: 24, 43: 24, 44: 32,
             27: 16, 54: 16, 38: 28, 39: 24, 82: None, 84: None, 86: None, 87: None, 17: 12,
             19: 12}


def check_emf(path):
    d = path.read_bytes()
    (kind, hsize, bl, bt, br, bb, fl, ft, fr, fb, sig, version, nbytes, nrecords, nhandles,
     reserved, ndesc, offdesc, npal, devw, devh, mmw, mmh) = struct.unpack_from("<II4i4iIIIIHHIII2i2i", d)
    need(kind == 1 and sig == 0x464D4520 and version == 0x10000, "header record")
    need(hsize % 4 == 0 and 88 <= hsize <= len(d), "header size %d" % hsize)
    need(nbytes == len(d), "nBytes %d, file %d" % (nbytes, len(d)))
    need(reserved == 0 and npal == 0, "reserved / palette")
    if ndesc:
        need(offdesc >= 88 and offdesc + 2 * ndesc <= hsize, "description outside the header")
        desc = d[offdesc:offdesc + 2 * ndesc].decode("utf-16-le")
        need(desc.endswith("\0\0"), "description not ended by two NULs")
    if hsize >= 108:
        mw, mh = struct.unpack_from("<2i", d, 100)
        need((mw, mh) == (mmw * 1000, mmh * 1000), "szlMicrometers")
    need(br > bl and bb > bt and fr > fl and fb > ft, "bounds / frame empty")
    # the frame (0.01 mm) must cover the bounds (device pixels)
    fw = (fr - fl) * devw / (mmw * 100)
    fh = (fb - ft) * devh / (mmh * 100)
    need(abs(fw - (br - bl + 1)) <= 1 and abs(fh - (bb - bt + 1)) <= 1,
         "frame is %.1fx%.1f pixels, bounds %dx%d" % (fw, fh, br - bl + 1, bb - bt + 1))
    pos, count, handles, texts = 0, 0, set(), []
    slack = 10
    while pos < len(d):
        rtype, size = struct.unpack_from("<II", d, pos)
        need(size >= 8 and size % 4 == 0 and pos + size <= len(d), "record at %d, size %d" % (pos, size))
        need(rtype in EMF_SIZES, "unexpected record type %d" % rtype)
        need(count > 0 or rtype == 1, "first record is no header")
        exp = EMF_SIZES[rtype]
        need(exp is None or size == exp, "record %d size %d, expected %s" % (rtype, size, exp))
        body = d[pos + 8:pos + size]
        if rtype in (38, 39, 82):
            i = struct.unpack_from("<I", body)[0]
            need(1 <= i < nhandles and i not in handles, "handle %d (nHandles %d)" % (i, nhandles))
            handles.add(i)
        if rtype in (37, 40):
            i = struct.unpack_from("<I", body)[0]
            need(i & 0x80000000 or i in handles, "object %d used but not there" % i)
            if rtype == 40:
                handles.discard(i)
        if rtype == 82:
            need(size >= 12 + 92, "font record too short")
        if rtype in (42, 43, 44):
            l, t, r, b = struct.unpack_from("<4i", body)
            need(bl - slack <= l < r <= br + slack + 2 and bt - slack <= t < b <= bb + slack + 2,
                 "shape outside the bounds")
        if rtype in (86, 87):
            n = struct.unpack_from("<I", body, 16)[0]
            need(size == 28 + 4 * n, "poly16 size %d for %d points" % (size, n))
            pts = [struct.unpack_from("<hh", body, 20 + 4 * k) for k in range(n)]
            xs, ys = [p[0] for p in pts], [p[1] for p in pts]
            need(struct.unpack_from("<4i", body) == (min(xs), min(ys), max(xs), max(ys)),
                 "poly16 bounds")
            need(bl - slack <= min(xs) and max(xs) <= br + slack and
                 bt - slack <= min(ys) and max(ys) <= bb + slack, "points outside the bounds")
        if rtype == 84:
            n, offs, _opts = struct.unpack_from("<III", body, 36)
            offdx = struct.unpack_from("<I", body, 64)[0]
            need(offs >= 76 and offs + 2 * n <= size, "text outside the record")
            need(offdx == 0 or offdx + 4 * n <= size, "dx array outside the record")
            texts.append(d[pos + offs:pos + offs + 2 * n].decode("utf-16-le"))
        if rtype == 14:
            npe, offpe, last = struct.unpack_from("<III", body)
            need(last == size and pos + size == len(d), "EOF record")
        count += 1
        pos += size
    need(rtype == 14, "last record is no EOF")
    need(count == nrecords, "nRecords %d, found %d" % (nrecords, count))
    return "%d records, %d handles, %dx%d pixels, texts %s" % (count, nhandles, br - bl + 1,
                                                              bb - bt + 1, texts)


def check_wav(path):
    with wave.open(str(path), "rb") as w:
        ch, width, rate, n = w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes()
        frames = w.readframes(n)
    need((ch, width, rate) == (1, 2, 22050), "format %d ch, %d bytes, %d Hz" % (ch, width, rate))
    seconds = n / rate
    need(1.0 <= seconds <= 2.5, "%.2f s long" % seconds)
    samples = struct.unpack("<%dh" % n, frames)
    peak = max(abs(s) for s in samples)
    need(3000 < peak < 32767, "peak %d" % peak)
    return "%.2f s, peak %d" % (seconds, peak)


def check_exe(path):
    d = path.read_bytes()
    need(d[:2] == b"MZ", "no MZ header")
    pe = struct.unpack_from("<I", d, 0x3C)[0]
    need(d[pe:pe + 4] == b"PE\0\0", "no PE header")
    machine = struct.unpack_from("<H", d, pe + 4)[0]
    subsystem = struct.unpack_from("<H", d, pe + 24 + 68)[0]
    need(machine == 0x14C and subsystem == 2, "not a 32-bit GUI program")
    return "%d bytes" % len(d)


PICTURE_CHECKS = {"bmp": check_bmp, "ico": check_ico, "jpg": check_jpeg, "jpeg": check_jpeg,
                  "wmf": check_wmf, "emf": check_emf}


def check_medium(root):
    menu = root / "autorun"
    run("options.dat is cp1252 CR LF text", check_text, menu / "options.dat")
    run("filelist.dat is cp1252 CR LF text", check_text, menu / "filelist.dat")
    run("autorun.inf is cp1252 CR LF text", check_text, root / "autorun.inf")
    run("options.dat reads as settings", check_options, menu / "options.dat")
    run("startup.wav", check_wav, menu / "startup.wav")

    lines = read_lines(menu / "filelist.dat")
    check("filelist.dat has whole six-line records", len(lines) % 6 == 0, "%d lines" % len(lines))
    records = [lines[i:i + 6] for i in range(0, len(lines) - len(lines) % 6, 6)]
    folded = [line.lower() for line in lines]
    groups = []
    no_info, no_picture, pictures = [], [], set()
    for k, (group, runfile, name, installed, picture, info) in enumerate(records):
        if group and group not in groups:
            groups.append(group)
        check("record %d %r found by its display name" % (k, name),
              folded.index(name.lower()) == 6 * k + 2,
              "first match is line %d" % folded.index(name.lower()))
        target = root.joinpath(*runfile.split("\\"))
        if target.suffix.lower() == ".exe":
            run("run file %s" % runfile, check_exe, target)
        else:
            run("run file %s" % runfile, check_text, target)
        check("installed name %r is a bare exe name" % installed,
              installed == "" or ("\\" not in installed and installed.lower().endswith(".exe")))
        if picture:
            ext = picture.rsplit(".", 1)[-1].lower()
            pictures.add("jpg" if ext == "jpeg" else ext)
            run("picture %s" % picture, PICTURE_CHECKS[ext], menu.joinpath(*picture.split("\\")))
        else:
            no_picture.append(name)
        if info:
            path = menu.joinpath(*info.split("\\"))
            if path.is_file():
                run("description %s" % info, check_text, path)
            else:
                no_info.append(name)
    check("at least eight programs", len(records) >= 8, "%d" % len(records))
    check("two groups and ungrouped programs",
          len(groups) >= 2 and any(not r[0] for r in records), "groups %s" % groups)
    split = [g for g in groups
             if any(records[i][0] == g and records[i + 1][0] != g and
                    any(r[0] == g for r in records[i + 2:]) for i in range(len(records) - 1))]
    check("a group whose records are not next to each other", bool(split))
    check("pictures of every format", pictures >= {"bmp", "jpg", "ico", "wmf", "emf"},
          "only %s" % sorted(pictures))
    check("a program without picture", bool(no_picture))
    check("a program whose description file is missing", bool(no_info))
    longest = max((len(read_lines(menu / r[5])) for r in records if r[5] and (menu / r[5]).is_file()),
                  default=0)
    check("a description of 60 or more lines", longest >= 60, "longest %d" % longest)
    print("groups: %s; without picture: %s; description missing: %s" % (groups, no_picture, no_info))


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: check_demo.py DIR")
    check_medium(Path(sys.argv[1]))
    print("check_demo: %d passed, %d failed" % (passed, len(failures)))
    sys.exit(1 if failures else 0)


if __name__ == "__main__":
    main()

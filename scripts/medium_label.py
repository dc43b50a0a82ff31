#!/usr/bin/python3
"""The medium's label in each place it goes, for scripts/make-medium.sh.

Usage:
    medium_label.py choose LABEL < CHECK_JSON the label: LABEL, else the menu's
                                              caption from the checker's --json
                                              output, else PANDOR7
    medium_label.py iso-volume-id LABEL       prints the ISO 9660 volume id
    medium_label.py set-joliet-volume-id IMAGE LABEL
                                              writes the Joliet volume id into
                                              the image's Joliet descriptor
    medium_label.py write-autorun-inf LABEL FILE
                                              writes autorun.inf

Each place takes what its format allows (docs/menu-format.md#iso-image):
- ISO 9660 volume id: A-Z, 0-9 and _, at most 32; umlauts spelt out (Ä: AE),
  other accented letters plain, everything else _, no _ twice or at the ends;
- Joliet volume id: at most 16 UCS-2 characters as written, those Joliet
  forbids made _, trailing blanks dropped;
- label= in autorun.inf: the whole text in Windows-1252, which Windows reads.
Only the Python standard library is used.
"""

import json
import re
import sys
import unicodedata

DEFAULT_LABEL = "PANDOR7"
ISO_VOLUME_ID_LENGTH = 32
JOLIET_VOLUME_ID_LENGTH = 16
JOLIET_FORBIDDEN = set('*/:;?\\')
# Umlauts spelt out the German way, and letters that Unicode doesn't
# decompose into a plain letter and an accent.
SPELT_OUT = {"Ä": "AE", "Ö": "OE", "Ü": "UE", "ä": "ae", "ö": "oe", "ü": "ue", "ß": "ss",
             "ẞ": "SS", "Æ": "AE", "æ": "ae", "Œ": "OE", "œ": "oe", "Ø": "O", "ø": "o",
             "Ł": "L", "ł": "l", "Đ": "D", "đ": "d"}

SECTOR = 2048
FIRST_DESCRIPTOR_SECTOR = 16
SUPPLEMENTARY_DESCRIPTOR = 2
TERMINATOR_DESCRIPTOR = 255
JOLIET_ESCAPES = (b"%/@", b"%/C", b"%/E")  # UCS-2 levels 1 to 3
VOLUME_ID_OFFSET = 40
ESCAPES_OFFSET = 88


def choose(label, check_json):
    """The label asked for, else the caption the checker read, else the default."""
    if label:
        return label
    try:
        caption = json.loads(check_json).get("menu", {}).get("caption")
    except (ValueError, AttributeError):
        caption = None
    return caption if caption else DEFAULT_LABEL


def with_content(text):
    """A text without any letter or digit names nothing: the default instead."""
    return text if any(c.isalnum() for c in text) else DEFAULT_LABEL


def plain_letters(text):
    """Umlauts spelt out, other letters without their accents."""
    out = []
    for c in text:
        if c in SPELT_OUT:
            out.append(SPELT_OUT[c])
        else:
            out.append("".join(d for d in unicodedata.normalize("NFKD", c) if not unicodedata.combining(d)))
    return "".join(out)


def iso_volume_id(label):
    text = re.sub(r"[^A-Z0-9_]", "_", plain_letters(with_content(label)).upper())
    text = re.sub(r"_+", "_", text).strip("_")
    text = text[:ISO_VOLUME_ID_LENGTH].rstrip("_")
    return text or DEFAULT_LABEL


def joliet_volume_id(label):
    text = "".join("_" if c in JOLIET_FORBIDDEN or ord(c) < 0x20 or ord(c) > 0xFFFF else c
                   for c in with_content(label))
    return text[:JOLIET_VOLUME_ID_LENGTH].rstrip(" ")


def cp1252(text):
    """The text in Windows-1252, or None when the code page lacks a character."""
    try:
        return text.encode("cp1252")
    except UnicodeEncodeError:
        return None


def autorun_inf_label(label):
    """The label as Windows-1252 bytes."""
    out = bytearray()
    for c in with_content(label):
        out += b"_" if ord(c) < 0x20 else cp1252(c) or cp1252(plain_letters(c)) or b"_"
    return bytes(out)


def autorun_inf(label):
    lines = [b"[autorun]", b"open=autorun.exe", b"icon=autorun.exe,0", b"label=" + autorun_inf_label(label)]
    return b"".join(line + b"\r\n" for line in lines)


def set_joliet_volume_id(image_path, label):
    """Rewrites the volume id of every Joliet descriptor; returns how many there were."""
    name = joliet_volume_id(label)
    field = name.ljust(JOLIET_VOLUME_ID_LENGTH).encode("utf-16-be")  # unused places hold blanks
    found = 0
    with open(image_path, "r+b") as image:
        sector = FIRST_DESCRIPTOR_SECTOR
        while True:
            image.seek(sector * SECTOR)
            descriptor = image.read(SECTOR)
            if len(descriptor) < SECTOR or descriptor[1:6] != b"CD001":
                break
            if descriptor[0] == TERMINATOR_DESCRIPTOR:
                break
            if (descriptor[0] == SUPPLEMENTARY_DESCRIPTOR
                    and descriptor[ESCAPES_OFFSET:ESCAPES_OFFSET + 3] in JOLIET_ESCAPES):
                image.seek(sector * SECTOR + VOLUME_ID_OFFSET)
                image.write(field)
                found += 1
            sector += 1
    return found


def main(argv):
    command, args = (argv[1], argv[2:]) if len(argv) > 1 else ("", [])
    if command == "choose" and len(args) == 1:
        print(choose(args[0], sys.stdin.read()))
    elif command == "iso-volume-id" and len(args) == 1:
        print(iso_volume_id(args[0]))
    elif command == "set-joliet-volume-id" and len(args) == 2:
        if set_joliet_volume_id(args[0], args[1]) == 0:
            sys.exit("medium_label.py: %s has no Joliet descriptor" % args[0])
    elif command == "write-autorun-inf" and len(args) == 2:
        with open(args[1], "wb") as inf:
            inf.write(autorun_inf(args[0]))
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)

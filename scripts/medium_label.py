#!/usr/bin/python3
"""What scripts/make-medium.sh does with the medium's label beyond its rules,
which pandor7-label holds (menu/medium_label.h).

Usage:
    medium_label.py choose LABEL < CHECK_JSON the label: LABEL, else the menu's
                                              caption from the checker's --json
                                              output, else PANDOR7
    medium_label.py set-joliet-volume-id IMAGE VOLUME_ID
                                              writes VOLUME_ID (pandor7-label
                                              joliet-volume-id) into the image's
                                              Joliet descriptor

xorriso can't set the Joliet volume id apart from the ISO 9660 one, so it is
written into the image afterwards. Only the Python standard library is used.
"""

import json
import sys

DEFAULT_LABEL = "PANDOR7"
JOLIET_VOLUME_ID_LENGTH = 16

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


def set_joliet_volume_id(image_path, volume_id):
    """Rewrites the volume id of every Joliet descriptor; returns how many there were."""
    if len(volume_id) > JOLIET_VOLUME_ID_LENGTH or any(ord(c) > 0xFFFF for c in volume_id):
        raise ValueError("not a Joliet volume id: %r" % volume_id)
    field = volume_id.ljust(JOLIET_VOLUME_ID_LENGTH).encode("utf-16-be")  # unused places hold blanks
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
    elif command == "set-joliet-volume-id" and len(args) == 2:
        try:
            found = set_joliet_volume_id(args[0], args[1])
        except ValueError as error:
            sys.exit("medium_label.py: %s" % error)
        if found == 0:
            sys.exit("medium_label.py: %s has no Joliet descriptor" % args[0])
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)

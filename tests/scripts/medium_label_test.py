#!/usr/bin/python3
"""The medium's label as each format takes it (through pandor7-label, as
scripts/make-medium.sh takes it), the label's choice and the Joliet
descriptor patch (scripts/medium_label.py)."""

import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "..", "scripts"))
import medium_label  # noqa: E402

# ctest names the build's tool; by hand, the native build's.
LABEL_TOOL = os.environ.get("PANDOR7_LABEL_TOOL",
                            os.path.join(HERE, "..", "..", "build", "native", "checker", "pandor7-label"))
SECTOR = 2048


def label_tool(*args):
    return subprocess.run([LABEL_TOOL, *args], check=True, capture_output=True).stdout


def iso_volume_id(label):
    return label_tool("iso-volume-id", label).decode("utf-8").rstrip("\n")


def joliet_volume_id(label):
    return label_tool("joliet-volume-id", label).decode("utf-8").rstrip("\n")


def autorun_inf(label):
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "autorun.inf")
        label_tool("write-autorun-inf", label, path)
        with open(path, "rb") as inf:
            return inf.read()


def autorun_inf_label(label):
    lines = autorun_inf(label).split(b"\r\n")
    return lines[3][len(b"label="):]


class LabelFormsTest(unittest.TestCase):
    CASES = [
        # label, ISO 9660 volume id, Joliet volume id, autorun.inf label= bytes
        ("Pandor 7 – Demo-CD", "PANDOR_7_DEMO_CD", "Pandor 7 – Demo-", b"Pandor 7 \x96 Demo-CD"),
        ("Grüße aus Köln", "GRUESSE_AUS_KOELN", "Grüße aus Köln", b"Gr\xfc\xdfe aus K\xf6ln"),
        ("Élan: Café/Bar; ok?", "ELAN_CAFE_BAR_OK", "Élan_ Café_Bar_", b"\xc9lan: Caf\xe9/Bar; ok?"),
        ("  --Spiele--  ", "SPIELE", "  --Spiele--", b"  --Spiele--  "),
        ("Ein sehr langer Name für eine ganze DVD voller Programme", "EIN_SEHR_LANGER_NAME_FUER_EINE_G",
         "Ein sehr langer", b"Ein sehr langer Name f\xfcr eine ganze DVD voller Programme"),
        ("Tab\there", "TAB_HERE", "Tab_here", b"Tab_here"),
        ("Łódź", "LODZ", "Łódź", b"L\xf3dz"),
        ("日本", "PANDOR7", "日本", b"__"),
        ("***", "PANDOR7", "PANDOR7", b"PANDOR7"),
        ("", "PANDOR7", "PANDOR7", b"PANDOR7"),
    ]

    def test_each_format_takes_what_it_allows(self):
        for label, iso, joliet, inf in self.CASES:
            with self.subTest(label=label):
                self.assertEqual(iso, iso_volume_id(label))
                self.assertEqual(joliet, joliet_volume_id(label))
                self.assertEqual(inf, autorun_inf_label(label))

    def test_autorun_inf_has_four_lines_with_cr_lf(self):
        self.assertEqual(b"[autorun]\r\nopen=autorun.exe\r\nicon=autorun.exe,0\r\nlabel=Gr\xfc\xdfe\r\n",
                         autorun_inf("Grüße"))

    def test_wrong_calls_are_refused(self):
        for args in ([], ["iso-volume-id"], ["write-autorun-inf", "CD"], ["label", "CD"],
                     ["write-autorun-inf", "CD", os.path.join(HERE, "no such folder", "autorun.inf")]):
            with self.subTest(args=args):
                self.assertEqual(2, subprocess.run([LABEL_TOOL, *args], capture_output=True).returncode)


class ChooseTest(unittest.TestCase):
    def test_label_then_caption_then_default(self):
        report = '{"menu": {"caption": "Pandor 7 – Demo-CD"}, "findings": []}'
        self.assertEqual("Eigenes", medium_label.choose("Eigenes", report))
        self.assertEqual("Pandor 7 – Demo-CD", medium_label.choose("", report))
        self.assertEqual("PANDOR7", medium_label.choose("", '{"menu": {"caption": null}, "findings": []}'))
        self.assertEqual("PANDOR7", medium_label.choose("", '{"menu": {"caption": ""}, "findings": []}'))
        self.assertEqual("PANDOR7", medium_label.choose("", '{"findings": []}'))
        self.assertEqual("PANDOR7", medium_label.choose("", "not json"))


def descriptor(kind, escapes=b"", volume_id=b""):
    sector = bytearray(SECTOR)
    sector[0] = kind
    sector[1:6] = b"CD001"
    sector[40:72] = volume_id.ljust(32, b" ")
    sector[88:88 + len(escapes)] = escapes
    return bytes(sector)


class JolietPatchTest(unittest.TestCase):
    def test_only_joliet_descriptors_change(self):
        primary = descriptor(1, volume_id=b"PANDOR_7_DEMO_CD")
        other_supplementary = descriptor(2, escapes=b"\x1b$B", volume_id=b"OTHER")
        joliet = descriptor(2, escapes=b"%/E", volume_id="ALT".encode("utf-16-be"))
        data_after = b"\x55" * SECTOR  # a file's data right after the terminator
        image = b"\0" * 16 * SECTOR + primary + other_supplementary + joliet + descriptor(255) + data_after
        with tempfile.NamedTemporaryFile(suffix=".iso", delete=False) as f:
            f.write(image)
        try:
            self.assertEqual(1, medium_label.set_joliet_volume_id(f.name, joliet_volume_id("Grüße aus Köln 2024")))
            with open(f.name, "rb") as patched_file:
                patched = patched_file.read()
        finally:
            os.unlink(f.name)
        self.assertEqual(len(image), len(patched))
        joliet_at = 18 * SECTOR
        self.assertEqual("Grüße aus Köln 2".encode("utf-16-be"), patched[joliet_at + 40:joliet_at + 72])
        self.assertEqual(image[:joliet_at + 40], patched[:joliet_at + 40])
        self.assertEqual(image[joliet_at + 72:], patched[joliet_at + 72:])

    def test_short_name_is_padded_with_ucs2_blanks(self):
        image = b"\0" * 16 * SECTOR + descriptor(2, escapes=b"%/@") + descriptor(255)
        with tempfile.NamedTemporaryFile(suffix=".iso", delete=False) as f:
            f.write(image)
        try:
            medium_label.set_joliet_volume_id(f.name, joliet_volume_id("CD"))
            with open(f.name, "rb") as patched_file:
                field = patched_file.read()[16 * SECTOR + 40:16 * SECTOR + 72]
        finally:
            os.unlink(f.name)
        self.assertEqual("CD".encode("utf-16-be") + " ".encode("utf-16-be") * 14, field)

    def test_an_id_the_field_cannot_hold_is_refused_untouched(self):
        image = b"\0" * 16 * SECTOR + descriptor(2, escapes=b"%/@", volume_id=b"OLD") + descriptor(255)
        with tempfile.NamedTemporaryFile(suffix=".iso", delete=False) as f:
            f.write(image)
        try:
            for volume_id in ("x" * 17, "CD \U0001F600"):
                with self.subTest(volume_id=volume_id), self.assertRaises(ValueError):
                    medium_label.set_joliet_volume_id(f.name, volume_id)
            with open(f.name, "rb") as unchanged:
                self.assertEqual(image, unchanged.read())
        finally:
            os.unlink(f.name)


if __name__ == "__main__":
    unittest.main()

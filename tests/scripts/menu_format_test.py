#!/usr/bin/python3
"""docs/menu-format.md as the checker and its readers use it: the anchors the
checker's findings point to are there, once each, and every link within the
page leads to one."""

import os
import re
import unittest

REFERENCE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "docs", "menu-format.md")

# The sections pandor7-check names in its findings.
CHECKER_ANCHORS = (
    ["folder-layout", "line-ends", "options-dat"]
    + ["line-%d" % n for n in range(17)]
    + ["integers", "colours", "switches", "welcome-text", "filelist-dat", "groups", "display-names", "paths",
       "pictures", "picture-bmp", "picture-ico", "picture-metafiles", "picture-jpeg", "sound", "messages",
       "msg-debug", "msg-wrong-version", "msg-list-index", "msg-invalid-integer", "msg-cannot-open", "msg-sound",
       "msg-no-mci-device", "msg-no-description", "msg-unknown-extension", "msg-bitmap-invalid", "msg-stream-read",
       "msg-invalid-icon", "msg-invalid-metafile", "msg-jpeg-error", "msg-memo-capacity", "msg-file-not-found",
       "msg-invalid-type", "making-a-medium", "autorun-inf", "iso-image", "usb-stick", "autoplay", "checker"])


class MenuFormatTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with open(REFERENCE, encoding="utf-8") as f:
            cls.text = f.read()
        cls.anchors = re.findall(r'<a id="([^"]+)"></a>', cls.text)

    def test_every_anchor_the_checker_names_is_there_once(self):
        for anchor in CHECKER_ANCHORS:
            with self.subTest(anchor=anchor):
                self.assertEqual(1, self.anchors.count(anchor))

    def test_each_anchor_stands_right_before_a_heading(self):
        for anchor in self.anchors:
            with self.subTest(anchor=anchor):
                self.assertRegex(self.text, r'<a id="%s"></a>\n#+ \S' % re.escape(anchor))

    def test_every_link_within_the_page_leads_to_an_anchor(self):
        links = re.findall(r"\]\(#([^)]+)\)", self.text)
        self.assertGreater(len(links), 50)
        for link in links:
            with self.subTest(link=link):
                self.assertIn(link, self.anchors)


if __name__ == "__main__":
    unittest.main()

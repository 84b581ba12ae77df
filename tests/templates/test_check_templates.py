#!/usr/bin/python3
"""The template check must notice a broken template: each case copies a real
template, breaks one rule in it, and expects the check to name the fault.

    test_check_templates.py TEMPLATES_DIR
"""

import json
import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import check_templates  # noqa: E402

TEMPLATES = None


class BrokenTemplates(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.mkdtemp()
        sources = check_templates.template_folders(TEMPLATES)
        self.assertTrue(sources, "no templates to copy")
        # the first template with two-column sections and a footer link
        self.src = sources[0]
        self.dir = os.path.join(self.tmp, "sample")
        shutil.copytree(self.src, self.dir)
        with open(os.path.join(self.dir, "template.html"), encoding="utf-8") as f:
            self.html = f.read()

    def tearDown(self):
        shutil.rmtree(self.tmp)

    def write(self, html):
        with open(os.path.join(self.dir, "template.html"), "w", encoding="utf-8") as f:
            f.write(html)

    def replace_body(self, insert):
        """Puts markup right after <body ...>."""
        i = self.html.index(">", self.html.index("<body")) + 1
        self.write(self.html[:i] + insert + self.html[i:])

    def faults(self):
        return check_templates.check_template(self.dir)

    def assertFault(self, *words):
        faults = self.faults()
        hit = [f for f in faults if all(w in f for w in words)]
        self.assertTrue(hit, f"no fault naming {words} in {faults}")

    def test_unbroken_copy_passes(self):
        self.assertEqual(self.faults(), [])

    def test_code_and_events(self):
        for markup, words in [
                ("<script>alert(1)</script>", ("<script>", "not allowed")),
                ("<SCRIPT src='images/x.js'></SCRIPT>", ("<script>", "not allowed")),
                ("<div onclick=\"go()\">x</div>", ("event attribute onclick",)),
                ("<img src=\"images/none.png\" alt=\"\" onerror=\"x()\">", ("event attribute onerror",)),
                ("<a href=\" javascript:alert(1)\">x</a>", ("script address",)),
                ("<iframe src=\"https://example.com/\"></iframe>", ("<iframe>", "not allowed")),
                ("<form action=\"https://example.com/\"></form>", ("<form>", "not allowed")),
                ("<meta http-equiv=\"refresh\" content=\"0\">", ("refresh",))]:
            with self.subTest(markup=markup):
                self.replace_body(markup)
                self.assertFault(*words)

    def test_remote_and_outside_resources(self):
        outside = os.path.join(self.tmp, "secret.png")
        shutil.copy(os.path.join(self.src, "preview.png"), outside)
        os.symlink(outside, os.path.join(self.dir, "images", "link.png"))
        for markup, words in [
                ("<img src=\"https://example.com/a.png\" alt=\"\">", ("https://example.com/a.png", "remote")),
                ("<img src=\"//example.com/a.png\" alt=\"\">", ("//example.com/a.png",)),
                ("<img src=\"HTTP://example.com/a.png\" alt=\"\">", ("remote",)),
                ("<img src=\"file:///etc/passwd\" alt=\"\">", ("file:///etc/passwd",)),
                ("<img src=\"/etc/hosts\" alt=\"\">", ("not a plain relative path",)),
                ("<img src=\"../sample/../../secret.png\" alt=\"\">", ("outside",)),
                ("<img src=\"images/link.png\" alt=\"\">", ("outside",)),
                ("<img src=\"images/missing.png\" alt=\"\">", ("does not exist",)),
                ("<table background=\"https://example.com/bg.png\"><tr><td></td></tr></table>", ("background",)),
                ("<div style=\"background:url('https://example.com/bg.png')\"></div>", ("style url()",)),
                ("<link rel=\"stylesheet\" href=\"https://example.com/f.css\">", ("<link>", "not allowed")),
                ("<a href=\"//example.com/\">x</a>", ("protocol-relative",))]:
            with self.subTest(markup=markup):
                self.replace_body(markup)
                self.assertFault(*words)

    def test_style_blocks(self):
        for block, words in [
                ("@import url('https://example.com/f.css');", ("@import",)),
                ("td { background: url(https://example.com/x.png); }", ("style block url()",))]:
            with self.subTest(block=block):
                self.write(self.html.replace("</style>", block + "</style>", 1))
                self.assertFault(*words)
        self.replace_body("<style>p { color: red; }</style>")
        self.assertFault("<style> outside <head>")

    def test_placeholders(self):
        stripped = self.html
        for name in check_templates.PLACEHOLDERS:
            stripped = stripped.replace("{{" + name + "}}", "someone")
        self.write(stripped)
        self.assertFault("uses no placeholder")
        for typo in ("{{first_name}}", "{{ firstname }}", "{{FirstName}}"):
            with self.subTest(typo=typo):
                self.replace_body(typo)
                self.assertFault(typo, "not a placeholder")

    def test_layout_and_markup(self):
        self.write(self.html.replace('width="600"', 'width="640"').replace("max-width:600px", "max-width:640px"))
        self.assertFault("no table 600 pixels wide")
        self.write(self.html.replace("</td>", "", 1))
        self.assertFault("closes")
        self.write(self.html.replace('<meta charset="utf-8">', ""))
        self.assertFault("charset")
        self.write(self.html.replace('alt="', 'title="', 1))
        self.assertFault("without alt text")
        with open(os.path.join(self.dir, "template.html"), "wb") as f:
            f.write(self.html.encode("utf-8").replace(b"<title>", b"<title>\xe9", 1))
        self.assertFault("not UTF-8")

    def test_meta_preview_and_images(self):
        meta = os.path.join(self.dir, "meta.json")
        for content, words in [
                ({"title": "x", "categories": ["Business"]}, ("categories",)),
                ({"title": "x", "categories": ["Business", "Business"]}, ("categories",)),
                ({"title": "", "categories": ["A", "B"]}, ("title",)),
                # the French title and categories are required too, one for each
                ({"title": "x", "categories": ["A", "B"], "categories_fr": ["A", "B"]},
                 ("no title_fr",)),
                ({"title": "x", "categories": ["A", "B", "C"], "title_fr": "y",
                  "categories_fr": ["A", "B"]}, ("categories_fr", "each English"))]:
            with self.subTest(meta=content):
                with open(meta, "w", encoding="utf-8") as f:
                    json.dump(content, f)
                self.assertFault("meta.json", *words)
        with open(meta, "w", encoding="utf-8") as f:
            f.write("{\"title\": \"x\", ")
        self.assertFault("meta.json")
        os.remove(meta)
        self.assertFault("meta.json")

        preview = os.path.join(self.dir, "preview.png")
        with open(preview, "wb") as f:
            f.write(b"GIF89a not a png at all....")
        self.assertFault("preview.png is not a PNG")
        os.remove(preview)
        self.assertFault("preview.png is missing")

        images = os.path.join(self.dir, "images")
        with open(os.path.join(images, "unused.png"), "wb") as f:
            f.write(check_templates.IMAGE_MAGIC[".png"] + b"\0" * 16)
        self.assertFault("unused.png", "not used")
        first = sorted(os.listdir(images))[0]
        with open(os.path.join(images, first), "ab") as f:
            f.write(b"\0" * (check_templates.MAX_IMAGE_BYTES + 1))
        self.assertFault(first, "bytes, over")

    def test_folder_name(self):
        bad = os.path.join(self.tmp, "Bad Name")
        os.rename(self.dir, bad)
        self.dir = bad
        self.assertFault("folder name")


if __name__ == "__main__":
    TEMPLATES = sys.argv.pop(1)
    unittest.main(verbosity=2)

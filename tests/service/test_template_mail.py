"""A template downloaded from the service, unpacked, becomes a message whose
images are inline parts: the path from the template page's "Download" to the
compose page's "Load HTML"."""

import email
import email.policy
import html.parser
import io
import json
import os
import subprocess
import unittest
import urllib.parse
import urllib.request
import zipfile

from servicefixture import JPEG, Service, TempDir, png, write_template

COMPOSE = os.environ.get("COMPOSE_TEMPLATE_BIN", "")

PAGE = """<!DOCTYPE html>
<html><head><meta charset="utf-8"><title>Newsletter</title></head>
<body><table><tr><td><img src="images/logo.png" alt="Logo"></td></tr>
<tr><td><img src="images/photo.jpg" alt="Photo"><p>Dear reader, welcome.</p></td></tr>
<tr><td><img src="images/logo.png" alt="Logo again"></td></tr></table></body></html>
"""


def image_references(page):
    """The distinct images/NAME values of src, href and data attributes."""
    found = set()

    class Collector(html.parser.HTMLParser):
        def handle_starttag(self, tag, attrs):
            for name, value in attrs:
                if name in ("src", "href", "data") and value and value.startswith("images/"):
                    found.add(value)

    Collector().feed(page)
    return found


class TemplateMailTest(unittest.TestCase):
    def test_downloaded_template_sends_with_inline_images(self):
        tmp = TempDir()
        try:
            write_template(os.path.join(tmp.path, "templates"), "newsletter", "Newsletter",
                           ["News"], PAGE, {"logo.png": png(12, 12), "photo.jpg": JPEG,
                                            "unused.png": png(3, 3)})
            service = Service(tmp.path, {"templates": "templates", "corpus": "none"})
            try:
                # The address the page's "Download" link leads to.
                page_url = service.base + "templates/newsletter/?lang=en"
                with urllib.request.urlopen(page_url, timeout=10) as response:
                    self.assertIn(b'href="download"', response.read())
                with urllib.request.urlopen(urllib.parse.urljoin(page_url, "download"),
                                            timeout=10) as response:
                    archive = zipfile.ZipFile(io.BytesIO(response.read()))
            finally:
                self.assertEqual(service.stop(), 0)

            unpacked = os.path.join(tmp.path, "unpacked")
            archive.extractall(unpacked)
            html_file = os.path.join(unpacked, "newsletter", "template.html")
            result = subprocess.run([COMPOSE, html_file], capture_output=True, timeout=60)
            self.assertEqual(result.returncode, 0, result.stderr.decode())
            message = email.message_from_bytes(result.stdout, policy=email.policy.default)

            html_parts = [p for p in message.walk() if p.get_content_type() == "text/html"]
            self.assertEqual(len(html_parts), 1)
            html = html_parts[0].get_content()
            self.assertNotIn("images/", html)
            related = [p for p in message.walk() if p.get_content_type() == "multipart/related"]
            self.assertEqual(len(related), 1)
            inline = {p["Content-ID"].strip("<>"): p for p in related[0].iter_parts()
                      if p["Content-ID"]}
            # Two distinct images (the logo appears twice), the unused one left out.
            self.assertEqual(sorted(p.get_content_type() for p in inline.values()),
                             ["image/jpeg", "image/png"])
            for cid, part in inline.items():
                self.assertIn("cid:" + cid, html)
                self.assertEqual(part.get_content_disposition(), "inline")
            by_type = {p.get_content_type(): p.get_content() for p in inline.values()}
            self.assertEqual(by_type["image/jpeg"], JPEG)
            self.assertEqual(by_type["image/png"], png(12, 12))
        finally:
            tmp.cleanup()

    def test_every_shipped_template_is_served_and_sends_whole(self):
        shipped = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "service",
                               "templates")
        slugs = sorted(name for name in os.listdir(shipped)
                       if os.path.isfile(os.path.join(shipped, name, "template.html")))
        tmp = TempDir()
        service = Service(tmp.path, {"templates": os.path.abspath(shipped), "corpus": "none"})
        try:
            status, _, body = service.api("templates", {"os": "windows", "language": "en"})
            self.assertEqual(status, 200)
            catalogue = json.loads(body)
            # None is left out for a fault the service found in it.
            self.assertEqual([entry["url"] for entry in catalogue],
                             [service.base + "templates/%s/?lang=en" % slug for slug in slugs])
            self.assertEqual(service.errors().count("left out"), 0, service.errors())
            for slug in slugs:
                with self.subTest(template=slug):
                    with urllib.request.urlopen(service.base + "templates/%s/download" % slug,
                                                timeout=10) as response:
                        zipfile.ZipFile(io.BytesIO(response.read())).extractall(tmp.path)
                    html_file = os.path.join(tmp.path, slug, "template.html")
                    with open(html_file, encoding="utf-8") as f:
                        wanted = image_references(f.read())
                    result = subprocess.run([COMPOSE, html_file], capture_output=True,
                                            timeout=60)
                    self.assertEqual(result.returncode, 0, result.stderr.decode())
                    message = email.message_from_bytes(result.stdout,
                                                       policy=email.policy.default)
                    inline = [p for p in message.walk() if p["Content-ID"]]
                    body = [p for p in message.walk()
                            if p.get_content_type() == "text/html"][0].get_content()
                    self.assertEqual(len(inline), len(wanted))
                    self.assertEqual(image_references(body), set())
        finally:
            self.assertEqual(service.stop(), 0)
            tmp.cleanup()


if __name__ == "__main__":
    unittest.main(verbosity=2)

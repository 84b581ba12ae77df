#!/usr/bin/python3
"""Checks every message template folder of the web service's catalogue.

A template is sent as an e-mail body, personalised per recipient, with its
local images embedded; it must therefore hold no script, fetch nothing from
the network, refer only to files inside its own folder, and keep the layout
mail clients understand. Usage:

    check_templates.py TEMPLATES_DIR [--min-count N]

Prints one line per fault and exits 1 when there is any.
"""

import json
import os
import re
import struct
import sys
from html.parser import HTMLParser

PLACEHOLDERS = {"fullname", "lastname", "firstname", "telephone", "email",
                "company", "occupation", "website"}
SLUG = re.compile(r"^[a-z0-9]+(?:-[a-z0-9]+)*$")
VOID = {"area", "base", "br", "col", "embed", "hr", "img", "input", "link",
        "meta", "param", "source", "track", "wbr"}
# Elements that run code, pull in other documents or change where links lead.
FORBIDDEN = {"script", "iframe", "frame", "frameset", "object", "embed",
             "applet", "form", "base", "link", "svg", "math", "noscript"}
# Attributes whose value the client loads as part of the message.
RESOURCE_ATTRS = {"src", "background", "poster", "data", "srcset", "lowsrc",
                  "dynsrc", "xlink:href"}
IMAGE_MAGIC = {".png": b"\x89PNG\r\n\x1a\n", ".jpg": b"\xff\xd8\xff",
               ".jpeg": b"\xff\xd8\xff", ".gif": b"GIF8"}
MAX_IMAGE_BYTES = 64 * 1024
CSS_URL = re.compile(r"url\(\s*(['\"]?)(.*?)\1\s*\)", re.I)
SCHEME = re.compile(r"^\s*([a-z][a-z0-9+.-]*):", re.I)


class _Scanner(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.faults = []
        self.stack = []
        self.tags = []          # (tag, attrs dict, line) of every start tag
        self.styles = []        # (text, inside head, line) of style blocks
        self.in_style = None
        self.text = []

    def handle_starttag(self, tag, attrs):
        line = self.getpos()[0]
        self.tags.append((tag, attrs, line))
        if tag == "style":
            self.in_style = ["head" in self.stack, line, []]
        if tag not in VOID:
            self.stack.append(tag)

    def handle_startendtag(self, tag, attrs):
        self.tags.append((tag, attrs, self.getpos()[0]))
        if tag not in VOID:
            self.faults.append(f"line {self.getpos()[0]}: <{tag}/> is not a void element")

    def handle_endtag(self, tag):
        line = self.getpos()[0]
        if tag in VOID:
            return
        if not self.stack or self.stack[-1] != tag:
            top = self.stack[-1] if self.stack else "nothing"
            self.faults.append(f"line {line}: </{tag}> closes <{top}>")
            if tag in self.stack:
                while self.stack and self.stack.pop() != tag:
                    pass
            return
        self.stack.pop()
        if tag == "style" and self.in_style is not None:
            in_head, start, parts = self.in_style
            self.styles.append(("".join(parts), in_head, start))
            self.in_style = None

    def handle_data(self, data):
        if self.in_style is not None:
            self.in_style[2].append(data)
        self.text.append(data)


def _png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if len(head) < 24 or head[:8] != IMAGE_MAGIC[".png"] or head[12:16] != b"IHDR":
        return None
    return struct.unpack(">II", head[16:24])


def _is_remote(value):
    v = value.strip().lower()
    return v.startswith("//") or v.startswith("\\\\") or bool(SCHEME.match(v))


def _check_local(folder, value, what, faults, used):
    """A reference the client loads: a relative path to a file inside folder."""
    v = value.strip()
    if not v:
        faults.append(f"{what}: empty reference")
        return
    if _is_remote(v):
        faults.append(f"{what}: '{v}' is not a file of the template (remote or scheme)")
        return
    if v.startswith("/") or "\\" in v or "?" in v or "#" in v or "%" in v:
        faults.append(f"{what}: '{v}' is not a plain relative path")
        return
    root = os.path.realpath(folder)
    target = os.path.realpath(os.path.join(folder, v))
    if os.path.commonpath([root, target]) != root:
        faults.append(f"{what}: '{v}' lies outside the template's folder")
        return
    if not os.path.isfile(target):
        faults.append(f"{what}: '{v}' does not exist")
        return
    used.add(target)


def check_template(folder):
    """Returns the list of faults of one template folder (empty when sound)."""
    faults = []
    slug = os.path.basename(os.path.normpath(folder))
    if not SLUG.match(slug):
        faults.append(f"folder name '{slug}' is not lower-case letters, digits and '-'")

    # meta.json
    try:
        with open(os.path.join(folder, "meta.json"), encoding="utf-8") as f:
            meta = json.load(f)
        if not isinstance(meta, dict):
            raise ValueError("not an object")
        # English and French, one French category for each English one
        for suffix in ("", "_fr"):
            title, key = "title" + suffix, "categories" + suffix
            if not isinstance(meta.get(title), str) or not meta[title].strip():
                faults.append(f"meta.json: no {title}")
            cats = meta.get(key)
            if (not isinstance(cats, list)
                    or not all(isinstance(c, str) and c.strip() for c in cats)
                    or len(set(cats)) < 2 or len(set(cats)) != len(cats)):
                faults.append(f"meta.json: {key} must be two or more distinct names")
        if (isinstance(meta.get("categories"), list) and isinstance(meta.get("categories_fr"), list)
                and len(meta["categories"]) != len(meta["categories_fr"])):
            faults.append("meta.json: categories_fr must name each English category in French")
    except (OSError, ValueError) as e:
        faults.append(f"meta.json: {e}")

    # preview.png: a real PNG, at least as large as the card's picture area
    preview = os.path.join(folder, "preview.png")
    if not os.path.isfile(preview):
        faults.append("preview.png is missing")
    else:
        size = _png_size(preview)
        if size is None:
            faults.append("preview.png is not a PNG image")
        elif size[0] < 250 or size[1] < 300:
            faults.append(f"preview.png is {size[0]}x{size[1]}, smaller than the card's 250x300")

    # template.html
    try:
        with open(os.path.join(folder, "template.html"), "rb") as f:
            raw = f.read()
        html = raw.decode("utf-8")
    except OSError as e:
        return faults + [f"template.html: {e.strerror}"]
    except UnicodeDecodeError:
        return faults + ["template.html is not UTF-8"]

    scanner = _Scanner()
    scanner.feed(html)
    scanner.close()
    faults += [f"template.html {m}" for m in scanner.faults]
    if scanner.stack:
        faults.append(f"template.html: elements left open: {', '.join(scanner.stack)}")
    if not html.lstrip().lower().startswith("<!doctype html>"):
        faults.append("template.html: does not start with <!DOCTYPE html>")

    used = set()
    charset = False
    wide_table = False
    for tag, attrs, line in scanner.tags:
        where = f"template.html line {line} <{tag}>"
        names = [n for n, _ in attrs]
        a = {n: (v or "") for n, v in attrs}
        if tag in FORBIDDEN:
            faults.append(f"{where}: element not allowed in a message")
        for n in names:
            if n.startswith("on"):
                faults.append(f"{where}: event attribute {n}")
        for n, v in a.items():
            if re.sub(r"[\s\x00-\x1f]", "", v).lower().startswith(("javascript:", "vbscript:")):
                faults.append(f"{where}: script address in {n}")
        if tag == "meta" and (a.get("charset", "").lower() == "utf-8"):
            charset = True
        if tag == "meta" and a.get("http-equiv", "").lower() == "refresh":
            faults.append(f"{where}: refresh")
        for n in RESOURCE_ATTRS & set(a):
            if n == "srcset":
                for part in a[n].split(","):
                    _check_local(folder, part.strip().split(" ")[0], f"{where} srcset", faults, used)
            else:
                _check_local(folder, a[n], f"{where} {n}", faults, used)
        if "href" in a and tag not in ("a", "area"):
            faults.append(f"{where}: href outside a link")
        if "href" in a and a["href"].strip().startswith("//"):
            faults.append(f"{where}: protocol-relative link '{a['href']}'")
        for m in CSS_URL.finditer(a.get("style", "")):
            _check_local(folder, m.group(2), f"{where} style url()", faults, used)
        if tag == "img" and "alt" not in a:
            faults.append(f"{where}: image without alt text")
        if tag == "table":
            style = a.get("style", "").replace(" ", "").lower()
            if a.get("width", "").strip() == "600" or re.search(r"(^|;)(max-)?width:600px", style):
                wide_table = True
    for text, in_head, line in scanner.styles:
        if not in_head:
            faults.append(f"template.html line {line}: <style> outside <head>")
        if "@import" in text.lower():
            faults.append(f"template.html line {line}: @import in a style block")
        for m in CSS_URL.finditer(text):
            _check_local(folder, m.group(2), f"template.html line {line} style block url()", faults, used)
    if not charset:
        faults.append('template.html: no <meta charset="utf-8">')
    if not wide_table:
        faults.append("template.html: no table 600 pixels wide")

    # sending replaces "{{" + name + "}}" exactly: no spaces, lower case
    found = set(re.findall(r"\{\{([^{}]*)\}\}", html))
    if not found & PLACEHOLDERS:
        faults.append("template.html: uses no placeholder such as {{firstname}}")
    for name in sorted(found - PLACEHOLDERS):
        faults.append(f"template.html: {{{{{name}}}}} is not a placeholder that sending fills in")

    # images: real pictures of the kind their name says, small, all in use
    images = os.path.join(folder, "images")
    if os.path.isdir(images):
        for name in sorted(os.listdir(images)):
            path = os.path.join(images, name)
            ext = os.path.splitext(name)[1].lower()
            with open(path, "rb") as f:
                head = f.read(8)
            if ext not in IMAGE_MAGIC or not head.startswith(IMAGE_MAGIC[ext]):
                faults.append(f"images/{name}: not a PNG, JPEG or GIF picture of that name")
            if os.path.getsize(path) > MAX_IMAGE_BYTES:
                faults.append(f"images/{name}: {os.path.getsize(path)} bytes, over {MAX_IMAGE_BYTES}")
            if os.path.realpath(path) not in used:
                faults.append(f"images/{name}: not used by template.html")
    return faults


def template_folders(root):
    return sorted(os.path.join(root, d) for d in os.listdir(root)
                  if os.path.isdir(os.path.join(root, d)) and not d.startswith("."))


def main(argv):
    args = argv[1:]
    min_count = 1
    if "--min-count" in args:
        i = args.index("--min-count")
        min_count = int(args[i + 1])
        del args[i:i + 2]
    if len(args) != 1:
        print(__doc__, file=sys.stderr)
        return 2
    folders = template_folders(args[0])
    bad = 0
    for folder in folders:
        faults = check_template(folder)
        name = os.path.basename(folder)
        for fault in faults:
            print(f"{name}: {fault}")
        bad += bool(faults)
    print(f"{len(folders)} templates checked, {bad} with faults")
    if len(folders) < min_count:
        print(f"expected at least {min_count} templates")
        return 1
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))

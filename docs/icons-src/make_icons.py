#!/usr/bin/python3
"""Writes the SVG sources of Parvane's icons and renders them to the PNG files
that the interface loads from qml/content/resources/images/.

Line icons are drawn on a 24-unit grid in one light colour, so that controls
can tint them (active, disabled) and they sit well on the dark theme; the logo
is the only coloured mark. Rendering needs rsvg-convert (librsvg2-bin); the
PNG files are committed, so building the program does not.

Usage: docs/icons-src/make_icons.py   (from anywhere)
"""

import math
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, "..", ".."))
IMAGES = os.path.join(ROOT, "qml", "content", "resources", "images")

LINE = "#ebf2f7"
STROKE = 1.8


def line_icon(body, stroke=STROKE, box=24):
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 {box} {box}" '
        f'width="{box}" height="{box}">\n'
        f'<g fill="none" stroke="{LINE}" stroke-width="{stroke}" '
        f'stroke-linecap="round" stroke-linejoin="round">\n{body}\n</g>\n</svg>\n'
    )


def arc_points(cx, cy, r, a0, a1):
    """Start and end point of a circular arc, angles in degrees, 0 = right, clockwise."""
    p0 = (cx + r * math.cos(math.radians(a0)), cy + r * math.sin(math.radians(a0)))
    p1 = (cx + r * math.cos(math.radians(a1)), cy + r * math.sin(math.radians(a1)))
    return p0, p1


def arc(cx, cy, r, a0, a1):
    (x0, y0), (x1, y1) = arc_points(cx, cy, r, a0, a1)
    large = 1 if abs(a1 - a0) > 180 else 0
    return f'<path d="M{x0:.2f} {y0:.2f} A{r} {r} 0 {large} 1 {x1:.2f} {y1:.2f}"/>'


def gear(cx=12, cy=12, teeth=8, r_out=9.2, r_in=7.0, hole=3.0):
    pts = []
    step = 360 / teeth
    for i in range(teeth):
        base = i * step - 90
        # Each tooth: a flat top over ~40% of the step, flanks slightly tapered.
        for a, r in ((base - step * 0.30, r_in), (base - step * 0.17, r_out),
                     (base + step * 0.17, r_out), (base + step * 0.30, r_in)):
            pts.append((cx + r * math.cos(math.radians(a)), cy + r * math.sin(math.radians(a))))
    d = "M" + " L".join(f"{x:.2f} {y:.2f}" for x, y in pts) + " Z"
    return f'<path d="{d}"/>\n<circle cx="{cx}" cy="{cy}" r="{hole}"/>'


def person(cx=12, head_y=8.2, head_r=3.6, shoulders_y=20.5, half=7):
    return (
        f'<circle cx="{cx}" cy="{head_y}" r="{head_r}"/>\n'
        f'<path d="M{cx - half} {shoulders_y} C{cx - half} {shoulders_y - 5.5} '
        f'{cx - 3.6} {head_y + head_r + 1.8} {cx} {head_y + head_r + 1.8} '
        f'C{cx + 3.6} {head_y + head_r + 1.8} {cx + half} {shoulders_y - 5.5} '
        f'{cx + half} {shoulders_y}"/>'
    )


def wifi_off():
    cx, cy = 12, 19.5
    parts = [arc(cx, cy, r, 225, 315) for r in (4.6, 9.2, 13.8)]
    parts.append(f'<circle cx="{cx}" cy="{cy}" r="0.6" fill="{LINE}"/>')
    parts.append('<path d="M3.5 3.5 L20.5 20.5"/>')
    return "\n".join(parts)


ICONS = {
    # Side menu and dialog headers.
    "menus/home": ('<path d="M3 11.2 L12 3.6 L21 11.2"/>\n'
                   '<path d="M5.6 9.4 V19.2 A1.3 1.3 0 0 0 6.9 20.5 H17.1 A1.3 1.3 0 0 0 18.4 19.2 V9.4"/>\n'
                   '<path d="M10 20.5 V15 H14 V20.5"/>', 64),
    "menus/accounts": ('<circle cx="12" cy="12" r="3.6"/>\n'
                       '<path d="M15.6 8.6 V13.4 A2.4 2.4 0 0 0 20.4 13.4 V12 '
                       'A8.4 8.4 0 1 0 17 18.8"/>', 64),
    "menus/address-lists": ('<rect x="5.5" y="3" width="14" height="18" rx="2"/>\n'
                            '<circle cx="12.5" cy="10" r="2.6"/>\n'
                            '<path d="M8.6 17 C9.2 14.9 10.7 13.8 12.5 13.8 C14.3 13.8 15.8 14.9 16.4 17"/>\n'
                            '<path d="M3.5 7.5 H6.5 M3.5 12 H6.5 M3.5 16.5 H6.5"/>', 64),
    "menus/search": ('<circle cx="10.5" cy="10.5" r="6.2"/>\n<path d="M15.2 15.2 L20.5 20.5"/>', 64),
    "menus/templates": ('<rect x="3.5" y="3.5" width="17" height="17" rx="2"/>\n'
                        '<path d="M3.5 9 H20.5 M9.5 9 V20.5"/>\n'
                        '<path d="M12.5 13 H17.5 M12.5 16.5 H16"/>', 64),
    "menus/about": ('<circle cx="12" cy="12" r="9"/>\n<path d="M12 11 V16.6"/>\n'
                    f'<circle cx="12" cy="7.7" r="0.5" fill="{LINE}"/>', 64),
    "menus/contact": ('<rect x="3" y="5.5" width="18" height="13" rx="2"/>\n'
                      '<path d="M3.6 7 L12 13 L20.4 7"/>', 64),
    # Title bar.
    "statusbar/account": (person(), 32),
    "statusbar/save": ('<path d="M5 3.5 H15.8 L20.5 8.2 V19 A1.5 1.5 0 0 1 19 20.5 H5 '
                       'A1.5 1.5 0 0 1 3.5 19 V5 A1.5 1.5 0 0 1 5 3.5 Z"/>\n'
                       '<path d="M7.5 3.5 V8 H14.5 V3.5"/>\n'
                       '<path d="M7 20.5 V14 H17 V20.5"/>', 32),
    "statusbar/load": ('<path d="M3.5 6.5 A1.5 1.5 0 0 1 5 5 H9.5 L11.5 7.2 H19 A1.5 1.5 0 0 1 20.5 8.7 '
                       'V18 A1.5 1.5 0 0 1 19 19.5 H5 A1.5 1.5 0 0 1 3.5 18 Z"/>\n'
                       '<path d="M12 17 V11 M9.4 13.4 L12 10.8 L14.6 13.4"/>', 32),
    "statusbar/settings": (gear(), 32),
    # Large illustrations.
    "wifi-off": (wifi_off(), 96),
    "search-64": ('<circle cx="10.5" cy="10.5" r="6.2"/>\n<path d="M15.2 15.2 L20.5 20.5"/>', 64),
    # Shared small icons for buttons and links.
    "icons/plus": ('<path d="M12 5 V19 M5 12 H19"/>', 32),
    "icons/copy": ('<rect x="8.5" y="8.5" width="12" height="12" rx="1.8"/>\n'
                   '<path d="M15.5 8.5 V5.3 A1.8 1.8 0 0 0 13.7 3.5 H5.3 A1.8 1.8 0 0 0 3.5 5.3 '
                   'V13.7 A1.8 1.8 0 0 0 5.3 15.5 H8.5"/>', 32),
    "icons/delete": ('<path d="M3.5 6.5 H20.5"/>\n<path d="M9 6.5 V4.5 A1 1 0 0 1 10 3.5 H14 A1 1 0 0 1 15 4.5 V6.5"/>\n'
                     '<path d="M5.8 6.5 L6.8 19.2 A1.5 1.5 0 0 0 8.3 20.5 H15.7 A1.5 1.5 0 0 0 17.2 19.2 L18.2 6.5"/>\n'
                     '<path d="M10 10.5 V16.5 M14 10.5 V16.5"/>', 32),
    "icons/edit": ('<path d="M4 20 L4.8 16 L15.6 5.2 A2 2 0 0 1 18.8 8.4 L8 19.2 Z"/>\n'
                   '<path d="M13.8 7 L17 10.2"/>', 32),
    "icons/play": ('<path d="M7.5 4.8 V19.2 L19 12 Z"/>', 32),
    "icons/clock": ('<circle cx="12" cy="12" r="8.6"/>\n<path d="M12 7 V12 L15.5 14.2"/>', 32),
    "icons/stop": ('<rect x="6" y="6" width="12" height="12" rx="1.5"/>', 32),
    "icons/info": ('<circle cx="12" cy="12" r="9"/>\n<path d="M12 11 V16.6"/>\n'
                   f'<circle cx="12" cy="7.7" r="0.5" fill="{LINE}"/>', 32),
    "icons/warning": ('<path d="M10.3 4.2 L2.6 17.8 A2 2 0 0 0 4.3 20.8 H19.7 A2 2 0 0 0 21.4 17.8 '
                      'L13.7 4.2 A2 2 0 0 0 10.3 4.2 Z"/>\n<path d="M12 9.5 V14"/>\n'
                      f'<circle cx="12" cy="17.2" r="0.5" fill="{LINE}"/>', 64),
    "icons/html-file": ('<path d="M14 3.5 H6.5 A1.5 1.5 0 0 0 5 5 V19 A1.5 1.5 0 0 0 6.5 20.5 H17.5 '
                        'A1.5 1.5 0 0 0 19 19 V8.5 Z"/>\n<path d="M14 3.5 V8.5 H19"/>\n'
                        '<path d="M10 12.2 L8 14.5 L10 16.8 M14 12.2 L16 14.5 L14 16.8"/>', 96),
    "icons/attachment": ('<path d="M20 11.5 L12.2 19.3 A4.6 4.6 0 0 1 5.7 12.8 L13.4 5.1 '
                         'A3.1 3.1 0 0 1 17.8 9.5 L10.2 17.1 A1.6 1.6 0 0 1 7.9 14.8 L15 7.7"/>', 32),
    "icons/import": ('<path d="M12 3.5 V14.5 M7.8 10.3 L12 14.5 L16.2 10.3"/>\n'
                     '<path d="M4 15.5 V18.5 A2 2 0 0 0 6 20.5 H18 A2 2 0 0 0 20 18.5 V15.5"/>', 32),
    "icons/export": ('<path d="M12 15 V3.8 M7.8 8 L12 3.8 L16.2 8"/>\n'
                     '<path d="M4 15.5 V18.5 A2 2 0 0 0 6 20.5 H18 A2 2 0 0 0 20 18.5 V15.5"/>', 32),
    "icons/check": ('<path d="M5 12.5 L10 17.5 L19 7"/>', 32),
    "icons/close": ('<path d="M6.5 6.5 L17.5 17.5 M17.5 6.5 L6.5 17.5"/>', 32),
    "icons/send": ('<path d="M20.5 3.5 L3.5 10.4 L10.6 13.4 L13.6 20.5 Z"/>\n<path d="M20.5 3.5 L10.6 13.4"/>', 32),
    "icons/list": ('<path d="M9 6.5 H20 M9 12 H20 M9 17.5 H20"/>\n'
                   f'<g fill="{LINE}" stroke="none"><circle cx="4.8" cy="6.5" r="1.1"/>'
                   '<circle cx="4.8" cy="12" r="1.1"/><circle cx="4.8" cy="17.5" r="1.1"/></g>', 32),
    "icons/qr-code": ('<rect x="3.5" y="3.5" width="6.5" height="6.5" rx="1"/>\n'
                      '<rect x="14" y="3.5" width="6.5" height="6.5" rx="1"/>\n'
                      '<rect x="3.5" y="14" width="6.5" height="6.5" rx="1"/>\n'
                      '<path d="M14 14 H17 V17 M20.5 14 V20.5 H14 V17.5"/>', 32),
    "icons/link": ('<path d="M14 4 H20 V10 M20 4 L11 13"/>\n'
                   '<path d="M18 14.5 V18.5 A2 2 0 0 1 16 20.5 H5.5 A2 2 0 0 1 3.5 18.5 V8 A2 2 0 0 1 5.5 6 H9.5"/>', 32),
}

# Window buttons: drawn on a 16-unit grid with edges on half pixels so that the
# hair lines stay sharp at their natural size.
WINDOW = {
    "windows/minimize": '<path d="M3.5 8.5 H12.5"/>',
    "windows/maximize": '<rect x="3.5" y="3.5" width="9" height="9"/>',
    "windows/restore": '<rect x="3.5" y="5.5" width="7" height="7"/>\n<path d="M5.5 5.5 V3.5 H12.5 V10.5 H10.5"/>',
    "windows/close": '<path d="M3.5 3.5 L12.5 12.5 M12.5 3.5 L3.5 12.5"/>',
}

LOGO = """<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 64 64" width="64" height="64">
<defs>
  <linearGradient id="upper" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#7cc2f8"/>
    <stop offset="0.55" stop-color="#2196F3"/>
    <stop offset="1" stop-color="#1565c0"/>
  </linearGradient>
  <linearGradient id="lower" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#2196F3"/>
    <stop offset="1" stop-color="#1045a1"/>
  </linearGradient>
</defs>
<g id="half">
  <path d="M33.6 29.5 C36.5 17 45 8.5 53.5 8.2 C60.8 8 61.6 16.2 57.4 22.6 C53.6 28.4 44.5 31.6 34 32.4 Z" fill="url(#upper)"/>
  <path d="M34 34.6 C43.6 34.2 52.6 37.6 53.4 44.6 C54.2 51.6 46.6 55.8 41 51.2 C37.4 48.2 35 42.4 33.6 36.6 Z" fill="url(#lower)"/>
  <path d="M38 27.2 C41 20.4 46.4 15.2 52 14.4" fill="none" stroke="#dbeefd" stroke-opacity="0.55" stroke-width="1.6" stroke-linecap="round"/>
  <path d="M37.6 38.4 C42 39.6 46.4 42.4 47.6 46.4" fill="none" stroke="#dbeefd" stroke-opacity="0.45" stroke-width="1.4" stroke-linecap="round"/>
  <path d="M32.9 22.6 C34 17.6 36.6 14 40.2 12.4" fill="none" stroke="#ebf2f7" stroke-width="1.5" stroke-linecap="round"/>
  <circle cx="40.6" cy="12.2" r="1.5" fill="#ebf2f7"/>
</g>
<use href="#half" transform="translate(64 0) scale(-1 1)"/>
<ellipse cx="32" cy="34.5" rx="2.3" ry="12.5" fill="#ebf2f7"/>
</svg>
"""


def flag_svg(body, vw, vh):
    # A 16 x 16 icon holding a 16 x 11 flag with a faint edge, centred vertically.
    return (
        '<svg xmlns="http://www.w3.org/2000/svg" viewBox="0 0 16 16" width="16" height="16">\n'
        f'<svg x="0" y="2.5" width="16" height="11" viewBox="0 0 {vw} {vh}" preserveAspectRatio="none">\n'
        f'{body}\n</svg>\n'
        '<rect x="0.5" y="3" width="15" height="10" fill="none" stroke="#000" stroke-opacity="0.25" stroke-width="1"/>\n'
        '</svg>\n'
    )


FLAGS = {
    "flags/16x16/en": flag_svg(
        '<clipPath id="t"><path d="M30 15 H60 V30 Z V30 H0 Z H0 V0 Z V0 H60 Z"/></clipPath>\n'
        '<rect width="60" height="30" fill="#012169"/>\n'
        '<path d="M0 0 L60 30 M60 0 L0 30" stroke="#fff" stroke-width="6"/>\n'
        '<path d="M0 0 L60 30 M60 0 L0 30" clip-path="url(#t)" stroke="#c8102e" stroke-width="4"/>\n'
        '<path d="M30 0 V30 M0 15 H60" stroke="#fff" stroke-width="10"/>\n'
        '<path d="M30 0 V30 M0 15 H60" stroke="#c8102e" stroke-width="6"/>', 60, 30),
    "flags/16x16/fr": flag_svg(
        '<rect width="1" height="2" fill="#002395"/>\n<rect x="1" width="1" height="2" fill="#fff"/>\n'
        '<rect x="2" width="1" height="2" fill="#ed2939"/>', 3, 2),
}


def write(name, svg):
    path = os.path.join(HERE, name + ".svg")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", encoding="utf-8") as f:
        f.write(svg)
    return path


def render(svg_path, png_name, size):
    out = os.path.join(IMAGES, png_name + ".png")
    os.makedirs(os.path.dirname(out), exist_ok=True)
    subprocess.run(["rsvg-convert", "-w", str(size), "-h", str(size), "-o", out, svg_path], check=True)


def main():
    for name, (body, size) in ICONS.items():
        render(write(name, line_icon(body)), name, size)
    for name, body in WINDOW.items():
        svg = write(name, line_icon(body, stroke=1, box=16))
        render(svg, name, 16)
        render(svg, name + "@2x", 32)
    logo = write("logo", LOGO)
    render(logo, "logo", 128)
    render(logo, "logo-24", 24)
    for name, svg in FLAGS.items():
        render(write(name, svg), name, 16)
    return 0


if __name__ == "__main__":
    sys.exit(main())

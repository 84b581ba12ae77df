#!/usr/bin/python3
"""Fills the translations that need no translator, after lupdate has merged
the sources into the two translation files:

- English: the source texts are English, so every unfinished English entry
  takes its source text. The country and language names of the search form
  are written in French in the sources; they get their English names from
  Debian's iso-codes tables.
- French: those same French names are already the French texts.

With --english TABLE, the English entries whose source text is in TABLE take
that text instead of the source: a slip in a source text is mended there, so
that the keys (the source texts) and their French stay as they are.

With --apply TABLE, the French entries whose source text is in TABLE (lines
"source<TAB>French") take that French text; existing finished translations
are kept unless --force is given. A text with a count (%n) takes its forms
separated by "|", singular first ("%n contact|%n contacts"); its English
forms are made from the source: "(s)" dropped for one, "s" for more.

Every other French text is a translator's work: this script never invents
one, and the completeness test reports any that is missing.
"""

import argparse
import json
import os
import re
import sys
import xml.etree.ElementTree as ET

ISO_CODES = "/usr/share/iso-codes/json"

# Short English names where the standard's name is the formal or inverted one.
COUNTRY_NAMES = {
    "AN": "Netherlands Antilles",
    "BN": "Brunei",
    "CD": "Democratic Republic of the Congo",
    "CG": "Republic of the Congo",
    "CS": "Serbia and Montenegro",
    "CV": "Cape Verde",
    "FK": "Falkland Islands",
    "FM": "Micronesia",
    "MF": "Saint Martin",
    "PS": "Palestine",
    "RU": "Russia",
    "SH": "Saint Helena",
    "SX": "Sint Maarten",
    "VA": "Vatican City",
    "VG": "British Virgin Islands",
    "VI": "U.S. Virgin Islands",
    "XK": "Kosovo",
}

LANGUAGE_NAMES = {
    "dv": "Divehi",
    "el": "Greek",
    "ht": "Haitian Creole",
    "km": "Khmer",
    "ky": "Kyrgyz",
    "ny": "Chichewa",
    "pa": "Punjabi",
    "ps": "Pashto",
    "st": "Sotho",
}


def load_iso_names():
    countries, languages = dict(COUNTRY_NAMES), dict(LANGUAGE_NAMES)
    try:
        with open(os.path.join(ISO_CODES, "iso_3166-1.json"), encoding="utf-8") as f:
            for entry in json.load(f)["3166-1"]:
                countries.setdefault(entry["alpha_2"], entry.get("common_name", entry["name"]))
        with open(os.path.join(ISO_CODES, "iso_639-2.json"), encoding="utf-8") as f:
            for entry in json.load(f)["639-2"]:
                if "alpha_2" in entry:
                    languages.setdefault(entry["alpha_2"], entry["name"].split(";")[0].strip())
    except OSError as error:
        print(f"warning: no iso-codes tables ({error}); French names stay in English", file=sys.stderr)
    return countries, languages


# Records like { key: "FR", name: qsTr("France"), ... } of the country and
# search language tables, in any field order.
RECORD = re.compile(r"\{[^{}]*\}", re.S)
KEY = re.compile(r"\bkey\s*:\s*\"([A-Za-z]{2})\"")
NAME = re.compile(r"\bname\s*:\s*(?:qsTr|QT_TR_NOOP)\(\s*\"((?:[^\"\\]|\\.)*)\"")


def french_named_records(source_root):
    """Maps each French source name of the tables to its key."""
    names = {}
    path = os.path.join(source_root, "qml", "Parvane", "Constants.qml")
    try:
        with open(path, encoding="utf-8") as f:
            text = f.read()
    except OSError:
        return names
    for record in RECORD.findall(text):
        key, name = KEY.search(record), NAME.search(record)
        if key and name:
            names[re.sub(r"\\(.)", r"\1", name.group(1))] = key.group(1)
    return names


def unfinished(message):
    translation = message.find("translation")
    if translation is None:
        return True
    if translation.get("type") in ("obsolete", "vanished"):
        return False
    if translation.get("type") == "unfinished":
        return True
    # A text with a count needs every one of its forms.
    if message.get("numerus") == "yes":
        forms = translation.findall("numerusform")
        return not forms or not all(f.text for f in forms)
    return not (translation.text or "")


def set_translation(message, text):
    translation = message.find("translation")
    if translation is None:
        translation = ET.SubElement(message, "translation")
    translation.attrib.pop("type", None)
    translation.text = text


def read_ts(path):
    tree = ET.parse(path)
    return tree, tree.getroot()


def write_ts(tree, path):
    tree.getroot().set("sourcelanguage", "en")
    ET.indent(tree, space="    ")
    with open(path, "w", encoding="utf-8") as f:
        f.write('<?xml version="1.0" encoding="utf-8"?>\n<!DOCTYPE TS>\n')
        f.write(ET.tostring(tree.getroot(), encoding="unicode"))
        f.write("\n")


def messages(root, numerus=False):
    for context in root.iter("context"):
        for message in context.iter("message"):
            if (message.get("numerus") == "yes") == numerus:
                yield context.findtext("name"), message


def set_forms(message, forms):
    translation = message.find("translation")
    if translation is None:
        translation = ET.SubElement(message, "translation")
    translation.attrib.pop("type", None)
    translation.text = None
    for form in list(translation):
        translation.remove(form)
    for text in forms:
        ET.SubElement(translation, "numerusform").text = text


def english_forms(source):
    return [source.replace("(s)", ""), source.replace("(s)", "s")]


def complete_english(path, french_names, countries, languages, corrections):
    tree, root = read_ts(path)
    filled = 0
    for context, message in messages(root):
        source = message.findtext("source") or ""
        if source in corrections:
            set_translation(message, corrections[source])
            filled += 1
            continue
        if not unfinished(message):
            continue
        source = message.findtext("source") or ""
        text = source
        key = french_names.get(source) if context == "Constants" else None
        if key:
            text = countries.get(key) if key.isupper() else languages.get(key)
            text = text or source
        set_translation(message, text)
        filled += 1
    for _, message in messages(root, numerus=True):
        source = message.findtext("source") or ""
        if source in corrections:
            set_forms(message, corrections[source].split("|"))
            filled += 1
        elif unfinished(message):
            set_forms(message, english_forms(source))
            filled += 1
    write_ts(tree, path)
    return filled


def complete_french(path, french_names, table, force):
    tree, root = read_ts(path)
    filled = 0
    for context, message in messages(root):
        source = message.findtext("source") or ""
        if context == "Constants" and source in french_names and unfinished(message):
            set_translation(message, source)
            filled += 1
        elif source in table and (force or unfinished(message)):
            set_translation(message, table[source])
            filled += 1
    for _, message in messages(root, numerus=True):
        source = message.findtext("source") or ""
        if source in table and (force or unfinished(message)):
            set_forms(message, table[source].split("|"))
            filled += 1
    write_ts(tree, path)
    return filled


def read_table(path):
    table = {}
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line or line.startswith("#"):
                continue
            parts = line.split("\t")
            if len(parts) != 2 or not parts[1]:
                sys.exit(f"{path}:{number}: expected \"source<TAB>French\"")
            table[parts[0]] = parts[1]
    return table


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--source-root", default=os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    parser.add_argument("--apply", metavar="TABLE", help="French texts to fill in, source<TAB>French a line")
    parser.add_argument("--english", metavar="TABLE", help="English texts that mend a source text, source<TAB>English a line")
    parser.add_argument("--force", action="store_true", help="let --apply replace finished translations")
    args = parser.parse_args()

    folder = os.path.join(args.source_root, "translations")
    french_names = french_named_records(args.source_root)
    countries, languages = load_iso_names()
    table = read_table(args.apply) if args.apply else {}
    corrections = read_table(args.english) if args.english else {}

    english = complete_english(os.path.join(folder, "qml_en_EN.ts"), french_names, countries, languages,
                               corrections)
    french = complete_french(os.path.join(folder, "qml_fr_FR.ts"), french_names, table, args.force)
    print(f"filled {english} English and {french} French entries")


if __name__ == "__main__":
    main()

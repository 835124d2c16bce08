# SPDX-License-Identifier: MIT
"""What the validator does not check in the metainfo: every text in the six
languages, the release of this version, the screenshots' pictures and
sizes, and the number of exercises against README.TXT."""
import re
import struct
import sys
import xml.etree.ElementTree as ET

LANGS = ["sv", "fr", "de", "es", "it"]
XML_LANG = "{http://www.w3.org/XML/1998/namespace}lang"


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError(f"{path} is not a PNG")
    return struct.unpack(">II", head[16:24])


def main(metainfo, screenshots, readme, version, date):
    problems = []
    root = ET.parse(metainfo).getroot()

    # Each English text is followed by its five translations, in order.
    def translated(parent, tag):
        items = parent.findall(tag)
        english = [e for e in items if e.get(XML_LANG) is None]
        for lang in LANGS:
            count = len([e for e in items if e.get(XML_LANG) == lang])
            if count != len(english):
                problems.append(f"{tag}: {len(english)} in English, {count} in {lang}")
        return english

    translated(root, "summary")
    description = root.find("description")
    paragraphs = translated(description, "p")
    items = translated(description.find("ul"), "li")
    for shot in root.iter("screenshot"):
        translated(shot, "caption")
    if not paragraphs or not items:
        problems.append("the description has no paragraphs or no list")

    releases = root.findall("releases/release")
    if not releases or releases[0].get("version") != version or releases[0].get("date") != date:
        problems.append(f"the newest release is not {version} of {date}")

    for image in root.iter("image"):
        name = image.text.rsplit("/", 1)[-1]
        try:
            width, height = png_size(f"{screenshots}/{name}")
        except (OSError, ValueError) as e:
            problems.append(f"screenshot {name}: {e}")
            continue
        if (image.get("width"), image.get("height")) != (str(width), str(height)):
            problems.append(f"screenshot {name} is {width}x{height}, the metainfo says "
                            f"{image.get('width')}x{image.get('height')}")

    with open(readme, encoding="cp1252") as f:
        delivered = re.search(r"\((\d+) exercises in all\)", f.read())
    if not delivered:
        problems.append("README.TXT does not say how many exercises there are")
    else:
        for text in description.iter():
            for number in re.findall(r"(\d+) (?:exercises|övningar|exercices|Übungen|"
                                     r"ejercicios|esercizi)", text.text or ""):
                if number != delivered.group(1):
                    problems.append(f"the metainfo says {number} exercises, README.TXT "
                                    f"{delivered.group(1)}: {text.text}")

    for problem in problems:
        print(f"{metainfo}: {problem}")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))

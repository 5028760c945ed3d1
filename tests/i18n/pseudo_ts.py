#!/usr/bin/python3
"""Writes a pseudo-language .ts from the English one: every text becomes ⟦text⟧, its plural
forms too, so that a window in it shows at a glance any text that did not pass through tr().

Usage: pseudo_ts.py ENGLISH_TS OUT_TS
"""

import sys
import xml.etree.ElementTree as ET


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    tree = ET.parse(sys.argv[1])
    for message in tree.getroot().iter("message"):
        source = message.findtext("source", "")
        translation = message.find("translation")
        translation.attrib.pop("type", None)
        forms = translation.findall("numerusform")
        if message.get("numerus") == "yes" and not forms:
            forms = [ET.SubElement(translation, "numerusform") for _ in range(2)]
        for form in forms:
            form.text = f"⟦{form.text or source}⟧"
        if not forms:
            translation.text = f"⟦{source}⟧"
    tree.write(sys.argv[2], encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    main()

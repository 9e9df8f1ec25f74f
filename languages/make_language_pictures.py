# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Write the pictures of the language button for the second languages but English:
icons/lang_<code>.svg, as large as the flag pictures, with the language's own short name
on a card (no flags: a language is not a country). German and English keep their flags.

Usage: python3 make_language_pictures.py   (the short names are those of Language.cpp)
"""

import os
import re

HERE = os.path.dirname(os.path.abspath(__file__))
ICONS = os.path.join(HERE, "..", "icons")

TEMPLATE = """<?xml version="1.0" encoding="UTF-8"?>
<!-- SPDX-FileCopyrightText: 2026 ZEP contributors -->
<!-- SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- {code}: the language's own short name on a card; made by make_language_pictures.py -->
<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny"
     width="32" height="32" viewBox="0 0 32 32">
  <rect x="2.5" y="5.5" width="27" height="21" rx="3" fill="#ffffff" stroke="#37474f" stroke-width="1.5"/>
  <text x="16" y="{baseline}" font-family="DejaVu Sans" font-weight="bold" font-size="{size}"
        fill="#1a237e" text-anchor="middle">{name}</text>
</svg>
"""


def short_names():
    source = open(os.path.join(HERE, "Language.cpp"), encoding="utf-8").read()
    return re.findall(r'language\(u"(\w\w)", u"[^"]*", u"[^"]*", u"([^"]*)"', source)


def main():
    for code, name in short_names():
        if code in ("de", "en"):
            continue
        # Arabic letters are small for their size: two of them larger; a joined word of
        # four is as wide as five Latin letters and takes a smaller size to stay on the card.
        arabic = any("\u0600" <= c <= "\u06ff" for c in name)
        size = (13 if len(name) <= 2 else 9) if arabic else 11
        with open(os.path.join(ICONS, f"lang_{code}.svg"), "w", encoding="utf-8") as out:
            out.write(TEMPLATE.format(code=code, name=name, size=size, baseline=20))


if __name__ == "__main__":
    main()

# SPDX-FileCopyrightText: 2026 ZEP contributors
# SPDX-License-Identifier: GPL-3.0-or-later
"""Write the number-word tables of the second languages and the list of disagreements.

Source of every table: the spell-out rules of ICU 72 (Debian 12 package python3-icu,
rule set %spellout-numbering of the language), made plain (soft hyphens out, NFC) and then
corrected where a grammar, a school source or the language's own spelling rules differ.
Each correction is named below with its reason; the tables were read through after
generation. German and English are not made here: their words are the program's own.

Independent sources the disagreements are listed against (both test-only Debian 12
packages): python3-num2words 0.5.10 and libnumbertext 1.0.11 (libnumbertext-tools).

Usage: /usr/bin/python3 make_number_words.py [--check FOLDER]
Without --check, writes words/<code>.txt and disagreements.txt beside this script. With
--check, writes them into FOLDER instead (the test compares them with the committed ones).
"""

import os
import subprocess
import sys
import unicodedata

import icu

HERE = os.path.dirname(os.path.abspath(__file__))
SPELLOUT = "/usr/lib/libnumbertext/spellout"


def replacing(*pairs):
    def fix(word):
        for old, new in pairs:
            word = word.replace(old, new)
        return word
    return fix


UNCEDILLA = replacing(("ş", "ș"), ("ţ", "ț"), ("Ş", "Ș"), ("Ţ", "Ț"))


UK_N2W = replacing(("i", "і"), ("'", "\u2019"), ("одна", "один"), ("двi", "два"), ("дві", "два"))
BG_COLLOQUIAL = ("найсет", "двайсет", "трийсет", "четиресет", "шейсет")


def keep(word):
    return word


# code: (ICU locale, forms chosen, correction, num2words language, libnumbertext language)
LANGUAGES = {
    "tr": ("tr", "tens and units written apart, as the Turkish spelling rules ask",
           keep, "tr", "tr"),
    "ar": ("ar", "masculine counting forms (واحد, اثنان, أحد عشر, اثنا عشر); hamzat al-wasl "
                 "of اثنان/اثنا without hamza; و joined to the following word",
           replacing(("إثنان", "اثنان"), ("إثنا عشر", "اثنا عشر"), ("إحدى عشر", "أحد عشر")),
           "ar", None),
    "ru": ("ru", "masculine counting forms (один, два)", keep, "ru", "ru"),
    "uk": ("uk", "masculine counting forms (один, два); apostrophe as U+2019, which the "
                 "voice reads as a mark, not by its name",
           replacing(("\u02bc", "\u2019")), "uk", "uk"),
    "pl": ("pl", "masculine counting forms (jeden, dwa)", keep, "pl", "pl"),
    "ro": ("ro", "masculine counting forms (unu, doi); ș and ț with the comma below; the "
                 "literary forms paisprezece, șaisprezece, șaizeci and o sută",
           lambda word: replacing(("patrusprezece", "paisprezece"),
                                  ("șasesprezece", "șaisprezece"), ("șasezeci", "șaizeci"),
                                  ("una sută", "o sută"))(UNCEDILLA(word)),
           "ro", "ro"),
    "fa": ("fa", "the forms of Iranian and Afghan (Dari) schools; 100 is صد", keep, None, "fa"),
    "sq": ("sq", "masculine counting forms (një, dy)", keep, None, "sq"),
    "it": ("it", "masculine counting forms; the vowel of the ten elided before uno and otto "
                 "(ventuno, ventotto)", keep, "it", "it"),
    "el": ("el", "the school forms επτά, οκτώ, εννέα (also in 17, 18, 19 and every compound); "
                 "neuter counting forms (ένα, τρία, τέσσερα); ενενήντα with one ν",
           replacing(("εννενήντα", "ενενήντα")), None, "el"),
    "es": ("es", "masculine counting forms (uno, veintiuno); cien for 100", keep, "es", "es"),
    "fr": ("fr", "the spelling of 1990 that French schools follow: every part of a compound "
                 "joined by hyphens (vingt-et-un)", keep, "fr", "fr"),
    "hr": ("hr", "compounds without the conjunction (dvadeset jedan), as the voice reads them",
           replacing((" i ", " ")), None, "hr"),
    "sr": ("sr-Latn", "Latin script; compounds without the conjunction (dvadeset jedan)",
           replacing((" i ", " ")), "sr", "sh"),  # sh: Latin script
    "bg": ("bg", "the standard forms (единадесет, двадесет, четиридесет, шестдесет), not the "
                 "colloquial ones; neuter counting forms (едно, две)",
           replacing(("найсет", "надесет"), ("двайсет", "двадесет"), ("трийсет", "тридесет"),
                     ("четиресет", "четиридесет"), ("шейсет", "шестдесет")),
           None, "bg"),
    "vi": ("vi", "the unit's own word after mươi for 4 (hai mươi bốn), as the voice reads it; "
                 "mốt and lăm after mươi", replacing(("mươi tư", "mươi bốn")), "vi", "vi"),
}

# Why a source writes a word otherwise than the table: (language, source, reason key) for the
# disagreements of one kind, with the reasons below. A disagreement no rule covers stops
# the script: it has to be looked at and given a reason here.
REASONS = {
    "tr-apart": "Turkish writes number words apart (on bir, yirmi beş): Türk Dil Kurumu, "
                "Yazım Kılavuzu, rule on the spelling of numbers (Sayıların yazılışı).",
    "uk-n2w-letters": "num2words 0.5.10 writes the Latin letter i (U+0069) for the Ukrainian "
                      "і (U+0456), an ASCII apostrophe for the apostrophe, and the feminine "
                      "одна/дві; Ukrainian spelling (Український правопис 2019, on the "
                      "apostrophe) and counting use the Cyrillic letter, the apostrophe mark and "
                      "один/два.",
    "pl-n2w-typo": "num2words 0.5.10 misspells dziewięćdziesiąt as dziewięćdzisiąt "
                   "(Słownik ortograficzny PWN: dziewięćdziesiąt).",
    "ro-cedilla": "Romanian ș and ț take the comma below (Academia Română, DOOM2 2005; "
                  "Unicode U+0219/U+021B); the cedilla letters are a legacy of old code pages.",
    "ar-n2w-space": "num2words 0.5.10 writes the conjunction و apart (واحد و عشرون); in Arabic "
                    "spelling و is always joined to the word that follows (واحد وعشرون).",
    "ar-hamza": "ICU 72 writes إثنان, إثنا عشر with a hamza under the alif and إحدى عشر "
                "(feminine ones, masculine ten): اثنان and اثنا عشر begin with hamzat al-wasl, "
                "written without hamza, and the masculine 11 is أحد عشر (W. Wright, A Grammar "
                "of the Arabic Language, on the cardinal numbers; num2words agrees).",
    "uk-apostrophe": "The table writes the Ukrainian apostrophe as U+2019, the mark of "
                     "Ukrainian print (Український правопис 2019); U+02BC, which ICU and "
                     "libnumbertext write, is read out by the voice by its name.",
    "ro-literary": "The literary forms are paisprezece, șaisprezece, șaizeci and o sută "
                   "(Academia Română, DOOM2 2005); ICU 72 writes patrusprezece, șasesprezece, "
                   "șasezeci and una sută.",
    "fa-100": "libnumbertext writes یکصد for 100; صد is the form of Iranian and Afghan school "
              "books (and of ICU); both are correct Persian.",
    "it-n2w-elision": "Italian elides the vowel of venti before uno and otto: ventuno, ventotto "
                      "(L. Serianni, Grammatica italiana, on the numerals); num2words 0.5.10 writes "
                      "ventiuno.",
    "el-nt-joined": "libnumbertext 1.0.11 writes 61 to 69 as one word (εξήνταένα); Greek writes "
                    "the ten and the unit apart (εξήντα ένα), as for every other ten.",
    "el-90": "ενενήντα is written with one ν (Λεξικό της Κοινής Νεοελληνικής, Ίδρυμα "
             "Τριανταφυλλίδη); ICU 72 writes εννενήντα.",
    "es-n2w-accent": "dieciséis carries an accent (RAE, Ortografía de la lengua española 2010, "
                     "on the accent); num2words 0.5.10 writes dieciseis.",
    "fr-1990": "The spelling of 1990 (Journal officiel, 6 Dec 1990; the reference for schools "
               "in the Bulletin officiel of 2008) joins every part of a compound "
               "number by hyphens: vingt-et-un. num2words writes the older vingt et un; both "
               "are correct.",
    "hr-i": "Croatian allows the ten and the unit with or without i (Hrvatski pravopis, "
            "Institut za hrvatski jezik i jezikoslovlje); the table takes the form without i "
            "that libnumbertext and the voice's own number reading use, so that the child "
            "hears what it reads.",
    "sr-i": "Serbian writes the ten and the unit without i (Pravopis srpskoga jezika, Matica "
            "srpska); num2words and libnumbertext agree, ICU 72 adds i.",
    "bg-standard": "ICU 72 writes the colloquial contracted forms (единайсет, двайсет, "
                   "четиресет, шейсет); the standard forms of the Bulgarian Academy's "
                   "Официален правописен речник (2012) are единадесет, двадесет, четиридесет, "
                   "шестдесет, which libnumbertext has too.",
    "vi-tu": "After mươi, 4 is said and written tư or bốn; both are standard Vietnamese. The "
             "table takes bốn, the unit's own word, which libnumbertext, num2words and the "
             "voice's number reading use.",
}

RULES = [
    # (language, source, predicate(n, table word, source word), reason)
    ("tr", "num2words", lambda n, ours, theirs: theirs == ours.replace(" ", ""), "tr-apart"),
    ("uk", "num2words", lambda n, ours, theirs: UK_N2W(theirs) == ours, "uk-n2w-letters"),
    ("pl", "num2words", lambda n, ours, theirs: "dzisiąt" in theirs, "pl-n2w-typo"),
    ("ar", "num2words", lambda n, ours, theirs: theirs.replace("و ", "و") == ours, "ar-n2w-space"),
    ("fa", "libnumbertext", lambda n, ours, theirs: n == 100, "fa-100"),
    ("it", "num2words", lambda n, ours, theirs: n == 21, "it-n2w-elision"),
    ("el", "libnumbertext", lambda n, ours, theirs: 61 <= n <= 69, "el-nt-joined"),
    ("es", "num2words", lambda n, ours, theirs: n == 16, "es-n2w-accent"),
    ("fr", "num2words", lambda n, ours, theirs: theirs.replace(" ", "-") == ours, "fr-1990"),
    ("uk", "icu", lambda n, ours, theirs: theirs.replace("\u02bc", "\u2019") == ours,
     "uk-apostrophe"),
    ("uk", "libnumbertext", lambda n, ours, theirs: theirs.replace("\u02bc", "\u2019") == ours,
     "uk-apostrophe"),
    ("ar", "icu", lambda n, ours, theirs: "إ" in theirs, "ar-hamza"),
    ("ro", "icu", lambda n, ours, theirs: UNCEDILLA(theirs) == ours, "ro-cedilla"),
    ("ro", "icu", lambda n, ours, theirs: True, "ro-literary"),
    ("el", "icu", lambda n, ours, theirs: n >= 90, "el-90"),
    ("bg", "icu", lambda n, ours, theirs: any(s in theirs for s in BG_COLLOQUIAL), "bg-standard"),
    ("hr", "icu", lambda n, ours, theirs: " i " in theirs, "hr-i"),
    ("sr", "icu", lambda n, ours, theirs: " i " in theirs, "sr-i"),
    ("vi", "icu", lambda n, ours, theirs: "mươi tư" in theirs, "vi-tu"),
]


def plain(word):
    """NFC without soft hyphens or other format characters."""
    word = "".join(c for c in word if unicodedata.category(c) != "Cf")
    return unicodedata.normalize("NFC", word)


def icu_words(locale):
    rules = icu.RuleBasedNumberFormat(icu.URBNFRuleSetTag.SPELLOUT, icu.Locale(locale))
    return {n: rules.format(n) for n in range(1, 101)}


def num2words_words(language):
    from num2words import num2words
    return {n: num2words(n, lang=language) for n in range(1, 101)}


def numbertext_words(language):
    lines = subprocess.run([SPELLOUT, "-l", language, "1-100"], check=True, capture_output=True,
                           text=True).stdout.splitlines()
    if len(lines) != 100:
        raise SystemExit(f"libnumbertext gave {len(lines)} words for {language}")
    return {n: lines[n - 1] for n in range(1, 101)}


def table(code):
    locale, _, correct, _, _ = LANGUAGES[code]
    return {n: plain(correct(plain(word))) for n, word in icu_words(locale).items()}


def sources(code):
    locale, _, _, n2w, nt = LANGUAGES[code]
    found = {"icu": {n: plain(w) for n, w in icu_words(locale).items()}}
    if n2w:
        found["num2words"] = num2words_words(n2w)
    if nt:
        found["libnumbertext"] = numbertext_words(nt)
    return found


def reason(code, source, n, ours, theirs):
    for language, of, applies, key in RULES:
        if language in (code, None) and of == source and applies(n, ours, theirs):
            return key
    raise SystemExit(f"{code} {n}: {source} writes {theirs!r}, the table {ours!r}: no reason")


def table_text(code):
    locale, forms, _, _, _ = LANGUAGES[code]
    lines = [
        "# SPDX-FileCopyrightText: 2026 ZEP contributors",
        "# SPDX-License-Identifier: GPL-3.0-or-later",
        f"# Number words 1 to 100, language {code}. Made by make_number_words.py from ICU 72",
        f"# (python3-icu, locale {locale}, rule set %spellout-numbering), reviewed.",
        f"# Forms: {forms}.",
    ]
    lines += [f"{n}\t{word}" for n, word in table(code).items()]
    return "\n".join(lines) + "\n"


def disagreements_text():
    lines = [
        "# SPDX-FileCopyrightText: 2026 ZEP contributors",
        "# SPDX-License-Identifier: GPL-3.0-or-later",
        "# Every place where a source writes a number word otherwise than the table of",
        "# words/<code>.txt, with the reason for the table's choice. Made by",
        "# make_number_words.py; the test of the tables finds a disagreement missing here,",
        "# or listed here but gone, and fails.",
        "#",
        "# Sources: icu = ICU 72 (python3-icu), the tables' own source; num2words = python3-",
        "# num2words 0.5.10; libnumbertext = libnumbertext 1.0.11 (spellout).",
        "",
    ]
    rows = {}
    for code in LANGUAGES:
        ours = table(code)
        for source, words in sources(code).items():
            for n in range(1, 101):
                if words[n] != ours[n]:
                    key = reason(code, source, n, ours[n], words[n])
                    rows.setdefault(key, []).append(f"{code}\t{n}\t{source}\t{words[n]}\t{ours[n]}")
    for key, text in REASONS.items():
        if key not in rows:
            continue
        lines.append(f"[{key}] {text}")
        lines += rows[key]
        lines.append("")
    return "\n".join(lines)


def write(folder):
    os.makedirs(os.path.join(folder, "words"), exist_ok=True)
    for code in LANGUAGES:
        with open(os.path.join(folder, "words", f"{code}.txt"), "w", encoding="utf-8") as out:
            out.write(table_text(code))
    with open(os.path.join(folder, "disagreements.txt"), "w", encoding="utf-8") as out:
        out.write(disagreements_text())


if __name__ == "__main__":
    if len(sys.argv) == 3 and sys.argv[1] == "--check":
        write(sys.argv[2])
    elif len(sys.argv) == 1:
        write(HERE)
    else:
        raise SystemExit(__doc__)

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberWords.h"

#include "WordTable.h"

#include <algorithm>

namespace {

const char *const GermanUpTo20[] = {
    "",        "ein",      "zwei",     "drei",     "vier",      "fünf",     "sechs",
    "sieben",  "acht",     "neun",     "zehn",     "elf",       "zwölf",    "dreizehn",
    "vierzehn", "fünfzehn", "sechzehn", "siebzehn", "achtzehn", "neunzehn", "zwanzig",
};
const char *const GermanTens[] = {
    "", "", "zwanzig", "dreißig", "vierzig", "fünfzig", "sechzig", "siebzig", "achtzig", "neunzig",
};
const char *const GermanCompoundEndings[] = {
    "",           "",           "undzwanzig", "unddreißig", "undvierzig",
    "undfünfzig", "undsechzig", "undsiebzig", "undachtzig", "undneunzig",
};

const char *const EnglishUpTo20[] = {
    "",         "one",     "two",       "three",    "four",     "five",    "six",
    "seven",    "eight",   "nine",      "ten",      "eleven",   "twelve",  "thirteen",
    "fourteen", "fifteen", "sixteen",   "seventeen", "eighteen", "nineteen", "twenty",
};
const char *const EnglishTens[] = {
    "", "", "twenty", "thirty", "forty", "fifty", "sixty", "seventy", "eighty", "ninety",
};

NumberWordTable BuildGerman()
{
    NumberWordTable words;
    for (int n = 1; n <= 20; ++n)
        words[n] = QString::fromUtf8(GermanUpTo20[n]);
    for (int ten = 2; ten <= 9; ++ten) {
        const int t = 10 * ten;
        words[t] = QString::fromUtf8(GermanTens[ten]);
        for (int unit = 1; unit <= 9; ++unit)
            words[t + unit] = words[unit] + QString::fromUtf8(GermanCompoundEndings[ten]);
    }
    words[100] = QStringLiteral("einhundert");
    // The compounds keep "ein"; the number one standing alone is "eins".
    words[1] = QStringLiteral("eins");
    return words;
}

NumberWordTable BuildEnglish()
{
    NumberWordTable words;
    for (int n = 1; n <= 20; ++n)
        words[n] = QString::fromUtf8(EnglishUpTo20[n]);
    for (int ten = 2; ten <= 9; ++ten) {
        const int t = 10 * ten;
        words[t] = QString::fromUtf8(EnglishTens[ten]);
        for (int unit = 1; unit <= 9; ++unit)
            words[t + unit] = words[t] + u'-' + words[unit];
    }
    words[100] = QStringLiteral("hundred");
    return words;
}

} // namespace

// A second language's words come from its reviewed table, never composed here.
NumberWordTable BuildNumberWords(const QString &language)
{
    if (language == u"d")
        return BuildGerman();
    const QStringList &table = WordTable::words(language);
    if (table.isEmpty())
        return BuildEnglish();
    NumberWordTable words;
    std::copy(table.cbegin(), table.cend(), words.begin() + 1);
    return words;
}

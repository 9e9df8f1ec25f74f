// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberWords.h"

#include <gtest/gtest.h>
#include <tuple>

// German compounds take "ein" while one alone is "eins", English compounds take a hyphen,
// and any language code but "d" or one with a word table gives English.
TEST(NumberWords, AreSpelledCorrectlyInBothLanguages)
{
    const NumberWordTable german = BuildNumberWords(QStringLiteral("d"));
    const NumberWordTable english = BuildNumberWords(QStringLiteral("e"));
    const std::tuple<const NumberWordTable &, int, const char16_t *> spelled[] = {
        {german, 1, u"eins"}, {german, 21, u"einundzwanzig"}, {german, 37, u"siebenunddreißig"},
        {german, 47, u"siebenundvierzig"}, {german, 81, u"einundachtzig"},
        {german, 99, u"neunundneunzig"}, {german, 100, u"einhundert"},
        {english, 15, u"fifteen"}, {english, 40, u"forty"}, {english, 45, u"forty-five"},
        {english, 50, u"fifty"}, {english, 57, u"fifty-seven"}, {english, 99, u"ninety-nine"},
        {english, 100, u"hundred"}};
    for (const auto &[words, n, word] : spelled)
        EXPECT_EQ(words[n], QString::fromUtf16(word)) << n;
    EXPECT_EQ(BuildNumberWords(QStringLiteral("x")), english);
}

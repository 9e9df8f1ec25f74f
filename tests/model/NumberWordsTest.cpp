// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "NumberWords.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(NumberWords, GermanUsesEinInCompoundsAndEinsAlone)
{
    const NumberWordTable words = BuildNumberWords(QStringLiteral("d"));
    EXPECT_EQ(words[1], u"eins");
    EXPECT_EQ(words[21], u"einundzwanzig");
    EXPECT_EQ(words[37], u"siebenunddreißig");
    EXPECT_EQ(words[47], u"siebenundvierzig");
    EXPECT_EQ(words[81], u"einundachtzig");
    EXPECT_EQ(words[99], u"neunundneunzig");
    EXPECT_EQ(words[100], u"einhundert");
}

TEST(NumberWords, EnglishIsSpelledCorrectly)
{
    const NumberWordTable words = BuildNumberWords(QStringLiteral("e"));
    EXPECT_EQ(words[15], u"fifteen");
    EXPECT_EQ(words[40], u"forty");
    EXPECT_EQ(words[45], u"forty-five");
    EXPECT_EQ(words[50], u"fifty");
    EXPECT_EQ(words[57], u"fifty-seven");
    EXPECT_EQ(words[99], u"ninety-nine");
    EXPECT_EQ(words[100], u"hundred");
    EXPECT_EQ(BuildNumberWords(QStringLiteral("x")), words); // any code but "d" is English
}

TEST(NumberWords, EveryNumberHasItsOwnWordInBothLanguages)
{
    for (const char *language : {"d", "e"}) {
        const NumberWordTable words = BuildNumberWords(QString::fromLatin1(language));
        QSet<QString> seen;
        for (int n = 1; n <= 100; ++n) {
            ASSERT_FALSE(words[n].isEmpty()) << language << n;
            seen.insert(words[n]);
        }
        EXPECT_EQ(seen.size(), 100) << language;
    }
}

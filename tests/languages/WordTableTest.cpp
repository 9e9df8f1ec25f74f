// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Language.h"
#include "NumberWords.h"
#include "WordTable.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

QString Word(const char *code, int n) { return BuildNumberWords(QString::fromLatin1(code))[n]; }

} // namespace

// Every language has its own complete table of one plain NFC word per number, with nothing
// invisible in it that could reach a label, a sheet or the clipboard.
TEST(WordTables, AreCompleteAndPlain)
{
    const NumberWordTable english = BuildNumberWords(QStringLiteral("e"));
    for (const Language &language : Language::all()) {
        const std::string code = language.code.toStdString();
        const NumberWordTable words = BuildNumberWords(Language::toSetting(language.code));
        EXPECT_TRUE(language.code == u"en" || words != english) << code; // its table was read
        const QSet<QString> distinct(words.cbegin() + 1, words.cend());
        EXPECT_TRUE(distinct.size() == 100 && !distinct.contains(QString())) << code;
        for (const QString &word : distinct) {
            EXPECT_EQ(word, word.normalized(QString::NormalizationForm_C)) << code;
            EXPECT_EQ(word, word.simplified()) << code;
            for (QChar c : word)
                EXPECT_TRUE(c.category() != QChar::Other_Format && c.category() != QChar::Other_Control
                            && c != QChar::Nbsp)
                    << code << " U+" << std::hex << int(c.unicode());
        }
    }
}

// The mistakes of the source that the review corrected stay corrected.
TEST(WordTables, KeepTheReviewedForms)
{
    const std::tuple<const char *, int, const char16_t *> reviewed[] = {
        {"ro", 14, u"paisprezece"}, {"ro", 16, u"șaisprezece"}, {"ro", 60, u"șaizeci"},
        {"ro", 67, u"șaizeci și șapte"}, {"ro", 100, u"o sută"}, {"ar", 2, u"اثنان"},
        {"ar", 11, u"أحد عشر"}, {"ar", 12, u"اثنا عشر"}, {"ar", 42, u"اثنان وأربعون"},
        {"uk", 5, u"п\u2019ять"}, {"bg", 40, u"четиридесет"}, {"bg", 11, u"единадесет"},
        {"bg", 60, u"шестдесет"}, {"el", 7, u"επτά"}, {"el", 18, u"δεκαοκτώ"}, {"el", 9, u"εννέα"},
        {"el", 90, u"ενενήντα"}, {"it", 21, u"ventuno"}, {"es", 16, u"dieciséis"},
        {"sr", 21, u"dvadeset jedan"}, {"hr", 47, u"četrdeset sedam"}, {"vi", 24, u"hai mươi bốn"},
        {"tr", 47, u"kırk yedi"}, {"fr", 71, u"soixante-et-onze"}, {"fa", 100, u"صد"}};
    for (const auto &[code, n, word] : reviewed)
        EXPECT_EQ(Word(code, n), QString::fromUtf16(word)) << code << ' ' << n;
    for (int n = 1; n <= 100; ++n) {
        for (QChar cedilla : {u'ş', u'ţ', u'Ş', u'Ţ'})
            EXPECT_FALSE(Word("ro", n).contains(cedilla)) << n;
        EXPECT_FALSE(Word("uk", n).contains(QChar(0x02BC))) << n;
        EXPECT_FALSE(Word("ar", n).contains(u'إ')) << n;
    }
}

// The program's own setting values stay as they were, the others are ISO 639-1 codes, and a
// value nobody knows reads as English.
TEST(Languages, MapTheProgramsSettings)
{
    for (const auto &[setting, code] : {std::pair("d", "de"), {"e", "en"}, {"tr", "tr"}, {"ar", "ar"}}) {
        EXPECT_EQ(Language::fromSetting(QString::fromLatin1(setting)), QLatin1String(code));
        EXPECT_EQ(Language::toSetting(QString::fromLatin1(code)), QLatin1String(setting));
    }
    EXPECT_EQ(Language::fromSetting(QStringLiteral("xx")), u"en");
}

// A damaged table is refused whole rather than shown with gaps or shifted words.
TEST(WordTables, RefuseADamagedText)
{
    QByteArray good = "# comment\n";
    for (int n = 1; n <= 100; ++n)
        good += QByteArray::number(n) + "\tw" + QByteArray::number(n) + "\n";
    EXPECT_EQ(WordTable::parse(good).size(), 100);
    EXPECT_TRUE(WordTable::parse(QByteArray(good).replace("\n7\tw7\n", "\n")).isEmpty());
    EXPECT_TRUE(WordTable::parse(QByteArray(good).replace("\tw7\n", "\t\n")).isEmpty());
    EXPECT_TRUE(WordTable::parse(good + "101\tw101\n").isEmpty());
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LearningMap.h"
#include "MapTexts.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

const QDateTime Now(QDate(2026, 3, 4), QTime(12, 0), Qt::OffsetFromUTC, 3600); // a Wednesday

StoredAnswer Answer(int asked, int given, quint32 ms = 1000, qint64 daysAgo = 0,
                    RecordedAnswer::Mode mode = RecordedAnswer::Mode::Felder)
{
    StoredAnswer answer;
    answer.utcSeconds = Now.toSecsSinceEpoch() - daysAgo * 86400;
    answer.offsetSeconds = 3600;
    answer.asked = quint8(asked);
    answer.given = quint8(given);
    answer.ms = ms;
    answer.mode = mode;
    return answer;
}

// Every error type on hand-worked cases, and the order in which the first that fits wins:
// 41 for 40 is a tens boundary before it is a neighbour, 74 for 47 a swap before anything.
TEST(Diagnosis, NamesEachErrorByTheFirstRuleThatFits)
{
    const struct { int asked, given; ErrorType type; } cases[] = {
        {47, 74, ErrorType::Zahlendreher},    {74, 47, ErrorType::Zahlendreher},
        {12, 21, ErrorType::Zahlendreher},    {45, 54, ErrorType::Zahlendreher},
        {40, 31, ErrorType::Zehneruebergang}, {40, 41, ErrorType::Zehneruebergang},
        {31, 40, ErrorType::Zehneruebergang}, {41, 40, ErrorType::Zehneruebergang},
        {10, 1, ErrorType::Zehneruebergang},  {100, 91, ErrorType::Zehneruebergang},
        {11, 10, ErrorType::Zehneruebergang}, {45, 46, ErrorType::Nachbarzahl},
        {46, 45, ErrorType::Nachbarzahl},     {39, 40, ErrorType::Nachbarzahl},
        {45, 55, ErrorType::Nachbarzehner},   {30, 40, ErrorType::Nachbarzehner},
        {45, 48, ErrorType::RichtigeZeile},   {41, 50, ErrorType::Zehneruebergang},
        {42, 50, ErrorType::RichtigeZeile},   {45, 75, ErrorType::RichtigeSpalte},
        {10, 100, ErrorType::RichtigeSpalte}, {20, 2, ErrorType::WeitDaneben},
        {44, 14, ErrorType::RichtigeSpalte},  {45, 12, ErrorType::WeitDaneben},
        {50, 5, ErrorType::WeitDaneben},      {33, 63, ErrorType::RichtigeSpalte},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ClassifyError(c.asked, c.given), c.type) << c.asked << " / " << c.given;
    EXPECT_EQ(ErrorTypeName(ErrorType::Zehneruebergang), u"Zehnerübergang"_s);
    for (int type = 0; type < ErrorTypeCount; ++type)
        EXPECT_FALSE(PracticeTip(ErrorType(type)).isEmpty());
}

// sicher needs three right answers last; a wrong last answer or half wrong is Übungsbedarf;
// a number is slow when its median is more than twice the child's; a type is named only
// from its second time on, most frequent first, with its most frequent case as example.
TEST(Diagnosis, MasterySlownessAndPatternsFollowTheRules)
{
    const std::vector<StoredAnswer> answers{
        Answer(5, 6), Answer(5, 5), Answer(5, 5), Answer(5, 5),     // sicher after a miss
        Answer(6, 6), Answer(6, 6),                                  // two right: unsicher
        Answer(7, 7), Answer(7, 8), Answer(7, 7),                    // 1 of 3 wrong: unsicher
        Answer(8, 9), Answer(8, 8),                                  // half wrong
        Answer(9, 9), Answer(9, 9), Answer(9, 9), Answer(9, 10),     // wrong last
        Answer(47, 74, 9000), Answer(47, 74, 9000), Answer(47, 47, 9000), // slow swaps
        Answer(38, 83), Answer(12, 99)};
    const LearningMap map = LearningMap::Of(answers, {}, Now);
    EXPECT_EQ(map.numbers[5].mastery, Mastery::Secure);
    EXPECT_EQ(map.numbers[6].mastery, Mastery::Unsure);
    EXPECT_EQ(map.numbers[7].mastery, Mastery::Unsure);
    EXPECT_EQ(map.numbers[8].mastery, Mastery::NeedsPractice);
    EXPECT_EQ(map.numbers[9].mastery, Mastery::NeedsPractice);
    EXPECT_EQ(map.numbers[47].mastery, Mastery::NeedsPractice);
    EXPECT_EQ(map.numbers[1].mastery, Mastery::NotAsked);
    EXPECT_EQ(map.count(Mastery::NotAsked), 100 - 8);
    EXPECT_TRUE(map.numbers[47].slow);
    EXPECT_EQ(map.slowNumbers(), 1);
    EXPECT_EQ(map.medianMs, 1000);
    EXPECT_EQ((std::tuple(map.answers, map.right, map.wrong())), std::tuple(20, 12, 8));

    ASSERT_EQ(map.patterns.size(), 2);
    EXPECT_EQ(map.patterns[0].type, ErrorType::Nachbarzahl);
    EXPECT_EQ(map.patterns[1].type, ErrorType::Zahlendreher);
    EXPECT_EQ((std::tuple(map.patterns[1].count, map.patterns[1].exampleAsked, map.patterns[1].exampleGiven)),
              std::tuple(3, 47, 74));
    EXPECT_EQ(MapTexts::Diagnosis(map), (QStringList{u"Nachbarzahl: 4 von 8 Fehlern, z. B. 6 statt 5"_s,
                                                     u"Zahlendreher: 3 von 8 Fehlern, z. B. 74 statt 47"_s,
                                                     u"Einzelne andere Fehler: 1"_s}));
    EXPECT_EQ(MapTexts::CellFigures(47, map.numbers[47]),
              u"47: Übungsbedarf, langsam – 3 Antworten, 2 falsch, Median 9,0 s. gesucht 47: 2× 74"_s);
    EXPECT_EQ(MapTexts::CellFigures(1, map.numbers[1]), u"1: noch nicht gefragt"_s);
}

// The filters take one mode or both and the period up to now; the trend compares this
// calendar week (from Monday) with the one before.
TEST(Diagnosis, FiltersAndTheWeekTrendCountTheRightAnswers)
{
    using Mode = RecordedAnswer::Mode;
    const std::vector<StoredAnswer> answers{
        Answer(3, 3, 1000, 400), Answer(3, 4, 1000, 40), Answer(3, 3, 1000, 9, Mode::Zahlen),
        Answer(3, 3, 1000, 3),   Answer(3, 2, 1000, 2),  Answer(3, 3, 1000, 1, Mode::Zahlen),
        Answer(3, 3, 1000, 0)};
    const auto count = [&](AnswerFilter::Modes modes, AnswerFilter::Period period) {
        return LearningMap::Of(answers, {modes, period}, Now).answers;
    };
    EXPECT_EQ(count(AnswerFilter::Modes::Both, AnswerFilter::Period::All), 7);
    EXPECT_EQ(count(AnswerFilter::Modes::Both, AnswerFilter::Period::SchoolYear), 6);
    EXPECT_EQ(count(AnswerFilter::Modes::Both, AnswerFilter::Period::ThirtyDays), 5);
    EXPECT_EQ(count(AnswerFilter::Modes::Both, AnswerFilter::Period::SevenDays), 4);
    EXPECT_EQ(count(AnswerFilter::Modes::Felder, AnswerFilter::Period::SevenDays), 3);
    EXPECT_EQ(count(AnswerFilter::Modes::Zahlen, AnswerFilter::Period::All), 2);

    // Wednesday: this week holds the last three days, the week before days 3 to 9.
    const WeekTrend trend = WeekTrend::Of(answers, AnswerFilter::Modes::Both, Now);
    EXPECT_EQ(MapTexts::Trend(trend),
              u"Diese Woche: 3 Antworten, 67 % richtig. Woche davor: 2 Antworten, 100 % richtig."_s);
    EXPECT_EQ(MapTexts::Diagnosis(LearningMap::Of({}, {}, Now)),
              QStringList{u"Im gewählten Zeitraum gibt es keine Antworten."_s});
}

} // namespace

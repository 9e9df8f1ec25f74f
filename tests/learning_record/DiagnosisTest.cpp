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
    return {.utcSeconds = Now.toSecsSinceEpoch() - daysAgo * 86400, .offsetSeconds = 3600, .ms = ms,
            .asked = quint8(asked), .given = quint8(given), .mode = mode};
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
    for (int type = 0; type < ErrorTypeCount; ++type)
        EXPECT_FALSE(PracticeTip(ErrorType(type)).isEmpty());
}

// A number is slow when its answers took more than twice the child's usual time in their
// own mode: Zahlen mode, slower by nature, does not make its numbers slow when both modes
// are looked at. The diagnosis names every error type that occurred, for every filter, as
// the export does. (A cell's figures: RecordWindowTest.ShowsEveryChildAndTheChosenChildsMap.)
TEST(Diagnosis, SlownessIsMeasuredPerModeAndEveryErrorTypeIsNamed)
{
    using enum RecordedAnswer::Mode;
    const std::vector<StoredAnswer> answers{
        Answer(5, 5, 1000),  Answer(6, 6, 1000),   Answer(7, 7, 1000),   Answer(10, 10, 1000),
        Answer(11, 11, 1000), Answer(47, 74, 9000), Answer(47, 47, 9000), Answer(12, 13, 900),
        Answer(8, 8, 4000, 0, Zahlen), Answer(9, 9, 5500, 0, Zahlen), Answer(38, 48, 4500, 0, Zahlen),
        Answer(38, 38, 4500, 0, Zahlen)};
    const LearningMap map = LearningMap::Of(answers, {}, Now);
    EXPECT_TRUE(map.numbers[47].slow);
    EXPECT_EQ(map.slowNumbers(), 1);
    EXPECT_EQ(map.medianMs, (std::array<qint64, 2>{1000, 4500}));
    EXPECT_EQ(MapTexts::Diagnosis(map), (QStringList{u"Zahlendreher: 1 von 3 Fehlern, z. B. 74 statt 47"_s,
                                                     u"Nachbarzahl: 1 von 3 Fehlern, z. B. 13 statt 12"_s,
                                                     u"Nachbarzehner: 1 von 3 Fehlern, z. B. 48 statt 38"_s}));
    const LearningMap zahlen = LearningMap::Of(answers, {AnswerFilter::Modes::Zahlen, AnswerFilter::Period::All}, Now);
    EXPECT_EQ(MapTexts::Diagnosis(zahlen), QStringList{u"Nachbarzehner: 1 von 1 Fehler, z. B. 48 statt 38"_s});
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

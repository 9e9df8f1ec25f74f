// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LearningMap.h"

#include "Cells.h"

#include <QMap>
#include <algorithm>
#include <limits>

namespace {

constexpr qint64 SecondsPerDay = 86400;
constexpr int SchoolYearMonth = 8;
constexpr int SecureRun = 3;   // right answers in a row that make a number "sicher"
constexpr int PatternMinimum = 2;

qint64 Median(std::vector<quint32> &values)
{
    if (values.empty())
        return -1;
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + qsizetype(middle), values.end());
    const qint64 upper = values[middle];
    if (values.size() % 2 == 1)
        return upper;
    const qint64 lower = *std::max_element(values.begin(), values.begin() + qsizetype(middle));
    return (lower + upper) / 2;
}

Mastery MasteryOf(const std::vector<bool> &results, int wrong)
{
    const auto size = qsizetype(results.size());
    if (size == 0)
        return Mastery::NotAsked;
    if (size >= SecureRun && std::all_of(results.end() - SecureRun, results.end(), [](bool r) { return r; }))
        return Mastery::Secure;
    if (!results.back() || 2 * wrong >= size)
        return Mastery::NeedsPractice;
    return Mastery::Unsure;
}

// The local midnight that begins a day, at the offset in force now.
qint64 DayStart(const QDate &day, const QDateTime &now)
{
    return QDateTime(day, QTime(0, 0), Qt::OffsetFromUTC, now.offsetFromUtc()).toSecsSinceEpoch();
}

} // namespace

bool AnswerFilter::takes(const StoredAnswer &answer, qint64 sinceUtc) const
{
    if (answer.utcSeconds < sinceUtc)
        return false;
    switch (modes) {
    case Modes::Felder: return answer.mode == RecordedAnswer::Mode::Felder;
    case Modes::Zahlen: return answer.mode == RecordedAnswer::Mode::Zahlen;
    case Modes::Both: break;
    }
    return true;
}

qint64 AnswerFilter::since(const QDateTime &now) const
{
    switch (period) {
    case Period::SevenDays: return now.toSecsSinceEpoch() - 7 * SecondsPerDay;
    case Period::ThirtyDays: return now.toSecsSinceEpoch() - 30 * SecondsPerDay;
    case Period::SchoolYear: {
        const QDate today = now.date();
        const int year = today.month() >= SchoolYearMonth ? today.year() : today.year() - 1;
        return DayStart(QDate(year, SchoolYearMonth, 1), now);
    }
    case Period::All: break;
    }
    return std::numeric_limits<qint64>::min();
}

int LearningMap::count(Mastery mastery) const
{
    return int(std::count_if(numbers.begin() + 1, numbers.end(),
                             [mastery](const NumberFigures &n) { return n.mastery == mastery; }));
}

int LearningMap::slowNumbers() const
{
    return int(std::count_if(numbers.begin() + 1, numbers.end(), [](const NumberFigures &n) { return n.slow; }));
}

LearningMap LearningMap::Of(const std::vector<StoredAnswer> &answers, const AnswerFilter &filter,
                            const QDateTime &now)
{
    LearningMap map;
    const qint64 since = filter.since(now);
    std::array<std::vector<quint32>, CellCount + 1> times;
    std::array<std::vector<bool>, CellCount + 1> results;
    std::array<QMap<int, int>, CellCount + 1> wrongGiven;
    std::vector<quint32> allTimes;
    std::array<int, ErrorTypeCount> typeCounts{};
    std::array<QMap<std::pair<int, int>, int>, ErrorTypeCount> typeCases;

    for (const StoredAnswer &answer : answers) {
        if (!filter.takes(answer, since))
            continue;
        const int n = answer.asked;
        NumberFigures &figures = map.numbers[size_t(n)];
        ++figures.answers;
        ++map.answers;
        times[size_t(n)].push_back(answer.ms);
        allTimes.push_back(answer.ms);
        results[size_t(n)].push_back(answer.right());
        if (answer.right()) {
            ++map.right;
            continue;
        }
        ++figures.wrong;
        ++wrongGiven[size_t(n)][answer.given];
        const auto type = size_t(ClassifyError(n, answer.given));
        ++typeCounts[type];
        ++typeCases[type][{n, answer.given}];
    }

    map.medianMs = Median(allTimes);
    for (int n = 1; n <= CellCount; ++n) {
        NumberFigures &figures = map.numbers[size_t(n)];
        figures.medianMs = Median(times[size_t(n)]);
        figures.slow = figures.answers > 0 && map.medianMs > 0 && figures.medianMs > 2 * map.medianMs;
        figures.mastery = MasteryOf(results[size_t(n)], figures.wrong);
        for (auto it = wrongGiven[size_t(n)].cbegin(); it != wrongGiven[size_t(n)].cend(); ++it)
            figures.wrongGiven.append({it.key(), it.value()});
        std::stable_sort(figures.wrongGiven.begin(), figures.wrongGiven.end(),
                         [](const auto &a, const auto &b) { return a.second > b.second; });
    }
    for (int type = 0; type < ErrorTypeCount; ++type) {
        if (typeCounts[size_t(type)] < PatternMinimum)
            continue;
        ErrorPattern pattern{ErrorType(type), typeCounts[size_t(type)], 0, 0};
        int most = 0;
        for (auto it = typeCases[size_t(type)].cbegin(); it != typeCases[size_t(type)].cend(); ++it)
            if (it.value() > most) {
                most = it.value();
                pattern.exampleAsked = it.key().first;
                pattern.exampleGiven = it.key().second;
            }
        map.patterns.append(pattern);
    }
    std::stable_sort(map.patterns.begin(), map.patterns.end(),
                     [](const ErrorPattern &a, const ErrorPattern &b) { return a.count > b.count; });
    return map;
}

WeekTrend WeekTrend::Of(const std::vector<StoredAnswer> &answers, AnswerFilter::Modes modes,
                        const QDateTime &now)
{
    const QDate today = now.date();
    const qint64 thisWeek = DayStart(today.addDays(1 - today.dayOfWeek()), now);
    const qint64 weekBefore = thisWeek - 7 * SecondsPerDay;
    const AnswerFilter filter{modes, AnswerFilter::Period::All};
    WeekTrend trend;
    for (const StoredAnswer &answer : answers) {
        if (answer.utcSeconds < weekBefore || !filter.takes(answer, weekBefore))
            continue;
        const int week = answer.utcSeconds >= thisWeek ? 0 : 1;
        ++trend.answers[week];
        trend.right[week] += answer.right() ? 1 : 0;
    }
    return trend;
}

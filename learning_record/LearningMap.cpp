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
constexpr double SlowFactor = 2;

// -1 without values.
template <typename Value> double Median(std::vector<Value> &values)
{
    if (values.empty())
        return -1;
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + qsizetype(middle), values.end());
    const double upper = values[middle];
    if (values.size() % 2 == 1)
        return upper;
    return (*std::max_element(values.begin(), values.begin() + qsizetype(middle)) + upper) / 2;
}

size_t ModeIndex(const StoredAnswer &answer) { return answer.mode == RecordedAnswer::Mode::Felder ? 0 : 1; }

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

int LearningMap::slowNumbers() const
{
    return int(std::count_if(numbers.begin() + 1, numbers.end(), [](const NumberFigures &n) { return n.slow; }));
}

LearningMap LearningMap::Of(const std::vector<StoredAnswer> &answers, const AnswerFilter &filter,
                            const QDateTime &now)
{
    LearningMap map;
    map.progress = Progress::Of(answers, now);
    const qint64 since = filter.since(now);
    std::array<std::vector<quint32>, CellCount + 1> times;
    std::array<QMap<int, int>, CellCount + 1> wrongGiven;
    std::array<std::vector<quint32>, 2> modeTimes;
    std::array<int, ErrorTypeCount> typeCounts{};
    std::array<QMap<std::pair<int, int>, int>, ErrorTypeCount> typeCases;

    for (const StoredAnswer &answer : answers) {
        if (!filter.takes(answer, since) || answer.asked < 1 || answer.asked > CellCount)
            continue;
        const int n = answer.asked;
        NumberFigures &figures = map.numbers[size_t(n)];
        ++figures.answers;
        ++map.answers;
        times[size_t(n)].push_back(answer.ms);
        modeTimes[ModeIndex(answer)].push_back(answer.ms);
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
    for (size_t mode = 0; mode < 2; ++mode)
        map.medianMs[mode] = qint64(Median(modeTimes[mode]));

    // Each answer's time against the child's usual time in its mode.
    std::array<std::vector<double>, CellCount + 1> ratios;
    for (const StoredAnswer &answer : answers)
        if (filter.takes(answer, since) && answer.asked >= 1 && answer.asked <= CellCount
            && map.medianMs[ModeIndex(answer)] > 0)
            ratios[answer.asked].push_back(double(answer.ms) / double(map.medianMs[ModeIndex(answer)]));
    for (int n = 1; n <= CellCount; ++n) {
        NumberFigures &figures = map.numbers[size_t(n)];
        figures.medianMs = qint64(Median(times[size_t(n)]));
        figures.slow = !ratios[size_t(n)].empty() && Median(ratios[size_t(n)]) > SlowFactor;
        for (auto it = wrongGiven[size_t(n)].cbegin(); it != wrongGiven[size_t(n)].cend(); ++it)
            figures.wrongGiven.append({it.key(), it.value()});
        std::stable_sort(figures.wrongGiven.begin(), figures.wrongGiven.end(),
                         [](const auto &a, const auto &b) { return a.second > b.second; });
    }
    for (int type = 0; type < ErrorTypeCount; ++type) {
        if (typeCounts[size_t(type)] == 0)
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

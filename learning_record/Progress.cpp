// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Progress.h"

#include "Cells.h"
#include "Diagnosis.h"

#include <algorithm>

namespace {

constexpr qint64 SecondsPerDay = 86400;
constexpr qint64 UnixEpochJulianDay = 2440588;
constexpr int SecureDays = 3;
// Days from getting into box 1..4 to being due there.
constexpr std::array<int, 5> DueAfter{0, 0, 1, 3, 7};

// The local calendar day of a moment, counted from 1 January 1970.
qint64 LocalDay(qint64 utcSeconds, qint64 offsetSeconds)
{
    const qint64 local = utcSeconds + offsetSeconds;
    return local / SecondsPerDay - (local % SecondsPerDay < 0 ? 1 : 0);
}

QDate DateOf(qint64 day) { return QDate::fromJulianDay(day + UnixEpochJulianDay); }

Stage BoxStage(int box) { return Stage(int(Stage::Box1) + box - 1); }

// What the rule keeps of a number while it goes through the answers.
struct Track
{
    Stage stage = Stage::New;
    qint64 since = 0;
    qint64 lastRightDay = 0;
    int rightDays = 0; // different days with a first try, while never missed
    int misses = 0;
    int givenRow = -1; // its counts of the numbers answered instead
};

} // namespace

int BoxOf(Stage stage)
{
    return stage >= Stage::Box1 && stage <= Stage::Box4 ? int(stage) - int(Stage::Box1) + 1 : 0;
}

Progress Progress::Of(std::span<const StoredAnswer> answers, const QDateTime &now, std::vector<Stage> *stageAfter)
{
    std::array<Track, CellCount + 1> tracks{};
    std::vector<std::array<quint16, CellCount + 1>> given; // a row per missed number
    if (stageAfter)
        stageAfter->clear();
    const StoredAnswer *before = nullptr;
    for (const StoredAnswer &answer : answers) {
        if (answer.asked < 1 || answer.asked > CellCount) {
            if (stageAfter)
                stageAfter->push_back(Stage::New);
            continue;
        }
        Track &track = tracks[answer.asked];
        const qint64 day = LocalDay(answer.utcSeconds, answer.offsetSeconds);
        if (!answer.right()) {
            if (track.givenRow < 0) {
                track.givenRow = int(given.size());
                given.push_back({});
            }
            quint16 &times = given[size_t(track.givenRow)][std::min<size_t>(answer.given, CellCount)];
            times += times < UINT16_MAX ? 1 : 0;
            ++track.misses;
            track.stage = Stage::Box1;
            track.since = day;
        } else if (!before || before->asked != answer.asked || before->right()) {
            switch (track.stage) {
            case Stage::New:
                track = {Stage::Seen, day, day, 1, 0, track.givenRow};
                break;
            case Stage::Seen:
                if (day > track.lastRightDay) {
                    track.lastRightDay = day;
                    if (++track.rightDays >= SecureDays) {
                        track.stage = Stage::Secure;
                        track.since = day;
                    }
                }
                break;
            case Stage::Secure:
                break;
            default: {
                const int box = BoxOf(track.stage);
                if (day < track.since + DueAfter[size_t(box)])
                    break;
                track.stage = box == 4 ? Stage::Secure : BoxStage(box + 1);
                track.since = day;
                if (track.stage == Stage::Secure) {
                    track.misses = 0;
                    if (track.givenRow >= 0)
                        given[size_t(track.givenRow)].fill(0);
                }
            }
            }
        }
        before = &answer;
        if (stageAfter)
            stageAfter->push_back(track.stage);
    }

    Progress progress;
    const qint64 today = LocalDay(now.toSecsSinceEpoch(), now.offsetFromUtc());
    for (int n = 1; n <= CellCount; ++n) {
        const Track &track = tracks[size_t(n)];
        NumberProgress &number = progress.numbers[size_t(n)];
        number.stage = track.stage;
        if (track.stage == Stage::New)
            continue;
        number.since = DateOf(track.since);
        number.misses = track.misses;
        if (const int box = number.box(); box > 0) {
            const qint64 due = track.since + DueAfter[size_t(box)];
            number.due = DateOf(due);
            number.overdueDays = int(today - due);
        }
        if (track.givenRow < 0)
            continue;
        const auto &times = given[size_t(track.givenRow)];
        for (int other = 1; other <= CellCount; ++other)
            if (times[size_t(other)] > 0)
                number.mistakenFor.append(other);
        std::stable_sort(number.mistakenFor.begin(), number.mistakenFor.end(),
                         [&](int a, int b) { return times[size_t(a)] > times[size_t(b)]; });
    }
    return progress;
}

int Progress::count(Stage stage) const
{
    return int(std::count_if(numbers.begin() + 1, numbers.end(),
                             [stage](const NumberProgress &n) { return n.stage == stage; }));
}

QList<int> Progress::secure() const
{
    QList<int> list;
    for (int n = 1; n <= CellCount; ++n)
        if (numbers[size_t(n)].stage == Stage::Secure)
            list.append(n);
    return list;
}

QList<int> Progress::due() const
{
    QList<int> list;
    for (int n = 1; n <= CellCount; ++n)
        if (numbers[size_t(n)].isDue())
            list.append(n);
    std::stable_sort(list.begin(), list.end(), [this](int a, int b) {
        const NumberProgress &x = numbers[size_t(a)], &y = numbers[size_t(b)];
        if (x.overdueDays != y.overdueDays)
            return x.overdueDays > y.overdueDays;
        return x.box() < y.box();
    });
    return list;
}

QList<int> Progress::toPractise() const
{
    QList<int> chosen;
    for (int n : due()) {
        QList<int> group{n};
        for (int other : numbers[size_t(n)].mistakenFor) {
            const ErrorType type = ClassifyError(n, other);
            const bool twin = type == ErrorType::Zahlendreher;
            const bool neighbour = type == ErrorType::Nachbarzahl || type == ErrorType::Nachbarzehner;
            if ((twin || (neighbour && numbers[size_t(other)].stage != Stage::Secure)) && !group.contains(other))
                group.append(other);
        }
        group.removeIf([&](int member) { return chosen.contains(member); });
        if (chosen.size() + group.size() <= MostToPractise)
            chosen.append(group);
    }
    return chosen;
}

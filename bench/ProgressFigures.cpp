// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgressFigures.h"

#include "ClassMap.h"
#include "Median.h"
#include "Progress.h"

#include <QElapsedTimer>
#include <cstdio>
#include <random>

namespace {

constexpr int Children = 30;
constexpr int AnswersPerChild = 20000;
constexpr int Runs = 21;

// A child's year: about a hundred answers a school day, one in five wrong, some in summer time.
std::vector<StoredAnswer> ChildYear(std::mt19937 &chance)
{
    std::vector<StoredAnswer> answers(AnswersPerChild);
    qint64 utc = QDateTime(QDate(2025, 8, 1), QTime(8, 0), Qt::UTC).toSecsSinceEpoch();
    for (int i = 0; i < AnswersPerChild; ++i) {
        StoredAnswer &answer = answers[size_t(i)];
        utc += i % 100 == 0 ? 86400 - 100 * 7 : 7;
        answer.utcSeconds = utc;
        answer.offsetSeconds = (i / 100) % 365 < 240 ? 3600 : 7200;
        answer.asked = quint8(chance() % 100 + 1);
        answer.given = chance() % 5 ? answer.asked : quint8(chance() % 100 + 1);
        answer.ms = 800 + chance() % 6000;
    }
    return answers;
}

template <typename Work> double MedianMs(Work work)
{
    QList<double> times;
    QElapsedTimer clock;
    for (int run = 0; run < Runs; ++run) {
        clock.start();
        work();
        times.append(clock.nsecsElapsed() / 1e6);
    }
    return Median(times);
}

} // namespace

void MeasureProgress()
{
    std::mt19937 chance(11);
    Record record;
    for (int child = 0; child < Children; ++child)
        record.children.append({QStringLiteral("Kind %1").arg(child + 1), ChildYear(chance)});
    const QDateTime now(QDate(2026, 6, 1), QTime(12, 0), Qt::OffsetFromUTC, 7200);
    volatile int kept = 0; // so that the work is not left out
    const double one = MedianMs([&] { kept = Progress::Of(record.children[0].answers, now).count(Stage::Secure); });
    const double all = MedianMs([&] {
        for (const ChildAnswers &child : record.children)
            kept = Progress::Of(child.answers, now).count(Stage::Secure);
    });
    const double map = MedianMs([&] { kept = ClassMap::Of(record, {}, now).practising; });
    std::printf("numbers' stages, one child of %d answers: %6.2f ms (median of %d)\n", AnswersPerChild, one, Runs);
    std::printf("numbers' stages, a class of %d such:       %6.1f ms\n", Children, all);
    std::printf("the class map of that class:              %6.1f ms\n", map);
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalWriter.h"
#include "Progress.h"
#include "RecordFolder.h"
#include "RecordReader.h"

namespace {

using namespace Qt::StringLiterals;

struct Given
{
    QString time; // local, with its offset
    int asked, given;
};

QDateTime At(const QString &time) { return QDateTime::fromString(time, Qt::ISODate); }

class ProgressTest : public RecordFolderTest
{
protected:
    // Each history is the journal of one child; the record is read back from the files.
    Record recordOf(const QList<QList<Given>> &histories)
    {
        JournalWriter writer(files, RunA);
        quint64 seq = 0;
        for (qsizetype child = 0; child < histories.size(); ++child)
            for (const Given &g : histories[child])
                EXPECT_EQ(writer.append(Answer(u"Kind %1"_s.arg(child + 10), g.asked, g.given, ++seq, RunA, At(g.time))),
                          QString());
        return ReadRecord(files);
    }
};

// A number's stage after a history of answers to it, and when it is due: right once is
// gesehen, on three days sicher; a miss puts it into box 1, due at once; a first try when due
// moves it up a box (due after 1, 3 and 7 days), one before changes nothing; from box 4 it
// is sicher, and a new miss brings it back. Days are the child's local days: a box reached on
// 31 March is due on 1 April, and an answer given after midnight in summer time belongs to
// its local day, although UTC still counts the day before.
TEST_F(ProgressTest, StagesAndDueDaysFollowTheAnswers)
{
    const struct
    {
        const char *what;
        QList<Given> history;
        QString now;
        Stage stage;
        QDate due;
        int overdue;
    } cases[] = {
        {"right once", {{"2026-03-02T09:00:00+01:00", 47, 47}}, "2026-03-02T12:00:00+01:00", Stage::Seen, {}, 0},
        {"right three times on one day",
         {{"2026-03-02T09:00:00+01:00", 47, 47}, {"2026-03-02T09:10:00+01:00", 47, 47}, {"2026-03-02T09:20:00+01:00", 47, 47}},
         "2026-03-02T12:00:00+01:00", Stage::Seen, {}, 0},
        {"right on three days",
         {{"2026-03-02T09:00:00+01:00", 47, 47}, {"2026-03-03T09:00:00+01:00", 47, 47}, {"2026-03-05T09:00:00+01:00", 47, 47}},
         "2026-03-05T12:00:00+01:00", Stage::Secure, {}, 0},
        {"a miss found at last", {{"2026-03-02T09:00:00+01:00", 47, 74}, {"2026-03-02T09:00:05+01:00", 47, 47}},
         "2026-03-02T12:00:00+01:00", Stage::Box1, QDate(2026, 3, 2), 0},
        {"a first try when due",
         {{"2026-03-02T09:00:00+01:00", 47, 74}, {"2026-03-02T09:00:05+01:00", 47, 47}, {"2026-03-02T09:05:00+01:00", 47, 47}},
         "2026-03-02T12:00:00+01:00", Stage::Box2, QDate(2026, 3, 3), -1},
        {"a first try before it is due",
         {{"2026-03-02T09:00:00+01:00", 47, 74}, {"2026-03-02T09:00:05+01:00", 47, 47}, {"2026-03-02T09:05:00+01:00", 47, 47},
          {"2026-03-02T10:05:00+01:00", 47, 47}},
         "2026-03-04T12:00:00+01:00", Stage::Box2, QDate(2026, 3, 3), 1},
        {"across the end of March",
         {{"2026-03-31T09:00:00+02:00", 47, 74}, {"2026-03-31T09:00:05+02:00", 47, 47}, {"2026-03-31T09:05:00+02:00", 47, 47},
          {"2026-04-01T08:00:00+02:00", 47, 47}},
         "2026-04-06T08:00:00+02:00", Stage::Box3, QDate(2026, 4, 4), 2},
        {"after midnight in the first night of summer time",
         {{"2026-03-26T10:00:00+01:00", 47, 74}, {"2026-03-26T10:00:05+01:00", 47, 47}, {"2026-03-26T10:05:00+01:00", 47, 47},
          {"2026-03-27T10:00:00+01:00", 47, 47}, {"2026-03-30T00:30:00+02:00", 47, 47}},
         "2026-04-06T08:00:00+02:00", Stage::Box4, QDate(2026, 4, 6), 0},
        {"box 4 done",
         {{"2026-03-26T10:00:00+01:00", 47, 74}, {"2026-03-26T10:00:05+01:00", 47, 47}, {"2026-03-26T10:05:00+01:00", 47, 47},
          {"2026-03-27T10:00:00+01:00", 47, 47}, {"2026-03-30T00:30:00+02:00", 47, 47}, {"2026-04-06T08:00:00+02:00", 47, 47}},
         "2026-04-06T09:00:00+02:00", Stage::Secure, {}, 0},
        {"a miss when sicher",
         {{"2026-03-02T09:00:00+01:00", 47, 47}, {"2026-03-03T09:00:00+01:00", 47, 47}, {"2026-03-04T09:00:00+01:00", 47, 47},
          {"2026-03-06T09:00:00+01:00", 47, 46}, {"2026-03-06T09:00:05+01:00", 47, 47}},
         "2026-03-09T09:00:00+01:00", Stage::Box1, QDate(2026, 3, 6), 3},
    };
    QList<QList<Given>> histories;
    for (const auto &c : cases)
        histories.append(c.history);
    const Record record = recordOf(histories);
    ASSERT_EQ(record.children.size(), qsizetype(std::size(cases)));
    for (qsizetype i = 0; i < record.children.size(); ++i) {
        const auto &c = cases[i];
        const Progress progress = Progress::Of(record.children[i].answers, At(c.now));
        const NumberProgress &n = progress.numbers[47];
        EXPECT_EQ(std::tuple(n.stage, n.due, n.box() ? n.overdueDays : 0), std::tuple(c.stage, c.due, c.overdue))
            << c.what;
        EXPECT_EQ(progress.count(Stage::New), 99) << c.what;
    }
}

// A practice takes the due numbers, most overdue first, each with the twin it was swapped
// with and the neighbour it was taken for unless that one is sicher, never more than twelve:
// a number whose group no longer fits waits.
TEST_F(ProgressTest, APracticeTakesTheDueNumbersWithTwinsAndNeighbours)
{
    QList<Given> history{{"2026-02-26T09:00:00+01:00", 24, 24}, {"2026-02-27T09:00:00+01:00", 24, 24},
                         {"2026-02-28T09:00:00+01:00", 24, 24}, {"2026-03-01T09:00:00+01:00", 23, 24},
                         {"2026-03-02T09:00:00+01:00", 47, 74}, {"2026-03-02T09:01:00+01:00", 45, 55}};
    for (int n = 61; n <= 69; ++n)
        history.append({u"2026-03-02T10:%1:00+01:00"_s.arg(n - 60, 2, 10, QChar(u'0')), n, n - 50});
    const Record record = recordOf({history});
    const Progress progress = Progress::Of(record.children[0].answers, At("2026-03-02T12:00:00+01:00"));
    EXPECT_EQ(progress.due().first(3), (QList<int>{23, 45, 47}));
    EXPECT_EQ(progress.toPractise(), (QList<int>{23, 45, 55, 47, 74, 61, 62, 63, 64, 65, 66, 67}));
}

} // namespace

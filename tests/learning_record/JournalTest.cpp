// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalLine.h"
#include "JournalWriter.h"
#include "RecordFolder.h"
#include "SmallDisk.h"

namespace {

using namespace Qt::StringLiterals;

const QString Hostile = u"../Mia/\t\\n Ödön\r\nx"_s;

// Any name (tabs, line breaks, backslashes, "/" and "..") and any offset come back as they
// were written; a line cut at any byte, foreign or inconsistent lines are refused, while
// the lines of the earlier release still read.
TEST(JournalLine, KeepsEveryNameAndRefusesWhatItDidNotWrite)
{
    RecordedAnswer answer = Answer(Hostile + QString(90, u'ß'), 47, 74, 12);
    answer.time = QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59), Qt::OffsetFromUTC, -(3 * 3600 + 30 * 60));
    answer.mode = RecordedAnswer::Mode::Zahlen;
    answer.pattern = u"Baum;=1+1"_s;
    const QByteArray line = JournalLine(answer);
    ASSERT_TRUE(line.endsWith('\n'));
    EXPECT_EQ(line.count('\n'), 1);
    EXPECT_TRUE(line.contains("\t2025-12-31T23:59:59-03:30\t"));
    const std::optional<RecordedAnswer> back = ParseJournalLine(line.chopped(1));
    ASSERT_TRUE(back);
    EXPECT_EQ(back->name, answer.name);
    EXPECT_EQ(back->time, answer.time);
    EXPECT_EQ(back->time.offsetFromUtc(), answer.time.offsetFromUtc());
    EXPECT_EQ(std::tuple(back->run, back->seq, back->mode, back->language, back->pattern),
              std::tuple(RunA, quint64(12), RecordedAnswer::Mode::Zahlen, u"de"_s, answer.pattern));
    EXPECT_EQ(std::tuple(back->asked, back->given, back->right(), back->ms), std::tuple(47, 74, false, qint64(1500)));

    const QByteArray good = JournalLine(Answer(u"Mia"_s, 5, 5, 1)).chopped(1);
    for (qsizetype cut = 0; cut < good.size(); ++cut) // "15" of "1500" included
        EXPECT_FALSE(ParseJournalLine(good.first(cut))) << cut;
    for (const QByteArray &bad : {good + "\tx", QByteArray(good).replace("\tr\t", "\tf\t"),
                                  QByteArray(good).replace("\t1500\t", "\t1501\t"),
                                  QByteArray(good).replace("Mia", "M\x01" "a"),
                                  QByteArray(good).replace("Mia", "M\x97" "a"), QByteArray(good).replace("Z2", "Z3")})
        EXPECT_FALSE(ParseJournalLine(bad)) << bad.constData();
    const QByteArray earlier = "Z1\t2026-03-02T09:00:00+01:00\tpc1-20260302T090000-11\t3\tMia\tF\tde\tHaus\t5\t5\tr\t1500";
    ASSERT_TRUE(ParseJournalLine(earlier));
    for (const QByteArray &bad : {QByteArray(earlier).replace("2026-03-02", "2026-02-30"),
                                  QByteArray(earlier).replace("\t5\t5\t", "\t0\t0\t"), earlier + "\tx"})
        EXPECT_FALSE(ParseJournalLine(bad)) << bad.constData();
}

using JournalWriterTest = RecordFolderTest;

// Each answer is in its child's journal of the day as soon as it is given; the journals'
// names tell nothing of the child, whatever its name holds, and "Mia" and "Mia " share one.
TEST_F(JournalWriterTest, WritesEachAnswerAtOnceIntoTheChildsJournalOfTheDay)
{
    JournalWriter writer(files, RunA);
    EXPECT_EQ(writer.append(Answer(u"Mia"_s, 47, 74, 1)), QString());
    EXPECT_EQ(answersOf(u"Mia"_s), 1);
    EXPECT_EQ(writer.append(Answer(Hostile, 3, 3, 2)), QString());
    EXPECT_EQ(writer.append(Answer(u"Mia "_s, 47, 47, 3)), QString());
    EXPECT_EQ(writer.append(Answer(u"Mia"_s, 5, 5, 4, RunA, clock.time.addDays(1))), QString());
    EXPECT_EQ(answersOf(u"Mia"_s), 3);
    EXPECT_EQ(answersOf(Hostile), 1);
    EXPECT_EQ(entries().size(), 3);
    for (const QString &entry : entries())
        for (const QString &part : {u"Mia"_s, u"Ödön"_s, u".."_s})
            EXPECT_FALSE(entry.contains(part)) << qPrintable(entry);
    EXPECT_EQ(writer.sync(), QString());
    EXPECT_EQ(writer.unwritten(), 0);
}

// A journal the teacher removed, or emptied where it could not be removed, stays without
// what it held; the run's next answers go on into it.
TEST_F(JournalWriterTest, WhatATeacherErasedIsNeverWrittenAgain)
{
    JournalWriter writer(files, RunA);
    writer.append(Answer(u"Mia"_s, 1, 1, 1));
    writer.append(Answer(u"Mia"_s, 2, 2, 2));
    const QString journal = RecordFiles::PathOf(entries().first());
    ASSERT_EQ(files.empty(journal), QString());
    writer.append(Answer(u"Mia"_s, 3, 3, 3));
    EXPECT_EQ(answersOf(u"Mia"_s), 1);
    ASSERT_EQ(files.remove(journal), QString());
    writer.append(Answer(u"Mia"_s, 4, 4, 4));
    EXPECT_EQ(answersOf(u"Mia"_s), 1);
    EXPECT_EQ(contents(journal).count('\n'), 1);
}

// A full disk: the answers wait in memory, the reason is given, and once there is room
// again they are all written; the piece of a line cut off by the full disk is not counted
// and no answer counts twice.
TEST_F(JournalWriterTest, AFullDiskKeepsTheAnswersUntilThereIsRoomAndCountsEachOnce)
{
    const SmallDisk disk(folder.path());
    if (!disk.mounted())
        GTEST_SKIP() << "no small file system could be mounted (" << disk.error() << ")";
    QDir::setCurrent(folder.path()); // onto the small disk
    JournalWriter writer(files, RunA);
    ASSERT_EQ(writer.append(Answer(u"Mia"_s, 1, 1, 1)), QString());
    disk.fill();
    quint64 seq = 1;
    QString failure;
    while (failure.isEmpty() && seq < 2000)
        failure = writer.append(Answer(u"Mia"_s, 2, 3, ++seq));
    EXPECT_EQ(failure, u"Auf dem Datenträger ist kein Platz mehr frei."_s);
    EXPECT_GT(writer.unwritten(), 0);
    disk.empty();
    EXPECT_EQ(writer.retry(), QString());
    EXPECT_EQ(writer.unwritten(), 0);
    EXPECT_EQ(answersOf(u"Mia"_s), qsizetype(seq));

    ASSERT_TRUE(disk.setReadOnly(true));
    EXPECT_EQ(writer.append(Answer(u"Mia"_s, 4, 4, ++seq)), u"Der Datenträger ist schreibgeschützt."_s);
    ASSERT_TRUE(disk.setReadOnly(false));
    EXPECT_EQ(writer.retry(), QString());
    EXPECT_EQ(answersOf(u"Mia"_s), qsizetype(seq));
}

} // namespace

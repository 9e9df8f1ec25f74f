// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeFiles.h"
#include "HandledLines.h"
#include "JournalLine.h"
#include "JournalWriter.h"
#include "RecordFolder.h"
#include "RecordReader.h"
#include "SmallDisk.h"

#include <QTimeZone>

namespace {

using namespace Qt::StringLiterals;

const QString Hostile = u"../Mia/\t\\n Ödön\r\nx"_s;

// Any name (tabs, line breaks, backslashes, "/" and "..") and any offset come back as they
// were written; torn, foreign and inconsistent lines are refused.
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
    for (const QByteArray &bad : {good.left(good.size() / 2), good + "\tx", QByteArray(good).replace("\tr\t", "\tf\t"),
                                  QByteArray(good).replace("2026-03-02", "2026-02-30"),
                                  QByteArray(good).replace("\t5\t5\t", "\t0\t0\t"),
                                  QByteArray(good).replace("\t1\tMia", "\t0\tMia"),
                                  QByteArray(good).replace("Mia", "M\x01" "a"),
                                  QByteArray(good).replace("Mia", "Annabellchen-Sophie\x7f" "x"),
                                  QByteArray(good).replace("Mia", "Annabellchen-Sophie\\x"),
                                  QByteArray(good).replace("Mia", "M\x97" "a"),
                                  QByteArray(good).replace("Z1", "Z2"), QByteArray("0042  Mia")})
        EXPECT_FALSE(ParseJournalLine(bad)) << bad.constData();
}

class JournalWriterTest : public RecordFolderTest
{
protected:
    QList<RecordedAnswer> readBack(const QString &name) const
    {
        QList<RecordedAnswer> answers;
        const QByteArray journal = contents(RecordFiles::JournalPath(name, RunA));
        for (const QByteArrayView line : CompleteLines(journal))
            if (const std::optional<RecordedAnswer> answer = ParseJournalLine(line))
                answers.append(*answer);
        return answers;
    }
};

// Each answer is in its child's journal as soon as it is given; a name that is a path
// makes a safe file name and stays whole inside.
TEST_F(JournalWriterTest, WritesEachAnswerAtOnceIntoTheChildsOwnJournal)
{
    JournalWriter writer(files, clock, RunA);
    EXPECT_EQ(writer.append(Answer(u"Mia"_s, 47, 74, 1)), QString());
    EXPECT_EQ(readBack(u"Mia"_s).size(), 1);
    EXPECT_EQ(writer.append(Answer(Hostile, 3, 3, 2)), QString());
    EXPECT_EQ(writer.append(Answer(u"Mia"_s, 47, 47, 3)), QString());
    EXPECT_EQ(readBack(u"Mia"_s).size(), 2);
    ASSERT_EQ(readBack(Hostile).size(), 1);
    EXPECT_EQ(readBack(Hostile).first().name, Hostile);
    const QStringList journals = entries();
    ASSERT_EQ(journals.size(), 2);
    for (const QString &entry : journals) {
        EXPECT_TRUE(RecordFiles::IsJournal(entry)) << qPrintable(entry);
        EXPECT_FALSE(entry.contains(u'/') || entry.contains(u"..") || entry.contains(u'\\'));
    }
    EXPECT_EQ(writer.sync(), QString());
    EXPECT_EQ(writer.unwritten(), 0);
}

// When a deletion elsewhere removed or replaced the run's journal, the run writes again
// what is missing, except the lines the deletion listed as taken out; a torn last line
// is ended first, so that the next line stays whole.
TEST_F(JournalWriterTest, WritesAgainWhatARewriteLostButNotWhatItTookOut)
{
    JournalWriter writer(files, clock, RunA);
    for (quint64 seq = 1; seq <= 3; ++seq)
        writer.append(Answer(u"Mia"_s, 10, 10, seq));
    const QString journal = RecordFiles::JournalPath(u"Mia"_s, RunA);
    HandledLines taken;
    taken.add(RunA, 1);
    put(RecordFiles::HandledPath(RunB + u"-k1"_s), taken.toBytes("2026-03-02T09:30:00+01:00"));
    // Replaced by a copy that lost line 3 (a race) and had line 1 taken out on purpose.
    QFile::remove(path(journal));
    put(journal, JournalLine(Answer(u"Mia"_s, 10, 10, 2)) + "Z1\t2026-03-02T09:3");
    writer.append(Answer(u"Mia"_s, 11, 11, 4));
    QList<quint64> seqs;
    for (const RecordedAnswer &answer : readBack(u"Mia"_s))
        seqs.append(answer.seq);
    EXPECT_EQ(seqs, (QList<quint64>{2, 3, 4}));
    EXPECT_EQ(contents(journal).count('\n'), 4); // the torn line ended, then skipped

    QFile::remove(path(journal)); // removed altogether
    writer.append(Answer(u"Mia"_s, 12, 12, 5));
    EXPECT_EQ(readBack(u"Mia"_s).size(), 4);
}

// A full disk: the answers wait in memory, the reason is given, and once there is room
// again they are all written, whole.
TEST_F(JournalWriterTest, AFullDiskKeepsTheAnswersUntilThereIsRoom)
{
    const SmallDisk disk(folder.path());
    if (!disk.mounted())
        GTEST_SKIP() << "no small file system could be mounted (" << disk.error() << ")";
    QDir::setCurrent(folder.path()); // onto the small disk
    JournalWriter writer(files, clock, RunA);
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
    EXPECT_EQ(readBack(u"Mia"_s).size(), qsizetype(seq));

    ASSERT_TRUE(disk.setReadOnly(true));
    EXPECT_EQ(writer.append(Answer(u"Mia"_s, 4, 4, ++seq)), u"Der Datenträger ist schreibgeschützt."_s);
    ASSERT_TRUE(disk.setReadOnly(false));
    EXPECT_EQ(writer.retry(), QString());
    EXPECT_EQ(readBack(u"Mia"_s).size(), qsizetype(seq));
}

} // namespace

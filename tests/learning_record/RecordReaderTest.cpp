// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HandledLines.h"
#include "JournalLine.h"
#include "JournalWriter.h"
#include "RecordFolder.h"
#include "RecordReader.h"

#include <QElapsedTimer>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

using namespace Qt::StringLiterals;

class RecordReaderTest : public RecordFolderTest
{
protected:
    void write(const QString &run, const QList<RecordedAnswer> &answers)
    {
        JournalWriter writer(files, clock, run);
        for (const RecordedAnswer &answer : answers)
            ASSERT_EQ(writer.append(answer), QString());
    }
    QByteArray native(const QString &entry) const { return QFile::encodeName(path(RecordFiles::PathOf(entry))); }
};

// The journals of several runs merge into one list per child, in time order and in German
// name order; a copied line counts once and a line taken out counts nowhere.
TEST_F(RecordReaderTest, MergesTheRunsOfEachChild)
{
    QDateTime t = clock.time;
    write(RunA, {Answer(u"Mia"_s, 4, 4, 1, RunA, t.addSecs(10)), Answer(u"Ölaf"_s, 5, 6, 2, RunA, t),
                 Answer(u"Mia"_s, 7, 7, 3, RunA, t.addSecs(30))});
    write(RunB, {Answer(u"Mia"_s, 8, 8, 1, RunB, t.addSecs(20)), Answer(u"anton"_s, 9, 9, 2, RunB, t)});
    // A renaming elsewhere copied line 3 of run A and listed it as taken out; a rescue
    // copied line 1 of run B as it was.
    put(RecordFiles::JournalPath(u"Mia"_s, RunB + u"-k1"_s),
        JournalLine(Answer(u"Mia"_s, 7, 7, 3, RunA, t.addSecs(30))) + JournalLine(Answer(u"Mia"_s, 8, 8, 1, RunB, t.addSecs(20))));
    HandledLines taken;
    taken.add(RunA, 1);
    put(RecordFiles::HandledPath(RunB + u"-k2"_s), taken.toBytes("2026-03-02T10:00:00+01:00"));

    const Record record = ReadRecord(files);
    EXPECT_EQ(record.names(), (QStringList{u"anton"_s, u"Mia"_s, u"Ölaf"_s}));
    const ChildAnswers &mia = record.children[1];
    ASSERT_EQ(mia.answers.size(), 2u);
    EXPECT_EQ(std::tuple(int(mia.answers[0].asked), int(mia.answers[1].asked)), std::tuple(8, 7));
    EXPECT_EQ(record.patterns, QStringList{u"Haus"_s});
    EXPECT_EQ(record.languages, QStringList{u"de"_s});
    EXPECT_EQ(std::tuple(record.skippedLines, record.skippedFiles), std::tuple(0, 0));
    EXPECT_EQ(ReadRecordNames(files), (QStringList{u"anton"_s, u"Mia"_s, u"Ölaf"_s}));
}

// Torn and foreign lines, a file too large, a pipe, a folder, a device and a loop of links
// under journal names are skipped and counted; none of them holds the reader up.
TEST_F(RecordReaderTest, SkipsAndCountsWhatIsNotAJournalWithoutWaiting)
{
    write(RunA, {Answer(u"Mia"_s, 4, 4, 1)});
    const QString journal = RecordFiles::JournalPath(u"Mia"_s, RunA);
    QFile file(path(journal));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("0042  Mia\n<html>\n" + JournalLine(Answer(u"Mia"_s, 5, 5, 2)) + "Z1\t2026-03-0");
    file.close();
    const QString other = u"Ben.00000000.pc3-20260301T080000-3.journal"_s;
    ASSERT_EQ(::mkfifo(native(u"Pipe.00000000.pc3-20260301T080000-3.journal"_s).constData(), 0600), 0);
    ASSERT_TRUE(QDir(path(RecordFiles::Folder)).mkdir(u"Ordner.00000000.pc3-20260301T080000-3.journal"_s));
    ASSERT_EQ(::symlink("Schleife.00000000.pc3-20260301T080000-3.journal",
                        native(u"Schleife.00000000.pc3-20260301T080000-3.journal"_s).constData()), 0);
    const int devices = ::mknod(native(u"Geraet.00000000.pc3-20260301T080000-3.journal"_s).constData(),
                                S_IFCHR | 0666, makedev(1, 3)) == 0;
    put(RecordFiles::PathOf(other), QByteArray());
    ASSERT_TRUE(QFile(path(RecordFiles::PathOf(other))).resize(RecordFiles::MaxJournalBytes + 1));
    put(RecordFiles::PathOf(u"notizen.txt"_s), "Mia\n");

    QElapsedTimer timer;
    timer.start();
    const Record record = ReadRecord(files);
    EXPECT_LT(timer.elapsed(), 5000);
    ASSERT_EQ(record.children.size(), 1);
    EXPECT_EQ(record.children[0].answers.size(), 2u);
    EXPECT_EQ(record.skippedLines, 3);
    EXPECT_EQ(record.skippedFiles, 4 + devices);
}

} // namespace

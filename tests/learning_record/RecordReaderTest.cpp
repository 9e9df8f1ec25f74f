// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalLine.h"
#include "JournalWriter.h"
#include "RecordFolder.h"

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
        JournalWriter writer(files, run);
        for (const RecordedAnswer &answer : answers)
            ASSERT_EQ(writer.append(answer), QString());
    }
    QByteArray native(const QString &entry) const { return QFile::encodeName(path(RecordFiles::PathOf(entry))); }
};

// The journals of several runs, of this release and the earlier one, merge into one list
// per child, by time and each run's answers of one second in their order, in German name
// order; "Mia", "Mia " and a decomposed name are one child; a line written twice, or
// copied by the earlier release, counts once, and a line it took out counts nowhere.
TEST_F(RecordReaderTest, MergesTheRunsOfEachChild)
{
    const QDateTime t = clock.time;
    write(RunA, {Answer(u"Mia"_s, 4, 4, 1, RunA, t.addSecs(10)), Answer(u"Ölaf"_s.normalized(QString::NormalizationForm_D), 5, 6, 2, RunA, t),
                 Answer(u"Mia "_s, 7, 7, 3, RunA, t.addSecs(30)), Answer(u"Mia"_s, 9, 9, 4, RunA, t.addSecs(30))});
    write(RunB, {Answer(u"Mia"_s, 8, 8, 1, RunB, t.addSecs(20)), Answer(u"anton"_s, 9, 9, 2, RunB, t)});
    const QString journal = RecordFiles::PathOf(entries().first());
    put(journal, contents(journal) + JournalLine(Answer(u"Mia"_s, 4, 4, 1, RunA, t.addSecs(10))));
    // The earlier release's journal of a run, a copy of its first line, and its second taken out.
    const QString earlierRun = u"pc3-20260301T090000-33"_s;
    const auto earlierLine = [&](int asked, quint64 seq) {
        const QByteArray line = JournalLine(Answer(u"Mia"_s, asked, asked, seq, earlierRun, t.addSecs(-60 + seq)));
        return "Z1" + line.mid(2, line.lastIndexOf('\t') - 2) + '\n';
    };
    put(RecordFiles::PathOf(u"Mia.1f3a9b2c.%1.journal"_s.arg(earlierRun)), earlierLine(1, 1) + earlierLine(2, 2));
    put(RecordFiles::PathOf(u"Mia.1f3a9b2c.%1-k1.journal"_s.arg(earlierRun)), earlierLine(1, 1));
    put(RecordFiles::PathOf(u"%1-k2.handled"_s.arg(earlierRun)), "H1\t2026-03-02T10:00:00+01:00\t" + earlierRun.toUtf8() + "\t2\n");

    const Record record = ReadRecord(files);
    EXPECT_EQ(record.names(), (QStringList{u"anton"_s, u"Mia"_s, u"Ölaf"_s}));
    EXPECT_EQ(asked(u"Mia"_s), (QList<int>{1, 4, 8, 7, 9}));
    EXPECT_EQ(record.patterns, QStringList{u"Haus"_s});
    EXPECT_EQ(std::tuple(record.skippedLines, record.skippedFiles), std::tuple(0, 0));
    EXPECT_EQ(ReadRecordNames(files), (QStringList{u"anton"_s, u"Mia"_s, u"Ölaf"_s}));
}

// Torn and foreign lines, a file too large, a pipe, a folder, a device and a loop of links
// under journal names are skipped and counted; none of them holds the reader up.
TEST_F(RecordReaderTest, SkipsAndCountsWhatIsNotAJournalWithoutWaiting)
{
    write(RunA, {Answer(u"Mia"_s, 4, 4, 1)});
    QFile file(path(RecordFiles::PathOf(entries().first())));
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("0042  Mia\n<html>\n" + JournalLine(Answer(u"Mia"_s, 5, 5, 2)) + "Z2\t2026-03-0");
    file.close();
    const auto name = [](const char *kind) { return u"20260301.pc3-20260301T080000Z-3-%1.1.antworten"_s.arg(QLatin1String(kind)); };
    ASSERT_EQ(::mkfifo(native(name("pipe")).constData(), 0600), 0);
    ASSERT_TRUE(QDir(path(RecordFiles::Folder)).mkdir(name("folder")));
    ASSERT_EQ(::symlink(qPrintable(name("loop")), native(name("loop")).constData()), 0);
    const int devices = ::mknod(native(name("device")).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    put(RecordFiles::PathOf(name("large")), QByteArray());
    ASSERT_TRUE(QFile(path(RecordFiles::PathOf(name("large")))).resize(RecordFiles::MaxJournalBytes + 1));
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

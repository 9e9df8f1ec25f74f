// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalWriter.h"
#include "RecordFolder.h"
#include "RecordKeeping.h"

#include <QProcess>
#include <csignal>
#include <memory>
#include <sys/stat.h>

namespace {

using namespace Qt::StringLiterals;

// Program runs sharing the working folder, as the machines of a class share a server.
class SharedRecordFolder : public RecordFolderTest
{
protected:
    std::unique_ptr<QProcess> start(const QStringList &arguments, const QString &program = QStringLiteral(RECORDING_PROGRAM))
    {
        auto process = std::make_unique<QProcess>();
        process->start(program, arguments);
        EXPECT_TRUE(process->waitForStarted());
        return process;
    }
    std::unique_ptr<QProcess> play(const QString &run, const QString &name, int count, int pauseMs)
    {
        return start({folder.path(), run, name, QString::number(count), QString::number(pauseMs)});
    }
    // Waits until the program has handed over at least `count` answers; the last number it told.
    static int handedOver(QProcess &program, int count)
    {
        int last = 0;
        while (last < count && program.waitForReadyRead(20000))
            while (program.canReadLine())
                last = std::max(last, program.readLine().trimmed().toInt());
        return last;
    }
    static QList<QByteArray> finished(QProcess &program)
    {
        EXPECT_TRUE(program.waitForFinished(60000));
        return program.readAllStandardOutput().trimmed().split('\n');
    }
};

// A teacher renames a child while another computer is recording it: every answer of that
// run, before and after, is counted under the new name, together with a child who already
// had it; a run begun later with the old name is another child. No journal is rewritten.
TEST_F(SharedRecordFolder, ARenamingDuringPlayTakesTheRunAlong)
{
    JournalWriter(files, RunA).append(Answer(u"Mina"_s, 5, 5, 1));
    auto playing = play(u"pca-20260302T075000Z-1-0000000a"_s, u"Mia"_s, 300, 2);
    handedOver(*playing, 100);
    QHash<QString, QByteArray> journals;
    for (const QString &entry : entries())
        journals.insert(entry, contents(RecordFiles::PathOf(entry)));
    ASSERT_EQ(RecordKeeping(files, clock).rename(u"Mia"_s, u"Mina"_s), QString()); // at 08:00 UTC
    auto later = play(u"pcb-20260302T081000Z-2-0000000b"_s, u"Mia"_s, 10, 0);
    EXPECT_EQ(finished(*playing).last(), "fertig 0");
    EXPECT_EQ(finished(*later).last(), "fertig 0");
    EXPECT_EQ(answersOf(u"Mina"_s), 301);
    EXPECT_EQ(answersOf(u"Mia"_s), 10);
    for (auto journal = journals.cbegin(); journal != journals.cend(); ++journal)
        EXPECT_TRUE(contents(RecordFiles::PathOf(journal.key())).startsWith(journal.value())) << qPrintable(journal.key());
}

// A run killed in the middle of play loses at most the answer being written; its torn
// line is skipped, and the next run of the same child on the same machine goes on.
TEST_F(SharedRecordFolder, AKilledRunLosesAtMostTheAnswerBeingWritten)
{
    auto killed = play(u"pca-20260302T080000Z-1-0000000a"_s, u"Mia"_s, 1000000, 1);
    const int told = handedOver(*killed, 200);
    ::kill(pid_t(killed->processId()), SIGKILL);
    killed->waitForFinished();
    const int kept = answersOf(u"Mia"_s);
    EXPECT_GE(kept, told - 1);
    EXPECT_LE(ReadRecord(files).skippedLines, 1);
    auto next = play(u"pca-20260302T081500Z-4-0000000c"_s, u"Mia"_s, 10, 0);
    EXPECT_EQ(finished(*next).last(), "fertig 0");
    EXPECT_EQ(answersOf(u"Mia"_s), kept + 10);
}

// A teacher deletes a child while another computer is still recording it: what the
// deletion took never comes back, and the answers that came after stay, without a gap.
TEST_F(SharedRecordFolder, ADeletionDuringPlayTakesOnlyWhatItFound)
{
    constexpr int Count = 400;
    auto playing = play(u"pca-20260302T080000Z-1-0000000a"_s, u"Mia"_s, Count, 2);
    handedOver(*playing, Count / 4);
    const RecordKeeping::Outcome deleted = RecordKeeping(files, clock).remove(u"Mia"_s);
    EXPECT_EQ(deleted.failures, QStringList());
    EXPECT_EQ(finished(*playing).last(), "fertig 0");
    const QList<int> kept = asked(u"Mia"_s); // the program asks 1 + i % 100 as its i-th
    EXPECT_GE(deleted.answers, Count / 4);
    EXPECT_LE(kept.size(), Count - deleted.answers);
    ASSERT_GT(kept.size(), 0);
    for (qsizetype i = 0; i < kept.size(); ++i)
        EXPECT_EQ(kept[i], 1 + (Count - kept.size() + 1 + i) % 100);
}

// An account that may not read one of the child's journals deletes the others and names
// that one; the suite runs as root, so the deletion runs under another id.
TEST_F(SharedRecordFolder, AJournalThatCannotBeReadIsNamed)
{
    JournalWriter(files, RunA).append(Answer(u"Mia"_s, 1, 1, 1));
    JournalWriter(files, RunB).append(Answer(u"Mia"_s, 2, 2, 1, RunB));
    const QStringList journals = entries();
    ASSERT_EQ(journals.size(), 2);
    // Journals are their owner's alone in a private folder; the other one is opened up.
    ASSERT_EQ(::chmod(QFile::encodeName(path(RecordFiles::PathOf(journals[1]))).constData(), 0644), 0);
    for (const QString &shared : {folder.path(), path(RecordFiles::Folder)})
        ASSERT_EQ(::chmod(QFile::encodeName(shared).constData(), 0777), 0);
    QStringList arguments{folder.path(), u"--delete"_s, u"Mia"_s};
    if (::geteuid() == 0)
        arguments = QStringList{u"--reuid=4242"_s, u"--regid=4242"_s, u"--clear-groups"_s, QStringLiteral(RECORDING_PROGRAM)} + arguments;
    auto deleting = start(arguments, ::geteuid() == 0 ? u"setpriv"_s : QStringLiteral(RECORDING_PROGRAM));
    const QList<QByteArray> told = finished(*deleting);
    ASSERT_EQ(told.size(), 2) << told.join('\n').constData();
    EXPECT_TRUE(told[0].contains(RecordFiles::PathOf(journals[0]).toUtf8())) << told[0].constData();
    EXPECT_EQ(entries(), QStringList{journals[0]});
}

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HandledLines.h"
#include "RecordFolder.h"
#include "RecordKeeping.h"
#include "RecordReader.h"

#include <QProcess>
#include <csignal>
#include <memory>

namespace {

using namespace Qt::StringLiterals;

// Program runs sharing the working folder, as the machines of a class share a server.
class SharedRecordFolder : public RecordFolderTest
{
protected:
    std::unique_ptr<QProcess> play(const QString &run, const QString &name, int count, int pauseMs)
    {
        auto program = std::make_unique<QProcess>();
        program->start(QStringLiteral(RECORDING_PROGRAM),
                       {folder.path(), run, name, QString::number(count), QString::number(pauseMs)});
        EXPECT_TRUE(program->waitForStarted());
        return program;
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
    static QByteArray finished(QProcess &program)
    {
        EXPECT_TRUE(program.waitForFinished(60000));
        const QList<QByteArray> lines = program.readAllStandardOutput().trimmed().split('\n');
        return lines.last();
    }
    int answersOf(const QString &name)
    {
        const Record record = ReadRecord(files);
        const int child = record.indexOf(name);
        return child < 0 ? 0 : int(record.children[child].answers.size());
    }
};

// Two runs for the same child and one for another, all at once: every answer is there, and
// every line is whole.
TEST_F(SharedRecordFolder, RunsAppendingAtOnceLoseNothing)
{
    auto a = play(u"pca-20260302T080000-1"_s, u"Mia"_s, 300, 1);
    auto b = play(u"pcb-20260302T080000-2"_s, u"Mia"_s, 300, 1);
    auto c = play(u"pcc-20260302T080000-3"_s, u"Ben"_s, 300, 1);
    for (QProcess *program : {a.get(), b.get(), c.get()})
        EXPECT_EQ(finished(*program), "fertig 0");
    const Record record = ReadRecord(files);
    EXPECT_EQ(record.names(), (QStringList{u"Ben"_s, u"Mia"_s}));
    EXPECT_EQ(answersOf(u"Mia"_s), 600);
    EXPECT_EQ(answersOf(u"Ben"_s), 300);
    EXPECT_EQ(std::tuple(record.skippedLines, record.skippedFiles), std::tuple(0, 0));
}

// A run killed in the middle of play loses at most the answer being written; its torn
// line is skipped, and the next run of the same child on the same machine goes on.
TEST_F(SharedRecordFolder, AKilledRunLosesAtMostTheAnswerBeingWritten)
{
    auto killed = play(u"pca-20260302T080000-1"_s, u"Mia"_s, 1000000, 1);
    const int told = handedOver(*killed, 200);
    ::kill(pid_t(killed->processId()), SIGKILL);
    killed->waitForFinished();
    const int kept = answersOf(u"Mia"_s);
    EXPECT_GE(kept, told - 1);
    EXPECT_LE(ReadRecord(files).skippedLines, 1);
    auto next = play(u"pca-20260302T081500-4"_s, u"Mia"_s, 10, 0);
    EXPECT_EQ(finished(*next), "fertig 0");
    EXPECT_EQ(answersOf(u"Mia"_s), kept + 10);
}

// A teacher deletes a child while another computer is still recording it: what the
// deletion saw is gone, every answer that came after stays.
TEST_F(SharedRecordFolder, ADeletionDuringPlayTakesOnlyWhatItSaw)
{
    constexpr int Count = 400;
    const QString run = u"pca-20260302T080000-1"_s;
    auto playing = play(run, u"Mia"_s, Count, 2);
    handedOver(*playing, Count / 4);
    RecordKeeping keeping(files, clock, u"lehrer-20260302T081000-9"_s);
    EXPECT_EQ(keeping.remove(u"Mia"_s).failures, QStringList());
    EXPECT_EQ(finished(*playing), "fertig 0");

    HandledLines taken;
    int deleted = 0;
    for (const QString &entry : entries())
        if (RecordFiles::IsHandled(entry))
            taken.addFrom(contents(RecordFiles::PathOf(entry)));
    for (quint64 seq = 1; seq <= Count; ++seq)
        deleted += taken.contains(run, seq);
    EXPECT_GE(deleted, Count / 4 - 1);
    EXPECT_LT(deleted, Count);
    EXPECT_EQ(answersOf(u"Mia"_s), Count - deleted);
}

} // namespace

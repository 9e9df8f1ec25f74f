// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileBytes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

namespace {

constexpr int WaitMs = 20000;

// Whether the process has its handler for the signal in place, from its status in /proc.
bool Catches(qint64 pid, int signal)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("SigCgt:"))
            return (line.mid(7).trimmed().toULongLong(nullptr, 16) >> (signal - 1)) & 1;
    return false;
}

} // namespace

// A request to terminate or a hang-up ends the running program with its results saved as
// the exit's "Ja" saves them (sorted, one per line), without asking, even while a box is open.
TEST(TerminationSignals, EndTheProgramWithTheResultsSaved)
{
    for (const int signal : {SIGTERM, SIGHUP}) {
        QTemporaryDir folder;
        ASSERT_TRUE(Put(folder.filePath(QStringLiteral("ZEP100.INI")), "b\r\n0003  Ute\r\nA\r\n"));
        // Without a pattern file the signal finds the start-up message still open.
        if (signal == SIGTERM)
            ASSERT_TRUE(Put(folder.filePath(QStringLiteral("ZEP100.TXT")), "Punkt\r\n1\r\n"));
        QProcess program;
        program.setWorkingDirectory(folder.path());
        program.start(QStringLiteral(ZEP_PROGRAM), QStringList());
        ASSERT_TRUE(program.waitForStarted());
        QElapsedTimer clock;
        clock.start();
        while (!Catches(program.processId(), signal) && clock.elapsed() < WaitMs)
            QThread::msleep(10);
        ASSERT_TRUE(Catches(program.processId(), signal)) << "the program never caught " << signal;
        ::kill(pid_t(program.processId()), signal);
        ASSERT_TRUE(program.waitForFinished(WaitMs));
        EXPECT_EQ(std::pair(program.exitStatus(), program.exitCode()),
                  std::pair(QProcess::NormalExit, 0));
        EXPECT_EQ(Contents(folder.filePath(QStringLiteral("ZEP100.INI"))), "0003  Ute\r\nA\r\nb\r\n") << "signal " << signal;
    }
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <gtest/gtest.h>

// The jobs of the private print scheduler (its socket in CUPS_SERVER), whose default queue
// keeps every job it takes as a PDF in the folder "out" beside the socket.
class PrintQueueJobs
{
public:
    PrintQueueJobs() : m_out(QFileInfo(qEnvironmentVariable("CUPS_SERVER")).dir().filePath(QStringLiteral("out"))) {}

    static bool SchedulerRuns() { return QFileInfo::exists(qEnvironmentVariable("CUPS_SERVER")); }

    // The jobs stored after the first `before`, in the order taken, once `count` more are
    // there or the wait is over.
    QStringList after(qsizetype before = 0, qsizetype count = 0) const
    {
        QElapsedTimer waited;
        waited.start();
        const QStringList stored{QStringLiteral("*.pdf")}; // not the part still being written
        while (m_out.entryList(stored, QDir::Files).size() < before + count && waited.elapsed() < 20000)
            QThread::msleep(50);
        QStringList files = m_out.entryList(stored, QDir::Files);
        std::ranges::sort(files, {}, [](const QString &f) { return f.section(u'.', 0, 0).toInt(); });
        files = files.mid(before);
        for (QString &file : files)
            file = m_out.filePath(file);
        return files;
    }
    qsizetype count() const { return after().size(); }

private:
    QDir m_out;
};

// The text of a PDF as pdftotext lays it out.
inline QString PdfText(const QString &pdf)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.waitForFinished(60000) && text.exitCode() == 0) << qPrintable(pdf);
    return QString::fromUtf8(text.readAllStandardOutput());
}

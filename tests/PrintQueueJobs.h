// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
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

// What pdftotext makes of a PDF with the given option.
inline QByteArray PdfToText(const QString &pdf, const QString &option)
{
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {option, pdf, QStringLiteral("-")});
    EXPECT_TRUE(text.waitForFinished(60000) && text.exitCode() == 0) << qPrintable(pdf);
    return text.readAllStandardOutput();
}

// The text of a PDF as pdftotext lays it out.
inline QString PdfText(const QString &pdf) { return QString::fromUtf8(PdfToText(pdf, QStringLiteral("-layout"))); }

// One word of a PDF; positions in points from the page's top left.
struct PdfWord
{
    int page; // from 1
    double pageWidth, left, top, right;
    QString text;
};

// Every word of a PDF, page by page in the order pdftotext reads them.
inline QList<PdfWord> PdfWords(const QString &pdf)
{
    static const QRegularExpression tag(QStringLiteral(
        "<page width=\"([\\d.]+)\"|<word xMin=\"([-\\d.]+)\" yMin=\"([-\\d.]+)\" xMax=\"([-\\d.]+)\"[^>]*>([^<]*)<"));
    QList<PdfWord> words;
    int page = 0;
    double width = 0;
    for (const auto &m : tag.globalMatch(QString::fromUtf8(PdfToText(pdf, QStringLiteral("-bbox"))))) {
        if (m.captured(1).isEmpty())
            words.append({page, width, m.captured(2).toDouble(), m.captured(3).toDouble(), m.captured(4).toDouble(), m.captured(5)});
        else
            ++page, width = m.captured(1).toDouble();
    }
    return words;
}

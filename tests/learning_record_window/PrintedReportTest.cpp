// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The parents' page on paper, through the private print scheduler whose default queue
// keeps every job it takes as a PDF in the folder "out" beside its socket (CUPS_SERVER).
#include "RecordWindowFixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QThread>

namespace {

using namespace Qt::StringLiterals;

const QString Queue = u"Schuldrucker"_s;

QString PageText(const QString &pdf)
{
    QProcess text;
    text.start(u"pdftotext"_s, {u"-layout"_s, pdf, u"-"_s});
    EXPECT_TRUE(text.waitForFinished(60000) && text.exitCode() == 0);
    return QString::fromUtf8(text.readAllStandardOutput());
}

class PrintedReport : public RecordWindowTest
{
protected:
    PrintedReport() : RecordWindowTest(QtPrinter::Destination::DefaultPrinterOrPdf) {}

    void SetUp() override
    {
        const QFileInfo socket(qEnvironmentVariable("CUPS_SERVER"));
        ASSERT_TRUE(socket.exists()) << "no private print scheduler at CUPS_SERVER";
        m_out = QDir(socket.dir().filePath(u"out"_s));
        window.chooseChild(1);
    }
    QStringList jobs() const { return m_out.entryList({u"*.pdf"_s}, QDir::Files); }

    QDir m_out;
};

// The default queue takes the page without a word to the teacher; it is one page with the
// child's name, the diagnosis and the tip.
TEST_F(PrintedReport, ReachesTheDefaultQueue)
{
    const QStringList before = jobs();
    fake.dialogs.answers.enqueue(Answer::Yes);
    window.print();
    EXPECT_EQ(fake.dialogs.titles(), QStringList{u"D r u c k e n"_s});
    QElapsedTimer waited;
    waited.start();
    while (jobs().size() == before.size() && waited.elapsed() < 20000)
        QThread::msleep(50);
    QStringList added = jobs();
    for (const QString &old : before)
        added.removeAll(old);
    ASSERT_EQ(added.size(), 1);
    const QString page = PageText(m_out.filePath(added.first()));
    EXPECT_TRUE(page.contains(u"Lernstand von Mia"_s)) << qPrintable(page);
    EXPECT_TRUE(page.contains(u"Zahlendreher: 2 von 2 Fehlern"_s));
    EXPECT_EQ(page.count(u'\f'), 1);
    EXPECT_TRUE(QDir(fake.pdfFolder.path()).isEmpty());
}

// A queue that refuses jobs: the page is a PDF named after the child, and the teacher reads
// the printer, its reason and the file.
TEST_F(PrintedReport, WhatTheQueueRefusesBecomesAPdf)
{
    ASSERT_EQ(QProcess::execute(u"cupsreject"_s, {Queue}), 0);
    fake.dialogs.answers.enqueue(Answer::Yes);
    window.print();
    QProcess::execute(u"cupsaccept"_s, {Queue});
    const QString pdf = QDir(fake.pdfFolder.path()).filePath(u"Lernstand-Mia.pdf"_s);
    ASSERT_TRUE(QFileInfo::exists(pdf));
    EXPECT_TRUE(PageText(pdf).contains(u"Lernstand von Mia"_s));
    EXPECT_EQ(fake.dialogs.last().style, MessageStyle::Warning);
    EXPECT_TRUE(fake.dialogs.last().prompt.contains(u"Der Drucker „Schuldrucker“ hat das Blatt nicht angenommen"_s));
    EXPECT_TRUE(fake.dialogs.last().prompt.endsWith(pdf));
}

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The parents' page on paper, through the private print scheduler.
#include "PrintQueueJobs.h"
#include "RecordWindowFixture.h"

namespace {

using namespace Qt::StringLiterals;

const QString Queue = u"Schuldrucker"_s;

class PrintedReport : public RecordWindowTest
{
protected:
    PrintedReport() : RecordWindowTest(QtPrinter::Destination::DefaultPrinterOrPdf) {}

    void SetUp() override
    {
        ASSERT_TRUE(PrintQueueJobs::SchedulerRuns()) << "no private print scheduler at CUPS_SERVER";
        window.chooseChild(1);
    }

    // Runs a printing command with "Ja" to its question, which is all the teacher is told;
    // the texts of the jobs the queue took.
    QStringList printedBy(void (RecordWindow::*command)(), qsizetype expected)
    {
        const qsizetype before = jobs.count();
        fake.dialogs.answers.enqueue(Answer::Yes);
        (window.*command)();
        EXPECT_EQ(fake.dialogs.titles(), QStringList{u"D r u c k e n"_s});
        QStringList texts;
        for (const QString &pdf : jobs.after(before, expected))
            texts.append(PdfText(pdf));
        return texts;
    }

    PrintQueueJobs jobs;
};

// The default queue takes the page; it is one page with the child's name, the diagnosis and
// the tip. The worksheet from Mia's misses and its solution are two jobs.
TEST_F(PrintedReport, ReachesTheDefaultQueue)
{
    const QStringList report = printedBy(&RecordWindow::print, 1);
    ASSERT_EQ(report.size(), 1);
    EXPECT_TRUE(report[0].contains(u"Lernstand von Mia"_s)) << qPrintable(report[0]);
    EXPECT_TRUE(report[0].contains(u"Zahlendreher: 2 von 2 Fehlern"_s));
    EXPECT_EQ(report[0].count(u'\f'), 1);
    fake.dialogs.shown.clear();
    const QStringList sheets = printedBy(&RecordWindow::printSheets, 2);
    ASSERT_EQ(sheets.size(), 2);
    EXPECT_TRUE(sheets[0].contains(u"Zahlenfeld für Mia"_s));
    EXPECT_TRUE(sheets[1].contains(u"Lösung: Zahlenfeld für Mia"_s));
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
    EXPECT_TRUE(PdfText(pdf).contains(u"Lernstand von Mia"_s));
    EXPECT_EQ(fake.dialogs.last().style, MessageStyle::Warning);
    EXPECT_TRUE(fake.dialogs.last().prompt.contains(u"Der Drucker „Schuldrucker“ hat das Blatt nicht angenommen"_s));
    EXPECT_TRUE(fake.dialogs.last().prompt.endsWith(pdf));
}

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The parents' page on paper, through the private print scheduler.
#include "PrintQueueJobs.h"
#include "RecordWindowFixture.h"

#include <QRegularExpression>

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

// The default queue takes the page: one page with the child's name, the period, the figures,
// the diagnosis and a tip for each error named. The worksheet from Mia's misses, 47 with its
// twin 74, and its solution are two jobs with her name in their titles.
TEST_F(PrintedReport, ReachesTheDefaultQueue)
{
    const QStringList report = printedBy(&RecordWindow::print, 1);
    ASSERT_EQ(report.size(), 1);
    for (const QString &expected : {u"Lernstand von Mia"_s, u"Zeitraum: Schuljahr (seit 01.08.2025)"_s,
                                    u"im Übungskasten: 1 Zahl (1 fällig)"_s, u"Zahlendreher: 2 von 2 Fehlern, z. B. 74 statt 47"_s,
                                    u"47 sind 4 Zehner und 7 Einer"_s})
        EXPECT_TRUE(report[0].contains(expected)) << qPrintable(expected) << "\n" << qPrintable(report[0]);
    EXPECT_EQ(report[0].count(u'\f'), 1);
    fake.dialogs.shown.clear();
    const QStringList sheets = printedBy(&RecordWindow::printSheets, 2);
    ASSERT_EQ(sheets.size(), 2);
    for (const QString &expected : {u"Zahlenfeld für Mia"_s, u"___ siebenundvierzig"_s, u"___ vierundsiebzig"_s})
        EXPECT_TRUE(sheets[0].contains(expected)) << qPrintable(sheets[0]);
    EXPECT_TRUE(sheets[1].contains(u"Lösung: Zahlenfeld für Mia"_s)) << qPrintable(sheets[1]);
    EXPECT_TRUE(sheets[1].contains(QRegularExpression(u"74 +vierundsiebzig"_s))) << qPrintable(sheets[1]);
    EXPECT_TRUE(QDir(fake.pdfFolder.path()).isEmpty());
}

// A queue that refuses jobs: the worksheet and its solution become PDFs named after the
// child, and the teacher reads the printer and its reason once, and both files.
TEST_F(PrintedReport, WhatTheQueueRefusesBecomesAPdf)
{
    ASSERT_EQ(QProcess::execute(u"cupsreject"_s, {Queue}), 0);
    fake.dialogs.answers.enqueue(Answer::Yes);
    window.printSheets();
    QProcess::execute(u"cupsaccept"_s, {Queue});
    const QDir pdfs(fake.pdfFolder.path());
    EXPECT_EQ(pdfs.entryList(QDir::Files), (QStringList{u"Zahlenfeld-Mia-Loesung.pdf"_s, u"Zahlenfeld-Mia.pdf"_s}));
    EXPECT_EQ(fake.dialogs.last().style, MessageStyle::Warning);
    const QString told = fake.dialogs.last().prompt;
    EXPECT_EQ(told.count(u"Der Drucker „Schuldrucker“ hat die Blätter nicht angenommen"_s), 1) << qPrintable(told);
    EXPECT_TRUE(told.endsWith(pdfs.filePath(u"Zahlenfeld-Mia-Loesung.pdf"_s))) << qPrintable(told);
}

} // namespace

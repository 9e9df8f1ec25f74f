// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The worksheets on paper, through the real print system: a private scheduler (its socket
// in CUPS_SERVER) whose default queue keeps every job it takes as a PDF in the folder "out"
// beside the socket. Positions on paper are fixed figures in points (1/72 inch).
#include "EditorSession.h"
#include "ListBox.h"
#include "MarkedCells.h"
#include "PictureButton.h"
#include "PrintQueueJobs.h"

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

const QString Queue = u"Schuldrucker"_s;
constexpr double A4Width = 595.28, LetterWidth = 612;
// Rasterised at 600 dpi, a line 0.25 mm wide is 0.709 pt; a 1200-dpi hairline is 0.18 pt.
constexpr double PxPerPoint = 600 / 72.0, LinePoints = 0.709;
// The queue names no margins, so its printable area is the whole page; the PDF written
// instead of printing leaves 10 pt all round. The number field's grid starts 1000 and 500
// twips into the printable area, with cells of 600 twips.
constexpr double QueueOrigin = 0, PdfOrigin = 10, GridLeft = 50, GridTop = 25, GridCell = 30;

QByteArray Output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(60000) && process.exitCode() == 0) << program.toStdString();
    return process.readAllStandardOutput();
}

QImage Raster(const QString &pdf)
{
    QImageReader::setAllocationLimit(256); // megabytes; a page is 35
    return QImage::fromData(Output(u"pdftoppm"_s, {u"-r"_s, u"600"_s, u"-gray"_s, u"-singlefile"_s, pdf}), "PGM");
}

bool DarkAt(const QImage &page, double x, double y)
{
    return qGray(page.pixel(int(x * PxPerPoint), int(y * PxPerPoint))) < 128;
}

// The dark runs along a row (across) or a column at `at`, from `from` to `to`: the centre
// and the width of each, in points.
QList<std::pair<double, double>> DarkRuns(const QImage &page, bool across, double at, double from, double to)
{
    QList<std::pair<double, double>> runs;
    double start = -1;
    for (double p = from; p <= to; p += 1 / PxPerPoint) {
        const bool dark = across ? DarkAt(page, p, at) : DarkAt(page, at, p);
        if (dark && start < 0)
            start = p;
        if (!dark && start >= 0)
            runs.append({(start + p) / 2, p - start}), start = -1;
    }
    return runs;
}

// Lines 0.25 mm wide at first, first + step, …, and nothing else on the way.
void ExpectLines(const QList<std::pair<double, double>> &runs, double first, double step, int count)
{
    ASSERT_EQ(runs.size(), count) << "lines from " << first;
    for (int i = 0; i < count; ++i)
        EXPECT_TRUE(std::abs(runs[i].first - (first + step * i)) < 0.3 && std::abs(runs[i].second - LinePoints) < 0.15)
            << first + step * i << ": " << runs[i].first << ", " << runs[i].second;
}

// Row 2 and column 2 of the tests' patterns hold no marked cell, so their grid lines stand
// alone even on the solution sheet.
void ExpectGrid(const QImage &page, double origin)
{
    const double left = origin + GridLeft, top = origin + GridTop, middle = 1.5 * GridCell;
    ExpectLines(DarkRuns(page, true, top + middle, left - 5, left + 10 * GridCell + 5), left, GridCell, 11);
    ExpectLines(DarkRuns(page, false, left + middle, top - 5, top + 10 * GridCell + 5), top, GridCell, 11);
}

class PrintedSheetsTest : public EditorSession
{
protected:
    PrintedSheetsTest() : EditorSession(QtPrinter::Destination::DefaultPrinterOrPdf) {}

    void SetUp() override { ASSERT_TRUE(PrintQueueJobs::SchedulerRuns()) << "no private print scheduler at CUPS_SERVER"; }
    QStringList jobs(qsizetype before = 0, qsizetype count = 0) const { return m_jobs.after(before, count); }
    QString pdf(const QString &name) const { return QDir(fake.pdfFolder.path()).filePath(name); }

    PrintQueueJobs m_jobs;
};

// Every sheet reaches the default queue without a word to the teacher, on the queue's
// paper, drawn with lines 0.25 mm wide at their places; the solution fills exactly the
// marked boxes, and the list of all hundred numbers runs over three pages.
TEST_F(PrintedSheetsTest, AllFiveSheetsReachTheQueueOnItsPaper)
{
    const QList<int> marked{1, 10, 45, 56, 91, 100};
    openEditor({{u"Ecken"_s, MarkedCells({1, 10, 45, 56, 91, 100})}, {u"Voll"_s, QString(100, u'1')}});
    const qsizetype before = jobs().size();
    print(&Form2::Bild6, {Answer::Yes, Answer::Yes});
    editor->Liste1->setSelectedPosition(1);
    print(&Form2::Bild9);
    print(&Form2::Bild7);
    print(&Form2::Bild12);
    EXPECT_EQ(fake.dialogs.titles(), (QStringList{u"Drucken: Ecken"_s, u"Lösung drucken: Ecken"_s, u"Drucken: Voll"_s,
                                                  u"Drucken: Zahlenpaare"_s, u"Drucken: Zahlenstrahl"_s}));
    EXPECT_TRUE(QDir(fake.pdfFolder.path()).isEmpty());
    const QStringList printed = jobs(before, 5);
    ASSERT_EQ(printed.size(), 5);
    for (const QString &job : printed)
        EXPECT_NEAR(PdfWords(job).value(0).pageWidth, A4Width, 0.5);

    const QImage sheet = Raster(printed[0]), solution = Raster(printed[1]);
    ExpectGrid(sheet, QueueOrigin);
    ExpectGrid(solution, QueueOrigin);
    for (int n = 1; n <= 100; ++n) {
        const double x = GridLeft + GridCell * ((n - 1) % 10 + 0.5), y = GridTop + GridCell * ((n - 1) / 10 + 0.5);
        EXPECT_TRUE(!DarkAt(sheet, x, y) && DarkAt(solution, x, y) == marked.contains(n)) << n;
    }
    // The filled boxes of cells 1 and 10 cover their outlines exactly.
    const auto row1 = DarkRuns(solution, true, GridTop + 15, GridLeft - 5, GridLeft + 305);
    ASSERT_FALSE(row1.isEmpty());
    EXPECT_NEAR(row1.first().first, GridLeft + 15, 0.3);
    EXPECT_NEAR(row1.first().second, GridCell + LinePoints, 0.3);
    EXPECT_NEAR(row1.last().first, GridLeft + 285, 0.3);

    const QList<PdfWord> list = PdfWords(printed[2]);
    EXPECT_TRUE(!list.isEmpty() && list.last().page == 3);
    EXPECT_EQ(PdfWords(printed[3]).value(0).text, u"Zahlenpaare"_s);
    // Number lines: the ten ticks of the first line between 65 and 75 pt down (left of its
    // arrowhead at 550), and the ten shafts at 75, 150, …, 750 pt.
    const QImage lines = Raster(printed[4]);
    ExpectLines(DarkRuns(lines, true, 70, 60, 540), 75, 50, 10);
    ExpectLines(DarkRuns(lines, false, 300, 60, 760), 75, 75, 10);

    // A queue set to Letter gets Letter pages, with the grid at the same place.
    ASSERT_EQ(QProcess::execute(u"lpadmin"_s, {u"-p"_s, Queue, u"-o"_s, u"media-default=na_letter_8.5x11in"_s}), 0);
    print(&Form2::Bild6, {Answer::Yes, Answer::No});
    QProcess::execute(u"lpadmin"_s, {u"-p"_s, Queue, u"-o"_s, u"media-default=iso_a4_210x297mm"_s});
    const QStringList letter = jobs(before + 5, 1);
    ASSERT_EQ(letter.size(), 1);
    EXPECT_NEAR(PdfWords(letter[0]).value(0).pageWidth, LetterWidth, 0.5);
    ExpectGrid(Raster(letter[0]), QueueOrigin);
}

// A queue that refuses jobs, one that is stopped, and a job the scheduler turns away at
// submission: the sheet stands as a PDF on A4 in the working folder, nothing waits in the
// queue, and the teacher reads the printer, the reason in German and the file.
TEST_F(PrintedSheetsTest, WhatTheQueueDoesNotTakeBecomesAPdfAndTheTeacherIsTold)
{
    openEditor({{u"Haus"_s, MarkedCells({23, 34, 47})}});
    const QString user = QString::fromUtf8(Output(u"id"_s, {u"-un"_s})).trimmed();
    struct Case { QString block, undo; QStringList arguments, undoArguments; QString reason; };
    const QList<Case> cases{
        {u"cupsreject"_s, u"cupsaccept"_s, {Queue}, {Queue}, u"Der Drucker nimmt zurzeit keine Aufträge an."_s},
        {u"cupsdisable"_s, u"cupsenable"_s, {Queue}, {Queue}, u"Der Drucker ist angehalten."_s},
        {u"lpadmin"_s, u"lpadmin"_s, {u"-p"_s, Queue, u"-u"_s, u"deny:"_s + user},
         {u"-p"_s, Queue, u"-u"_s, u"allow:all"_s}, u"Das Drucksystem erlaubt diesen Druckauftrag nicht."_s},
    };
    const qsizetype before = jobs().size();
    for (int i = 0; i < cases.size(); ++i) {
        const Case &c = cases[i];
        const QString name = i ? u"Zahlenpaare-%1.pdf"_s.arg(i + 1) : u"Zahlenpaare.pdf"_s;
        ASSERT_EQ(QProcess::execute(c.block, c.arguments), 0);
        print(&Form2::Bild7);
        QProcess::execute(c.undo, c.undoArguments);
        EXPECT_EQ(std::tuple(fake.dialogs.last().title, fake.dialogs.last().style, fake.dialogs.last().prompt),
                  std::tuple(u"D r u c k e n"_s, MessageStyle::Warning,
                             u"Der Drucker „Schuldrucker“ hat das Blatt nicht angenommen:\r"_s + c.reason
                                 + u"\rDas Blatt steht in der Datei\r"_s + QDir::toNativeSeparators(pdf(name))));
        const PdfWord first = PdfWords(pdf(name)).value(0);
        EXPECT_EQ(std::pair(qRound(first.pageWidth), first.text), std::pair(qRound(A4Width), u"Zahlenpaare"_s));
    }
    EXPECT_EQ(Output(u"lpstat"_s, {u"-o"_s, Queue}), QByteArray());
    EXPECT_EQ(jobs(before), QStringList());

    // The PDF keeps the sheet's places, 10 pt further in.
    ASSERT_EQ(QProcess::execute(u"cupsreject"_s, {Queue}), 0);
    print(&Form2::Bild6, {Answer::Yes, Answer::No});
    QProcess::execute(u"cupsaccept"_s, {Queue});
    ExpectGrid(Raster(pdf(u"Zahlenfeld.pdf"_s)), PdfOrigin);
}

} // namespace

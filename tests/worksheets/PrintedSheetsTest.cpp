// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The worksheets on paper, through the real print system: a private scheduler (its socket
// in CUPS_SERVER) whose default queue "Schuldrucker" keeps every job it takes as a PDF in
// the folder "out" beside the socket. Positions are fixed figures in points (1/72 inch).
#include "EditorSession.h"
#include "MarkedCells.h"
#include "ListBox.h"
#include "PictureButton.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

const QString Queue = u"Schuldrucker"_s;
constexpr double A4Width = 595.28, A4Height = 841.89, LetterWidth = 612, LetterHeight = 792;
// Rasterised at 600 dpi; a line 0.25 mm wide is 0.709 pt, a hairline of 1200 dpi 0.18 pt.
constexpr int Dpi = 600;
constexpr double PxPerPoint = Dpi / 72.0;
constexpr double LinePoints = 0.709;
// The queue knows no margins: the printable area is the whole page. The PDF written
// without a printer leaves 10 pt all round.
constexpr double QueueOrigin = 0, PdfOrigin = 10;
// The number field's grid: 1000 and 500 twips in from the printable area, cells of 600.
constexpr double GridLeft = 50, GridTop = 25, GridCell = 30;

struct PdfText
{
    double width = 0, height = 0;           // of the first page, in points
    QList<QList<QString>> pages;            // the words of each page, in reading order
};

PdfText ReadText(const QString &pdf)
{
    QProcess process;
    process.start(u"pdftotext"_s, {u"-bbox"_s, pdf, u"-"_s});
    EXPECT_TRUE(process.waitForFinished(30000)) << pdf.toStdString();
    static const QRegularExpression tag(
        u"<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"|<word [^>]*>([^<]*)<"_s);
    PdfText text;
    for (const auto &m : tag.globalMatch(QString::fromUtf8(process.readAllStandardOutput()))) {
        if (m.captured(1).isEmpty()) {
            text.pages.last().append(m.captured(3));
            continue;
        }
        if (text.pages.isEmpty())
            text.width = m.captured(1).toDouble(), text.height = m.captured(2).toDouble();
        text.pages.append(QList<QString>());
    }
    return text;
}

// The first page in shades of grey, the top left corner at (0, 0).
QImage Raster(const QString &pdf)
{
    QProcess process;
    process.start(u"pdftoppm"_s, {u"-r"_s, QString::number(Dpi), u"-gray"_s, u"-singlefile"_s, pdf});
    EXPECT_TRUE(process.waitForFinished(60000)) << pdf.toStdString();
    QImageReader::setAllocationLimit(256); // megabytes; a whole page is 35
    return QImage::fromData(process.readAllStandardOutput(), "PGM");
}

// The dark runs met along a row (across) or a column (down) at the given point in points,
// between from and to: each with its centre and width in points.
struct InkRun { double centre, width; };
QList<InkRun> DarkRuns(const QImage &image, bool across, double at, double from, double to)
{
    QList<InkRun> runs;
    int start = -1;
    const int fixed = int(at * PxPerPoint);
    for (int i = int(from * PxPerPoint); i <= int(to * PxPerPoint); ++i) {
        const bool dark = qGray(across ? image.pixel(i, fixed) : image.pixel(fixed, i)) < 128;
        if (dark && start < 0)
            start = i;
        if (!dark && start >= 0) {
            runs.append({(start + i) / 2.0 / PxPerPoint, (i - start) / PxPerPoint});
            start = -1;
        }
    }
    return runs;
}

bool DarkAt(const QImage &image, double x, double y)
{
    return qGray(image.pixel(int(x * PxPerPoint), int(y * PxPerPoint))) < 128;
}

// Lines of 0.25 mm at the given places, and nothing else between first and last.
void ExpectLines(const QList<InkRun> &runs, double first, double step, int count)
{
    ASSERT_EQ(runs.size(), count) << "lines from " << first;
    for (int i = 0; i < count; ++i) {
        EXPECT_NEAR(runs[i].centre, first + step * i, 0.3) << i;
        EXPECT_NEAR(runs[i].width, LinePoints, 0.15) << i;
    }
}

// The number field's grid of 10 × 10 cells with its top left corner at origin + (50, 25).
// Row 2 and column 2 hold no marked cell, so their lines stand alone even on the solution.
void ExpectGrid(const QImage &page, double origin)
{
    const double left = origin + GridLeft, top = origin + GridTop;
    ExpectLines(DarkRuns(page, true, top + 1.5 * GridCell, left - 5, left + 10 * GridCell + 5),
                left, GridCell, 11);
    ExpectLines(DarkRuns(page, false, left + 1.5 * GridCell, top - 5, top + 10 * GridCell + 5),
                top, GridCell, 11);
}

class PrintedSheetsTest : public EditorSession
{
protected:
    PrintedSheetsTest() : EditorSession(QtPrinter::Destination::DefaultPrinterOrPdf) {}

    void SetUp() override
    {
        const QString socket = qEnvironmentVariable("CUPS_SERVER");
        ASSERT_TRUE(QFileInfo(socket).exists()) << "no private print scheduler at CUPS_SERVER";
        m_out = QFileInfo(socket).dir().filePath(u"out"_s);
    }

    static void Admin(const QString &program, const QStringList &arguments)
    {
        ASSERT_EQ(QProcess::execute(program, arguments), 0) << program.toStdString();
    }

    QStringList jobs() const
    {
        QStringList files = QDir(m_out).entryList({u"*.pdf"_s}, QDir::Files);
        std::ranges::sort(files, {}, [](const QString &f) { return f.section(u'.', 0, 0).toInt(); });
        for (QString &file : files)
            file = QDir(m_out).filePath(file);
        return files;
    }
    // The jobs the queue stored after the first `before`, once there are `count` of them.
    QStringList newJobs(qsizetype before, qsizetype count) const
    {
        QElapsedTimer waited;
        waited.start();
        while (jobs().size() < before + count && waited.elapsed() < 20000)
            QThread::msleep(50);
        return jobs().mid(before);
    }
    QStringList pdfs() const
    {
        return QDir(fake.pdfFolder.path()).entryList(QDir::Files, QDir::Name);
    }
    QString pdf(const QString &name) const { return QDir(fake.pdfFolder.path()).filePath(name); }
    void print(PictureButton *Form2::*sheet, std::initializer_list<Answer> answers = {Answer::Yes})
    {
        fake.dialogs.answers.append(answers), (editor->*sheet)->click();
    }

    QString m_out;
};

// Every sheet reaches the default queue without a word to the teacher, on the queue's A4,
// drawn with lines 0.25 mm wide at their places on paper; the solution fills exactly the
// marked boxes, and a number list running over pages repeats its headings on each.
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
    EXPECT_EQ(fake.dialogs.titles(),
              (QStringList{u"Drucken: Ecken"_s, u"Lösung drucken: Ecken"_s, u"Drucken: Voll"_s,
                           u"Drucken: Zahlenpaare"_s, u"Drucken: Zahlenstrahl"_s}));
    EXPECT_TRUE(pdfs().isEmpty());
    const QStringList printed = newJobs(before, 5);
    ASSERT_EQ(printed.size(), 5);

    for (const QString &job : printed) {
        const PdfText text = ReadText(job);
        EXPECT_NEAR(text.width, A4Width, 0.5);
        EXPECT_NEAR(text.height, A4Height, 0.5);
    }
    const QImage sheet = Raster(printed[0]), solution = Raster(printed[1]);
    ExpectGrid(sheet, QueueOrigin);
    ExpectGrid(solution, QueueOrigin);
    for (int n = 1; n <= 100; ++n) {
        const double x = GridLeft + GridCell * ((n - 1) % 10 + 0.5);
        const double y = GridTop + GridCell * ((n - 1) / 10 + 0.5);
        EXPECT_FALSE(DarkAt(sheet, x, y)) << n;
        EXPECT_EQ(DarkAt(solution, x, y), marked.contains(n)) << n;
    }
    // Filled boxes reach the grid lines: across row 1 the dark runs of cells 1 and 10.
    const QList<InkRun> row1 = DarkRuns(solution, true, GridTop + 15, GridLeft - 5, GridLeft + 305);
    ASSERT_FALSE(row1.isEmpty());
    EXPECT_NEAR(row1.first().centre - row1.first().width / 2, GridLeft - LinePoints / 2, 0.3);
    EXPECT_NEAR(row1.first().width, GridCell + LinePoints, 0.3);
    EXPECT_NEAR(row1.last().centre + row1.last().width / 2, GridLeft + 300 + LinePoints / 2, 0.3);

    const PdfText list = ReadText(printed[2]);
    ASSERT_EQ(list.pages.size(), 3);
    for (const QList<QString> &words : list.pages)
        EXPECT_EQ(words.mid(0, 2), (QList<QString>{u"Zahlenliste:"_s, u"Lösungen:"_s}));
    EXPECT_EQ(ReadText(printed[3]).pages.value(0).value(0), u"Zahlenpaare"_s);

    // Number lines: ten ticks of the first line between y 65 and 75 (left of the arrowhead
    // at 550), the ten shafts at 75, 150, …, 750 pt, all 0.25 mm wide.
    const QImage lines = Raster(printed[4]);
    ExpectLines(DarkRuns(lines, true, 70, 60, 540), 75, 50, 10);
    ExpectLines(DarkRuns(lines, false, 300, 60, 760), 75, 75, 10);
}

// A queue that refuses jobs, one that is stopped, and a job the scheduler turns away at
// submission: the sheet stands as a PDF on A4 in the working folder, nothing waits in the
// queue, and the teacher reads the printer, the reason and the file.
TEST_F(PrintedSheetsTest, WhatTheQueueDoesNotTakeBecomesAPdfAndTheTeacherIsTold)
{
    openEditor({{u"Haus"_s, MarkedCells({23, 34, 47})}});
    QProcess whoAmI;
    whoAmI.start(u"id"_s, {u"-un"_s});
    ASSERT_TRUE(whoAmI.waitForFinished());
    const QString user = QString::fromUtf8(whoAmI.readAllStandardOutput()).trimmed();
    struct Case { QString program; QStringList block; QString undo; QStringList undoArgs; QString reason; };
    const QList<Case> cases{
        {u"cupsreject"_s, {Queue}, u"cupsaccept"_s, {Queue}, u"nimmt zurzeit keine Aufträge an"_s},
        {u"cupsdisable"_s, {Queue}, u"cupsenable"_s, {Queue}, u"Der Drucker ist angehalten."_s},
        {u"lpadmin"_s, {u"-p"_s, Queue, u"-u"_s, u"deny:"_s + user}, u"lpadmin"_s,
         {u"-p"_s, Queue, u"-u"_s, u"allow:all"_s}, u"erlaubt diesen Druckauftrag nicht"_s},
    };
    const qsizetype before = jobs().size();
    int sheets = 0;
    for (const Case &c : cases) {
        Admin(c.program, c.block);
        print(&Form2::Bild7);
        Admin(c.undo, c.undoArgs);
        const QString expected = sheets++ ? u"Zahlenpaare-%1.pdf"_s.arg(sheets) : u"Zahlenpaare.pdf"_s;
        ASSERT_TRUE(pdfs().contains(expected)) << c.program.toStdString();
        const FakeDialogs::Shown &told = fake.dialogs.last();
        EXPECT_EQ(std::tuple(told.title, told.style), std::tuple(u"D r u c k e n"_s, MessageStyle::Warning));
        EXPECT_TRUE(told.prompt.startsWith(u"Der Drucker „Schuldrucker“ hat das Blatt nicht angenommen:\r"_s))
            << told.prompt.toStdString();
        EXPECT_TRUE(told.prompt.contains(c.reason)) << told.prompt.toStdString();
        EXPECT_TRUE(told.prompt.endsWith(QDir::toNativeSeparators(pdf(expected)))) << told.prompt.toStdString();
        const PdfText text = ReadText(pdf(expected));
        EXPECT_NEAR(text.width, A4Width, 0.5);
        EXPECT_EQ(text.pages.value(0).value(0), u"Zahlenpaare"_s);
    }
    QProcess queued;
    queued.start(u"lpstat"_s, {u"-o"_s, Queue});
    ASSERT_TRUE(queued.waitForFinished());
    EXPECT_EQ(queued.readAllStandardOutput(), QByteArray());
    EXPECT_EQ(jobs().size(), before);

    // The PDF keeps the sheet's places: the number field's grid 10 pt further in.
    Admin(u"cupsreject"_s, {Queue});
    print(&Form2::Bild6, {Answer::Yes, Answer::No});
    Admin(u"cupsaccept"_s, {Queue});
    ExpectGrid(Raster(pdf(u"Zahlenfeld.pdf"_s)), PdfOrigin);
}

// The page follows the default queue's paper: Letter when the queue is set to it.
TEST_F(PrintedSheetsTest, LetterPaperOfTheQueueGivesLetterPages)
{
    openEditor({{u"Haus"_s, MarkedCells({23, 34, 47})}});
    Admin(u"lpadmin"_s, {u"-p"_s, Queue, u"-o"_s, u"media-default=na_letter_8.5x11in"_s});
    const qsizetype before = jobs().size();
    print(&Form2::Bild6, {Answer::Yes, Answer::No});
    Admin(u"lpadmin"_s, {u"-p"_s, Queue, u"-o"_s, u"media-default=iso_a4_210x297mm"_s});
    const QStringList printed = newJobs(before, 1);
    ASSERT_EQ(printed.size(), 1);
    const PdfText text = ReadText(printed[0]);
    EXPECT_NEAR(text.width, LetterWidth, 0.5);
    EXPECT_NEAR(text.height, LetterHeight, 0.5);
    ExpectGrid(Raster(printed[0]), QueueOrigin);
}

} // namespace

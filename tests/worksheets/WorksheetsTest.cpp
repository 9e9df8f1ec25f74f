// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cells.h"
#include "DrawingSurface.h"
#include "FakePlatform.h"
#include "Form1.h"
#include "Form2.h"
#include "Module1.h"
#include "Palette.h"
#include "PictureButton.h"
#include "Worksheets.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <tuple>

namespace {

using namespace Qt::StringLiterals;
const QString PrintTitle = u"D r u c k e n"_s;
const QColor Yellow = ToQColor(PaletteColor(PaletteIndex::Yellow));
const QColor LightRed = ToQColor(PaletteColor(PaletteIndex::LightRed));

// One word of a printed page as the PDF reader sees it; positions in points.
struct Word
{
    int page;
    double x, y;
    QString text;
};

QString Cells(std::initializer_list<int> marked)
{
    QString cells = EmptyCells();
    for (int n : marked)
        cells = SetCell(cells, n, u'1');
    return cells;
}

// Columns are placed by the average width of an "ARIAL" character; the widest text of the
// right-hand column must still end on the page, measured as the printer measures.
class PageMetrics : public TwipCanvas
{
public:
    PageMetrics() : m_printer(QPrinter::HighResolution)
    {
        m_printer.setOutputFormat(QPrinter::PdfFormat);
        m_printer.setPageSize(QPageSize(QPageSize::A4));
    }
    bool fits(double points, int column, const QString &text)
    {
        QFont font(u"ARIAL"_s);
        font.setPointSizeF(points);
        setFont(font);
        const double width = m_printer.pageLayout().paintRectPixels(m_printer.resolution()).width();
        return (column - 1) * averageCharWidth() + textWidth(text) <= width / deviceUnitsPerTwip();
    }

protected:
    void paint(const std::function<void(QPainter &)> &) override {}
    double deviceUnitsPerTwip() const override { return m_printer.resolution() / 1440.0; }
    QPaintDevice *metricsDevice() const override { return const_cast<QPrinter *>(&m_printer); }

private:
    QPrinter m_printer;
};

#define ASSERT_COLUMN_FITS(points, column, text) \
    ASSERT_TRUE(PageMetrics().fits(points, column, u"" text ""_s)) << "column " << column << " runs off the page"

class WorksheetTest : public testing::Test
{
protected:
    // Starts the program with a library of one pattern and opens the editor on it.
    void openEditor(const QString &cells)
    {
        fake.files.files[u"ZEP100.TXT"_s] = "Haus\r\n" + cells.toLatin1() + "\r\n";
        form = std::make_unique<Form1>(state, fake.platform);
        form->Form_Load();
        form->Form_Activate();
        form->Bild7_Click();
        editor = form->editorWindow();
        ASSERT_NE(editor, nullptr);
        fake.dialogs.shown.clear();
        fake.program.busyChanges.clear();
    }
    void print(PictureButton *Form2::*sheet, std::initializer_list<Answer> answers = {Answer::Yes})
    {
        fake.dialogs.answers.append(answers);
        (editor->*sheet)->click();
    }
    QStringList pdfs() const { return QDir(fake.pdfFolder.path()).entryList(QDir::Files, QDir::Name); }
    // pdfinfo or pdftotext on a written sheet.
    QString run(const QString &tool, QStringList arguments, const QString &pdf) const
    {
        QProcess process;
        arguments << QDir(fake.pdfFolder.path()).filePath(pdf);
        process.start(tool, tool == u"pdftotext" ? arguments << u"-"_s : arguments);
        EXPECT_TRUE(process.waitForFinished(30000)) << tool.toStdString();
        return QString::fromUtf8(process.readAllStandardOutput());
    }
    // Every word of the document, page by page, from top to bottom and left to right.
    QList<Word> words(const QString &name) const
    {
        static const QRegularExpression tag(
            u"<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\"[^>]*>([^<]*)</word>"_s);
        QList<Word> result;
        int page = 0;
        for (auto it = tag.globalMatch(run(u"pdftotext"_s, {u"-bbox"_s}, name)); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(0).startsWith(u"<page"))
                ++page;
            else
                result.append({page, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
        }
        std::sort(result.begin(), result.end(), [](const Word &a, const Word &b) {
            return std::tuple(a.page, std::lround(a.y), a.x) < std::tuple(b.page, std::lround(b.y), b.x);
        });
        return result;
    }
    // The number a word stands for in the current language, 0 when it is none.
    int numberOf(const QString &text) const
    {
        for (int n = 1; n <= CellCount; ++n)
            if (state.NumberWords[n] == text)
                return n;
        return 0;
    }
    QList<Word> numberWords(QList<Word> all) const
    {
        all.removeIf([this](const Word &w) { return numberOf(w.text) == 0; });
        return all;
    }
    static QList<Word> digitWords(QList<Word> all)
    {
        static const QRegularExpression digits(u"^\\d+$"_s);
        all.removeIf([](const Word &w) { return !digits.match(w.text).hasMatch(); });
        return all;
    }
    // The numbers written as words, or with digits.
    std::multiset<int> numbers(const QList<Word> &all, bool digits = false) const
    {
        std::multiset<int> result;
        for (const Word &w : digits ? digitWords(all) : numberWords(all))
            result.insert(digits ? w.text.toInt() : numberOf(w.text));
        return result;
    }
    // The editor's normal view: 300-twip cells, yellow for marked, light red for the rest.
    void expectNormalView(const QString &cells)
    {
        for (int n : {1, 10, 45, 56, 91, 100}) {
            const QPointF centre(300 * CellColumn(n) + 150, 300 * CellRow(n) + 150);
            EXPECT_EQ(editor->Bild2->colorAt(centre), CellIsSet(cells, n) ? Yellow : LightRed) << n;
        }
    }
    // Text lines on the board below y: line slots of the board font's height with ink.
    int inkedLinesBelow(double y) const
    {
        const QImage image = editor->Bild2->image();
        const double pixelsPerTwip = double(image.height()) / Form2::EditorBoardTwips;
        const double slot = editor->Bild2->lineHeight() * pixelsPerTwip;
        const QColor background = image.pixelColor(image.width() - 1, image.height() - 1);
        int lines = 0;
        for (double top = y * pixelsPerTwip; top + slot <= image.height(); top += slot) {
            bool ink = false;
            for (int row = int(top) + 1; row < int(top + slot) - 1 && !ink; ++row)
                for (int column = 0; column < image.width() && !ink; ++column)
                    ink = image.pixelColor(column, row) != background;
            lines += ink;
        }
        return lines;
    }
    Module1 state;
    FakePlatform fake;
    std::unique_ptr<Form1> form;
    Form2 *editor = nullptr;
};

const std::initializer_list<int> FieldCells{23, 34, 47, 58, 65, 71, 86, 99};

TEST_F(WorksheetTest, FieldSheetListsEveryMarkedCellOnceAndTheSolutionRepeatsTheLines)
{
    openEditor(Cells(FieldCells));
    print(&Form2::Bild6, {Answer::Yes, Answer::Yes});
    EXPECT_EQ(pdfs(), (QStringList{"Zahlenfeld-Loesung.pdf", "Zahlenfeld.pdf"}));
    EXPECT_EQ(fake.program.busyChanges, (QList<bool>{true, false, true, false}));
    ASSERT_EQ(fake.dialogs.shown.size(), 4);
    EXPECT_EQ(fake.dialogs.shown[1].title, PrintTitle);
    EXPECT_TRUE(fake.dialogs.shown[1].prompt.contains(u"Zahlenfeld.pdf"));
    EXPECT_TRUE(fake.dialogs.shown[3].prompt.contains(u"Zahlenfeld-Loesung.pdf"));
    expectNormalView(Cells(FieldCells));
    ASSERT_COLUMN_FITS(16, 62, "siebenundvierzig");
    const QList<Word> sheet = numberWords(words(u"Zahlenfeld.pdf"_s));
    EXPECT_EQ(numbers(sheet), std::multiset<int>(FieldCells));
    ASSERT_EQ(sheet.size(), 8);
    // Three to a line (3 + 3 + 2), left to right in three columns, lines going down.
    for (int i = 0; i < sheet.size(); ++i) {
        EXPECT_NEAR(sheet[i].y, sheet[i / 3 * 3].y, 0.1) << i;
        EXPECT_NEAR(sheet[i].x, sheet[i % 3].x, 0.1) << i;
        EXPECT_TRUE(i == 0 || (i % 3 ? sheet[i].x > sheet[i - 1].x : sheet[i].y > sheet[i - 1].y)) << i;
    }
    const QList<Word> all = words(u"Zahlenfeld-Loesung.pdf"_s);
    const QList<Word> solution = numberWords(all), digits = digitWords(all);
    ASSERT_EQ(solution.size(), sheet.size());
    ASSERT_EQ(digits.size(), sheet.size());
    for (int i = 0; i < sheet.size(); ++i) { // each digit just left of its word
        EXPECT_EQ(solution[i].text, sheet[i].text) << i;
        EXPECT_NEAR(solution[i].y - solution[0].y, sheet[i].y - sheet[0].y, 0.1) << i;
        EXPECT_EQ(digits[i].text.toInt(), numberOf(solution[i].text));
        EXPECT_EQ(digits[i].y, solution[i].y);
        EXPECT_LT(digits[i].x, solution[i].x);
    }
}

// Field previews five entries below the half-size board, list thirteen below a heading
// and an empty line; with fewer marked cells, those there are.
TEST_F(WorksheetTest, PreviewsShowTheirSampleCountOrAllMarkedCells)
{
    struct Case { QString cells; PictureButton *Form2::*button; double below; int lines; };
    const QString fourteen = Cells({5, 15, 25, 35, 45, 55, 65, 75, 85, 95, 6, 16, 26, 36});
    for (const Case &c : {Case{Cells({7, 12, 33}), &Form2::Bild6, 1600, 3},
                          Case{Cells(FieldCells), &Form2::Bild6, 1600, 5},
                          Case{fourteen, &Form2::Bild9, 0, 1 + 13}, Case{Cells({2, 64}), &Form2::Bild9, 0, 1 + 2}}) {
        openEditor(c.cells);
        int lines = -1;
        fake.dialogs.whileOpen = [&] { lines = inkedLinesBelow(c.below); };
        (editor->*c.button)->click();
        EXPECT_EQ(lines, c.lines) << c.cells.toStdString();
        expectNormalView(c.cells);
    }
}

TEST_F(WorksheetTest, OnlyOnesInTheFirstHundredCellsCountAsMarked)
{
    openEditor(EmptyCells() + u"1111"_s);
    const QImage before = editor->Bild2->image();
    editor->Bild6->click();
    editor->Bild9->click();
    ASSERT_EQ(fake.dialogs.shown.size(), 2);
    for (const auto &box : fake.dialogs.shown)
        EXPECT_EQ(std::tuple(box.prompt, box.title, box.style),
                  std::tuple(u"Keine Daten vorhanden!"_s, PrintTitle, MessageStyle::Information));
    EXPECT_TRUE(pdfs().isEmpty());
    EXPECT_EQ(editor->Bild2->image(), before);
    print(&Form2::Bild7); // pairs and lines do not look at the pattern
    print(&Form2::Bild12);
    EXPECT_EQ(pdfs(), (QStringList{"Zahlenpaare.pdf", "Zahlenstrahl.pdf"}));
    state.PatternBits = SetCell(SetCell(Cells({7}), 20, u'2'), 30, u'x') + u"11"_s;
    fake.dialogs.answers.append(Answer::Yes);
    PrintZahlenliste(*editor);
    EXPECT_EQ(numbers(words(u"Zahlenliste.pdf"_s)), std::multiset<int>{7});
}

TEST_F(WorksheetTest, ListGivesEachWordItsAnswerOnTheSameLine)
{
    const QString cells = Cells({3, 18, 26, 39, 44, 52, 67, 73, 81, 95, 100});
    openEditor(cells);
    print(&Form2::Bild9);
    EXPECT_EQ(fake.program.busyChanges, (QList<bool>{true, false}));
    expectNormalView(cells);
    ASSERT_COLUMN_FITS(20, 50, "Lösungen:");
    const QList<Word> all = words(u"Zahlenliste.pdf"_s);
    const QList<Word> entries = numberWords(all), answers = digitWords(all);
    ASSERT_EQ(entries.size(), MarkedCellCount(cells));
    ASSERT_EQ(answers.size(), entries.size());
    QString listed = EmptyCells();
    for (int i = 0; i < entries.size(); ++i) {
        listed = SetCell(listed, numberOf(entries[i].text), u'1');
        EXPECT_EQ(answers[i].text.toInt(), numberOf(entries[i].text));
        EXPECT_NEAR(answers[i].y, entries[i].y, 0.1);
        EXPECT_GT(answers[i].x, entries[i].x);
        EXPECT_TRUE(i == 0 || entries[i].y > entries[i - 1].y) << i; // one entry per line
    }
    EXPECT_EQ(listed, cells);
}

TEST_F(WorksheetTest, LongListContinuesOnANewPageAndNeverOverwrites)
{
    openEditor(QString(CellCount, u'1'));
    print(&Form2::Bild9, {Answer::Yes, Answer::Yes});
    static const QRegularExpression pages(u"Pages:\\s+(\\d+)"_s);
    EXPECT_GE(pages.match(run(u"pdfinfo"_s, {}, u"Zahlenliste.pdf"_s)).captured(1).toInt(), 2);
    std::multiset<int> all;
    for (int n = 1; n <= CellCount; ++n)
        all.insert(n);
    ASSERT_COLUMN_FITS(20, 50, " 100 ");
    EXPECT_EQ(numbers(words(u"Zahlenliste.pdf"_s)), all);
    EXPECT_EQ(numbers(words(u"Zahlenliste.pdf"_s), true), all);
    editor->Bild9->click();
    EXPECT_EQ(pdfs(), (QStringList{"Zahlenliste-2.pdf", "Zahlenliste.pdf"}));
    EXPECT_EQ(fake.dialogs.last().title, PrintTitle);
    EXPECT_TRUE(fake.dialogs.last().prompt.contains(u"Zahlenliste-2.pdf"));
}

TEST_F(WorksheetTest, EnglishWordsWithGermanHeadings)
{
    openEditor(Cells({47, 13, 100}));
    state.Language = u"e"_s;
    state.BuildNumberWords();
    print(&Form2::Bild9);
    ASSERT_COLUMN_FITS(20, 50, "Lösungen:");
    QStringList texts;
    for (const Word &w : words(u"Zahlenliste.pdf"_s))
        texts.append(w.text);
    for (const QString &expected : {u"forty-seven"_s, u"thirteen"_s, u"hundred"_s, u"Zahlenliste:"_s,
                                    u"Lösungen:"_s, u"47"_s})
        EXPECT_EQ(texts.count(expected), 1) << expected.toStdString();
    EXPECT_FALSE(texts.contains(u"dreizehn"));
}

TEST_F(WorksheetTest, PairsHoldTheSameTenDistinctNumbersInBothColumns)
{
    openEditor(Cells({1}));
    print(&Form2::Bild7);
    EXPECT_EQ(fake.program.busyChanges, (QList<bool>{true, false}));
    expectNormalView(Cells({1}));
    ASSERT_COLUMN_FITS(20, 57, " 100 ");
    const QList<Word> all = words(u"Zahlenpaare.pdf"_s);
    const std::multiset<int> left = numbers(all), right = numbers(all, true);
    ASSERT_EQ(left.size(), 10u);
    EXPECT_EQ(std::set<int>(left.begin(), left.end()).size(), 10u); // distinct
    EXPECT_GE(*left.begin(), 11);
    EXPECT_LE(*left.rbegin(), 100);
    EXPECT_EQ(left, right);
}

TEST_F(WorksheetTest, NumberLinesCarryOneTwoDigitLabelEachOverATick)
{
    openEditor(Cells({1, 100}));
    const int seedsBefore = fake.random.clockSeeds;
    print(&Form2::Bild12);
    EXPECT_EQ(fake.random.clockSeeds, seedsBefore);
    EXPECT_EQ(fake.program.busyChanges, (QList<bool>{true, false}));
    expectNormalView(Cells({1, 100}));
    const QList<Word> labels = digitWords(words(u"Zahlenstrahl.pdf"_s));
    ASSERT_EQ(labels.size(), 10);
    std::set<QString> values;
    std::set<long> places;
    const double twip = 1 / 20.0; // points
    for (int i = 0; i < labels.size(); ++i) {
        EXPECT_TRUE(labels[i].text.toInt() >= 11 && labels[i].text.toInt() <= 90) << i;
        values.insert(labels[i].text);
        // Labels stand 1500 twips apart and on the 1000-twip grid of the ticks.
        EXPECT_NEAR(labels[i].y - labels[0].y, 1500 * twip * i, 1);
        const double ticks = (labels[i].x - labels[0].x) / (1000 * twip);
        EXPECT_NEAR(ticks, std::round(ticks), 0.05);
        places.insert(std::lround(ticks));
    }
    EXPECT_GT(values.size(), 1u);
    EXPECT_GT(places.size(), 1u);
}

TEST_F(WorksheetTest, DeclinedQuestionsPrintNothingAndRestoreTheBoard)
{
    const QString cells = Cells({1, 45, 91, 100});
    openEditor(cells);
    for (PictureButton *sheet : {editor->Bild6, editor->Bild9, editor->Bild7, editor->Bild12}) {
        sheet->click();
        expectNormalView(cells);
    }
    EXPECT_TRUE(pdfs().isEmpty());
    EXPECT_TRUE(fake.program.busyChanges.isEmpty());
    EXPECT_EQ(fake.dialogs.titles(),
              (QStringList{"Drucken: Haus", "Drucken: Haus", "Drucken: Zahlenpaare", "Drucken: Zahlenstrahl"}));
    for (const auto &box : fake.dialogs.shown)
        EXPECT_EQ(box.style, MessageStyle::Question);
    // No at the field's second question: only the worksheet, and the half-size preview stays
    // (its cell 100 covers the normal view's cell 56).
    print(&Form2::Bild6, {Answer::Yes, Answer::No});
    EXPECT_EQ(pdfs(), QStringList{"Zahlenfeld.pdf"});
    EXPECT_EQ(editor->Bild2->colorAt({1550, 1550}), Yellow);
    EXPECT_EQ(editor->Bild2->colorAt({175, 175}), Yellow);
    EXPECT_EQ(editor->Bild2->colorAt({325, 175}), LightRed);
    EXPECT_EQ(inkedLinesBelow(1600), 4);
}

} // namespace

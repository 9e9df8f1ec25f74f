// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cells.h"
#include "MarkedCells.h"
#include "BoardSurface.h"
#include "EditorSession.h"
#include "FakePlatform.h"
#include "Form1.h"
#include "Form2.h"
#include "Module1.h"
#include "PictureButton.h"
#include "PrintQueueJobs.h"
#include "Worksheets.h"

#include <QDir>
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <tuple>

namespace {

using namespace Qt::StringLiterals;
const QString PrintTitle = u"D r u c k e n"_s;
const QColor Yellow(255, 255, 0), LightRed(255, 0, 0);

// A word of a written sheet with what it stands for, with digits or in the current language;
// 0 when nothing.
struct Word : PdfWord
{
    int number;
    bool digits;
};

// A sheet written as PDF is A4 with 10 pt left free all round: every word ends 585.28 pt
// from the left edge at the latest.
constexpr double RightmostPoint = 595.28 - 10;
bool WithinPrintableWidth(const QList<Word> &all)
{
    return std::ranges::all_of(all, [](const Word &w) { return w.right <= RightmostPoint; });
}

class WorksheetTest : public EditorSession
{
protected:
    // The editor opened on a library of one pattern.
    void openEditor(const QString &cells) { EditorSession::openEditor({{u"Haus"_s, cells}}); }
    QStringList pdfs() const { return QDir(fake.pdfFolder.path()).entryList(QDir::Files, QDir::Name); }
    // Every word of a written sheet, page by page, from top to bottom and left to right.
    QList<Word> words(const QString &pdf) const
    {
        QList<Word> result;
        for (const PdfWord &w : PdfWords(QDir(fake.pdfFolder.path()).filePath(pdf))) {
            bool digits = false;
            const int number = w.text.toInt(&digits);
            const auto found = std::find(state.NumberWords.begin() + 1, state.NumberWords.end(), w.text);
            result.append({w, digits ? number : int(found - state.NumberWords.begin()) % 101, digits}); // end: 0
        }
        std::ranges::sort(result, {}, [](const Word &w) { return std::tuple(w.page, std::lround(w.top), w.left); });
        return result;
    }
    // The numbers among the words: those written out, or those with digits.
    static QList<Word> numberWords(QList<Word> all, bool digits = false)
    {
        all.removeIf([&](const Word &w) { return !w.number || w.digits != digits; });
        return all;
    }
    static std::multiset<int> numbers(const QList<Word> &all, bool digits = false)
    {
        std::multiset<int> result;
        for (const Word &w : numberWords(all, digits))
            result.insert(w.number);
        return result;
    }
    // Text lines on the board below y: line slots of the board font's height with ink.
    int inkedLinesBelow(double y) const
    {
        const QImage image = editor->Bild2->image();
        const double perTwip = double(image.height()) / Form2::EditorBoardTwips;
        const double slot = editor->Bild2->lineHeight() * perTwip;
        const QColor background = image.pixelColor(image.width() - 1, image.height() - 1);
        int lines = 0;
        for (double top = y * perTwip; top + slot <= image.height(); top += slot) {
            const QImage band = image.copy(0, int(top) + 1, image.width(), int(top + slot) - int(top) - 2);
            QImage blank(band.size(), band.format());
            blank.fill(background);
            lines += band != blank;
        }
        return lines;
    }
};

const std::initializer_list<int> FieldCells{23, 34, 47, 58, 65, 71, 86, 99};

// The field sheet lists every marked cell once, three to a line, and its solution repeats
// those lines with the digits; while sheets are made the program shows itself busy, and the
// board shows its normal view again afterwards.
TEST_F(WorksheetTest, FieldSheetListsEveryMarkedCellOnceAndTheSolutionRepeatsTheLines)
{
    openEditor(MarkedCells(FieldCells));
    print(&Form2::Bild6, {Answer::Yes, Answer::Yes});
    EXPECT_EQ(pdfs(), (QStringList{"Zahlenfeld-Loesung.pdf", "Zahlenfeld.pdf"}));
    EXPECT_EQ(fake.program.busyChanges, (QList<bool>{true, false, true, false}));
    ASSERT_EQ(fake.dialogs.shown.size(), 4);
    const auto &shown = fake.dialogs.shown;
    EXPECT_EQ(std::tuple(shown[1].title, shown[1].prompt.contains(u"Zahlenfeld.pdf"),
                         shown[3].prompt.contains(u"Zahlenfeld-Loesung.pdf")), std::tuple(PrintTitle, true, true));
    expectBoardShows(MarkedCells(FieldCells));
    const QList<Word> sheet = numberWords(words(u"Zahlenfeld.pdf"_s));
    EXPECT_EQ(numbers(sheet), std::multiset<int>(FieldCells));
    const QList<Word> all = words(u"Zahlenfeld-Loesung.pdf"_s);
    EXPECT_TRUE(WithinPrintableWidth(sheet) && WithinPrintableWidth(all));
    const QList<Word> solution = numberWords(all), digits = numberWords(all, true);
    ASSERT_EQ(sheet.size(), 8);
    ASSERT_EQ(std::pair(solution.size(), digits.size()), std::pair(sheet.size(), sheet.size()));
    for (int i = 0; i < sheet.size(); ++i) {
        // Three to a line (3 + 3 + 2), left to right in three columns, lines going down.
        EXPECT_NEAR(sheet[i].top, sheet[i / 3 * 3].top, 0.1) << i;
        EXPECT_NEAR(sheet[i].left, sheet[i % 3].left, 0.1) << i;
        EXPECT_TRUE(i == 0 || (i % 3 ? sheet[i].left > sheet[i - 1].left : sheet[i].top > sheet[i - 1].top)) << i;
        // The solution in the same lines, each digit just left of its word.
        EXPECT_EQ(solution[i].text, sheet[i].text) << i;
        EXPECT_NEAR(solution[i].top - solution[0].top, sheet[i].top - sheet[0].top, 0.1) << i;
        EXPECT_EQ(digits[i].number, solution[i].number);
        EXPECT_TRUE(digits[i].top == solution[i].top && digits[i].left < solution[i].left) << i;
    }
}

// One entry per line with its answer on the same line, going on over pages when long with the
// headings on each; English words keep the German headings, and a second list never
// overwrites the first.
TEST_F(WorksheetTest, ListGivesEachWordItsAnswerOnTheSameLine)
{
    struct Case { QString cells; QString language; int pages; };
    for (const auto &[cells, language, pages] :
         {Case{MarkedCells({3, 18, 26, 39, 44, 52, 67, 73, 81, 95, 100}), u"d"_s, 1},
          Case{QString(CellCount, u'1'), u"d"_s, 3}, Case{MarkedCells({47, 13, 100}), u"e"_s, 1}}) {
        openEditor(cells);
        state.Language = language;
        state.BuildNumberWords();
        print(&Form2::Bild9, {Answer::Yes, Answer::Yes});
        const QList<Word> all = words(u"Zahlenliste.pdf"_s);
        EXPECT_TRUE(WithinPrintableWidth(all));
        const QList<Word> entries = numberWords(all), answers = numberWords(all, true);
        EXPECT_EQ(all.last().page, pages);
        const qsizetype marked = MarkedCellCount(cells);
        ASSERT_EQ(std::pair(entries.size(), answers.size()), std::pair(marked, marked));
        QString listed = EmptyCells();
        for (int i = 0; i < entries.size(); ++i) {
            listed = SetCell(listed, entries[i].number, u'1');
            EXPECT_EQ(answers[i].number, entries[i].number);
            EXPECT_NEAR(answers[i].top, entries[i].top, 0.1);
            EXPECT_GT(answers[i].left, entries[i].left);
            EXPECT_TRUE(i == 0 || entries[i].page > entries[i - 1].page || entries[i].top > entries[i - 1].top) << i;
        }
        EXPECT_EQ(listed, cells);
        const auto pagesWith = [&](const QString &text) {
            std::set<int> on;
            for (const Word &w : all)
                w.text == text ? void(on.insert(w.page)) : void();
            return on.size();
        };
        // German headings on every page in any language.
        EXPECT_EQ(std::tuple(pagesWith(u"Zahlenliste:"_s), pagesWith(u"Lösungen:"_s), pagesWith(u"einhundert"_s)),
                  std::tuple(size_t(pages), size_t(pages), size_t(language == u"d")));
        editor->Bild9->click();
        EXPECT_EQ(pdfs(), (QStringList{"Zahlenliste-2.pdf", "Zahlenliste.pdf"}));
        EXPECT_TRUE(fake.dialogs.last().title == PrintTitle && fake.dialogs.last().prompt.contains(u"Zahlenliste-2.pdf"));
        for (const QString &pdf : pdfs())
            QDir(fake.pdfFolder.path()).remove(pdf);
    }
}

// Only ones in the first hundred cells count as marked; field and list need one, while
// pairs and number lines do not look at the pattern.
TEST_F(WorksheetTest, WithoutMarkedCellsOnlyPairsAndNumberLinesPrint)
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
    print(&Form2::Bild7);
    const int seedsBefore = fake.random.clockSeeds;
    print(&Form2::Bild12);
    EXPECT_EQ(fake.random.clockSeeds, seedsBefore);
    EXPECT_EQ(pdfs(), (QStringList{"Zahlenpaare.pdf", "Zahlenstrahl.pdf"}));
    // The same ten distinct numbers in words and in digits.
    const QList<Word> pairs = words(u"Zahlenpaare.pdf"_s);
    EXPECT_TRUE(WithinPrintableWidth(pairs));
    const std::multiset<int> left = numbers(pairs), right = numbers(pairs, true);
    ASSERT_EQ(left.size(), 10u);
    EXPECT_EQ(std::set<int>(left.begin(), left.end()).size(), 10u);
    EXPECT_TRUE(*left.begin() >= 11 && *left.rbegin() <= 100);
    EXPECT_EQ(left, right);
    // Ten two-digit labels, 75 pt apart, each starting 5 pt left of one of the ten ticks at
    // 75, 125, …, 525 pt (10 pt margin, ticks every 1000 twips from 1500).
    const QList<Word> labels = numberWords(words(u"Zahlenstrahl.pdf"_s), true);
    ASSERT_EQ(labels.size(), 10);
    std::set<long> values, places;
    for (int i = 0; i < labels.size(); ++i) {
        const double ticks = (labels[i].left - 30) / 50.0;
        EXPECT_TRUE(labels[i].number >= 11 && labels[i].number <= 90) << i;
        EXPECT_NEAR(labels[i].top - labels[0].top, 75.0 * i, 1);
        EXPECT_NEAR(ticks, std::round(ticks), 0.05);
        EXPECT_TRUE(ticks > 0.5 && ticks < 10.5) << ticks;
        values.insert(labels[i].number), places.insert(std::lround(ticks));
    }
    EXPECT_TRUE(values.size() > 1 && places.size() > 1); // not all the same
    state.PatternBits = SetCell(SetCell(MarkedCells({7}), 20, u'2'), 30, u'x') + u"11"_s;
    fake.dialogs.answers.append(Answer::Yes);
    PrintZahlenliste(*editor);
    EXPECT_EQ(numbers(words(u"Zahlenliste.pdf"_s)), std::multiset<int>{7});
}

// Field previews five entries below the half-size board, list thirteen below a heading
// and an empty line; with fewer marked cells, those there are. Declining prints nothing.
TEST_F(WorksheetTest, PreviewsShowTheirSampleCountAndDeclinedQuestionsRestoreTheBoard)
{
    struct Case { QString cells; PictureButton *Form2::*button; double below; int lines; QString title; };
    const QString fourteen = MarkedCells({5, 15, 25, 35, 45, 55, 65, 75, 85, 95, 6, 16, 26, 36});
    const QString four = MarkedCells({1, 45, 91, 100}), house = u"Drucken: Haus"_s;
    for (const Case &c : {Case{MarkedCells({7, 12, 33}), &Form2::Bild6, 1600, 3, house},
                          Case{MarkedCells(FieldCells), &Form2::Bild6, 1600, 5, house},
                          Case{fourteen, &Form2::Bild9, 0, 1 + 13, house}, Case{MarkedCells({2, 64}), &Form2::Bild9, 0, 1 + 2, house},
                          Case{four, &Form2::Bild7, 0, -1, u"Drucken: Zahlenpaare"_s},
                          Case{four, &Form2::Bild12, 0, -1, u"Drucken: Zahlenstrahl"_s}}) {
        openEditor(c.cells);
        int lines = -1;
        fake.dialogs.whileOpen = [&] { lines = c.lines < 0 ? -1 : inkedLinesBelow(c.below); };
        (editor->*c.button)->click();
        EXPECT_EQ(lines, c.lines) << c.cells.toStdString();
        expectBoardShows(c.cells);
        EXPECT_TRUE(pdfs().isEmpty() && fake.program.busyChanges.isEmpty());
        EXPECT_EQ(fake.dialogs.titles(), QStringList{c.title});
        EXPECT_EQ(fake.dialogs.shown.last().style, MessageStyle::Question);
        // The question stands beside the preview, not over it.
        EXPECT_EQ(fake.dialogs.shown.last().keepClear, QRect(editor->Bild2->mapToGlobal(QPoint(0, 0)), QSize(200, 200)));
        fake.dialogs.whileOpen = nullptr; // it refers to this pass's locals
    }
    // No at the field's second question: only the worksheet, and the half-size preview stays
    // (its cell 100 covers the normal view's cell 56).
    print(&Form2::Bild6, {Answer::Yes, Answer::No});
    EXPECT_EQ(pdfs(), QStringList{"Zahlenfeld.pdf"});
    EXPECT_EQ(std::tuple(editor->Bild2->colorAt({1550, 1550}), editor->Bild2->colorAt({175, 175}),
                         editor->Bild2->colorAt({325, 175})), std::tuple(Yellow, Yellow, LightRed));
    EXPECT_EQ(inkedLinesBelow(1600), 4);
}

} // namespace

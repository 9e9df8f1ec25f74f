// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Worksheets.h"

#include "CellStringDrawing.h"
#include "Cells.h"
#include "DrawingSurface.h"
#include "ListBox.h"
#include "Module1.h"
#include "Palette.h"
#include "Platform.h"
#include "Random.h"
#include "WorksheetHost.h"
#include "WorksheetRun.h"

#include <algorithm>
#include <array>

namespace {

using After = TwipCanvas::After;

// Message line breaks as the worksheet questions use them: line feed, carriage return.
const QString Break = QStringLiteral("\n\r");

QString Blank(const QString &underscores, const QString &word) { return underscores + word; }

// ---- Zahlenfeld --------------------------------------------------------------------------

constexpr int FieldPreviewEntries = 5;
constexpr int FieldPreviewCell = 150;
constexpr int FieldPreviewMargin = 100;
constexpr int FieldGridLeft = 1000;
constexpr int FieldGridTop = 500;
constexpr int FieldGridCell = 600;
constexpr std::array<int, 3> FieldWordColumns{7, 32, 57};
constexpr int FieldSolutionWordOffset = 5; // the word stands 5 columns right of its digits

QRectF FieldGridBox(int n)
{
    return QRectF(FieldGridLeft + FieldGridCell * CellColumn(n),
                  FieldGridTop + FieldGridCell * CellRow(n), FieldGridCell, FieldGridCell);
}

void PreviewField(DrawingSurface &board, const QString &cells)
{
    board.clear();
    DrawCellString(board, cells, QPointF(FieldPreviewMargin, FieldPreviewMargin), FieldPreviewCell,
                   ToQColor(PaletteColor(PaletteIndex::LightRed)),
                   ToQColor(PaletteColor(PaletteIndex::Yellow)));
}

// Writes the entries three to a line; each entry is placed by writeEntry at its column.
template <typename WriteEntry>
void ThreeToALine(SheetPage &page, const QList<int> &order, WriteEntry writeEntry)
{
    page.print(QString(), After::EndLine);
    int counter = 0;
    for (int n : order) {
        writeEntry(FieldWordColumns.at(counter), n);
        if (++counter == int(FieldWordColumns.size())) {
            page.endLine();
            counter = 0;
        }
    }
}

// ---- Zahlenpaare -------------------------------------------------------------------------

constexpr int PairCount = 10;
using PairNumbers = std::array<int, PairCount + 1>; // indices 1..10

PairNumbers DrawPairNumbers(Random &random)
{
    PairNumbers numbers{};
    for (int i = 1; i <= PairCount; ++i) {
        do
            numbers[i] = random.draw(90, 11);
        while (std::find(numbers.begin() + 1, numbers.begin() + i, numbers[i])
               != numbers.begin() + i);
    }
    return numbers;
}

// Writes the ten pairs, words and numbers each in their own random order.
template <typename Writer>
void WritePairs(Random &random, const PairNumbers &numbers, const NumberWordTable &words,
                Writer &&writeLine)
{
    QString places(2 * PairCount, u'1');
    for (int line = 1; line <= PairCount; ++line) {
        int a = 0;
        do
            a = random.draw(PairCount, 1);
        while (places.at(a - 1) == u'0');
        places[a - 1] = u'0';
        int b = 0;
        do
            b = random.draw(PairCount, PairCount + 1);
        while (places.at(b - 1) == u'0');
        places[b - 1] = u'0';
        writeLine(line, words[numbers[a]], numbers[b - PairCount]);
    }
}

// ---- Zahlenstrahl ------------------------------------------------------------------------

constexpr int LinePreviewFirst = 400;
constexpr int LinePreviewLast = 2800;
constexpr int LinePreviewStep = 400;
constexpr int LinePageFirst = 1000;
constexpr int LinePageLast = 14500;
constexpr int LinePageStep = 1500;

struct ArrowShape
{
    double shaftFrom, shaftTo; // x of the shaft's ends
    double back, tip;          // x of the arrowhead's back stroke and of its point
    double halfWidth;          // half the height of the arrowhead
};

void Arrow(TwipCanvas &canvas, const ArrowShape &arrow, double y)
{
    canvas.line({arrow.shaftFrom, y}, {arrow.shaftTo, y});
    canvas.line({arrow.back, y - arrow.halfWidth}, {arrow.tip, y});
    canvas.line({arrow.back, y + arrow.halfWidth}, {arrow.tip, y});
    canvas.line({arrow.back, y - arrow.halfWidth}, {arrow.back, y + arrow.halfWidth});
}

constexpr ArrowShape PreviewArrow{100, 2900, 2700, 2900, 100};
constexpr ArrowShape PageArrow{1000, 11000, 11000, 11300, 100};

} // namespace

QList<int> DrawZahlenfeldOrder(Random &random, const QString &cells)
{
    QString open = cells;
    QList<int> drawn;
    while (HasOpenCell(open)) {
        const int n = random.drawMarked(open);
        drawn.append(n);
        open = SetCell(open, n, u'0');
    }
    return drawn;
}

void FillZahlenfeld(SheetPage &page, const QList<int> &order, const NumberWordTable &words, const QString &title)
{
    if (!title.isEmpty())
        page.print(title, After::Stay);
    for (int n = 1; n <= CellCount; ++n)
        page.outlineBox(FieldGridBox(n));
    ThreeToALine(page, order, [&](int column, int n) {
        page.printAt(column, Blank(QStringLiteral("___ "), words[n]), After::Stay);
    });
}

void FillZahlenfeldSolution(SheetPage &page, const QString &cells, const QList<int> &order,
                            const NumberWordTable &words, const QString &title)
{
    if (!title.isEmpty())
        page.print(title, After::Stay);
    for (int n = 1; n <= CellCount; ++n) {
        if (CellIsSet(cells, n))
            page.filledBox(FieldGridBox(n));
        else
            page.outlineBox(FieldGridBox(n));
    }
    ThreeToALine(page, order, [&](int column, int n) {
        page.printAt(column, u' ' + QString::number(n), After::Stay);
        page.printAt(column + FieldSolutionWordOffset, words[n], After::Stay);
    });
}

void PrintZahlenfeld(WorksheetHost &host)
{
    WorksheetRun run(host);
    Module1 &state = host.state();
    if (host.names().count() > 0) {
        const int i = host.names().selectedPosition();
        state.PatternName = host.names().entry(i);
        state.PatternBits = host.cellStrings().entry(i);
    }
    if (run.refused(state.PatternBits, true))
        return;
    const QString cells = state.PatternBits.left(CellCount);

    DrawingSurface &board = host.board();
    PreviewField(board, cells);
    QString sample = cells;
    const int previewCount = std::min(FieldPreviewEntries, MarkedCellCount(cells));
    for (int shown = 0; shown < previewCount; ++shown) {
        const int n = host.platform().random.drawMarked(sample);
        board.printAt(2, Blank(QStringLiteral("___ "), state.NumberWords[n]), After::Stay);
        sample = SetCell(sample, n, u'0');
    }

    if (!run.ask(QStringLiteral("Drucken: ") + state.PatternName,
                 QStringLiteral("Das Zahlenfeld jetzt ausdrucken?") + Break
                     + QStringLiteral("(Lösung ist nur hier eingeblendet)") + Break)) {
        host.restoreBoard();
        return;
    }

    ListBox &order = host.printOrder();
    const bool printed = run.print(QStringLiteral("Zahlenfeld"), ZahlenfeldPoints, [&](SheetPage &page) {
        order.setEntries({});
        const QList<int> drawn = DrawZahlenfeldOrder(host.platform().random, cells);
        for (int n : drawn)
            order.addEntry(QString::number(n));
        FillZahlenfeld(page, drawn, state.NumberWords);
    });
    if (!printed) {
        host.restoreBoard();
        return;
    }

    if (!run.ask(QStringLiteral("Lösung drucken: ") + state.PatternName,
                 QStringLiteral("Das Lösungsblatt jetzt ausdrucken?") + Break + u' '))
        return;

    run.print(QStringLiteral("Zahlenfeld-Loesung"), ZahlenfeldPoints, [&](SheetPage &page) {
        QList<int> listed;
        for (const QString &entry : order.entries())
            listed.append(entry.toInt());
        FillZahlenfeldSolution(page, state.PatternBits, listed, state.NumberWords);
    });
    order.setEntries({});
    host.restoreBoard();
}

void PrintZahlenliste(WorksheetHost &host)
{
    constexpr int PreviewEntries = 13;
    WorksheetRun run(host);
    Module1 &state = host.state();
    if (run.refused(state.PatternBits, true))
        return;
    const QString cells = state.PatternBits.left(CellCount);

    DrawingSurface &board = host.board();
    board.clear();
    board.printAt(2, QStringLiteral("Zahlenliste:  "), After::Stay);
    board.printAt(25, QStringLiteral("Lösung:"), After::EndLine);
    board.print(QString());
    QString sample = cells;
    const int previewCount = std::min(PreviewEntries, MarkedCellCount(cells));
    for (int shown = 0; shown < previewCount; ++shown) {
        const int n = host.platform().random.drawMarked(sample);
        board.printAt(2, Blank(QStringLiteral("___ "), state.NumberWords[n]), After::Stay);
        board.printAt(25, TwipCanvas::asNumber(n), After::EndLine);
        sample = SetCell(sample, n, u'0');
    }

    if (!run.ask(QStringLiteral("Drucken: ") + state.PatternName,
                 QStringLiteral("Die Zahlenliste jetzt ausdrucken?") + Break + u' ')) {
        host.restoreBoard();
        return;
    }
    run.print(QStringLiteral("Zahlenliste"), 20, [&](SheetPage &page) {
        const auto headings = [&page] {
            page.printAt(10, QStringLiteral("Zahlenliste:  "), After::Stay);
            page.printAt(50, QStringLiteral("Lösungen:"), After::EndLine);
            page.print(QStringLiteral(" "), After::EndLine);
        };
        headings();
        page.setHeadings(headings);
        QString open = cells;
        while (HasOpenCell(open)) {
            const int n = host.platform().random.drawMarked(open);
            page.printAt(10, Blank(QStringLiteral("____ "), state.NumberWords[n]), After::Stay);
            page.printAt(50, TwipCanvas::asNumber(n), After::EndLine);
            open = SetCell(open, n, u'0');
        }
    });
    host.restoreBoard();
}

void PrintZahlenpaare(WorksheetHost &host)
{
    WorksheetRun run(host);
    if (run.refused())
        return;
    Module1 &state = host.state();
    Random &random = host.platform().random;
    const QString rule26(26, u'_');

    DrawingSurface &board = host.board();
    board.clear();
    board.printAt(2, QStringLiteral("Zahlenpaare:  "), After::EndLine);
    board.printAt(2, rule26, After::EndLine);
    board.print(QString());
    WritePairs(random, DrawPairNumbers(random), state.NumberWords,
               [&](int, const QString &word, int number) {
                   board.printAt(2, word, After::Stay);
                   board.printAt(27, TwipCanvas::asNumber(number), After::EndLine);
               });
    board.printAt(2, rule26, After::EndLine);

    if (!run.ask(QStringLiteral("Drucken: Zahlenpaare"),
                 QStringLiteral("Die Zahlenpaare jetzt ausdrucken?") + Break + u' ')) {
        host.restoreBoard();
        return;
    }
    run.print(QStringLiteral("Zahlenpaare"), 20, [&](SheetPage &page) {
        const QString rule40(40, u'_');
        page.printAt(10, QStringLiteral("Zahlenpaare"), After::EndLine);
        page.printAt(10, rule40, After::EndLine);
        page.print(QStringLiteral(" "), After::EndLine);
        WritePairs(random, DrawPairNumbers(random), state.NumberWords,
                   [&](int line, const QString &word, int number) {
                       page.printAt(10, word, After::Stay);
                       page.printAt(57, TwipCanvas::asNumber(number), After::EndLine);
                       if (line < PairCount)
                           page.print(QString(), After::EndLine);
                   });
        page.printAt(10, rule40, After::Stay);
    });
    host.restoreBoard();
}

void PrintZahlenstrahl(WorksheetHost &host)
{
    WorksheetRun run(host);
    if (run.refused())
        return;
    Random &random = host.platform().random;

    DrawingSurface &board = host.board();
    board.clear();
    for (int y = LinePreviewFirst; y <= LinePreviewLast; y += LinePreviewStep) {
        Arrow(board, PreviewArrow, y);
        for (int x = 400; x <= 2400; x += 500)
            board.line({double(x), y - 50.0}, {double(x), double(y)});
        board.setPrintCursor(QPointF(220, y - 250.0));
        board.print(TwipCanvas::asNumber(random.draw(100, 1)));
    }

    if (!run.ask(QStringLiteral("Drucken: Zahlenstrahl"),
                 QStringLiteral("Den Zahlenstrahl jetzt drucken?") + Break + u' ')) {
        host.restoreBoard();
        return;
    }
    run.print(QStringLiteral("Zahlenstrahl"), 14, [&](SheetPage &page) {
        TwipCanvas &canvas = page.canvas();
        for (int y = LinePageFirst; y <= LinePageLast; y += LinePageStep) {
            const int k = random.draw(10, 1);
            canvas.setPrintCursor({400.0 + 1000 * k, double(y)});
            canvas.print(QString::number(random.draw(80, 11)));
            for (int x = 1500; x <= 10500; x += 1000)
                canvas.line({double(x), y + 300.0}, {double(x), y + 500.0});
            Arrow(canvas, PageArrow, y + 500.0);
        }
    });
    host.restoreBoard();
}

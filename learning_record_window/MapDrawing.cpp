// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapDrawing.h"

#include "Cells.h"
#include "MapTexts.h"
#include "TwipCanvas.h"

namespace MapDrawing {

namespace {

const QColor Ink(Qt::black);
constexpr double NumberTopShare = 0.08; // of a cell, above its number
constexpr double OutlineShare = 0.012;  // line widths, as shares of a cell
constexpr double MarkLineShare = 0.05;
constexpr double TwipsPerPoint = 20;
constexpr double SignShare = 0.85; // of the mark's height

QRectF Quarter(const QRectF &cell, bool right)
{
    const QSizeF size = cell.size() / 2;
    return QRectF(QPointF(cell.left() + (right ? size.width() : 0), cell.top() + size.height()), size);
}

void DrawTick(TwipCanvas &canvas, const QRectF &area)
{
    const auto at = [&](double x, double y) {
        return QPointF(area.left() + x * area.width(), area.top() + y * area.height());
    };
    canvas.line(at(0.15, 0.5), at(0.4, 0.78));
    canvas.line(at(0.4, 0.78), at(0.85, 0.18));
}

void DrawHourglass(TwipCanvas &canvas, const QRectF &area)
{
    const QRectF glass = area.adjusted(area.width() * 0.25, area.height() * 0.15, -area.width() * 0.25,
                                       -area.height() * 0.15);
    canvas.line(glass.topLeft(), glass.topRight());
    canvas.line(glass.topLeft(), glass.bottomRight());
    canvas.line(glass.topRight(), glass.bottomLeft());
    canvas.line(glass.bottomLeft(), glass.bottomRight());
}

// A "?" or "!" in bold, centred in the area and as high as it.
void DrawSign(TwipCanvas &canvas, const QRectF &area, const QString &sign)
{
    const QFont kept = canvas.font();
    QFont bold = kept;
    bold.setBold(true);
    bold.setPointSizeF(area.height() / TwipsPerPoint * SignShare);
    canvas.setFont(bold);
    canvas.setPrintCursor(QPointF(area.center().x() - canvas.textWidth(sign) / 2,
                                  area.center().y() - canvas.lineHeight() / 2));
    canvas.print(sign, TwipCanvas::After::Stay);
    canvas.setFont(kept);
}

} // namespace

QColor MasteryColour(Mastery mastery)
{
    switch (mastery) {
    case Mastery::Secure: return QColor(150, 220, 150);
    case Mastery::Unsure: return QColor(255, 230, 130);
    case Mastery::NeedsPractice: return QColor(255, 165, 125);
    case Mastery::NotAsked: break;
    }
    return Qt::white;
}

void DrawCell(TwipCanvas &canvas, const QRectF &cell, Mastery mastery, bool slow, int number)
{
    canvas.setForeground(Ink);
    canvas.setLineWidthTwips(cell.width() * OutlineShare);
    canvas.setFillColor(MasteryColour(mastery));
    canvas.box(cell);
    if (number > 0) {
        canvas.setPrintCursor(QPointF(cell.left(), cell.top() + cell.height() * NumberTopShare));
        canvas.print(TwipCanvas::asNumber(number), TwipCanvas::After::Stay);
    }
    // Beside a number the marks take the lower quarters; alone (in the legend) the cell.
    const QRectF markArea = number > 0 ? Quarter(cell, true) : cell;
    const QRectF slowArea = number > 0 ? Quarter(cell, false) : cell;
    canvas.setLineWidthTwips(markArea.width() * MarkLineShare * 2);
    switch (mastery) {
    case Mastery::Secure: DrawTick(canvas, markArea); break;
    case Mastery::Unsure: DrawSign(canvas, markArea, QStringLiteral("?")); break;
    case Mastery::NeedsPractice: DrawSign(canvas, markArea, QStringLiteral("!")); break;
    case Mastery::NotAsked: break;
    }
    if (slow)
        DrawHourglass(canvas, slowArea);
}

void DrawMap(TwipCanvas &canvas, const LearningMap &map, QPointF origin, double cellTwips)
{
    for (int n = 1; n <= CellCount; ++n) {
        const NumberFigures &figures = map.numbers[size_t(n)];
        const QRectF cell(origin.x() + cellTwips * CellColumn(n), origin.y() + cellTwips * CellRow(n),
                          cellTwips, cellTwips);
        DrawCell(canvas, cell, figures.mastery, figures.slow, n);
    }
}

double DrawLegend(TwipCanvas &canvas, QPointF origin, double cellTwips, double gapTwips)
{
    struct Entry
    {
        Mastery mastery;
        bool slow;
        QString text;
    };
    const Entry entries[] = {
        {Mastery::Secure, false, MapTexts::MasteryName(Mastery::Secure)},
        {Mastery::Unsure, false, MapTexts::MasteryName(Mastery::Unsure)},
        {Mastery::NeedsPractice, false, MapTexts::MasteryName(Mastery::NeedsPractice)},
        {Mastery::NotAsked, false, MapTexts::MasteryName(Mastery::NotAsked)},
        {Mastery::NotAsked, true, QStringLiteral("langsam")},
    };
    double y = origin.y();
    for (const Entry &entry : entries) {
        DrawCell(canvas, QRectF(origin.x(), y, cellTwips, cellTwips), entry.mastery, entry.slow, 0);
        canvas.setForeground(Ink);
        canvas.setPrintCursor(QPointF(origin.x() + cellTwips * 1.25, y + (cellTwips - canvas.lineHeight()) / 2));
        canvas.print(entry.text, TwipCanvas::After::Stay);
        y += cellTwips + gapTwips;
    }
    return y - gapTwips;
}

} // namespace MapDrawing

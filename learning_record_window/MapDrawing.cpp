// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MapDrawing.h"

#include "Cells.h"
#include "MapTexts.h"
#include "TwipCanvas.h"

#include <algorithm>
#include <cmath>

namespace MapDrawing {

namespace {

const QColor Ink(Qt::black);
const QColor SecureGreen(150, 220, 150);
const QColor BoxFilling(255, 165, 125);
const QColor StarGold(255, 200, 0);
const QColor StarEdge(150, 100, 0);
constexpr double NumberTopShare = 0.08; // of a cell, above its number
constexpr double OutlineShare = 0.012;  // line widths, as shares of a cell
constexpr double MarkLineShare = 0.05;
constexpr double DotShare = 0.18;  // the dot's radius, of the mark's width

QRectF Quarter(const QRectF &cell, bool right)
{
    const QSizeF size = cell.size() / 2;
    return QRectF(QPointF(cell.left() + (right ? size.width() : 0), cell.top() + size.height()), size);
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

// A five-pointed star filling the area.
void DrawStar(TwipCanvas &canvas, const QRectF &area)
{
    QList<QPointF> corners;
    const double radius = std::min(area.width(), area.height()) / 2;
    const QPointF centre = area.center() + QPointF(0, radius * 0.1);
    for (int corner = 0; corner < 10; ++corner) {
        const double angle = M_PI * (corner / 5.0 - 0.5);
        const double reach = corner % 2 ? radius * 0.45 : radius;
        corners.append(centre + QPointF(std::cos(angle), std::sin(angle)) * reach);
    }
    canvas.setForeground(StarEdge);
    canvas.setFillColor(StarGold);
    canvas.polygon(corners);
}

void DrawDot(TwipCanvas &canvas, const QRectF &area)
{
    QList<QPointF> corners;
    const double radius = std::min(area.width(), area.height()) * DotShare;
    for (int corner = 0; corner < 16; ++corner)
        corners.append(area.center() + QPointF(std::cos(M_PI * corner / 8), std::sin(M_PI * corner / 8)) * radius);
    canvas.setFillColor(Ink);
    canvas.polygon(corners);
}

} // namespace

void DrawCell(TwipCanvas &canvas, const QRectF &cell, Stage stage, bool slow, int number)
{
    const int box = BoxOf(stage);
    canvas.setLineWidthTwips(cell.width() * OutlineShare);
    canvas.setFillStyle(TwipCanvas::FillStyle::Solid);
    canvas.setForeground(Ink);
    canvas.setFillColor(stage == Stage::Secure ? SecureGreen : Qt::white);
    canvas.box(cell);
    if (box > 0) {
        const double filled = cell.height() * box / 5;
        canvas.setForeground(BoxFilling);
        canvas.setFillColor(BoxFilling);
        canvas.box(QRectF(cell.left(), cell.bottom() - filled, cell.width(), filled));
        canvas.setForeground(Ink);
        canvas.setFillStyle(TwipCanvas::FillStyle::Transparent);
        canvas.box(cell);
        canvas.setFillStyle(TwipCanvas::FillStyle::Solid);
    }
    if (number > 0) {
        canvas.setPrintCursor(QPointF(cell.left(), cell.top() + cell.height() * NumberTopShare));
        canvas.print(TwipCanvas::asNumber(number), TwipCanvas::After::Stay);
    }
    // Beside a number the marks take the lower quarters; alone (in the legend) the cell.
    const QRectF markArea = number > 0 ? Quarter(cell, true) : cell;
    const QRectF slowArea = number > 0 ? Quarter(cell, false) : cell;
    canvas.setLineWidthTwips(markArea.width() * MarkLineShare);
    if (stage == Stage::Secure)
        DrawStar(canvas, markArea);
    else if (stage == Stage::Seen)
        DrawDot(canvas, markArea);
    canvas.setForeground(Ink);
    canvas.setLineWidthTwips(slowArea.width() * MarkLineShare * 2);
    if (slow)
        DrawHourglass(canvas, slowArea);
}

void DrawMap(TwipCanvas &canvas, const LearningMap &map, QPointF origin, double cellTwips)
{
    for (int n = 1; n <= CellCount; ++n) {
        const NumberFigures &figures = map.numbers[size_t(n)];
        const QRectF cell(origin.x() + cellTwips * CellColumn(n), origin.y() + cellTwips * CellRow(n),
                          cellTwips, cellTwips);
        DrawCell(canvas, cell, map.progress.numbers[size_t(n)].stage, figures.slow, n);
    }
}

void DrawClassMap(TwipCanvas &canvas, const ClassMap &map, QPointF origin, double cellTwips)
{
    const int most = std::max(1, *std::max_element(map.inBox.begin() + 1, map.inBox.end()));
    canvas.setFillStyle(TwipCanvas::FillStyle::Solid);
    canvas.setLineWidthTwips(cellTwips * OutlineShare);
    for (int n = 1; n <= CellCount; ++n) {
        const QRectF cell(origin.x() + cellTwips * CellColumn(n), origin.y() + cellTwips * CellRow(n), cellTwips,
                          cellTwips);
        const double share = double(map.inBox[size_t(n)]) / most;
        const QColor white(Qt::white);
        canvas.setForeground(Ink);
        canvas.setFillColor(QColor::fromRgbF(white.redF() + (BoxFilling.redF() - 1) * share,
                                             white.greenF() + (BoxFilling.greenF() - 1) * share,
                                             white.blueF() + (BoxFilling.blueF() - 1) * share));
        canvas.box(cell);
        canvas.setPrintCursor(QPointF(cell.left(), cell.top() + cell.height() * NumberTopShare));
        canvas.print(TwipCanvas::asNumber(n), TwipCanvas::After::Stay);
        if (map.inBox[size_t(n)] == 0)
            continue;
        const QString children = QString::number(map.inBox[size_t(n)]);
        const QFont kept = canvas.font();
        QFont bold = kept;
        bold.setBold(true);
        canvas.setFont(bold);
        canvas.setPrintCursor(QPointF(cell.right() - canvas.textWidth(children) - cellTwips * 0.1,
                                      cell.bottom() - canvas.lineHeight()));
        canvas.print(children, TwipCanvas::After::Stay);
        canvas.setFont(kept);
    }
}

double DrawLegend(TwipCanvas &canvas, QPointF origin, double cellTwips, double gapTwips)
{
    struct Entry
    {
        Stage stage;
        bool slow;
        QString text;
    };
    const Entry entries[] = {
        {Stage::Secure, false, MapTexts::StageName(Stage::Secure)},
        {Stage::Box2, false, QStringLiteral("im Übungskasten 1–4")},
        {Stage::Seen, false, MapTexts::StageName(Stage::Seen)},
        {Stage::New, false, MapTexts::StageName(Stage::New)},
        {Stage::New, true, QStringLiteral("langsam")},
    };
    double y = origin.y();
    for (const Entry &entry : entries) {
        DrawCell(canvas, QRectF(origin.x(), y, cellTwips, cellTwips), entry.stage, entry.slow, 0);
        canvas.setForeground(Ink);
        canvas.setPrintCursor(QPointF(origin.x() + cellTwips * 1.25, y + (cellTwips - canvas.lineHeight()) / 2));
        canvas.print(entry.text, TwipCanvas::After::Stay);
        y += cellTwips + gapTwips;
    }
    return y - gapTwips;
}

} // namespace MapDrawing

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

class TwipCanvas;

// Draws the 100 cells of a cell string as filled boxes, row by row from origin: "0" cells in
// one colour, "1" cells in the other; any other character keeps the colour of the cell
// before it.
void DrawCellString(TwipCanvas &canvas, const QString &cells, QPointF origin, double cellTwips,
                    const QColor &clearColour, const QColor &setColour);

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "CellStringDrawing.h"

#include "Cells.h"
#include "TwipCanvas.h"

void DrawCellString(TwipCanvas &canvas, const QString &cells, QPointF origin, double cellTwips,
                    const QColor &clearColour, const QColor &setColour)
{
    for (int n = 1; n <= CellCount; ++n) {
        if (CellIsClear(cells, n))
            canvas.setFillColor(clearColour);
        else if (CellIsSet(cells, n))
            canvas.setFillColor(setColour);
        canvas.box(QRectF(origin.x() + cellTwips * CellColumn(n), origin.y() + cellTwips * CellRow(n),
                          cellTwips, cellTwips));
    }
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardDrawing.h"

#include "BoardLayouts.h"
#include "CellStringDrawing.h"
#include "Cells.h"
#include "DrawingSurface.h"
#include "Palette.h"

namespace {
constexpr int NumberTopMargin = 50; // twips between a cell's top edge and its number

void DrawCellBox(DrawingSurface &surface, int n) { surface.box(CellBox(n)); }
} // namespace

void ClearBoard(DrawingSurface &board)
{
    board.clear();
    board.setFillColor(ToQColor(PaletteColor(PaletteIndex::LightRed)));
    for (int n = 1; n <= CellCount; ++n)
        DrawCellBox(board, n);
}

void DrawBoard(DrawingSurface &board, int layout)
{
    ClearBoard(board);
    for (int n : LayoutNumbers(layout)) {
        board.setPrintCursor(QPointF(CellTwips * CellColumn(n), CellTwips * CellRow(n) + NumberTopMargin));
        board.print(TwipCanvas::asNumber(n));
    }
}

void PaintCell(DrawingSurface &board, int n, int paletteIndex)
{
    board.setFillColor(ToQColor(PaletteColor(paletteIndex)));
    DrawCellBox(board, n);
}

void DrawPreview(DrawingSurface &preview, const QString &cells)
{
    preview.clear();
    preview.show();
    DrawCellString(preview, cells, QPointF(0, 0), CellTwips,
                   ToQColor(PaletteColor(PaletteIndex::LightGreen)),
                   ToQColor(PaletteColor(PaletteIndex::LightMagenta)));
}

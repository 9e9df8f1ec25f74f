// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class DrawingSurface;

// The main board and its preview, drawn in twips with the cell geometry of the hundred chart.

// Wipes the board and draws the 100 empty light red cells.
void ClearBoard(DrawingSurface &board);
// ClearBoard, then the numbers of the layout (codes 1..11, any other code as 1).
void DrawBoard(DrawingSurface &board, int layout);
// Cell n as a box filled with the palette colour; its number disappears under the fill.
void PaintCell(DrawingSurface &board, int n, int paletteIndex);
// Wipes the preview and draws the pattern: its cells light magenta, the others light green.
void DrawPreview(DrawingSurface &preview, const QString &cells);

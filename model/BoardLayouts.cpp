// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardLayouts.h"

#include "Cells.h"

namespace {

bool LayoutShows(int layout, int n)
{
    const int row = CellRow(n);
    const int column = CellColumn(n);
    const int last = BoardSide - 1;
    switch (layout) {
    case 2: return n <= 20;
    case 3: return row == 0 || row == last || column == 0 || column == last;
    case 4: return row == 0;
    case 5: return row == last;
    case 6: return column == 0;
    case 7: return column == last;
    case 8: return false;
    case 9: return row == column || row + column == last;
    case 10: return n % 2 == 0;
    case 11: return n % 2 == 1;
    default: return true;
    }
}

} // namespace

QList<int> LayoutNumbers(int layout)
{
    QList<int> numbers;
    for (int n = 1; n <= CellCount; ++n) {
        if (LayoutShows(layout, n))
            numbers.append(n);
    }
    return numbers;
}

const QList<CatalogueEntry> &BoardCatalogue()
{
    static const QList<CatalogueEntry> entries{
        {"Hunderterfeld", 1}, {"Zahlen bis 20", 2},  {"Zahlenrahmen", 3},
        {"Zahlenkreuz", 9},   {"Erste Reihe", 4},    {"Letzte Reihe", 5},
        {"Linke Spalte", 6},  {"Rechte Spalte", 7},  {"Gerade Zahlen", 10},
        {"Ungerade Zahl", 11}, {"Leeres Gitter", 8},
    };
    return entries;
}

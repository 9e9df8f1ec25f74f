// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Cells.h"

#include <initializer_list>

// A cell string with the given cells marked.
inline QString MarkedCells(std::initializer_list<int> marked)
{
    QString cells = EmptyCells();
    for (int n : marked)
        cells = SetCell(cells, n, u'1');
    return cells;
}

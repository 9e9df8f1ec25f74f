// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Random.h"

#include "Cells.h"

int Random::drawMarked(const QString &cells)
{
    int n = 0;
    do
        n = draw(CellCount, 1);
    while (!CellIsSet(cells, n));
    return n;
}

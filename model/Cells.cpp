// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cells.h"

#include <cmath>

int CellRow(int n) { return (n - 1) / BoardSide; }

int CellColumn(int n) { return (n - 1) % BoardSide; }

int CellNumber(int row, int column) { return BoardSide * row + column + 1; }

QRect CellBox(int n)
{
    return QRect(CellTwips * CellColumn(n), CellTwips * CellRow(n), CellTwips, CellTwips);
}

std::optional<int> CellAt(QPointF twips)
{
    const double x = std::round(twips.x());
    const double y = std::round(twips.y());
    if (x < 0 || y < 0 || x >= BoardTwips || y >= BoardTwips)
        return std::nullopt;
    return CellNumber(int(y) / CellTwips, int(x) / CellTwips);
}

static bool CellIs(const QString &cells, int n, QChar value)
{
    return n >= 1 && n <= cells.size() && cells.at(n - 1) == value;
}

bool CellIsSet(const QString &cells, int n) { return CellIs(cells, n, u'1'); }

bool CellIsClear(const QString &cells, int n) { return CellIs(cells, n, u'0'); }

QString SetCell(const QString &cells, int n, QChar value)
{
    QString result = cells;
    if (n >= 1 && n <= result.size())
        result[n - 1] = value;
    return result;
}

QString EmptyCells() { return QString(CellCount, u'0'); }

int MarkedCellCount(const QString &cells)
{
    return int(QStringView(cells).left(CellCount).count(u'1'));
}

bool HasOpenCell(const QString &cells) { return MarkedCellCount(cells) > 0; }

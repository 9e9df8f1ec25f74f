// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardAccessible.h"

#include "BoardCellAccessible.h"
#include "BoardCells.h"
#include "BoardSurface.h"
#include "Cells.h"

BoardAccessible::BoardAccessible(BoardSurface *board)
    : QAccessibleWidget(board, QAccessible::Table)
{
}

BoardAccessible::~BoardAccessible()
{
    for (QAccessible::Id id : m_cells)
        if (id)
            QAccessible::deleteAccessibleInterface(id);
}

BoardSurface *BoardAccessible::board() const { return static_cast<BoardSurface *>(widget()); }

int BoardAccessible::childCount() const { return CellCount; }

QAccessibleInterface *BoardAccessible::child(int index) const
{
    if (index < 0 || index >= CellCount)
        return nullptr;
    QAccessible::Id &id = m_cells.at(index);
    if (!id)
        id = QAccessible::registerAccessibleInterface(new BoardCellAccessible(board(), index + 1));
    return QAccessible::accessibleInterface(id);
}

int BoardAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface *>(child));
    const auto found = std::find(m_cells.begin(), m_cells.end(), id);
    return id && found != m_cells.end() ? int(found - m_cells.begin()) : -1;
}

QAccessibleInterface *BoardAccessible::childAt(int x, int y) const
{
    for (int n = 1; n <= CellCount; ++n) {
        const QRect cell(board()->mapToGlobal(board()->cellPixels(n).topLeft()),
                         board()->cellPixels(n).size());
        if (cell.contains(x, y))
            return child(n - 1);
    }
    return nullptr;
}

QAccessibleInterface *BoardAccessible::focusChild() const
{
    return board()->hasFocus() ? child(board()->cursorCell() - 1) : nullptr;
}

void *BoardAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface *BoardAccessible::cellAt(int row, int column) const
{
    if (row < 0 || row >= BoardSide || column < 0 || column >= BoardSide)
        return nullptr;
    return child(CellNumber(row, column) - 1);
}

int BoardAccessible::columnCount() const { return BoardSide; }

int BoardAccessible::rowCount() const { return BoardSide; }

QString BoardAccessible::columnDescription(int column) const
{
    return QStringLiteral("Spalte %1").arg(column + 1);
}

QString BoardAccessible::rowDescription(int row) const
{
    return QStringLiteral("Zeile %1").arg(row + 1);
}

int BoardAccessible::selectedCellCount() const { return int(selectedCells().size()); }

QList<QAccessibleInterface *> BoardAccessible::selectedCells() const
{
    QList<QAccessibleInterface *> asked;
    for (int n = 1; n <= CellCount; ++n)
        if (board()->cells()->cellMark(n) == BoardCells::Mark::Asked)
            asked.append(child(n - 1));
    return asked;
}

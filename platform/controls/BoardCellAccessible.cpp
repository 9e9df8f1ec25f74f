// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardCellAccessible.h"

#include "BoardCells.h"
#include "BoardSurface.h"
#include "Cells.h"

#include <QWidget>

namespace {

QString MarkWord(BoardCells::Mark mark)
{
    switch (mark) {
    case BoardCells::Mark::Found:
        return QStringLiteral("gefunden");
    case BoardCells::Mark::Asked:
        return QStringLiteral("gefragt");
    case BoardCells::Mark::Marked:
        return QStringLiteral("markiert");
    case BoardCells::Mark::None:
        break;
    }
    return QString();
}

} // namespace

BoardCellAccessible::BoardCellAccessible(BoardSurface *board, int n) : m_board(board), m_n(n) {}

bool BoardCellAccessible::isValid() const { return m_board && m_board->cells(); }

QWindow *BoardCellAccessible::window() const
{
    return m_board ? m_board->window()->windowHandle() : nullptr;
}

QAccessibleInterface *BoardCellAccessible::parent() const
{
    return m_board ? QAccessible::queryAccessibleInterface(m_board.data()) : nullptr;
}

QString BoardCellAccessible::text(QAccessible::Text t) const
{
    if (!isValid())
        return QString();
    switch (t) {
    case QAccessible::Name:
        return m_board->cells()->cellText(m_n);
    case QAccessible::Description: {
        const QString description = m_board->cells()->cellDescription(m_n);
        return description.isEmpty() ? MarkWord(m_board->cells()->cellMark(m_n)) : description;
    }
    default:
        return QString();
    }
}

QRect BoardCellAccessible::rect() const
{
    if (!m_board)
        return QRect();
    const QRect cell = m_board->cellPixels(m_n);
    return QRect(m_board->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::State BoardCellAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    const BoardCells::Mark mark = m_board->cells()->cellMark(m_n);
    state.focusable = m_board->focusPolicy() != Qt::NoFocus;
    state.focused = m_board->hasFocus() && m_board->cursorCell() == m_n;
    state.checkable = true;
    state.checked = mark == BoardCells::Mark::Found || mark == BoardCells::Mark::Marked;
    state.selectable = true;
    state.selected = mark == BoardCells::Mark::Asked;
    return state;
}

void *BoardCellAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface *>(this);
    return nullptr;
}

bool BoardCellAccessible::isSelected() const
{
    return isValid() && m_board->cells()->cellMark(m_n) == BoardCells::Mark::Asked;
}

int BoardCellAccessible::columnIndex() const { return CellColumn(m_n); }

int BoardCellAccessible::rowIndex() const { return CellRow(m_n); }

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardSurface.h"

#include "BoardAccessible.h"
#include "Cells.h"
#include "Twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

namespace {

const QColor FrameOuter(0, 0, 160);
const QColor FrameInner(Qt::white);
constexpr int FrameTwips = 60; // 4 pixels at factor 1

QAccessibleInterface *BoardFactory(const QString &, QObject *object)
{
    auto *board = qobject_cast<BoardSurface *>(object);
    return board && board->cells() ? new BoardAccessible(board) : nullptr;
}

} // namespace

BoardSurface::BoardSurface(QSize sizeTwips, int cellTwips, const QColor &background,
                           QWidget *parent)
    : DrawingSurface(sizeTwips, background, parent), m_cellTwips(cellTwips)
{
    static const bool factoryInstalled = (QAccessible::installFactory(BoardFactory), true);
    Q_UNUSED(factoryInstalled);
    setKeyboardPlay(true);
}

QPointF BoardSurface::cellCentre(int n) const
{
    return QPointF(m_cellTwips * (CellColumn(n) + 0.5), m_cellTwips * (CellRow(n) + 0.5));
}

QRect BoardSurface::cellPixels(int n) const
{
    const int left = ToPixels(m_cellTwips * CellColumn(n));
    const int top = ToPixels(m_cellTwips * CellRow(n));
    return QRect(QPoint(left, top), QPoint(ToPixels(m_cellTwips * (CellColumn(n) + 1)),
                                           ToPixels(m_cellTwips * (CellRow(n) + 1))));
}

void BoardSurface::setCursorCell(int n)
{
    m_cursor = std::clamp(n, 1, CellCount);
    update();
    emit cursorMoved(cellCentre(m_cursor));
    if (QAccessible::isActive() && m_cells) {
        QAccessibleEvent event(this, QAccessible::Focus);
        event.setChild(m_cursor - 1);
        QAccessible::updateAccessibility(&event);
    }
}

void BoardSurface::setKeyboardPlay(bool on)
{
    setFocusPolicy(on ? Qt::TabFocus : Qt::NoFocus);
    if (!on && hasFocus())
        focusNextChild();
}

void BoardSurface::moveCursor(int rows, int columns)
{
    const int row = std::clamp(CellRow(m_cursor) + rows, 0, BoardSide - 1);
    const int column = std::clamp(CellColumn(m_cursor) + columns, 0, BoardSide - 1);
    setCursorCell(CellNumber(row, column));
}

void BoardSurface::keyPressEvent(QKeyEvent *event)
{
    const bool repeat = m_keys.isRepeat(*event);
    switch (event->key()) {
    case Qt::Key_Left:
        moveCursor(0, -1);
        break;
    case Qt::Key_Right:
        moveCursor(0, +1);
        break;
    case Qt::Key_Up:
        moveCursor(-1, 0);
        break;
    case Qt::Key_Down:
        moveCursor(+1, 0);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!repeat)
            emit cellChosen(cellCentre(m_cursor));
        break;
    default:
        DrawingSurface::keyPressEvent(event);
    }
}

void BoardSurface::keyReleaseEvent(QKeyEvent *event)
{
    m_keys.isRepeat(*event);
    DrawingSurface::keyReleaseEvent(event);
}

void BoardSurface::paintEvent(QPaintEvent *event)
{
    DrawingSurface::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    const int width = ToPixels(FrameTwips);
    const QRect cell = cellPixels(m_cursor);
    painter.setPen(QPen(FrameOuter, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(cell).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
    painter.setPen(QPen(FrameInner, 1));
    painter.drawRect(cell.adjusted(width, width, -width - 1, -width - 1));
}

void BoardSurface::focusInEvent(QFocusEvent *event)
{
    DrawingSurface::focusInEvent(event);
    update();
}

void BoardSurface::focusOutEvent(QFocusEvent *event)
{
    m_keys.clear(); // the releases go elsewhere now
    DrawingSurface::focusOutEvent(event);
    update();
}

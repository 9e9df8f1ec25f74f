// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "DrawingSurface.h"
#include "KeyRepeats.h"

class BoardCells;

// A drawing surface that shows a board of 10 x 10 square cells from its top-left corner.
// With the keyboard focus a frame marks one cell: the arrows move it, stopping at the
// edges, and Enter or Space chooses it, once however long the key is held. Screen readers
// see the board as a table of its cells, described by the window (setCells).
class BoardSurface : public DrawingSurface
{
    Q_OBJECT

public:
    BoardSurface(QSize sizeTwips, int cellTwips, const QColor &background,
                 QWidget *parent = nullptr);

    int cellTwips() const { return m_cellTwips; }
    QPointF cellCentre(int n) const; // twips
    QRect cellPixels(int n) const;   // on the widget

    const BoardCells *cells() const { return m_cells; }
    void setCells(const BoardCells *cells) { m_cells = cells; }

    int cursorCell() const { return m_cursor; }
    void setCursorCell(int n); // 1..100
    // Whether Tab reaches the board and its keys play.
    void setKeyboardPlay(bool on);

signals:
    // Enter or Space on the framed cell; the centre of the cell in twips.
    void cellChosen(QPointF twips);
    void cursorMoved(QPointF twips);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void moveCursor(int rows, int columns);

    int m_cellTwips;
    const BoardCells *m_cells = nullptr;
    int m_cursor = 1;
    KeyRepeats m_keys;
};

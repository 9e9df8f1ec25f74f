// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>

class QWidget;

// Tells whether the child can see the board: not while an overlay lies over it (the help
// panel, the solution picture, the results), a box is open or the window is not active.
// The window owns it and ends it before its own widgets, whose last events it must not see.
class BoardCover : public QObject
{
    Q_OBJECT

public:
    BoardCover(QWidget &window, const QWidget &board, const QList<QWidget *> &overlays);

    bool covered() const { return m_covered; }

signals:
    void changed(bool covered);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void check();

    QWidget &m_window;
    const QWidget &m_board;
    QList<QWidget *> m_overlays;
    bool m_covered = false;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardCover.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

BoardCover::BoardCover(QWidget &window, const QWidget &board, const QList<QWidget *> &overlays)
    : m_window(window), m_board(board), m_overlays(overlays)
{
    m_window.installEventFilter(this);
    for (QWidget *overlay : m_overlays)
        overlay->installEventFilter(this);
    m_covered = !m_window.isActiveWindow();
}

bool BoardCover::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
        check();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void BoardCover::check()
{
    bool covered = !m_window.isActiveWindow() || QApplication::activeModalWidget();
    for (const QWidget *overlay : std::as_const(m_overlays))
        covered = covered || (overlay->isVisible() && overlay->geometry().intersects(m_board.geometry()));
    if (covered != std::exchange(m_covered, covered))
        emit changed(covered);
}

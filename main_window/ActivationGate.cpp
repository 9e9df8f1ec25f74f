// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActivationGate.h"

#include <utility>

bool ActivationGate::activated(Window window, bool byPress)
{
    switch (window) {
    case Window::OwnWindow:
        m_awayInOwnWindow = true;
        return false;
    case Window::Other:
        return false;
    case Window::Main:
        break;
    }
    const bool run = !m_firstShown || m_awayInOwnWindow;
    m_firstShown = true;
    m_awayInOwnWindow = false;
    if (run) {
        m_pressPending = byPress;
        m_firstMove.reset();
    }
    return run;
}

void ActivationGate::moved(quint64 timestamp)
{
    if (m_pressPending && !m_firstMove)
        m_firstMove = timestamp;
}

bool ActivationGate::isReturnPress(quint64 timestamp)
{
    const bool pointerCameOver = m_firstMove && (*m_firstMove == 0 || *m_firstMove != timestamp);
    return std::exchange(m_pressPending, false) && !pointerCameOver;
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActivationGate.h"

bool ActivationGate::activated(Window window)
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
    return run;
}

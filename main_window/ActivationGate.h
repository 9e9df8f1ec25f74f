// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Decides when an activation of the main window starts a new exercise: on the first
// activation, and when the user comes back from another window of the program.
// The program's own message and input boxes and other applications do not count.
class ActivationGate
{
public:
    enum class Window { Main, OwnWindow, Other };

    // Reports that a window became active; true when the main window's activation
    // handler has to run now.
    bool activated(Window window);

private:
    bool m_firstShown = false;
    bool m_awayInOwnWindow = false;
};

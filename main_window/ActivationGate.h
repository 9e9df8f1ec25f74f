// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>
#include <optional>

// Decides when an activation of the main window starts a new exercise: on the first
// activation, and when the user comes back from another window of the program.
// The program's own message and input boxes and other applications do not count.
// It also tells the press that brought the window back from a press meant for it, in
// whichever order a busy program reads the press and the activation.
class ActivationGate
{
public:
    enum class Window { Main, OwnWindow, Other };

    // Reports that a window became active; true when the main window's activation
    // handler has to run now. byPress: for the main window, whether a press into it
    // brought it back (the other window is still open), so that the next press is that one.
    bool activated(Window window, bool byPress = false);

    // Whether an activation of the main window would start a new exercise: a press read
    // while the main window is not yet active brings it back itself.
    bool returnDue() const { return m_awayInOwnWindow; }

    // Input on the main window, with the server's timestamps. A move or a key after the
    // return means that the next press is meant. Qt moves the pointer to a press itself,
    // at the press's time: that move is no sign.
    void moved(quint64 timestamp);
    void keyPressed() { m_pressPending = false; }
    // True for the press that brought the window back; every press ends the wait for it.
    bool isReturnPress(quint64 timestamp);

private:
    bool m_firstShown = false;
    bool m_awayInOwnWindow = false;
    bool m_pressPending = false;
    std::optional<quint64> m_firstMove;
};

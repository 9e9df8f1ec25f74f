// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// What a board of 10 x 10 cells shows, told by the window that owns the board: the
// surface itself knows only its pixels.
class BoardCells
{
public:
    enum class Mark { None, Found, Asked, Marked };

    virtual ~BoardCells() = default;
    // The number of cell n (1..100) where the board shows it, empty where it shows none.
    virtual QString cellText(int n) const = 0;
    virtual Mark cellMark(int n) const = 0;
    // What a screen reader says about the cell beyond its number; empty: its mark.
    virtual QString cellDescription(int) const { return {}; }
};

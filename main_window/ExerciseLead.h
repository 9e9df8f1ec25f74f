// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// An exercise on the main board whose cells and order come from elsewhere (practice): it is
// played and judged as a pattern's, but adds nothing to the results list.
class ExerciseLead
{
public:
    virtual ~ExerciseLead() = default;
    // Titles the success box and names the exercise in the learning record.
    virtual QString title() const = 0;
    // The exercise (re)starts: the cells to find, as a cell string.
    virtual QString start() = 0;
    // The number to ask next; there is an open cell.
    virtual int nextNumber() = 0;
    // Every cell was found, the success box closed and the board is back on the library.
    virtual void solved() = 0;
};

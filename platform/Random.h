// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The program's only source of chance.
class Random
{
public:
    virtual ~Random() = default;
    virtual void seedFromClock() = 0;
    virtual double next() = 0; // uniform in [0, 1)

    // The integer part of (next() * count) + first: first .. first + count - 1.
    int draw(int count, int first) { return int(next() * count) + first; }
    // A cell number 1..100 drawn until it is marked ("1") in cells, which must hold one
    // among its first 100 characters: uniform among the marked cells.
    int drawMarked(const QString &cells);
};

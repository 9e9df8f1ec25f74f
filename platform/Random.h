// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The program's only source of chance.
class Random
{
public:
    virtual ~Random() = default;
    virtual void seedFromClock() = 0;
    virtual double next() = 0; // uniform in [0, 1)

    // The integer part of (next() * count) + first: first .. first + count - 1.
    int draw(int count, int first) { return int(next() * count) + first; }
};

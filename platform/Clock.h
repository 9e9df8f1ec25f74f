// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>

// The time of day and a stopwatch, for what the program records of the child's play. Both
// may be read from any thread.
class Clock
{
public:
    virtual ~Clock() = default;
    // The local time with its offset from UTC.
    virtual QDateTime now() const = 0;
    // Milliseconds on a clock that only runs forward, whatever happens to the time of day.
    virtual qint64 elapsedMs() const = 0;
};

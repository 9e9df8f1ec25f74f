// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"

// Stands still until a test moves it; advance() moves the time of day and the stopwatch.
class FakeClock : public Clock
{
public:
    QDateTime now() const override { return time; }
    qint64 elapsedMs() const override { return stopwatchMs; }

    void advance(qint64 ms)
    {
        stopwatchMs += ms;
        time = time.addMSecs(ms);
    }

    QDateTime time = QDateTime(QDate(2026, 3, 2), QTime(9, 0), Qt::OffsetFromUTC, 3600);
    qint64 stopwatchMs = 1000;
};

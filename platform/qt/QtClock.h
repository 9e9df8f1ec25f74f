// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clock.h"

#include <QElapsedTimer>

class QtClock : public Clock
{
public:
    QtClock() { m_started.start(); }

    QDateTime now() const override;
    qint64 elapsedMs() const override { return m_started.elapsed(); }

private:
    QElapsedTimer m_started; // monotonic
};

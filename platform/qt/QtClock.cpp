// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtClock.h"

QDateTime QtClock::now() const
{
    // Whole seconds, with the offset in force now, so that the text form names it.
    const QDateTime local = QDateTime::currentDateTime();
    return QDateTime::fromSecsSinceEpoch(local.toSecsSinceEpoch(), Qt::OffsetFromUTC,
                                         local.offsetFromUtc());
}

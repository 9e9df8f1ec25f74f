// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyRepeats.h"

#include <QKeyEvent>

bool KeyRepeats::isRepeat(const QKeyEvent &event)
{
    Last &last = m_keys[event.key()];
    const quint64 time = event.timestamp();
    if (event.type() == QEvent::KeyRelease) {
        last = {false, time, false};
        return false;
    }
    if (event.type() != QEvent::KeyPress)
        return false;
    if (time != 0 && last.pressed && last.timestamp == time)
        return last.repeat; // the same press, on its way up to the parents
    // Held: pressed again without a release in between (a server may send repeats so), or
    // released and pressed at the same time.
    const bool timed = time != 0 && last.timestamp != 0;
    const bool repeat = event.isAutoRepeat() || (timed && (last.pressed || last.timestamp == time));
    last = {true, time, repeat};
    return repeat;
}

bool KeyRepeats::isRepeating(int key) const
{
    const Last last = m_keys.value(key);
    return last.pressed && last.repeat;
}

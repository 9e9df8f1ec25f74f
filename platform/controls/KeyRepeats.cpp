// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "KeyRepeats.h"

#include <QKeyEvent>

bool KeyRepeats::isRepeat(const QKeyEvent &event)
{
    return isRepeat(event.type(), event.key(), event.timestamp(), event.isAutoRepeat());
}

bool KeyRepeats::isRepeat(QEvent::Type type, int key, quint64 time, bool flaggedRepeat)
{
    Last &last = m_keys[key];
    if (type == QEvent::KeyRelease) {
        last = {false, time, false};
        return false;
    }
    if (type != QEvent::KeyPress)
        return false;
    if (time != 0 && last.pressed && last.timestamp == time)
        return last.repeat; // the same press, on its way up to the parents
    // Held: pressed again without a release in between (a server may send repeats so), or
    // released and pressed at the same time.
    const bool timed = time != 0 && last.timestamp != 0;
    const bool repeat = flaggedRepeat || (timed && (last.pressed || last.timestamp == time));
    last = {true, time, repeat};
    return repeat;
}

bool KeyRepeats::isRepeating(int key) const
{
    const Last last = m_keys.value(key);
    return last.pressed && last.repeat;
}

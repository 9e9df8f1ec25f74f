// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "HeldKeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <xcb/xcb.h>

HeldKeys &HeldKeys::instance()
{
    static HeldKeys *keys = [] {
        auto *made = new HeldKeys;
        QCoreApplication::instance()->installNativeEventFilter(made);
        return made;
    }();
    return *keys;
}

bool HeldKeys::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    const int type = event->response_type & ~0x80; // the top bit marks a sent event
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE)
        return false;
    const auto *key = static_cast<const xcb_key_press_event_t *>(message);
    const bool press = type == XCB_KEY_PRESS;
    const bool repeat =
        m_repeats.isRepeat(press ? QEvent::KeyPress : QEvent::KeyRelease, key->detail, key->time, false);
    if (!press)
        return false;
    quint64 &hold = m_holdOfCode[key->detail];
    if (!repeat || hold == 0)
        hold = ++m_lastHold;
    m_presses.append({key->detail, key->time, hold});
    if (m_presses.size() > Remembered)
        m_presses.removeFirst();
    return false;
}

quint64 HeldKeys::holdOf(const QKeyEvent &press) const
{
    for (auto it = m_presses.crbegin(); it != m_presses.crend(); ++it)
        if (it->code == press.nativeScanCode() && it->time == press.timestamp())
            return it->hold;
    return 0;
}

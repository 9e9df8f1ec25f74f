// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "KeyRepeats.h"

#include <QAbstractNativeEventFilter>
#include <QList>

class QKeyEvent;

// The keys as the X server sends them, read before any window takes them: a window under a
// modal box never gets its keys, so no window alone sees a whole hold. A hold is a fresh
// press with all its repeats, told apart by the server's timestamps; holds are numbered in
// the order they begin. Elsewhere than on X nothing is known.
class HeldKeys : public QAbstractNativeEventFilter
{
public:
    // The one instance, reading the program's X connection from its first use.
    static HeldKeys &instance();

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

    // The number of the last hold begun so far, 0 before the first.
    quint64 lastHold() const { return m_lastHold; }
    // The hold a press delivered to a window belongs to; 0 when it did not come from the
    // server (made by the program, or no X).
    quint64 holdOf(const QKeyEvent &press) const;

private:
    HeldKeys() = default;

    struct Press
    {
        quint32 code;
        quint32 time;
        quint64 hold;
    };
    static constexpr int Remembered = 64; // presses read but maybe not yet delivered

    KeyRepeats m_repeats;
    QList<Press> m_presses;
    QHash<quint32, quint64> m_holdOfCode;
    quint64 m_lastHold = 0;
};

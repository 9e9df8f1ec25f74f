// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QEvent>
#include <QHash>

class QKeyEvent;

// Tells the repeats of a held key from new presses, from the events themselves. The X
// server sends each repeat as a release and a press with the same timestamp (or as a press
// alone); Qt flags it only when it finds both in its queue at once, which a busy program
// may not. Events without a timestamp (0, made by the program or a test) count by Qt's
// flag alone. An event seen again on its way up to the parents gets the same answer.
class KeyRepeats
{
public:
    // Takes a key press or release; true for a press that repeats a held key.
    bool isRepeat(const QKeyEvent &event);
    // The same for a key event given by its facts (key: a Qt key or a key code of the
    // server, used alike for all events given).
    bool isRepeat(QEvent::Type type, int key, quint64 timestamp, bool flaggedRepeat);
    // Whether the key is held and repeating: its last press was a repeat, not yet followed
    // by a release.
    bool isRepeating(int key) const;
    // Forgets every key, for when the releases may go to another window.
    void clear() { m_keys.clear(); }

private:
    struct Last
    {
        bool pressed = false;
        quint64 timestamp = 0;
        bool repeat = false;
    };
    QHash<int, Last> m_keys;
};

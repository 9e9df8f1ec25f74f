// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>

// One answer of a child as the learning record keeps it.
struct RecordedAnswer
{
    enum class Mode { Felder, Zahlen };

    QDateTime time;   // local, with its offset from UTC, whole seconds
    QString run;      // the program run that recorded it (RunIdentity)
    quint64 seq = 0;  // its number within that run, from 1
    QString name;     // the user name as shown
    Mode mode = Mode::Felder;
    QString language; // of the number words, ISO 639-1
    QString pattern;
    int asked = 0;    // 1..100
    int given = 0;    // 1..100
    qint64 ms = 0;    // from the question (or its first sound) to the answer

    bool right() const { return asked == given; }
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordedAnswer.h"

#include <QList>
#include <QStringList>
#include <vector>

// One answer as the teacher's window works with it: small, so that a class's year fits.
struct StoredAnswer
{
    qint64 utcSeconds = 0;
    qint32 offsetSeconds = 0;
    quint32 ms = 0;
    quint16 pattern = 0;  // index into Record::patterns
    quint16 language = 0; // index into Record::languages
    quint8 asked = 0;
    quint8 given = 0;
    RecordedAnswer::Mode mode = RecordedAnswer::Mode::Felder;

    bool right() const { return asked == given; }
};

struct ChildAnswers
{
    QString name;
    std::vector<StoredAnswer> answers; // oldest first
};

// The learning record of the folder as read: every child with its answers, and what could
// not be read.
struct Record
{
    QList<ChildAnswers> children; // in the order of names as a German reader sorts them
    QStringList patterns;
    QStringList languages;
    int skippedLines = 0; // torn, foreign or damaged lines
    int skippedFiles = 0; // files too large, unreadable or not regular files

    int indexOf(const QString &name) const;
    QStringList names() const;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Record.h"

#include <QList>
#include <QString>
#include <vector>

class Clock;
class Files;
struct GivenAnswer;

// The answers of the child at the computer: read from the learning record when the child's
// chart opens or its first exercise ends, and kept up with the play since, so that the end
// of an exercise reads the record at most once per child.
class OwnAnswers
{
public:
    OwnAnswers(Files &files, const Clock &clock) : m_files(files), m_clock(clock) {}

    // The child's answers, oldest first, read from the record now.
    const std::vector<StoredAnswer> &read(const QString &name);
    // The answers kept, read first when they are not the child's.
    const std::vector<StoredAnswer> &of(const QString &name);
    // An answer given in play, as the record keeps it.
    void take(const GivenAnswer &answer);
    // The record was changed: read it again when next needed.
    void forget() { m_read = false; }
    // The child whose answers are kept: the last to answer, or the last read.
    QString name() const { return m_name; }
    // The numbers that became sicher with the child's answers since the last call.
    QList<int> newlySecure(const QString &name);

private:
    Files &m_files;
    const Clock &m_clock;
    QString m_name;
    bool m_read = false;
    std::vector<StoredAnswer> m_answers;
    qsizetype m_sinceLastCall = 0; // the child's answers in play since newlySecure
};

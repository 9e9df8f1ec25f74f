// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordKeeping.h"

#include <QObject>
#include <QStringList>

class Clock;
class Files;

// The learning record's work that may take long, off the user-interface thread: the removal
// of old answers at start-up, reading the names in the record, and putting the run's
// journals on the disk.
class JournalWorker : public QObject
{
    Q_OBJECT

public:
    JournalWorker(Files &files, const Clock &clock);

    // Removes the old answers; then reads the names.
    void startUp();
    void readNames();
    void sync(const QStringList &journals);

signals:
    void namesRead(const QStringList &names);

private:
    Files &m_files;
    RecordKeeping m_keeping;
};

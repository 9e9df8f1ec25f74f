// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalWorker.h"

#include "Files.h"
#include "RecordReader.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcRecord, "zep.record")

JournalWorker::JournalWorker(Files &files, const Clock &clock)
    : m_files(files), m_keeping(files, clock)
{
}

void JournalWorker::startUp()
{
    const RecordKeeping::Outcome removed = m_keeping.removeOld();
    for (const QString &failure : removed.failures)
        qCWarning(lcRecord) << "removing old answers:" << failure;
    readNames();
}

void JournalWorker::readNames() { emit namesRead(ReadRecordNames(m_files)); }

void JournalWorker::sync(const QStringList &journals)
{
    for (const QString &journal : journals)
        if (const QString failed = m_files.sync(journal); !failed.isEmpty())
            qCWarning(lcRecord) << "not put on the disk:" << journal << failed;
}

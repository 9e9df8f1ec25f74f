// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalWriter.h"

#include "Files.h"
#include "JournalLine.h"
#include "PersonName.h"
#include "RecordFiles.h"

JournalWriter::JournalWriter(Files &files, const QString &writer) : m_files(files), m_writer(writer) {}

QString JournalWriter::append(const RecordedAnswer &answer)
{
    const QString name = ComparableName(answer.name);
    const int child = m_children.value(name, int(m_children.size()) + 1);
    m_children.insert(name, child);
    Journal &journal = m_journals[RecordFiles::JournalPath(m_writer, answer.time.date(), child)];
    journal.pending += JournalLine(answer);
    ++journal.pendingLines;
    return retry();
}

QString JournalWriter::retry()
{
    QString failure;
    for (auto it = m_journals.begin(); it != m_journals.end(); ++it)
        if (const QString failed = write(it.key(), it.value()); failure.isEmpty())
            failure = failed;
    return failure;
}

QString JournalWriter::write(const QString &path, Journal &journal)
{
    if (journal.pending.isEmpty())
        return {};
    if (!m_folderMade) {
        if (const QString failed = m_files.makeFolder(RecordFiles::Folder); !failed.isEmpty())
            return failed;
        m_folderMade = true;
    }
    const QByteArray lineBreak = journal.afterFailure ? QByteArray("\n") : QByteArray();
    const AppendOutcome outcome = m_files.append(path, lineBreak + journal.pending);
    journal.written = journal.written || outcome.written > lineBreak.size();
    if (outcome.error.isEmpty()) {
        journal.pending.clear();
        journal.pendingLines = 0;
        journal.afterFailure = false;
        return {};
    }
    // The lines that went in whole stay written; the one cut off is written again whole.
    const qsizetype inFile = std::max<qsizetype>(outcome.written - lineBreak.size(), 0);
    const qsizetype wholeEnd = inFile > 0 ? journal.pending.lastIndexOf('\n', inFile - 1) + 1 : 0;
    journal.pendingLines -= journal.pending.first(wholeEnd).count('\n');
    journal.pending.remove(0, wholeEnd);
    journal.afterFailure = true;
    return outcome.error;
}

QString JournalWriter::sync()
{
    QString failure;
    for (auto it = m_journals.cbegin(); it != m_journals.cend(); ++it)
        if (it->written)
            if (const QString failed = m_files.sync(it.key()); failure.isEmpty())
                failure = failed;
    return failure;
}

QStringList JournalWriter::journals() const
{
    QStringList paths;
    for (auto it = m_journals.cbegin(); it != m_journals.cend(); ++it)
        if (it->written)
            paths.append(it.key());
    return paths;
}

qsizetype JournalWriter::unwritten() const
{
    qsizetype count = 0;
    for (const Journal &journal : m_journals)
        count += journal.pendingLines;
    return count;
}

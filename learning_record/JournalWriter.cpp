// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "JournalWriter.h"

#include "Clock.h"
#include "HandledLines.h"
#include "JournalLine.h"
#include "RecordFiles.h"

#include <QSet>

namespace {

// Rewrites of other programs that follow each other this closely are waited out.
constexpr int MaxAttempts = 4;

// A stamp no file has: the next append finds the file changed and reads it first.
const FileStamp Unknown{true, ~quint64(0), ~quint64(0), -1};

} // namespace

JournalWriter::JournalWriter(Files &files, const Clock &clock, const QString &writer)
    : m_files(files), m_clock(clock), m_writer(writer)
{
}

QString JournalWriter::append(const RecordedAnswer &answer)
{
    Journal &journal = m_journals[answer.name];
    if (journal.path.isEmpty())
        journal.path = RecordFiles::JournalPath(answer.name, m_writer);
    journal.lines.append({JournalLine(answer), answer.seq, answer.time.toSecsSinceEpoch()});
    return retry();
}

QString JournalWriter::retry()
{
    QString failure;
    for (Journal &journal : m_journals) {
        const QString failed = write(journal);
        if (failure.isEmpty())
            failure = failed;
    }
    return failure;
}

QString JournalWriter::write(Journal &journal)
{
    if (journal.written == journal.lines.size())
        return {};
    if (!m_folderMade) {
        if (const QString failed = m_files.makeFolder(RecordFiles::Folder); !failed.isEmpty())
            return failed;
        m_folderMade = true;
    }
    for (int attempt = 0; attempt < MaxAttempts; ++attempt) {
        QByteArray bytes = journal.tornEnd ? QByteArray("\n") : QByteArray();
        for (qsizetype i = journal.written; i < journal.lines.size(); ++i)
            bytes += journal.lines[i].bytes;
        const AppendOutcome outcome = m_files.append(journal.path, bytes, journal.expected);
        switch (outcome.result) {
        case AppendOutcome::Result::Written:
            journal.expected = outcome.stamp;
            journal.written = journal.lines.size();
            journal.tornEnd = false;
            if (!outcome.movedAway)
                return {};
            // Replaced or removed while this append went in: what does the name hold now?
            reconcile(journal);
            if (journal.written == journal.lines.size())
                return {};
            break;
        case AppendOutcome::Result::Changed:
            reconcile(journal);
            break;
        case AppendOutcome::Result::Failed:
            journal.expected = Unknown; // part of it may be in the file
            return outcome.error;
        }
    }
    return QStringLiteral("Der Lernstand wird gerade von anderen Programmen umgeschrieben.");
}

void JournalWriter::reconcile(Journal &journal)
{
    const FileContents contents = m_files.read(journal.path, RecordFiles::MaxJournalBytes);
    QSet<quint64> present;
    qsizetype tornStart = contents.bytes.size();
    const QByteArray writer = m_writer.toUtf8();
    for (const QByteArrayView line : CompleteLines(contents.bytes, &tornStart)) {
        JournalFields fields;
        if (ParseJournalFields(line, fields) && fields.run == writer)
            present.insert(fields.seq);
    }
    const HandledLines handled = HandledLines::Read(m_files, m_files.entries(RecordFiles::Folder));
    const qint64 keepSince = RecordFiles::KeepSince(m_files, m_clock.now());
    QList<Line> kept, missing;
    for (const Line &line : std::as_const(journal.lines)) {
        if (present.contains(line.seq))
            kept.append(line);
        else if (!handled.contains(m_writer, line.seq) && line.utcSeconds >= keepSince)
            missing.append(line);
    }
    journal.written = kept.size();
    journal.lines = kept + missing;
    journal.expected = contents.opened ? contents.stamp : FileStamp{};
    journal.tornEnd = contents.opened && tornStart < contents.bytes.size();
}

QString JournalWriter::sync()
{
    QString failure;
    for (const Journal &journal : std::as_const(m_journals))
        if (journal.written > 0)
            if (const QString failed = m_files.sync(journal.path); failure.isEmpty())
                failure = failed;
    return failure;
}

QStringList JournalWriter::journals() const
{
    QStringList paths;
    for (const Journal &journal : m_journals)
        if (journal.written > 0)
            paths.append(journal.path);
    return paths;
}

qsizetype JournalWriter::unwritten() const
{
    qsizetype count = 0;
    for (const Journal &journal : m_journals)
        count += journal.lines.size() - journal.written;
    return count;
}

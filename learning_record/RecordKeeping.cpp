// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordKeeping.h"

#include "Clock.h"
#include "Files.h"
#include "HandledLines.h"
#include "JournalLine.h"
#include "RecordFiles.h"

#include <QMap>
#include <mutex>

namespace {

constexpr int RewriteAttempts = 3;

QString NotChanged(const QString &path, const QString &reason)
{
    return QStringLiteral("Die Datei %1 konnte nicht geändert werden: %2").arg(path, reason);
}

} // namespace

struct RecordKeeping::Change
{
    Pick pick;               // the lines to take out
    QString newName;         // set: they go on under this name
    QByteArray foreignMark;  // set: unreadable lines holding it go too
    bool listsTaken = false; // the lines taken out are listed for their runs
    std::function<bool(const QString &entry)> considers = [](const QString &) { return true; };
};

RecordKeeping::RecordKeeping(Files &files, const Clock &clock, const QString &writer)
    : m_files(files), m_clock(clock), m_writer(writer)
{
}

RecordKeeping::Outcome RecordKeeping::removeOld()
{
    const qint64 cutoff = RecordFiles::KeepSince(m_files, m_clock.now());
    // A run that started on the day after the cutoff (whatever its time zone) wrote nothing older.
    const QDate lastOldStart = QDateTime::fromSecsSinceEpoch(cutoff, Qt::UTC).date().addDays(1);
    Change old;
    old.pick = [cutoff](const JournalFields &line) { return line.utcSeconds < cutoff; };
    old.considers = [lastOldStart](const QString &entry) {
        const QString writer = RecordFiles::WriterOf(entry);
        const std::optional<QDate> started = RecordFiles::StartDay(writer);
        return RecordFiles::IsCopyWriter(writer) || !started || *started <= lastOldStart;
    };
    const Outcome outcome = change(old, false);
    if (outcome.busy)
        return outcome;
    for (const QString &entry : m_files.entries(RecordFiles::Folder)) {
        if (!RecordFiles::IsHandled(entry))
            continue;
        HandledLines handled;
        const QString path = RecordFiles::PathOf(entry);
        const qint64 newest = handled.addFrom(m_files.read(path, RecordFiles::MaxHandledBytes).bytes);
        if (newest >= 0 && newest < cutoff)
            m_files.remove(path);
    }
    return outcome;
}

// A change to every line of one child; the lines it takes out are listed for their runs.
RecordKeeping::Change RecordKeeping::ChildChange(const QString &name)
{
    const QByteArray escaped = EscapedText(name);
    Change change;
    change.pick = [escaped](const JournalFields &line) { return line.name == escaped; };
    change.listsTaken = true;
    return change;
}

RecordKeeping::Outcome RecordKeeping::remove(const QString &name)
{
    Change deletion = ChildChange(name);
    deletion.foreignMark = EscapedText(name);
    return change(deletion, true);
}

RecordKeeping::Outcome RecordKeeping::rename(const QString &from, const QString &to)
{
    Change renaming = ChildChange(from);
    renaming.newName = to;
    return change(renaming, true);
}

// A writer of this run's own for what a change writes. Changes of one run may come from
// two threads (the removal of old answers, the teacher's window); they count together.
QString RecordKeeping::nextWriter()
{
    static std::mutex counting;
    static int last = -1;
    const std::lock_guard lock(counting);
    const QString prefix = m_writer + QStringLiteral("-k");
    if (last < 0) {
        last = 0;
        for (const QString &entry : m_files.entries(RecordFiles::Folder)) {
            QString writer = RecordFiles::WriterOf(entry);
            if (writer.isEmpty() && RecordFiles::IsHandled(entry))
                writer = entry.section(u'.', 0, 0);
            if (writer.startsWith(prefix))
                last = std::max(last, writer.mid(prefix.size()).toInt());
        }
    }
    return prefix + QString::number(++last);
}

RecordKeeping::Outcome RecordKeeping::change(Change &change, bool waitForOthers)
{
    Outcome outcome;
    if (m_files.entries(RecordFiles::Folder).isEmpty())
        return outcome; // no record yet
    const std::unique_ptr<FileLock> lock = m_files.lock(RecordFiles::RewriteLock);
    if (!lock && !waitForOthers) {
        outcome.busy = true;
        return outcome;
    }

    // First every line to take is found and made safe; no journal has changed yet.
    HandledLines taken;
    QByteArray copies;
    QStringList targets;
    for (const QString &entry : m_files.entries(RecordFiles::Folder)) {
        if (!RecordFiles::IsJournal(entry) || !change.considers(entry))
            continue;
        const QString path = RecordFiles::PathOf(entry);
        const FileContents contents = m_files.read(path, RecordFiles::MaxJournalBytes);
        if (!contents.opened)
            continue;
        if (!contents.complete) {
            outcome.failures.append(QStringLiteral("Die Datei %1 ist zu groß und wurde nicht "
                                                   "durchsucht.").arg(path));
            continue;
        }
        bool hit = false;
        for (const QByteArrayView line : CompleteLines(contents.bytes)) {
            JournalFields fields;
            if (!ParseJournalFields(line, fields)) {
                hit = hit || (!change.foreignMark.isEmpty() && line.contains(change.foreignMark));
                continue;
            }
            if (!change.pick(fields))
                continue;
            hit = true;
            taken.add(UnescapedText(fields.run), fields.seq);
            if (std::optional<RecordedAnswer> moved = ParseJournalLine(line);
                moved && !change.newName.isEmpty()) {
                moved->name = change.newName;
                copies += JournalLine(*moved);
            }
        }
        if (hit)
            targets.append(entry);
    }
    if (targets.isEmpty())
        return outcome;

    const QString writer = nextWriter();
    const QString copyPath = RecordFiles::JournalPath(change.newName, writer);
    if (!copies.isEmpty()) {
        if (const QString failed = m_files.write(copyPath, copies); !failed.isEmpty()) {
            outcome.failures.append(NotChanged(copyPath, failed));
            return outcome;
        }
    }
    if (change.listsTaken) {
        const QDateTime now = m_clock.now();
        const QString handledPath = RecordFiles::HandledPath(writer);
        const QByteArray list = taken.toBytes(IsoTime(now.toSecsSinceEpoch(), now.offsetFromUtc()));
        if (const QString failed = m_files.write(handledPath, list); !failed.isEmpty()) {
            if (!copies.isEmpty())
                m_files.remove(copyPath);
            outcome.failures.append(NotChanged(handledPath, failed));
            return outcome;
        }
    }

    // Then each journal is rewritten without them.
    const auto takes = [&](const JournalFields &fields) {
        return change.listsTaken ? taken.contains(UnescapedText(fields.run), fields.seq) : change.pick(fields);
    };
    const auto decide = [&](const QByteArray &bytes) {
        Rewrite rewrite;
        QByteArray kept;
        bool dropped = false;
        for (const QByteArrayView line : CompleteLines(bytes, &rewrite.seen)) {
            JournalFields fields;
            const bool readable = ParseJournalFields(line, fields);
            if (readable ? takes(fields) : (!change.foreignMark.isEmpty() && line.contains(change.foreignMark))) {
                dropped = true;
                continue;
            }
            kept += line;
            kept += '\n';
        }
        if (dropped) {
            rewrite.action = kept.isEmpty() ? Rewrite::Action::Remove : Rewrite::Action::Replace;
            rewrite.bytes = kept;
        }
        return rewrite;
    };
    QMap<QString, QByteArray> appended; // by child: lines that reached a journal as it was rewritten
    for (const QString &entry : std::as_const(targets)) {
        const QString path = RecordFiles::PathOf(entry);
        RewriteOutcome rewritten;
        for (int attempt = 0; attempt < RewriteAttempts; ++attempt) {
            rewritten = m_files.rewrite(path, RecordFiles::MaxJournalBytes, decide);
            if (!rewritten.overtaken)
                break;
        }
        if (!rewritten.error.isEmpty()) {
            outcome.failures.append(NotChanged(path, rewritten.error));
            continue;
        }
        ++outcome.changedFiles;
        for (const QByteArrayView line : CompleteLines(rewritten.addedMeanwhile)) {
            JournalFields fields;
            if (ParseJournalFields(line, fields))
                appended[UnescapedText(fields.name)] += line.toByteArray() + '\n';
        }
    }
    for (auto it = appended.cbegin(); it != appended.cend(); ++it) {
        const QString path = RecordFiles::JournalPath(it.key(), nextWriter());
        if (const QString failed = m_files.write(path, it.value()); !failed.isEmpty())
            outcome.failures.append(NotChanged(path, failed));
    }
    return outcome;
}

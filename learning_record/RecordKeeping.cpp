// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordKeeping.h"

#include "Clock.h"
#include "Files.h"
#include "JournalLine.h"
#include "PersonName.h"
#include "RecordFiles.h"
#include "Renamings.h"

#include <algorithm>

namespace {

using RecordFiles::Kind;

// Whether every line of a file of the earlier release (a journal, a copy, a list of lines
// taken out) is older than cutoff: its time stands in the second field.
bool AllOlder(const QByteArray &bytes, qint64 cutoff)
{
    for (const QByteArrayView line : CompleteLines(bytes)) {
        const qsizetype start = line.indexOf('\t') + 1;
        const qsizetype end = line.indexOf('\t', start);
        qint64 time = 0;
        int offset = 0;
        if (start > 0 && end > start && ParseIsoTime(line.sliced(start, end - start), time, offset) && time >= cutoff)
            return false;
    }
    return true;
}

// Takes the renamings that drop says out of the list, under its lock; the list is locked
// only when there is one to take.
QString DropRenamings(Files &files, const std::function<bool(const Renamings::Renaming &)> &drop)
{
    const QList<Renamings::Renaming> list = Renamings::Read(files).list;
    if (std::none_of(list.begin(), list.end(), drop))
        return {};
    return Renamings::Change(files, [&](Renamings &renamings) { return renamings.list.removeIf(drop) > 0; });
}

} // namespace

RecordKeeping::RecordKeeping(Files &files, const Clock &clock) : m_files(files), m_clock(clock) {}

// A file that cannot be removed is emptied: what stays is a name without the child's.
void RecordKeeping::discard(const QString &entry, Outcome &outcome)
{
    const QString path = RecordFiles::PathOf(entry);
    QString failed = m_files.remove(path);
    if (!failed.isEmpty() && m_files.empty(path).isEmpty()) {
        if (RecordFiles::KindOf(entry) == Kind::Journal)
            failed.clear();
        else
            failed = QStringLiteral("Ihr Name enthält den Namen des Kindes.");
    }
    if (failed.isEmpty())
        ++outcome.files;
    else
        outcome.failures.append(QStringLiteral("Die Datei %1 konnte nicht gelöscht werden: %2").arg(path, failed));
}

RecordKeeping::Outcome RecordKeeping::removeOld()
{
    Outcome outcome;
    const RecordFiles::Retention retention = RecordFiles::Retention::Read(m_files);
    if (!retention.valid) {
        outcome.failures.append(retention.problem);
        return outcome;
    }
    const QDateTime now = m_clock.now();
    const QDate firstKept = retention.firstKeptDay(now);
    const qint64 cutoff = QDateTime(firstKept, QTime(0, 0), Qt::OffsetFromUTC, now.offsetFromUtc()).toSecsSinceEpoch();
    for (const QString &entry : m_files.entries(RecordFiles::Folder)) {
        const Kind kind = RecordFiles::KindOf(entry);
        if (kind == Kind::Journal) {
            if (const std::optional<QDate> day = RecordFiles::JournalDay(entry); day && *day < firstKept)
                discard(entry, outcome);
            continue;
        }
        // A run of the earlier release that began after the cutoff wrote nothing older.
        const std::optional<qint64> started = RecordFiles::RunStart(RecordFiles::EarlierWriter(entry));
        if (kind == Kind::Other || (kind == Kind::EarlierJournal && started && *started > cutoff + 86400))
            continue;
        const FileContents contents = m_files.read(RecordFiles::PathOf(entry), RecordFiles::MaxJournalBytes);
        if (contents.opened && contents.complete && AllOlder(contents.bytes, cutoff))
            discard(entry, outcome);
    }
    const QString failed = DropRenamings(m_files, [cutoff](const Renamings::Renaming &r) { return r.utcSeconds < cutoff; });
    if (!failed.isEmpty())
        outcome.failures.append(QStringLiteral("Die alten Umbenennungen konnten nicht entfernt werden: ") + failed);
    return outcome;
}

RecordKeeping::Outcome RecordKeeping::remove(const QString &name)
{
    Outcome outcome;
    const QString child = ComparableName(name);
    const Renamings renamings = Renamings::Read(m_files);
    QList<Renamings::Renaming> used;
    const QByteArray nameMark = EscapedText(child);
    // Lines mostly name the child and run of the line before: those are judged once.
    QByteArray lastName, lastRun;
    QList<int> applied;
    bool lastChilds = false;
    for (const QString &entry : m_files.entries(RecordFiles::Folder)) {
        if (!RecordFiles::IsJournal(RecordFiles::KindOf(entry)))
            continue;
        const QString path = RecordFiles::PathOf(entry);
        const FileContents contents = m_files.read(path, RecordFiles::MaxJournalBytes);
        if (!contents.opened || !contents.complete) {
            outcome.failures.append(QStringLiteral("Die Datei %1 konnte nicht gelesen werden.").arg(path));
            continue;
        }
        JournalFields fields;
        int childLines = 0, otherLines = 0;
        qsizetype tornStart = 0;
        const QList<QByteArrayView> lines = CompleteLines(contents.bytes, &tornStart);
        bool touched = contents.bytes.sliced(tornStart).contains(nameMark);
        QByteArray kept;
        for (const QByteArrayView line : lines) {
            const bool readable = ParseJournalFields(line, fields);
            if (readable && (fields.name != lastName || fields.run != lastRun)) {
                lastName = fields.name.toByteArray();
                lastRun = fields.run.toByteArray();
                applied.clear();
                lastChilds = renamings.resolve(ComparableName(UnescapedText(fields.name)),
                                               RecordFiles::RunStart(UnescapedText(fields.run)), &applied)
                    == child;
            }
            if (!readable && line.contains(nameMark)) {
                touched = true;
                continue;
            }
            if (readable && lastChilds) {
                touched = true;
                ++childLines;
                for (const int index : std::as_const(applied))
                    if (!used.contains(renamings.list[index]))
                        used.append(renamings.list[index]);
                continue;
            }
            otherLines += readable ? 1 : 0;
            kept += line.toByteArray() + '\n';
        }
        if (!touched)
            continue;
        outcome.answers += childLines;
        if (otherLines == 0) {
            discard(entry, outcome);
        } else if (const QString failed = m_files.write(path, kept); failed.isEmpty()) {
            ++outcome.files;
        } else {
            outcome.failures.append(QStringLiteral("Die Datei %1 konnte nicht geändert werden: %2").arg(path, failed));
        }
    }
    const QString failed = DropRenamings(m_files, [&](const Renamings::Renaming &r) {
        return r.to == child || used.contains(r);
    });
    if (!failed.isEmpty())
        outcome.failures.append(QStringLiteral("Die Umbenennungen von „%1“ konnten nicht entfernt werden: %2").arg(child, failed));
    return outcome;
}

QString RecordKeeping::rename(const QString &from, const QString &to)
{
    const Renamings::Renaming renaming{m_clock.now().toSecsSinceEpoch(), ComparableName(from), ComparableName(to)};
    if (renaming.from == renaming.to || renaming.to.isEmpty())
        return {};
    return Renamings::Change(m_files, [&](Renamings &renamings) {
        renamings.list.append(renaming);
        return true;
    });
}

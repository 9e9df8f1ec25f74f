// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordCommands.h"

#include "ChildDocuments.h"
#include "ClassList.h"
#include "ClassListFile.h"
#include "Clock.h"
#include "Files.h"
#include "RecordFiles.h"
#include "RecordKeeping.h"
#include "ResultsFile.h"
#include "TextFiles.h"

namespace {

const QString ExportName = QStringLiteral("Lernstand.csv");
// A class's year exported is some 60 MB; a larger file is not the program's export.
constexpr qsizetype MaxExportBytes = 128 * 1024 * 1024;

QString Count(int count, const QString &one, const QString &many)
{
    return count == 1 ? one : many.arg(count);
}

} // namespace

RecordCommands::RecordCommands(Files &files, const Clock &clock) : m_files(files), m_clock(clock) {}

bool RecordCommands::hasClassRow(const QString &name)
{
    const FileContents file = m_files.read(ClassList::FileName, ClassList::MaxBytes);
    return file.opened && ClassList::Parse(file.bytes).contains(name);
}

// The entries of the results list, in the file under its lock and in the files set aside
// beside it ("ZEP100.INI.neu", …); how many changed.
int RecordCommands::changeResults(const QString &from, const QString &to, Outcome &outcome)
{
    const std::unique_ptr<FileLock> lock = m_files.lock(ResultsFileName);
    if (!lock) {
        outcome.failures << QStringLiteral("Die Ergebnisliste %1 kann gerade nicht gesperrt werden.").arg(ResultsFileName);
        return 0;
    }
    int changed = 0;
    for (const QString &entry : m_files.entries(QStringLiteral("."))) {
        if (entry != ResultsFileName && !entry.startsWith(ResultsFileName + QStringLiteral(".neu")))
            continue;
        const FileContents file = m_files.read(entry, MaxResultsFileBytes);
        const ResultsFileContents contents = ReadResultsFile(file.bytes, file.complete);
        QStringList entries = contents.entries;
        const int here = ChangeResultsUser(entries, from, to);
        if (!file.opened || !contents.complete) {
            outcome.failures << QStringLiteral("Die Ergebnisliste %1 konnte nicht ganz gelesen werden.").arg(entry);
        } else if (here > 0) {
            if (const QString failed = m_files.write(entry, WriteResultsFile(entries)); failed.isEmpty())
                changed += here;
            else
                outcome.failures << QStringLiteral("Die Ergebnisliste %1 konnte nicht geändert werden: %2").arg(entry, failed);
        }
    }
    return changed;
}

int RecordCommands::changeTable(const QString &fileName, qsizetype maxBytes,
                                const std::function<int(ClassList &)> &change, Outcome &outcome)
{
    int changed = 0;
    const QString failed = ChangeClassList(m_files, fileName, maxBytes, false,
                                           [&](ClassList &list) { return (changed = change(list)) > 0; });
    if (!failed.isEmpty()) {
        outcome.failures << failed;
        return 0;
    }
    return changed;
}

RecordCommands::Outcome RecordCommands::deleteChild(const QString &name, bool classRow, const QStringList &otherChildren)
{
    Outcome outcome;
    const RecordKeeping::Outcome journals = RecordKeeping(m_files, m_clock).remove(name);
    outcome.failures << journals.failures;
    if (journals.files > 0)
        outcome.done << QStringLiteral("%1 in %2").arg(Count(journals.answers, QStringLiteral("1 Antwort"), QStringLiteral("%1 Antworten")),
                                                       Count(journals.files, QStringLiteral("1 Datei des Lernstands"),
                                                             QStringLiteral("%1 Dateien des Lernstands")));
    if (const int results = changeResults(name, QString(), outcome))
        outcome.done << Count(results, QStringLiteral("1 Ergebnis in %2"), QStringLiteral("%1 Ergebnisse in %2")).arg(ResultsFileName);
    if (classRow && changeTable(ClassList::FileName, ClassList::MaxBytes, [&](ClassList &list) { return list.remove(name); }, outcome))
        outcome.done << QStringLiteral("die Zeile in %1").arg(ClassList::FileName);
    if (const int rows = changeTable(ExportName, MaxExportBytes, [&](ClassList &list) { return list.remove(name); }, outcome))
        outcome.done << Count(rows, QStringLiteral("1 Zeile in %2"), QStringLiteral("%1 Zeilen in %2")).arg(ExportName);
    QStringList entries = m_files.entries(QStringLiteral("."));
    entries.sort();
    for (const QString &entry : std::as_const(entries)) {
        const bool others = std::any_of(otherChildren.begin(), otherChildren.end(), [&](const QString &other) {
            return ChildDocuments::IsFirstMadeFor(entry, other);
        });
        if (!ChildDocuments::IsMadeFor(entry, name) || others)
            continue;
        if (const QString failed = m_files.remove(entry); failed.isEmpty())
            outcome.done << entry;
        else
            outcome.failures << QStringLiteral("Die Datei %1 konnte nicht gelöscht werden: %2").arg(entry, failed);
    }
    const int leftovers = int(m_files.removeLeftovers(QStringLiteral(".")).size()
                              + m_files.removeLeftovers(RecordFiles::Folder).size());
    if (leftovers > 0)
        outcome.done << Count(leftovers, QStringLiteral("1 Rest eines abgebrochenen Speicherns"),
                              QStringLiteral("%1 Reste abgebrochener Speicherungen"));
    return outcome;
}

RecordCommands::Outcome RecordCommands::renameChild(const QString &from, const QString &to, bool &renamed)
{
    Outcome outcome;
    const QString failed = RecordKeeping(m_files, m_clock).rename(from, to);
    renamed = failed.isEmpty();
    if (!renamed) {
        outcome.failures << QStringLiteral("Der Name im Lernstand konnte nicht geändert werden: ") + failed;
        return outcome;
    }
    if (const int results = changeResults(from, to, outcome))
        outcome.done << Count(results, QStringLiteral("1 Ergebnis in %2"), QStringLiteral("%1 Ergebnisse in %2")).arg(ResultsFileName);
    if (changeTable(ClassList::FileName, ClassList::MaxBytes, [&](ClassList &list) { return list.rename(from, to); }, outcome))
        outcome.done << QStringLiteral("die Zeile in %1").arg(ClassList::FileName);
    return outcome;
}

RecordCommands::Outcome RecordCommands::setRetention(int days, bool removeOld)
{
    Outcome outcome;
    if (const QString failed = RecordFiles::Retention::Write(m_files, days); !failed.isEmpty()) {
        outcome.failures << QStringLiteral("Die Aufbewahrungszeit konnte nicht gespeichert werden: ") + failed;
        return outcome;
    }
    if (!removeOld)
        return outcome;
    const RecordKeeping::Outcome removed = RecordKeeping(m_files, m_clock).removeOld();
    outcome.failures << removed.failures;
    if (removed.files > 0)
        outcome.done << Count(removed.files, QStringLiteral("1 Datei des Lernstands"), QStringLiteral("%1 Dateien des Lernstands"));
    return outcome;
}

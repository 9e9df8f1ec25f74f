// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsKeeper.h"

#include "Dialogs.h"
#include "Files.h"
#include "TextFiles.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcResults, "zep.results")

void ResultsKeeper::Saved::tell(Dialogs &dialogs) const
{
    if (outcome == Outcome::Failed)
        dialogs.messageBox(QStringLiteral("Die Ergebnisse konnten nicht in %1 gespeichert werden:\r%2")
                               .arg(ResultsFileName, reason),
                           MessageStyle::Warning, QStringLiteral("ZEP100"));
    if (outcome == Outcome::SetAside)
        dialogs.messageBox(QStringLiteral("Die Datei %1 konnte nicht vollständig gelesen werden und "
                                          "bleibt, wie sie ist.\rDie neuen Ergebnisse stehen in der "
                                          "Datei %2.")
                               .arg(ResultsFileName, asideName),
                           MessageStyle::Warning, QStringLiteral("ZEP100"));
}

void ResultsKeeper::Saved::log() const
{
    if (outcome == Outcome::Failed)
        qCWarning(lcResults) << "results not saved:" << reason;
    if (outcome == Outcome::SetAside)
        qCWarning(lcResults) << "results set aside in" << asideName;
}

ResultsKeeper::ResultsKeeper(Files &files) : m_files(files) {}

ResultsFileContents ResultsKeeper::load() { return read(false); }

void ResultsKeeper::added(const QString &entry) { m_added.append(entry); }

void ResultsKeeper::userChanged(const QString &from, const QString &to) { ChangeResultsUser(m_added, from, to); }

// At the end of a run a missing file counts as read whole: it simply holds nothing yet.
ResultsFileContents ResultsKeeper::read(bool missingIsWhole)
{
    const FileContents file = m_files.read(ResultsFileName, MaxResultsFileBytes);
    if (!file.opened)
        return {QStringList(), missingIsWhole && file.missing};
    return ReadResultsFile(file.bytes, file.complete);
}

ResultsKeeper::Saved ResultsKeeper::save()
{
    const auto lock = m_files.lock(ResultsFileName);
    const ResultsFileContents fresh = read(true);
    if (!fresh.complete)
        return setAside();
    const QString failure =
        m_files.write(ResultsFileName, WriteResultsFile(MergeResults(fresh.entries, m_added)));
    if (!failure.isEmpty())
        return {Saved::Outcome::Failed, failure, {}};
    m_added.clear();
    return {};
}

// The new entries go into the first free name of ZEP100.INI.neu, ZEP100.INI.neu2, …
ResultsKeeper::Saved ResultsKeeper::setAside()
{
    if (m_added.isEmpty())
        return {Saved::Outcome::Kept, {}, {}};
    const QString name = AsideName(m_files, ResultsFileName);
    if (name.isEmpty())
        return {Saved::Outcome::Failed, QStringLiteral("Es gibt schon zu viele Dateien %1.neu….")
                                            .arg(ResultsFileName),
                {}};
    const QString failure = m_files.write(name, WriteResultsFile(MergeResults({}, m_added)));
    if (!failure.isEmpty())
        return {Saved::Outcome::Failed, failure, {}};
    m_added.clear();
    return {Saved::Outcome::SetAside, {}, name};
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsKeeper.h"

#include "Files.h"
#include "TextFiles.h"

namespace {

constexpr int MaxAsideFiles = 1000;

} // namespace

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
    for (int n = 1; n <= MaxAsideFiles; ++n) {
        const QString name =
            ResultsFileName + QStringLiteral(".neu") + (n > 1 ? QString::number(n) : QString());
        if (m_files.exists(name))
            continue;
        const QString failure = m_files.write(name, WriteResultsFile(MergeResults({}, m_added)));
        if (!failure.isEmpty())
            return {Saved::Outcome::Failed, failure, {}};
        m_added.clear();
        return {Saved::Outcome::SetAside, {}, name};
    }
    return {Saved::Outcome::Failed, QStringLiteral("Es gibt schon zu viele Dateien %1.neu….")
                                        .arg(ResultsFileName),
            {}};
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsFile.h"

#include "FieldReader.h"
#include "FieldWriter.h"

#include <algorithm>

QStringList ParseResultsFile(const QByteArray &bytes, bool wholeFile)
{
    return ReadResultsFile(bytes, wholeFile).entries;
}

ResultsFileContents ReadResultsFile(const QByteArray &bytes, bool wholeFile)
{
    ResultsFileContents contents;
    FieldReader reader(bytes, wholeFile);
    while (!reader.atEnd()) {
        std::optional<QString> field = reader.readField();
        if (!field)
            return contents;
        contents.entries.append(std::move(*field));
    }
    contents.complete = wholeFile;
    return contents;
}

QStringList MergeResults(const QStringList &fileEntries, const QStringList &added)
{
    QStringList merged = fileEntries + added;
    std::stable_sort(merged.begin(), merged.end(), EntrySortsBefore);
    if (!added.isEmpty() && merged.size() > MaxResultsEntries)
        merged.resize(MaxResultsEntries);
    return merged;
}

QByteArray WriteResultsFile(const QStringList &entries) { return WriteFieldLines(entries); }

bool EntrySortsBefore(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

qsizetype SortedInsertPosition(const QStringList &sorted, const QString &entry)
{
    const auto after = std::upper_bound(sorted.begin(), sorted.end(), entry, EntrySortsBefore);
    return after - sorted.begin();
}

QString ResultsEntry(int score, const QString &userName)
{
    return (QStringLiteral("0000") + QString::number(score)).right(4) + QStringLiteral("  ")
        + userName;
}

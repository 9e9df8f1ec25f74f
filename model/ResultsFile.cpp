// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsFile.h"

#include "FieldReader.h"
#include "FieldWriter.h"
#include "PersonName.h"

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

int ChangeResultsUser(QStringList &entries, const QString &from, const QString &to)
{
    constexpr qsizetype NameStart = 6; // "0042  "
    const QString user = ComparableName(from);
    int changed = 0;
    QStringList kept;
    for (const QString &entry : std::as_const(entries)) {
        const bool scored = entry.size() >= NameStart && entry.mid(4, 2) == u"  "
            && std::all_of(entry.begin(), entry.begin() + 4, [](QChar c) { return c.isDigit(); });
        if (!scored || ComparableName(entry.mid(NameStart)) != user) {
            kept.append(entry);
            continue;
        }
        ++changed;
        if (!to.isEmpty())
            kept.append(entry.left(NameStart) + to);
    }
    if (changed > 0 && !to.isEmpty())
        std::stable_sort(kept.begin(), kept.end(), EntrySortsBefore);
    entries = kept;
    return changed;
}

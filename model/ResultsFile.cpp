// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsFile.h"

#include "FieldReader.h"
#include "FieldWriter.h"

#include <algorithm>

QStringList ParseResultsFile(const QByteArray &bytes, bool wholeFile)
{
    QStringList entries;
    FieldReader reader(bytes, wholeFile);
    while (!reader.atEnd()) {
        std::optional<QString> field = reader.readField();
        if (!field)
            break;
        entries.append(std::move(*field));
    }
    return entries;
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

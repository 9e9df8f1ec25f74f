// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildDocuments.h"

#include "PersonName.h"
#include "RecordFiles.h"

#include <QRegularExpression>

namespace ChildDocuments {

QString ReportName(const QString &childName)
{
    return QStringLiteral("Lernstand-") + RecordFiles::SafeName(ComparableName(childName));
}

bool IsMadeFor(const QString &entry, const QString &childName)
{
    const QRegularExpression made(QStringLiteral("^%1(-\\d+)?\\.pdf$").arg(QRegularExpression::escape(ReportName(childName))));
    return made.match(entry).hasMatch();
}

} // namespace ChildDocuments

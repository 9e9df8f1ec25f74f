// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildDocuments.h"

#include "PersonName.h"
#include "RecordFiles.h"

#include <QRegularExpression>

namespace ChildDocuments {

namespace {

QString Named(const char *kind, const QString &childName)
{
    return QLatin1String(kind) + u'-' + RecordFiles::SafeName(ComparableName(childName));
}

} // namespace

QString ReportName(const QString &childName) { return Named("Lernstand", childName); }

QString SheetName(const QString &childName) { return Named("Zahlenfeld", childName); }

QString SolutionName(const QString &childName) { return SheetName(childName) + QStringLiteral("-Loesung"); }

namespace {

QStringList Names(const QString &childName)
{
    return {ReportName(childName), SheetName(childName), SolutionName(childName)};
}

} // namespace

bool IsMadeFor(const QString &entry, const QString &childName)
{
    for (const QString &name : Names(childName)) {
        const QRegularExpression made(QStringLiteral("^%1(-\\d+)?\\.pdf$").arg(QRegularExpression::escape(name)));
        if (made.match(entry).hasMatch())
            return true;
    }
    return false;
}

bool IsFirstMadeFor(const QString &entry, const QString &childName)
{
    const QStringList names = Names(childName);
    return entry.endsWith(QStringLiteral(".pdf")) && names.contains(entry.chopped(4));
}

} // namespace ChildDocuments

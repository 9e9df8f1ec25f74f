// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The documents the program makes for one child in the working folder, named after it, so
// that deleting the child finds them all: the parents' page "Lernstand-<name>.pdf", and
// "Lernstand-<name>-2.pdf", … beside an earlier one.
namespace ChildDocuments {

// The parents' page's name without ".pdf", safe as a file name whatever the name holds.
QString ReportName(const QString &childName);
// Whether an entry of the working folder is a document made for the child.
bool IsMadeFor(const QString &entry, const QString &childName);

} // namespace ChildDocuments

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The documents the program makes for one child in the working folder, named after it, so
// that deleting the child finds them all: the parents' page "Lernstand-<name>.pdf", the
// worksheet from its misses "Zahlenfeld-<name>.pdf" with its solution sheet
// "Zahlenfeld-<name>-Loesung.pdf", and "-2", "-3", … of each beside an earlier one.
namespace ChildDocuments {

// The names without ".pdf", safe as file names whatever the child's name holds.
QString ReportName(const QString &childName);
QString SheetName(const QString &childName);
QString SolutionName(const QString &childName);
// Whether an entry of the working folder is a document made for the child.
bool IsMadeFor(const QString &entry, const QString &childName);
// Whether it is one of the child's documents by its first name, without "-2", "-3", …: for
// a child named "Mia-2", "Zahlenfeld-Mia-2.pdf" is its own, not a second sheet of "Mia".
bool IsFirstMadeFor(const QString &entry, const QString &childName);

} // namespace ChildDocuments

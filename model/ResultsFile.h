// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QStringList>

// Every field of the results file is one entry, in file order. Reading stops quietly
// at the first failure and keeps what it has.
QStringList ParseResultsFile(const QByteArray &bytes, bool wholeFile = true);

struct ResultsFileContents
{
    QStringList entries; // in file order
    bool complete = false; // false: reading stopped before the end of the file
};
ResultsFileContents ReadResultsFile(const QByteArray &bytes, bool wholeFile = true);

// The results list holds at most this many entries once a result has been added.
constexpr qsizetype MaxResultsEntries = 100;

// The entries of the file and this run's new ones, each at its sorted place; when there
// are new ones, the list is trimmed to MaxResultsEntries by dropping those that sort last.
QStringList MergeResults(const QStringList &fileEntries, const QStringList &added);

// One line per entry.
QByteArray WriteResultsFile(const QStringList &entries);

// The order of the results list: letters compared without regard to case.
bool EntrySortsBefore(const QString &a, const QString &b);

// Where an entry goes in a list kept in ascending order, comparing letters without
// regard to case; equal entries keep their order of arrival.
qsizetype SortedInsertPosition(const QStringList &sorted, const QString &entry);

// "0007  name": the last four digits of the score, two blanks, the user's name.
QString ResultsEntry(int score, const QString &userName);

// Gives the entries of the user `from` (the name after the score and its two blanks, as a
// person reads it) the name `to`, or removes them when `to` is empty, and keeps the list
// in its order; how many entries changed.
int ChangeResultsUser(QStringList &entries, const QString &from, const QString &to);

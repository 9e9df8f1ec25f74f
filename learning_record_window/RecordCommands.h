// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <functional>

class ClassList;
class Clock;
class Files;

// The commands of the window "Lernstand" that change files: deleting and renaming a child
// and the retention period. Each returns what happened, in German, for the window to tell.
class RecordCommands
{
public:
    // What the commands did: one line each for what was removed or changed, and for what
    // could not be done.
    struct Outcome
    {
        QStringList done;
        QStringList failures;
    };

    RecordCommands(Files &files, const Clock &clock);

    // Whether the class list has a row of the child.
    bool hasClassRow(const QString &name);
    // Removes everything the program wrote about the child in the working folder: its
    // journals, its entries in the results list, the documents made for it, its rows in
    // the export and what killed saves left; its row of the class list only when asked.
    // otherChildren: names whose documents are not the child's even where their file names
    // could be.
    Outcome deleteChild(const QString &name, bool classRow, const QStringList &otherChildren);
    // The child's answers, results and class-list row go on under the new name; renamed is
    // false when the record could not take the new name and nothing was changed.
    Outcome renameChild(const QString &from, const QString &to, bool &renamed);
    // Keeps the new period; when it is shorter, what is older goes now.
    Outcome setRetention(int days, bool removeOld);

private:
    int changeResults(const QString &from, const QString &to, Outcome &outcome);
    int changeTable(const QString &fileName, qsizetype maxBytes, const std::function<int(ClassList &)> &change,
                    Outcome &outcome);

    Files &m_files;
    const Clock &m_clock;
};

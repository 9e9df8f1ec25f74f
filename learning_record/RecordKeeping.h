// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Clock;
class Files;
struct JournalFields;

// Changes to the record as a whole: the removal of answers older than the record keeps
// them, and the deletion or renaming of a child, in every journal of the folder.
//
// Journals belong to the runs that write them, and a run may be appending to one at this
// very moment, on this computer or another. A change therefore first finds every line it
// takes, makes it safe elsewhere (the renamed copy, the list of lines taken out) and only
// then rewrites the journals, each as a whole through a new file. Lines that a live run
// appends meanwhile are not taken: they are kept in a file of this run's own, and the run
// that wrote them writes them again when it finds its journal changed (JournalWriter).
// Rewrites of several programs wait for each other through a lock where the folder's file
// system keeps one; the lines of live runs do not depend on it.
class RecordKeeping
{
public:
    struct Outcome
    {
        int changedFiles = 0;
        QStringList failures; // one German sentence each
        bool busy = false;    // another program was changing the record; nothing was done
    };

    // writer: the run's name as a writer (RecordFiles::WriterName).
    RecordKeeping(Files &files, const Clock &clock, const QString &writer);

    // Removes the answers older than the retention period. Leaves it to another program
    // that is at it already.
    Outcome removeOld();
    // Removes every line of the child, and every unreadable line that names it.
    Outcome remove(const QString &name);
    // Gives the child's answers the new name; a child of that name gets them added.
    Outcome rename(const QString &from, const QString &to);

private:
    using Pick = std::function<bool(const JournalFields &)>;
    struct Change;

    static Change ChildChange(const QString &name);
    Outcome change(Change &change, bool waitForOthers);
    QString nextWriter();

    Files &m_files;
    const Clock &m_clock;
    QString m_writer;
};

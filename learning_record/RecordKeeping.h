// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class Clock;
class Files;

// Changes to the record as a whole: the removal of answers older than the record keeps
// them, and the deletion or renaming of a child. Journals are never rewritten while a run
// may append to them: old days and a deleted child's journals go as whole files (a file
// that only its owner may remove, in a shared folder with the sticky bit, is emptied
// instead; its name tells nothing), and a renaming is a line in the list of renamings.
class RecordKeeping
{
public:
    struct Outcome
    {
        int answers = 0;      // lines of the child taken out
        int files = 0;        // journals removed or emptied
        QStringList failures; // one German sentence each, naming the file
    };

    RecordKeeping(Files &files, const Clock &clock);

    // Removes the journals of days past the retention period, under a valid setting only.
    Outcome removeOld();
    // Removes every journal of the child as the record shows it (after the renamings), and
    // the renamings that led to it.
    Outcome remove(const QString &name);
    // The child's answers go on under the new name, with those of a child of that name.
    // The empty text on success, else why not, in German.
    QString rename(const QString &from, const QString &to);

private:
    void discard(const QString &entry, Outcome &outcome);

    Files &m_files;
    const Clock &m_clock;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ResultsFile.h"

#include <QString>
#include <QStringList>

class Dialogs;
class Files;

// The results file of the working folder. Several programs may share the folder (classes
// on a school server), so the end of a run writes only what this run added into what the
// file holds by then, under a lock; a file that cannot be read whole is never rewritten.
class ResultsKeeper
{
public:
    struct Saved
    {
        enum class Outcome {
            Written,  // the file holds this run's entries
            Kept,     // the file could not be read whole and stays; nothing was new
            SetAside, // the file stays; this run's entries are in asideName
            Failed,   // nothing could be saved; reason says why
        };
        Outcome outcome = Outcome::Written;
        QString reason;
        QString asideName;

        // Says in a box what went wrong, if anything.
        void tell(Dialogs &dialogs) const;
        // The same for an end that nobody watches (a logout, a signal).
        void log() const;
    };

    explicit ResultsKeeper(Files &files);

    // The entries at start-up; complete is false when the file is missing or unreadable.
    ResultsFileContents load();
    // An entry this run adds to the list.
    void added(const QString &entry);
    // The entries this run added for the user go to the new name, or go when it is empty.
    void userChanged(const QString &from, const QString &to);
    Saved save();

private:
    ResultsFileContents read(bool missingIsWhole);
    Saved setAside();

    Files &m_files;
    QStringList m_added;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RecordedAnswer.h"

#include <QHash>
#include <QMap>
#include <QStringList>

class Files;

// Writes the answers of one program run into its own journals, one per child and day,
// which no other run writes. A line is appended as soon as it comes; what cannot be written
// (a full disk, a read-only folder) is kept and written with the next line or the next
// retry, after a line break, so that a piece of a line left in the file stays apart.
//
// A teacher may remove or empty these files while the run goes on (deleting a child,
// removing old answers): what was written is then gone on purpose and never written
// again; new answers go on into the file.
class JournalWriter
{
public:
    // writer: the run's name as a writer (RecordFiles::WriterName).
    JournalWriter(Files &files, const QString &writer);

    // The empty text when every line kept is written, else why not, in German.
    QString append(const RecordedAnswer &answer);
    QString retry();
    // Puts the run's journals on the disk.
    QString sync();
    // The journals this run has written to.
    QStringList journals() const;
    // Lines not written yet.
    qsizetype unwritten() const;

private:
    struct Journal
    {
        QByteArray pending;        // whole lines, the first perhaps begun in the file already
        qsizetype pendingLines = 0;
        bool written = false;      // something reached the file
        bool afterFailure = false; // the file may end in the middle of a line
    };

    QString write(const QString &path, Journal &journal);

    Files &m_files;
    QString m_writer;
    QHash<QString, int> m_children;   // by the name as a person reads it: its number in the run
    QMap<QString, Journal> m_journals; // by path
    bool m_folderMade = false;
};

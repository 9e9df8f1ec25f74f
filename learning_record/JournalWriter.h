// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Files.h"
#include "RecordedAnswer.h"

#include <QHash>
#include <QList>

class Clock;

// Writes the answers of one program run into its own journals, one per child, which no
// other run writes. A line is appended as soon as it comes; what cannot be written (a full
// disk, a read-only folder) is kept and written with the next line or the next retry.
//
// Others may rewrite these files (a teacher deleting or renaming a child, the removal of
// old answers) while this run appends. Each append therefore goes only to the file as it
// was left by the last one; when the file was replaced or removed meanwhile, the journal is
// read again and every line of this run that is missing is written again, unless a
// deletion or renaming took it out on purpose (HandledLines) or it is older than the
// record keeps answers.
class JournalWriter
{
public:
    // writer: the run's name as a writer (RecordFiles::WriterName).
    JournalWriter(Files &files, const Clock &clock, const QString &writer);

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
    struct Line
    {
        QByteArray bytes;
        quint64 seq = 0;
        qint64 utcSeconds = 0;
    };
    struct Journal
    {
        QString path;
        QList<Line> lines;        // every line of this run for the child still to be kept
        qsizetype written = 0;    // lines[0, written) are in the file
        FileStamp expected;       // the file as the last append left it
        bool tornEnd = false;     // the file ends in the middle of a line
    };

    QString write(Journal &journal);
    void reconcile(Journal &journal);

    Files &m_files;
    const Clock &m_clock;
    QString m_writer;
    QHash<QString, Journal> m_journals; // by child name
    bool m_folderMade = false;
};

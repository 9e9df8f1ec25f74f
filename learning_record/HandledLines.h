// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QString>
#include <utility>

class Files;

// The lines that a deletion or a renaming took out of the journals of their runs, named
// by run and number only (never by the child): the run that wrote them must not write
// them again when it finds them gone, and a reader does not show them where they were.
// Kept as lines "H1 <tab> time <tab> run <tab> 1-57,60" in a file of the rewrite's own.
class HandledLines
{
public:
    using Ranges = QList<std::pair<quint64, quint64>>; // first and last, in order, apart

    void add(const QString &run, quint64 seq) { add(run, seq, seq); }
    bool contains(const QString &run, quint64 seq) const { return Contains(rangesOf(run), seq); }
    // Null when none of the run's lines were taken out.
    const Ranges *rangesOf(const QString &run) const;
    static bool Contains(const Ranges *ranges, quint64 seq);

    // The lines listed in the files among the entries of the record folder.
    static HandledLines Read(Files &files, const QStringList &entries);

    QByteArray toBytes(const QByteArray &isoTime) const;
    // Adds the lines of such a file; returns the time of its newest line (UTC seconds), or
    // -1 when none could be read.
    qint64 addFrom(const QByteArray &bytes);

private:
    void add(const QString &run, quint64 first, quint64 last);
    void tidy() const;

    mutable QHash<QString, Ranges> m_ranges;
    mutable bool m_tidy = true;
};

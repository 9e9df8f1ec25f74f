// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

class Files;

// The renamings of children that the teacher made, oldest first, in
// Lernstand/Umbenennungen.txt: "U1 <tab> time <tab> old name <tab> new name", the names
// escaped as in journals. No journal is rewritten: the lines of a run that began before a
// renaming are read under the new name (a program still running as the old name is
// counted under the new one), while a run that began later with the old name is another
// child. A renaming into a name that is there merges the two.
class Renamings
{
public:
    struct Renaming
    {
        qint64 utcSeconds = 0;
        QString from; // as a person reads it (PersonName.h)
        QString to;
        bool operator==(const Renaming &) const = default;
    };

    // What the file holds; complete is false when it could not be read whole.
    static Renamings Read(Files &files);
    // Under the file's lock: read again, changed, and replaced as a whole when change says
    // it changed something. The empty text on success, else why not, in German.
    static QString Change(Files &files, const std::function<bool(Renamings &)> &change);

    // The name under which the record shows `name` (as a person reads it) of a run that
    // began at runStart (UTC seconds; none: before every renaming). used gets the index of
    // each renaming that applied.
    QString resolve(const QString &name, std::optional<qint64> runStart, QList<int> *used = nullptr) const;

    QList<Renaming> list;
    bool complete = true;

private:
    QByteArray toBytes() const;
};

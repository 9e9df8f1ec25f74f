// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PickableNames.h"

#include "ClassList.h"
#include "Dialogs.h"
#include "Files.h"
#include "PersonName.h"
#include "RecordReader.h"

#include <QSet>

QStringList PickableNames(Files &files, const QStringList &recordNames)
{
    QStringList names = recordNames;
    const FileContents classFile = files.read(ClassList::FileName, ClassList::MaxBytes);
    if (classFile.opened) {
        const ClassList classList = ClassList::Parse(classFile.bytes);
        if (classList.usable())
            names += classList.names();
    }
    QSet<QString> seen;
    QStringList picked;
    for (const QString &name : std::as_const(names)) {
        QString kept = name.left(MaxNameLength);
        if (kept.size() == MaxNameLength && kept.back().isHighSurrogate())
            kept.chop(1); // never half a character
        kept = ComparableName(kept);
        if (!kept.isEmpty() && !seen.contains(kept)) {
            seen.insert(kept);
            picked.append(kept);
        }
    }
    SortNames(picked);
    return picked;
}

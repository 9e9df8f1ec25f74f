// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassListFile.h"

#include "ClassList.h"
#include "Files.h"

QString ChangeClassList(Files &files, const QString &fileName, qsizetype maxBytes, bool createMissing,
                        const std::function<bool(ClassList &)> &change)
{
    const std::unique_ptr<FileLock> lock = files.lock(fileName);
    if (!lock)
        return QStringLiteral("Die Datei %1 kann gerade nicht gesperrt werden (ein anderes Programm ändert "
                              "sie, oder das Laufwerk kennt keine Sperren) und bleibt, wie sie ist.")
            .arg(fileName);
    const FileContents file = files.read(fileName, maxBytes);
    if (file.missing && !createMissing)
        return {};
    if (!file.missing && (!file.opened || !file.complete))
        return QStringLiteral("Die Datei %1 konnte nicht ganz gelesen werden und bleibt, wie sie ist.").arg(fileName);
    ClassList list = file.missing ? ClassList() : ClassList::Parse(file.bytes);
    if (!list.usable())
        return QStringLiteral("Die Datei %1 hat keine Spalte „%2“ und bleibt, wie sie ist.")
            .arg(fileName, ClassList::NameTitle);
    if (!change(list))
        return {};
    if (const QString failure = files.write(fileName, list.toBytes()); !failure.isEmpty())
        return QStringLiteral("Die Datei %1 konnte nicht gespeichert werden:\r%2").arg(fileName, failure);
    return {};
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtFiles.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

FileContents QtFiles::read(const QString &name, qsizetype maxBytes)
{
    FileContents contents;
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        return contents;
    contents.opened = true;
    contents.bytes = file.read(maxBytes);
    contents.complete = file.error() == QFile::NoError && file.atEnd();
    return contents;
}

QString QtFiles::write(const QString &name, const QByteArray &bytes)
{
    QSaveFile file(name);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

QString QtFiles::currentDirectory() const { return QDir::currentPath(); }

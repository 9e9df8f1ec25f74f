// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Files.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <functional>

// Files kept in memory, named relative to a made-up working directory ("." is that directory).
class FakeFiles : public Files
{
public:
    FileContents read(const QString &name, qsizetype maxBytes) override;
    QString write(const QString &name, const QByteArray &bytes,
                  Writable writable = Writable::AsFolder) override;
    QString currentDirectory() const override { return directory; }
    bool exists(const QString &name) const override { return files.contains(name); }
    std::unique_ptr<FileLock> lock(const QString &name) override;
    QStringList entries(const QString &folder) override;
    QString makeFolder(const QString &name) override;
    AppendOutcome append(const QString &name, const QByteArray &bytes) override;
    QString sync(const QString &name) override;
    QString remove(const QString &name) override;
    QString empty(const QString &name) override;
    QStringList removeLeftovers(const QString &folder) override;

    QHash<QString, QByteArray> files;
    // A name listed here cannot be written; the reason is returned.
    QHash<QString, QString> writeFailures;
    // A name listed here cannot be read to its end: reading stops after that many bytes.
    QHash<QString, qsizetype> readFailures;
    QStringList reads;
    QStringList writes;
    QHash<QString, Writable> writtenAs; // by the last write of each name
    QSet<QString> locked;
    // Runs each time a name is locked (another program's doings while the lock is held).
    std::function<void(const QString &)> whenLocked;
    QString directory = QStringLiteral("/schule");
    QSet<QString> folders;
    QStringList syncs;
    // Names here cannot be removed (another account's file in a folder with the sticky bit).
    QSet<QString> unremovable;
    // Names here cannot be locked (a file system without locks).
    QSet<QString> unlockable;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Files.h"

#include <QHash>
#include <QSet>
#include <QStringList>
#include <functional>

// Files kept in memory, named relative to a made-up working directory.
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
    AppendOutcome append(const QString &name, const QByteArray &bytes,
                         const FileStamp &expected) override;
    QString sync(const QString &name) override;
    RewriteOutcome rewrite(const QString &name, qsizetype maxBytes,
                           const std::function<Rewrite(const QByteArray &)> &decide) override;
    QString remove(const QString &name) override;

    FileStamp stamp(const QString &name) const;

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
    // Which file each name stands for: a save or a new file gets a number of its own.
    QHash<QString, quint64> inodes;
    QStringList syncs;
    // Runs after a rewrite has read the file and before it changes it (another program's
    // doings meanwhile).
    std::function<void(const QString &)> whileRewriting;

private:
    quint64 m_lastInode = 0;
};

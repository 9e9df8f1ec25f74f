// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Files.h"

#include <chrono>
#include <sys/types.h>
#include <unistd.h>

// The system calls whose failures a test can inject.
struct FileSystemCalls
{
    ssize_t (*read)(int, void *, size_t) = ::read;
    ssize_t (*write)(int, const void *, size_t) = ::write;
    int (*fsync)(int) = ::fsync;
    int (*close)(int) = ::close;
    int (*rename)(const char *, const char *) = ::rename;
};

// Files on disk through plain POSIX calls, so that every step of a save is checked: a
// temporary file beside the target (".ZEP100.INI.tmp-XXXXXX"), written, closed, synced and
// renamed over the target, then the folder synced. Any failure before the rename leaves
// the old file as it was and removes the temporary file.
class QtFiles : public Files
{
public:
    using SystemCalls = FileSystemCalls;
    static constexpr std::chrono::milliseconds DefaultLockWait{5000};

    explicit QtFiles(SystemCalls calls = {}, std::chrono::milliseconds lockWait = DefaultLockWait);

    FileContents read(const QString &name, qsizetype maxBytes) override;
    QString write(const QString &name, const QByteArray &bytes,
                  Writable writable = Writable::AsFolder) override;
    QString currentDirectory() const override;
    bool exists(const QString &name) const override;
    // Locks ".NAME.lock" beside the file; the lock file stays for the next program.
    std::unique_ptr<FileLock> lock(const QString &name) override;
    QStringList entries(const QString &folder) override;
    QString makeFolder(const QString &name) override;
    AppendOutcome append(const QString &name, const QByteArray &bytes) override;
    QString sync(const QString &name) override;
    QString remove(const QString &name) override;
    QString empty(const QString &name) override;
    QStringList removeLeftovers(const QString &folder) override;

    // The reason for a failed system call in plain German.
    static QString Reason(int error);

private:
    QString replace(const QByteArray &target, const QByteArray &bytes, Writable writable);
    int writeAll(int fd, const QByteArray &bytes, qsizetype *done = nullptr);

    SystemCalls m_calls;
    std::chrono::milliseconds m_lockWait;
};

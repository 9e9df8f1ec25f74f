// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

// A tmpfs of 64 KiB of its own over a folder, in a mount namespace of this test process
// where that can be had (before the process starts threads), and unmounted again in every
// case.
class SmallDisk
{
public:
    explicit SmallDisk(const QString &path) : m_path(QFile::encodeName(path))
    {
        if (::unshare(CLONE_NEWNS) == 0)
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
        m_mounted = ::mount("tmpfs", m_path.constData(), "tmpfs", 0, "size=64k") == 0;
        m_error = errno;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            ::umount2(m_path.constData(), MNT_DETACH);
    }
    bool mounted() const { return m_mounted; }
    const char *error() const { return std::strerror(m_error); }

    // Writes until the disk is full.
    void fill() const
    {
        const int fd = ::open((m_path + "/voll").constData(), O_WRONLY | O_CREAT, 0600);
        const QByteArray block(4096, 'x');
        while (::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        ::close(fd);
    }
    // Makes room again.
    void empty() const { ::unlink((m_path + "/voll").constData()); }
    // Read-only, or writable again: a folder on a write-protected disk.
    bool setReadOnly(bool readOnly) const
    {
        return ::mount(nullptr, m_path.constData(), nullptr,
                       MS_REMOUNT | (readOnly ? MS_RDONLY : 0), "size=64k") == 0;
    }

private:
    QByteArray m_path;
    bool m_mounted = false;
    int m_error = 0;
};

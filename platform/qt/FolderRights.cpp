// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FolderRights.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace {

constexpr mode_t FullFileMode = 0666;
constexpr mode_t FullFolderMode = 0777;

// Kept by the kernel beside the mode; present only where an administrator set one.
bool HasDefaultAcl(const QByteArray &folder)
{
    return ::getxattr(folder.constData(), "system.posix_acl_default", nullptr, 0) > 0;
}

} // namespace

FolderRights FolderRights::Of(const QByteArray &folder)
{
    FolderRights rights;
    struct stat st;
    if (::stat(folder.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        return rights;
    rights.m_mode = st.st_mode & 0777;
    rights.m_group = st.st_gid;
    rights.m_defaultAcl = HasDefaultAcl(folder);
    return rights;
}

FolderRights FolderRights::ForEntryAt(const QByteArray &path)
{
    QByteArray trimmed = path;
    while (trimmed.size() > 1 && trimmed.endsWith('/'))
        trimmed.chop(1);
    const qsizetype slash = trimmed.lastIndexOf('/');
    if (slash < 0)
        return Of(QByteArrayLiteral("."));
    return Of(slash == 0 ? QByteArrayLiteral("/") : trimmed.left(slash));
}

mode_t FolderRights::fileMode(Writable writable) const
{
    const mode_t writers = writable == Writable::AsFolder ? S_IWGRP | S_IWOTH : 0;
    if (m_defaultAcl) // the ACL's entries give the rights, up to this mode
        return (FullFileMode & ~(S_IWGRP | S_IWOTH)) | writers;
    const mode_t readers = m_mode & (S_IRGRP | S_IROTH);
    return S_IRUSR | S_IWUSR | readers | (m_mode & writers);
}

mode_t FolderRights::folderMode() const
{
    return m_defaultAcl ? FullFolderMode : S_IRWXU | (m_mode & (S_IRWXG | S_IRWXO));
}

int FolderRights::createFile(const QByteArray &path, int flags, Writable writable) const
{
    const mode_t mode = fileMode(writable);
    const int fd = ::open(path.constData(), flags | O_CREAT | O_EXCL, mode);
    if (fd < 0 || m_defaultAcl)
        return fd;
    ::fchmod(fd, mode); // the umask took its part of the mode
    struct stat st;
    // Without setgid, the folder's group is given by hand; where this account may not give
    // it, the file's group (this account's own) gets nothing.
    if ((m_mode & S_IRWXG) && ::fstat(fd, &st) == 0 && st.st_gid != m_group)
        if (::fchown(fd, uid_t(-1), m_group) != 0)
            ::fchmod(fd, mode & ~S_IRWXG);
    return fd;
}

int FolderRights::createFolder(const QByteArray &path) const
{
    if (::mkdir(path.constData(), folderMode()) != 0)
        return errno;
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return errno;
    mode_t mode = m_defaultAcl ? st.st_mode & 07777 : folderMode() | (st.st_mode & S_ISGID);
    if (shared())
        mode |= S_ISVTX;
    if (!m_defaultAcl && (m_mode & S_IRWXG) && st.st_gid != m_group
        && ::chown(path.constData(), uid_t(-1), m_group) != 0)
        mode &= ~S_IRWXG;
    // The same permission bits under a default ACL, so that its mask stays as it came.
    if ((st.st_mode & 07777) != mode && ::chmod(path.constData(), mode) != 0)
        return errno;
    return 0;
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Files.h"

#include <QByteArray>
#include <sys/stat.h>
#include <sys/types.h>

// The rights of a new file or folder, taken from the folder it is made in, so that it is
// never more open than that folder: in a private folder owner only, in a folder a group
// shares (group-writable, usually setgid) read and write for that group and with its
// group, readable by all only where the folder is. Where an administrator has given the
// folder a default ACL, the ACL decides and the umask plays no part; elsewhere the mode is
// set explicitly, whatever the umask.
class FolderRights
{
public:
    // The rights of the folder at the path; a folder that cannot be examined gives owner only.
    static FolderRights Of(const QByteArray &folder);
    // The same for the folder holding the file or folder at the path.
    static FolderRights ForEntryAt(const QByteArray &path);

    bool hasDefaultAcl() const { return m_defaultAcl; }
    // Others than the owner may make and remove entries in it.
    bool shared() const { return (m_mode & (S_IWGRP | S_IWOTH)) != 0; }

    // The mode to pass to open() or mkdir().
    mode_t fileMode(Writable writable) const;
    mode_t folderMode() const;

    // Makes a new file (it must not exist yet) with these rights; the descriptor, or -1
    // with errno set. flags are open()'s, without O_CREAT and O_EXCL.
    int createFile(const QByteArray &path, int flags, Writable writable) const;
    // Makes a new folder with these rights; in a shared folder it gets the sticky bit, so
    // that no account can remove or rename another's files in it. 0, or the error.
    int createFolder(const QByteArray &path) const;

private:
    mode_t m_mode = S_IRWXU; // permission bits of the folder
    gid_t m_group = 0;
    bool m_defaultAcl = false;
};

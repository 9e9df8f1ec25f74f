// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

struct FileContents
{
    bool opened = false;   // false: missing, unreadable or not a regular file
    bool missing = false;  // true: nothing at all has that name
    bool complete = false; // false: only the first maxBytes bytes were read, or reading failed
    QByteArray bytes;
};

// Held until destroyed.
class FileLock
{
public:
    virtual ~FileLock() = default;
};

// Files named by plain names live in the current directory.
class Files
{
public:
    virtual ~Files() = default;
    // Reads at most maxBytes bytes of a regular file; anything else is not opened.
    virtual FileContents read(const QString &name, qsizetype maxBytes) = 0;
    // Replaces the regular file (or creates it) as a whole or not at all; the empty text
    // on success, else the reason in German. A symbolic link is followed and stays.
    virtual QString write(const QString &name, const QByteArray &bytes) = 0;
    virtual QString currentDirectory() const = 0;
    // Whether anything (a file, a folder, a link) has that name.
    virtual bool exists(const QString &name) const = 0;
    // An exclusive lock for the named file, shared with every program that locks the same
    // name. Waits a few seconds at most; null when the lock could not be had. A lock dies
    // with the program that holds it.
    virtual std::unique_ptr<FileLock> lock(const QString &name) = 0;
};

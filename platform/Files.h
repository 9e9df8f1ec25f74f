// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

struct FileContents
{
    bool opened = false;   // false: missing, unreadable or not a regular file
    bool missing = false;  // true: nothing at all has that name
    bool complete = false; // false: only the first maxBytes bytes were read, or reading failed
    QByteArray bytes;
};

struct AppendOutcome
{
    QString error;         // empty when every byte is in the file, else why not, in German
    qsizetype written = 0; // how many of the bytes, from their start, are surely in the file
};

// Who may write a file that the program makes: everyone who may write in its folder, or
// its owner alone (the others who may read in the folder read it).
enum class Writable { AsFolder, ByOwner };

// Held until destroyed.
class FileLock
{
public:
    virtual ~FileLock() = default;
};

// Files named by plain names live in the current directory. A file or folder that the
// program makes is never more open than the folder it is made in.
class Files
{
public:
    virtual ~Files() = default;
    // Reads at most maxBytes bytes of a regular file; anything else is not opened.
    virtual FileContents read(const QString &name, qsizetype maxBytes) = 0;
    // Replaces the regular file (or creates it) as a whole or not at all; the empty text
    // on success, else the reason in German. A symbolic link is followed and stays. A file
    // that is replaced keeps its rights within what the folder gives (ByOwner takes the
    // others' writing away).
    virtual QString write(const QString &name, const QByteArray &bytes,
                          Writable writable = Writable::AsFolder) = 0;
    virtual QString currentDirectory() const = 0;
    // Whether anything (a file, a folder, a link) has that name.
    virtual bool exists(const QString &name) const = 0;
    // An exclusive lock for the named file, shared with every program that locks the same
    // name. Waits a few seconds at most; null when the lock could not be had. A lock dies
    // with the program that holds it.
    virtual std::unique_ptr<FileLock> lock(const QString &name) = 0;

    // Files that one program appends to and others may remove or empty (the learning
    // record). The real files may be called from any thread.

    // The names in a folder, hidden ones included; empty when it cannot be read.
    virtual QStringList entries(const QString &folder) = 0;
    // Makes the folder unless it is there; the empty text on success, else the reason. A
    // folder made where others may write gets the sticky bit: no account removes or
    // renames another's files in it.
    virtual QString makeFolder(const QString &name) = 0;
    // Appends bytes to the regular file, made when missing (a link is not followed).
    virtual AppendOutcome append(const QString &name, const QByteArray &bytes) = 0;
    // Puts what was written to the file on the disk; the empty text on success.
    virtual QString sync(const QString &name) = 0;
    // Removes a file; the empty text on success or when nothing had the name.
    virtual QString remove(const QString &name) = 0;
    // Cuts the regular file to nothing (a link is not followed), for a file in a shared
    // folder that only its owner may remove; the empty text on success.
    virtual QString empty(const QString &name) = 0;
    // Removes what saves that were killed left in the folder (".NAME.tmp-XXXXXX"); the file
    // of a save still running stays. The names removed.
    virtual QStringList removeLeftovers(const QString &folder) = 0;
};

// Beside a file that must stay as it is: the first of NAME.neu, NAME.neu2, … that nothing
// has yet; the empty text when a thousand are taken.
QString AsideName(const Files &files, const QString &name);

// The full path of a name in the current directory, written as the system writes paths,
// for messages and for the file name box's preset.
QString ShownPath(const Files &files, const QString &name);

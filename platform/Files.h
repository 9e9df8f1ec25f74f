// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

// Which file a name stands for, and how long it is: a name comes to stand for another file
// when someone replaces or removes the file.
struct FileStamp
{
    bool exists = false;
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    bool operator==(const FileStamp &) const = default;
};

struct FileContents
{
    bool opened = false;   // false: missing, unreadable or not a regular file
    bool missing = false;  // true: nothing at all has that name
    bool complete = false; // false: only the first maxBytes bytes were read, or reading failed
    QByteArray bytes;
    FileStamp stamp; // of the file that was read, when it was opened
};

struct AppendOutcome
{
    enum class Result {
        Written, // every byte is in the file
        Changed, // the file was not as expected; nothing was written
        Failed,  // error says why; some bytes may have been written
    };
    Result result = Result::Failed;
    QString error;
    FileStamp stamp;        // Written: the file after the bytes; Changed: the file as found
    bool movedAway = false; // Written: by then the name stood for another file, or none
};

// What to do with a file that was read for a rewrite.
struct Rewrite
{
    enum class Action { Keep, Replace, Remove };
    Action action = Action::Keep;
    QByteArray bytes; // Replace: the new contents
    qsizetype seen = 0; // the bytes the decision took into account, from the start
};

struct RewriteOutcome
{
    QString error; // empty when the file stays or was replaced or removed as decided
    bool overtaken = false; // error: another program replaced or removed it first
    // What another program appended to the old file after the first `seen` bytes, until
    // it was replaced or removed: bytes that the new contents do not hold.
    QByteArray addedMeanwhile;
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

    // Files that one program appends to and others may rewrite (the learning record).
    // The real files may be called from any thread.

    // The names in a folder, hidden ones included; empty when it cannot be read.
    virtual QStringList entries(const QString &folder) = 0;
    // Makes the folder unless it is there; the empty text on success, else the reason. A
    // folder made where others may write gets the sticky bit: no account removes or
    // renames another's files in it.
    virtual QString makeFolder(const QString &name) = 0;
    // Appends bytes to the regular file (made when missing; a link is not followed), but
    // only while the name stands for the file as expected: an expected stamp that does not
    // exist takes a missing or empty file.
    virtual AppendOutcome append(const QString &name, const QByteArray &bytes,
                                 const FileStamp &expected) = 0;
    // Puts what was written to the file on the disk; the empty text on success.
    virtual QString sync(const QString &name) = 0;
    // Reads the regular file (one larger than maxBytes is not read; a link is not
    // followed), lets decide choose, and replaces or removes the file as decided. Decide
    // runs before anything changes. A missing file is no failure.
    virtual RewriteOutcome rewrite(const QString &name, qsizetype maxBytes,
                                   const std::function<Rewrite(const QByteArray &)> &decide) = 0;
    // Removes a file; the empty text on success or when nothing had the name.
    virtual QString remove(const QString &name) = 0;
};

// The full path of a name in the current directory, written as the system writes paths,
// for messages and for the file name box's preset.
QString ShownPath(const Files &files, const QString &name);

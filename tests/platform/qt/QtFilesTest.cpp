// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileBytes.h"
#include "QtFiles.h"
#include "SmallDisk.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

QStringList Entries(const QTemporaryDir &folder)
{
    QStringList names = QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden
                                                      | QDir::System | QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

QByteArray Native(const QString &path) { return QFile::encodeName(path); }

ssize_t DiskFullOnWrite(int, const void *, size_t) { errno = ENOSPC; return -1; }
int InputOutputErrorOnSync(int) { errno = EIO; return -1; }
int QuotaExceededOnClose(int fd) { ::close(fd); errno = EDQUOT; return -1; }
int ReadOnlyOnRename(const char *, const char *) { errno = EROFS; return -1; }
ssize_t InputOutputErrorOnRead(int, void *, size_t) { errno = EIO; return -1; }

// The disk fills up after the first three bytes.
ssize_t WriteThreeBytesThenFull(int fd, const void *data, size_t size)
{
    static bool wrote = false;
    if (std::exchange(wrote, !wrote)) {
        errno = ENOSPC;
        return -1;
    }
    return ::write(fd, data, std::min<size_t>(size, 3));
}

} // namespace

// On a full disk a save fails with its reason and the old file stays byte for byte.
TEST(QtFiles, AFullDiskNeverEmptiesAFile)
{
    QTemporaryDir folder;
    const SmallDisk disk(folder.path());
    if (!disk.mounted())
        GTEST_SKIP() << "no small file system could be mounted (" << disk.error()
                     << "); the full-disk case needs root";
    QtFiles files;
    const QString name = folder.filePath(QStringLiteral("ZEP100.INI"));
    ASSERT_EQ(files.write(name, "0001  Anna\r\n"), QString());
    disk.fill();
    EXPECT_EQ(files.write(name, QByteArray(8192, 'y')),
              u"Auf dem Datenträger ist kein Platz mehr frei.");
    EXPECT_EQ(Contents(name), "0001  Anna\r\n");
    EXPECT_EQ(Entries(folder), (QStringList{"ZEP100.INI", "voll"}));
}

// An append makes the file or adds to it and says how much of a cut-off append went in;
// emptying keeps the file; neither waits for a pipe.
TEST(QtFiles, AppendsAndEmpties)
{
    QTemporaryDir folder;
    QtFiles files;
    const QString name = folder.filePath(QStringLiteral("Mia.antworten"));
    EXPECT_EQ(files.append(name, "a\n").error, QString());
    EXPECT_EQ(files.append(name, "b\n").written, 2);
    FileSystemCalls cut;
    cut.write = WriteThreeBytesThenFull;
    const AppendOutcome full = QtFiles(cut).append(name, "cdefgh");
    EXPECT_EQ(std::tuple(full.error, full.written), std::tuple(u"Auf dem Datenträger ist kein Platz mehr frei."_qs, 3));
    EXPECT_EQ(Contents(name), "a\nb\ncde");
    EXPECT_EQ(files.empty(name), QString());
    EXPECT_EQ(Contents(name), "");

    const QString pipe = folder.filePath(QStringLiteral("Rohr.antworten"));
    ASSERT_EQ(::mkfifo(Native(pipe).constData(), 0600), 0);
    EXPECT_FALSE(files.append(pipe, "x\n").error.isEmpty());
    EXPECT_FALSE(files.empty(pipe).isEmpty());
    EXPECT_EQ(files.makeFolder(folder.filePath(QStringLiteral("Lernstand"))), QString());
    EXPECT_EQ(files.makeFolder(folder.filePath(QStringLiteral("Lernstand"))), QString());
    EXPECT_FALSE(files.makeFolder(pipe).isEmpty());
}

// Whichever step of a save fails, the old file stays, no temporary file is left and the
// reason is given in German; a failed or cut-off read says the file was not read whole.
TEST(QtFiles, AFailingStepKeepsTheOldFileAndSaysWhyInGerman)
{
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("ZEP100.TXT"));
    ASSERT_EQ(QtFiles().write(name, "Haus\r\n"), QString());
    FileSystemCalls write, sync, close, rename, read;
    write.write = DiskFullOnWrite;
    sync.fsync = InputOutputErrorOnSync;
    close.close = QuotaExceededOnClose;
    rename.rename = ReadOnlyOnRename;
    read.read = InputOutputErrorOnRead;
    const std::pair<FileSystemCalls, QString> failures[] = {
        {write, u"Auf dem Datenträger ist kein Platz mehr frei."_qs},
        {sync, u"Der Datenträger meldet einen Lese- oder Schreibfehler."_qs},
        {close, u"Der zugeteilte Speicherplatz ist aufgebraucht."_qs},
        {rename, u"Der Datenträger ist schreibgeschützt."_qs},
    };
    for (const auto &[calls, reason] : failures) {
        EXPECT_EQ(QtFiles(calls).write(name, "Baum\r\n"), reason);
        EXPECT_EQ(Contents(name), "Haus\r\n") << qPrintable(reason);
        EXPECT_EQ(Entries(folder), QStringList{"ZEP100.TXT"}) << qPrintable(reason);
    }
    const FileContents cut = QtFiles(read).read(name, 100);
    EXPECT_TRUE(cut.opened);
    EXPECT_FALSE(cut.complete);
    // A read that reaches its limit stops there and says so too.
    const FileContents part = QtFiles().read(name, 3);
    EXPECT_TRUE(part.opened);
    EXPECT_FALSE(part.complete);
    EXPECT_EQ(part.bytes, "Hau");
    EXPECT_FALSE(QtFiles().read(folder.filePath(QStringLiteral("fehlt.txt")), 100).opened);
}

// A named pipe cannot hold up reading, a pipe, a folder or a device under the name is never
// replaced, and a symbolic link leads the save to its file and stays a link.
TEST(QtFiles, OnlyRegularFilesAreReadOrReplacedAndLinksLeadToTheirFile)
{
    QTemporaryDir folder;
    QtFiles files;
    const QString pipe = folder.filePath(QStringLiteral("ZEP100.TXT"));
    ASSERT_EQ(::mkfifo(Native(pipe).constData(), 0600), 0);
    ::alarm(20); // should reading block on the pipe, the test ends here
    const FileContents fromPipe = files.read(pipe, 100);
    ::alarm(0);
    EXPECT_FALSE(fromPipe.opened);
    EXPECT_FALSE(fromPipe.missing);
    EXPECT_TRUE(files.write(pipe, "x").contains(u"eine Pipe"));
    EXPECT_TRUE(QFileInfo(pipe).exists() && !QFileInfo(pipe).isFile());
    EXPECT_TRUE(files.write(folder.path(), "x").contains(u"ein Ordner"));
    EXPECT_FALSE(files.read(folder.path(), 100).opened);

    QTemporaryDir elsewhere;
    const QString library = elsewhere.filePath(QStringLiteral("bibliothek.txt"));
    ASSERT_EQ(files.write(library, "alt\r\n"), QString());
    const QString link = folder.filePath(QStringLiteral("ZEP100.INI"));
    ASSERT_TRUE(QFile::link(library, link));
    ASSERT_EQ(files.write(link, "neu\r\n"), QString());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(Contents(library), "neu\r\n");

    const QString device = folder.filePath(QStringLiteral("ZEP100.DEV"));
    if (::mknod(Native(device).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        GTEST_SKIP() << "no device node could be made here (" << std::strerror(errno) << ")";
    EXPECT_TRUE(files.write(device, "0001  Anna\r\n").contains(u"ein Gerät"));
    EXPECT_TRUE(QFileInfo(device).exists() && !QFileInfo(device).isFile());
}

// The next save of a file removes the temporary files that killed saves of it left, and a
// clearing of the folder those of every file; one that a running save still holds stays,
// and so does anything else.
TEST(QtFiles, WhatKilledSavesLeftGoesAndWhatARunningSaveHoldsStays)
{
    QTemporaryDir folder;
    const QStringList others{".ZEP100.TXT.tmp-Xy9Zz0", ".ZEP100.TXT.tmp-zu-lang", ".notiz", ".x.tmp-AbC12"};
    for (const QString &name : others + QStringList{".ZEP100.TXT.tmp-a1B2c3", ".ZEP100.INI.tmp-a1B2c3"})
        ASSERT_TRUE(Put(folder.filePath(name), "halb"));
    const int running = ::open(Native(folder.filePath(others.at(0))).constData(), O_RDWR);
    struct flock whole = {};
    whole.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(running, F_OFD_SETLK, &whole), 0);
    QtFiles files;
    ASSERT_EQ(files.write(folder.filePath(QStringLiteral("ZEP100.TXT")), "Haus\r\n"), QString());
    EXPECT_EQ(Entries(folder), QStringList{".ZEP100.INI.tmp-a1B2c3"} + others + QStringList{"ZEP100.TXT"});
    EXPECT_EQ(files.removeLeftovers(folder.path()), QStringList{u".ZEP100.INI.tmp-a1B2c3"_qs});
    ::close(running);
    QStringList listed = files.entries(folder.path());
    listed.sort();
    EXPECT_EQ(listed, others + QStringList{"ZEP100.TXT"});
}

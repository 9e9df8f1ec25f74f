// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
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

QByteArray Contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("fehlt");
}

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

// A save elsewhere puts a new file under the name while an append is being written.
QByteArray ReplacedDuringWrite;
ssize_t WriteWhileReplaced(int fd, const void *data, size_t size)
{
    ::rename(ReplacedDuringWrite.constData(), (ReplacedDuringWrite + ".alt").constData());
    ::close(::open(ReplacedDuringWrite.constData(), O_WRONLY | O_CREAT, 0600));
    return ::write(fd, data, size);
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

// An append goes only to the file as the caller last left it, and says when the name came
// to stand for another file meanwhile; a rewrite hands back what was appended to the old
// file while it was decided; a pipe holds up neither.
TEST(QtFiles, AppendsGoToTheExpectedFileAndRewritesKeepWhatCameMeanwhile)
{
    QTemporaryDir folder;
    QtFiles files;
    const QString name = folder.filePath(QStringLiteral("Mia.journal"));
    const AppendOutcome first = files.append(name, "a\n", {});
    ASSERT_EQ(first.result, AppendOutcome::Result::Written);
    EXPECT_EQ(first.stamp.size, 2);
    EXPECT_EQ(files.append(name, "x\n", {}).result, AppendOutcome::Result::Changed);
    const AppendOutcome second = files.append(name, "b\n", first.stamp);
    ASSERT_EQ(second.result, AppendOutcome::Result::Written);
    EXPECT_FALSE(second.movedAway);
    ASSERT_EQ(files.write(name, "c\n"), QString());
    EXPECT_EQ(files.append(name, "d\n", second.stamp).result, AppendOutcome::Result::Changed);
    EXPECT_EQ(Contents(name), "c\n");

    FileSystemCalls replacing;
    replacing.write = WriteWhileReplaced;
    ReplacedDuringWrite = Native(name);
    const AppendOutcome moved = QtFiles(replacing).append(name, "d\n", files.read(name, 100).stamp);
    EXPECT_EQ(moved.result, AppendOutcome::Result::Written);
    EXPECT_TRUE(moved.movedAway);
    ASSERT_TRUE(QFile::remove(name + QStringLiteral(".alt")));

    const FileStamp empty = files.read(name, 100).stamp;
    const RewriteOutcome replaced = files.rewrite(name, 100, [&](const QByteArray &bytes) {
        EXPECT_EQ(bytes, "");
        files.append(name, "e\n", empty); // another program, meanwhile
        return Rewrite{Rewrite::Action::Replace, "C\n", bytes.size()};
    });
    EXPECT_EQ(std::tuple(replaced.error, replaced.addedMeanwhile), std::tuple(QString(), QByteArray("e\n")));
    EXPECT_EQ(Contents(name), "C\n");
    const auto removal = [](const QByteArray &bytes) { return Rewrite{Rewrite::Action::Remove, {}, bytes.size()}; };
    EXPECT_EQ(files.rewrite(name, 100, removal).error, QString());
    EXPECT_FALSE(QFile::exists(name));
    EXPECT_EQ(files.rewrite(name, 100, removal).error, QString()); // gone already

    const QString pipe = folder.filePath(QStringLiteral("Rohr.journal"));
    ASSERT_EQ(::mkfifo(Native(pipe).constData(), 0600), 0);
    EXPECT_EQ(files.append(pipe, "x\n", {}).result, AppendOutcome::Result::Failed);
    EXPECT_FALSE(files.rewrite(pipe, 100, removal).error.isEmpty());
    EXPECT_EQ(files.makeFolder(folder.filePath(QStringLiteral("Lernstand"))), QString());
    EXPECT_EQ(files.makeFolder(folder.filePath(QStringLiteral("Lernstand"))), QString());
    EXPECT_FALSE(files.makeFolder(pipe).isEmpty());
    QStringList listed = files.entries(folder.path());
    listed.sort();
    EXPECT_EQ(listed, (QStringList{"Lernstand", "Rohr.journal"}));
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

// The next save of a file removes the temporary files that killed saves of it left; one
// that a running save still holds stays, and so does anything else.
TEST(QtFiles, TheNextSaveRemovesWhatAKilledSaveLeft)
{
    QTemporaryDir folder;
    const QStringList others{".ZEP100.INI.tmp-a1B2c3", ".ZEP100.TXT.tmp-Xy9Zz0",
                             ".ZEP100.TXT.tmp-zu-lang"};
    for (const QString &name : others + QStringList{".ZEP100.TXT.tmp-a1B2c3"}) {
        QFile leftover(folder.filePath(name));
        ASSERT_TRUE(leftover.open(QIODevice::WriteOnly));
        leftover.write("halb");
    }
    const int running = ::open(Native(folder.filePath(others.at(1))).constData(), O_RDWR);
    struct flock whole = {};
    whole.l_type = F_WRLCK;
    ASSERT_EQ(::fcntl(running, F_OFD_SETLK, &whole), 0);
    ASSERT_EQ(QtFiles().write(folder.filePath(QStringLiteral("ZEP100.TXT")), "Haus\r\n"), QString());
    ::close(running);
    EXPECT_EQ(Entries(folder), others + QStringList{"ZEP100.TXT"});
}

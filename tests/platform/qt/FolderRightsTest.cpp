// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtFiles.h"
#include "QtPrinter.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

constexpr gid_t ClassGroup = 46100;

struct Made
{
    mode_t mode;
    gid_t group;
};

Made Stat(const QString &path)
{
    struct stat st = {};
    ::lstat(QFile::encodeName(path).constData(), &st);
    return {st.st_mode & 07777, st.st_gid};
}

// Makes every kind of file and folder the program makes in the folder, under the umask.
QString MakeEverything(const QString &folder, mode_t umask)
{
    const mode_t before = ::umask(umask);
    QtFiles files;
    const QString dir = folder + u'/';
    files.append(dir + QStringLiteral("Mia.journal"), "1\n");
    files.write(dir + QStringLiteral("Klasse.csv"), "Name\r\n");
    files.write(dir + QStringLiteral("Kennwort.txt"), "$argon2id$\r\n", Writable::ByOwner);
    files.lock(dir + QStringLiteral("ZEP100.INI"));
    const int earlier = ::open(QFile::encodeName(dir + QStringLiteral(".Klasse.csv.lock")).constData(), O_CREAT | O_WRONLY, 0);
    ::fchmod(earlier, 0666); // as an earlier version left it
    ::fchown(earlier, uid_t(-1), ClassGroup);
    ::close(earlier);
    files.lock(dir + QStringLiteral("Klasse.csv"));
    files.makeFolder(dir + QStringLiteral("Lernstand"));
    files.write(dir + QStringLiteral("ZEP100.INI"), "alt\r\n");
    ::chmod(QFile::encodeName(dir + QStringLiteral("ZEP100.INI")).constData(), 0606); // left so earlier
    files.write(dir + QStringLiteral("ZEP100.INI"), "neu\r\n");
    const QString pdf = QtPrinter::ClaimPdfFile(folder, QStringLiteral("Lernstand-Mia"));
    ::umask(before);
    return pdf;
}

// Whatever the umask, what the program makes is as open as its folder and no more: owner
// only in a private folder, the group's in a shared one (with its group, and the sticky
// bit on a new folder), readable by all only where the folder is.
TEST(FolderRights, NewFilesAndFoldersFollowTheirFolder)
{
    const struct
    {
        mode_t folder, file, byOwner, made, replaced;
    } cases[] = {
        {0700, 0600, 0600, 0700, 0600},
        {02770, 0660, 0640, 03770, 0660},
        {0755, 0644, 0644, 0755, 0604},
    };
    for (const auto &c : cases)
        for (const mode_t umask : {mode_t(022), mode_t(077)}) {
            QTemporaryDir folder;
            ::chown(QFile::encodeName(folder.path()).constData(), 0, ClassGroup);
            ::chmod(QFile::encodeName(folder.path()).constData(), c.folder);
            const QString pdf = MakeEverything(folder.path(), umask);
            const auto expect = [&](const QString &name, mode_t mode) {
                const Made made = Stat(name.startsWith(u'/') ? name : folder.filePath(name));
                EXPECT_EQ(made.mode, mode) << qPrintable(name) << " in " << std::oct << c.folder << " under " << umask;
                if (c.folder & S_IRWXG) { // a folder closed to its group leaves the group as it comes
                    EXPECT_EQ(made.group, ClassGroup) << qPrintable(name);
                }
            };
            for (const QString &name : {u"Mia.journal"_qs, u"Klasse.csv"_qs, u".ZEP100.INI.lock"_qs, u".Klasse.csv.lock"_qs, pdf})
                expect(name, c.file);
            expect(u"Kennwort.txt"_qs, c.byOwner);
            expect(u"ZEP100.INI"_qs, c.replaced);
            expect(u"Lernstand"_qs, c.made);
        }
}

// A default ACL that an administrator gave the folder decides alone: the colleagues it
// names may read and write what the program makes, and the owner alone writes the password.
TEST(FolderRights, ADefaultAclDecides)
{
    QTemporaryDir folder;
    ::chown(QFile::encodeName(folder.path()).constData(), 0, ClassGroup);
    ASSERT_EQ(::chmod(QFile::encodeName(folder.path()).constData(), 02770), 0);
    ASSERT_EQ(QProcess::execute(QStringLiteral("setfacl"),
                                {QStringLiteral("-d"), QStringLiteral("-m"),
                                 QStringLiteral("u::rwx,g::---,g:46122:rwx,o::---"), folder.path()}),
              0)
        << "setfacl (package acl) is needed";
    MakeEverything(folder.path(), 077);
    const auto acl = [&](const QString &name) {
        QProcess getfacl;
        getfacl.start(QStringLiteral("getfacl"), {QStringLiteral("-cpE"), folder.filePath(name)});
        getfacl.waitForFinished();
        return getfacl.readAllStandardOutput();
    };
    EXPECT_TRUE(acl(u"Mia.journal"_qs).contains("group::---\ngroup:46122:rwx\nmask::rw-\n"));
    EXPECT_TRUE(acl(u"Kennwort.txt"_qs).contains("group:46122:rwx\nmask::r--\n"));
    EXPECT_TRUE(acl(u"Lernstand"_qs).contains("group:46122:rwx\nmask::rwx\n"));
    EXPECT_NE(Stat(folder.filePath(u"Lernstand"_qs)).mode & S_ISVTX, 0u);
}

} // namespace

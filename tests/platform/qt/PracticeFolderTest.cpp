// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeDialogs.h"
#include "FileBytes.h"
#include "PracticeFolder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QByteArray Starter = "Katze\r\n" + QByteArray(100, '1') + "\r\n";

struct Home
{
    QTemporaryDir home, install;
    QString starter = install.filePath(QStringLiteral("ZEP100.TXT"));
    QString library = home.filePath(QStringLiteral("ZEP100/ZEP100.TXT"));
};

// The first start gets the user a library of their own to edit; later starts never replace it.
TEST(PracticeFolder, IsSeededOnceWithAWritableCopyAndNeverOverwritten)
{
    Home h;
    ASSERT_TRUE(Put(h.starter, Starter));
    QFile::setPermissions(h.starter, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const PracticeFolder folder(h.home.path(), h.starter);
    EXPECT_EQ(folder.prepare(), QString());
    EXPECT_EQ(Contents(h.library), Starter);
    EXPECT_TRUE(QFile::permissions(h.library) & QFile::WriteOwner); // the installed original is read-only

    ASSERT_TRUE(Put(h.library, QByteArray())); // even an emptied library is the user's own
    EXPECT_EQ(folder.prepare(), QString());
    EXPECT_EQ(Contents(h.library), QByteArray());
    QFile::remove(h.library); // a library the user threw away comes back as the starter
    EXPECT_EQ(folder.prepare(), QString());
    EXPECT_EQ(Contents(h.library), Starter);
}

// A missing starter library is no reason to fail; a folder that cannot be made is reported
// to the user, and the program stays in the folder it was started in.
TEST(PracticeFolder, GoesOnWithoutAStarterAndReportsAFolderItCannotMake)
{
    Home h;
    EXPECT_EQ(PracticeFolder(h.home.path(), h.starter).prepare(), QString());
    EXPECT_TRUE(QDir(h.home.filePath(QStringLiteral("ZEP100"))).exists());
    EXPECT_FALSE(QFile::exists(h.library));

    const QString before = QDir::currentPath();
    const QByteArray home = qgetenv("HOME");
    Home blocked;
    ASSERT_TRUE(Put(blocked.home.filePath(QStringLiteral("ZEP100")), "eine Datei"));
    qputenv("HOME", blocked.home.path().toLocal8Bit());
    FakeDialogs dialogs;
    EXPECT_TRUE(PracticeFolder::EnterWhenAsked({QStringLiteral("zep100"), QStringLiteral("--practice-folder")},
                                               dialogs, QString()));
    qputenv("HOME", home);
    EXPECT_EQ(QDir::currentPath(), before);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_EQ(dialogs.last().style, MessageStyle::Warning);
    const QString prompt = dialogs.last().prompt;
    const QString folder = blocked.home.filePath(QStringLiteral("ZEP100"));
    EXPECT_TRUE(prompt.startsWith(QStringLiteral("Der Übungsordner ") + folder))
        << prompt.toStdString();
    EXPECT_TRUE(prompt.contains(before));
    EXPECT_EQ(Contents(folder), "eine Datei");
}

// An administrator's class folder is never made: a missing one is named, and the program
// ends rather than keep the class's files anywhere else. (A class folder in use:
// MenuStartTest.sh.)
TEST(PracticeFolder, AMissingClassFolderEndsTheProgram)
{
    Home h;
    ASSERT_TRUE(Put(h.starter, Starter));
    const QString before = QDir::currentPath();
    const QString missing = h.home.filePath(QStringLiteral("klasse3a"));
    const QStringList menuStart{QStringLiteral("zep100"), QStringLiteral("--practice-folder")};
    FakeDialogs dialogs;
    EXPECT_FALSE(PracticeFolder::EnterWhenAsked(menuStart, dialogs, missing));
    EXPECT_EQ(QDir::currentPath(), before);
    ASSERT_EQ(dialogs.shown.size(), 1);
    EXPECT_TRUE(dialogs.last().prompt.startsWith(u"Der Klassenordner %1 ist nicht erreichbar: Den Ordner gibt es nicht."_qs.arg(missing)));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_TRUE(PracticeFolder::EnterWhenAsked({QStringLiteral("zep100")}, dialogs, missing)); // a terminal start
}

} // namespace

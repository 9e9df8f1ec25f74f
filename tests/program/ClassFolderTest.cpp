// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FileBytes.h"

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

// Numeric ids only: no account is added to the machine.
constexpr int ClassGroup = 46100, Teacher = 46101, Mia = 46102, Ben = 46103, Substitute = 46104,
              Outsider = 46199;

// Runs a command as the account (in the class's group unless it is the outsider) with the umask.
std::unique_ptr<QProcess> RunAs(int user, mode_t umask, const QString &command, const QStringList &arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setChildProcessModifier([umask] { ::umask(umask); });
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), QStringLiteral("/nonexistent"));
    environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), QStringLiteral("/nonexistent")); // no system-wide setting
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=%1").arg(user),
                                                          QStringLiteral("--regid=%1").arg(user == Outsider ? user : ClassGroup),
                                                          QStringLiteral("--clear-groups"), command}
                                                  + arguments);
    return process;
}

QByteArray Output(QProcess &process)
{
    EXPECT_TRUE(process.waitForFinished(120000));
    return process.readAllStandardOutput();
}

class ClassFolder : public testing::TestWithParam<mode_t>
{
protected:
    QByteArray program(int user, const QStringList &arguments)
    {
        return Output(*RunAs(user, GetParam(), QStringLiteral(CLASS_PROGRAM), QStringList{folder} + arguments));
    }

    QTemporaryDir base;
    QString folder = base.filePath(QStringLiteral("klasse3a"));
};

// Two pupils and their teacher, each with an account of their own in the class's group,
// in a class folder as an administrator makes it (the group's, group-writable, setgid),
// under a usual and a strict umask: every answer reaches the teacher's record, no file is
// open to an account outside the group, and no pupil can replace the password. A second
// teacher, who may not remove the pupils' files from the teacher's sticky record folder,
// deletes a pupil: nothing of her is left in any file.
TEST_P(ClassFolder, EveryAnswerReachesTheRecordAndNothingIsOpenToOthers)
{
    ::chmod(QFile::encodeName(base.path()).constData(), 0755);
    QDir().mkdir(folder);
    ::chown(QFile::encodeName(folder).constData(), 0, ClassGroup);
    ::chmod(QFile::encodeName(folder).constData(), 02770);
    const QString library = folder + QStringLiteral("/ZEP100.TXT");
    ASSERT_TRUE(Put(library, "Alle\r\n" + QByteArray(100, '1') + "\r\n"));
    QFile::setPermissions(library, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);

    const QStringList opening{QStringLiteral("teacher"), QStringLiteral("Geheim-3a")};
    ASSERT_EQ(program(Teacher, opening), ""); // chooses the password
    auto mia = RunAs(Mia, GetParam(), QStringLiteral(CLASS_PROGRAM), {folder, u"pupil"_qs, u"Mia"_qs, u"30"_qs});
    auto ben = RunAs(Ben, GetParam(), QStringLiteral(CLASS_PROGRAM), {folder, u"pupil"_qs, u"Ben"_qs, u"30"_qs});
    EXPECT_EQ(Output(*mia), "fertig 0\n");
    EXPECT_EQ(Output(*ben), "fertig 0\n");
    const QString password = folder + QStringLiteral("/Lernstand/Kennwort.txt");
    Output(*RunAs(Mia, GetParam(), u"sh"_qs, {u"-c"_qs, u"echo x >\"$0\"; rm -f \"$0\"; mv \"$0\" \"$0.x\""_qs, password}));
    EXPECT_EQ(program(Ben, {u"teacher"_qs, u"falsch"_qs}), "zu\n"); // no new password chosen
    EXPECT_EQ(program(Teacher, opening), "Ben 30\nMia 30\n");
    EXPECT_EQ(program(Substitute, opening + QStringList{u"Mia"_qs}), "Ben 30\n");

    QDirIterator all(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                     QDirIterator::Subdirectories);
    while (all.hasNext()) {
        const QByteArray path = QFile::encodeName(all.next());
        struct stat st = {};
        ::lstat(path.constData(), &st);
        QFile file(QFile::decodeName(path));
        if (!S_ISDIR(st.st_mode) && file.open(QIODevice::ReadOnly))
            EXPECT_FALSE(file.readAll().contains("Mia")) << path.constData();
        EXPECT_EQ(st.st_mode & S_IRWXO, 0u) << path.constData();
        EXPECT_EQ(st.st_gid, gid_t(ClassGroup)) << path.constData();
        if (S_ISDIR(st.st_mode)) // setgid, and sticky: no account removes another's files
            EXPECT_EQ(st.st_mode & 07777, mode_t(03770)) << path.constData();
        else // the password is written by its owner alone
            EXPECT_EQ(st.st_mode & S_IRWXG, path.endsWith("Kennwort.txt") ? S_IRGRP : S_IRGRP | S_IWGRP) << path.constData();
    }
    const QString tryReading = u"cat \"$0\" >/dev/null 2>&1 && echo gelesen || echo verwehrt"_qs;
    EXPECT_EQ(Output(*RunAs(Outsider, 022, u"sh"_qs, {u"-c"_qs, tryReading, password})), "verwehrt\n");
}

INSTANTIATE_TEST_SUITE_P(Umasks, ClassFolder, testing::Values(mode_t(022), mode_t(077)),
                         [](const testing::TestParamInfo<mode_t> &umask) {
                             return umask.param == 022 ? "Umask022" : "Umask077";
                         });

} // namespace

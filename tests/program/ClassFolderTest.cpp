// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Numeric ids only: no account is added to the machine.
constexpr int ClassGroup = 46100, Teacher = 46101, Mia = 46102, Ben = 46103, Outsider = 46199;
constexpr int Answers = 30;

// A class folder as an administrator makes it: the class's group, writable by it, setgid.
class ClassFolder : public testing::TestWithParam<mode_t>
{
protected:
    ClassFolder()
    {
        ::chmod(QFile::encodeName(base.path()).constData(), 0755);
        ::mkdir(QFile::encodeName(folder).constData(), 0);
        ::chown(QFile::encodeName(folder).constData(), 0, ClassGroup);
        ::chmod(QFile::encodeName(folder).constData(), 02770);
    }

    // The program run under the account with the test's umask; its output.
    QByteArray run(int user, const QStringList &arguments, bool wait = true)
    {
        auto &process = *processes.emplace_back(std::make_unique<QProcess>());
        const mode_t mask = GetParam();
        process.setChildProcessModifier([mask] { ::umask(mask); });
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("HOME"), base.filePath(QStringLiteral("nirgends")));
        environment.insert(QStringLiteral("XDG_CONFIG_DIRS"), base.path()); // no system-wide setting
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral("setpriv"),
                      QStringList{QStringLiteral("--reuid=%1").arg(user), QStringLiteral("--regid=%1").arg(ClassGroup),
                                  QStringLiteral("--clear-groups"), QStringLiteral(CLASS_PROGRAM), folder}
                          + arguments);
        if (!wait)
            return {};
        EXPECT_TRUE(process.waitForFinished(120000));
        return process.readAllStandardOutput();
    }
    QByteArray finished(int index)
    {
        EXPECT_TRUE(processes[index]->waitForFinished(120000));
        return processes[index]->readAllStandardOutput();
    }

    QTemporaryDir base;
    QString folder = base.filePath(QStringLiteral("klasse3a"));
    std::vector<std::unique_ptr<QProcess>> processes;
};

// Two pupils and their teacher, each with an account of their own in the class's group,
// under a usual and a strict umask: every answer reaches the teacher's record, no file
// is open to an account outside the group, and no pupil can replace the password.
TEST_P(ClassFolder, EveryAnswerReachesTheRecordAndNothingIsOpenToOthers)
{
    QFile library(folder + QStringLiteral("/ZEP100.TXT"));
    ASSERT_TRUE(library.open(QIODevice::WriteOnly));
    library.write("Alle\r\n" + QByteArray(100, '1') + "\r\n");
    library.close();
    library.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    ASSERT_EQ(run(Teacher, {QStringLiteral("teacher"), QStringLiteral("Geheim-3a")}), "");
    run(Mia, {QStringLiteral("pupil"), QStringLiteral("Mia"), QString::number(Answers)}, false);
    run(Ben, {QStringLiteral("pupil"), QStringLiteral("Ben"), QString::number(Answers)}, false);
    EXPECT_EQ(finished(1), "fertig 0\n");
    EXPECT_EQ(finished(2), "fertig 0\n");
    EXPECT_EQ(run(Teacher, {QStringLiteral("teacher"), QStringLiteral("Geheim-3a")}), "Ben 30\nMia 30\n");
    EXPECT_EQ(run(Ben, {QStringLiteral("teacher"), QStringLiteral("falsch")}), "zu\n");

    const QString password = folder + QStringLiteral("/Lernstand/Kennwort.txt");
    QFile kept(password);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    const QByteArray hash = kept.readAll();
    QProcess::execute(QStringLiteral("setpriv"), {QStringLiteral("--reuid=%1").arg(Mia),
                                                  QStringLiteral("--regid=%1").arg(ClassGroup), QStringLiteral("--clear-groups"),
                                                  QStringLiteral("sh"), QStringLiteral("-c"),
                                                  QStringLiteral("echo x >\"$0\"; rm -f \"$0\"; mv \"$0\" \"$0.alt\""),
                                                  password});
    kept.close();
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), hash);

    int files = 0;
    QDirIterator all(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                     QDirIterator::Subdirectories);
    while (all.hasNext()) {
        const QByteArray path = QFile::encodeName(all.next());
        struct stat st;
        ASSERT_EQ(::lstat(path.constData(), &st), 0);
        ++files;
        EXPECT_EQ(st.st_mode & S_IRWXO, 0u) << path.constData();
        EXPECT_EQ(st.st_gid, gid_t(ClassGroup)) << path.constData();
        if (S_ISDIR(st.st_mode))
            EXPECT_EQ(st.st_mode & 07777, mode_t(03770)) << path.constData(); // setgid and sticky
        else // the password is written by its owner alone
            EXPECT_EQ(st.st_mode & S_IRWXG, path.endsWith("Kennwort.txt") ? S_IRGRP : S_IRGRP | S_IWGRP)
                << path.constData();
    }
    EXPECT_GE(files, 6); // the library, the results, their lock, the record folder, its password, journals
    EXPECT_NE(QProcess::execute(QStringLiteral("setpriv"),
                                {QStringLiteral("--reuid=%1").arg(Outsider), QStringLiteral("--regid=%1").arg(Outsider),
                                 QStringLiteral("--clear-groups"), QStringLiteral("cat"), password}),
              0);
}

INSTANTIATE_TEST_SUITE_P(Umasks, ClassFolder, testing::Values(mode_t(022), mode_t(077)),
                         [](const testing::TestParamInfo<mode_t> &umask) {
                             return umask.param == 022 ? "Umask022" : "Umask077";
                         });

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtFiles.h"
#include "ResultsKeeper.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

namespace {

using Outcome = ResultsKeeper::Saved::Outcome;

// A shared class folder, made the working folder for the length of a test.
class SharedFolder : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_before = QDir::currentPath();
        QDir::setCurrent(m_folder.path());
        ASSERT_EQ(files.write(QStringLiteral("ZEP100.INI"), "0001  Anna\r\n"), QString());
    }
    void TearDown() override { QDir::setCurrent(m_before); }

    QByteArray results() { return files.read(QStringLiteral("ZEP100.INI"), 1024).bytes; }

    // Starts the other program and, when it is to hold the lock, waits until it has it.
    void startOther(QProcess &other, const QStringList &arguments)
    {
        other.start(QStringLiteral(OTHER_PROGRAM), arguments);
        ASSERT_TRUE(other.waitForStarted());
        if (arguments.first() == u"hold") {
            ASSERT_TRUE(other.waitForReadyRead(10000));
            ASSERT_EQ(other.readAllStandardOutput().trimmed(), "gesperrt");
        }
    }

    QTemporaryDir m_folder;
    QString m_before;
    QtFiles files;
};

// Two programs ending in one folder keep each other's results: each adds its own new
// entries to what the file holds by then, and the one that ends second waits for the lock.
TEST_F(SharedFolder, ProgramsEndingOneAfterTheOtherKeepEachOthersResults)
{
    ResultsKeeper mine(files);
    EXPECT_EQ(mine.load().entries, QStringList{"0001  Anna"});
    mine.added(QStringLiteral("0003  Eins"));

    QProcess first;
    startOther(first, {"add", "0002  Zwei"});
    ASSERT_TRUE(first.waitForFinished() && first.exitCode() == 0);
    QProcess holder;
    startOther(holder, {"hold", "400", "0000  Null"});
    EXPECT_EQ(mine.save().outcome, Outcome::Written);
    ASSERT_TRUE(holder.waitForFinished());
    EXPECT_EQ(results(), "0000  Null\r\n0001  Anna\r\n0002  Zwei\r\n0003  Eins\r\n");
}

// A lock is waited for only a few seconds, and the lock of a program that was killed is
// gone with it; either way the results are saved.
TEST_F(SharedFolder, NeitherAStuckNorAKilledProgramKeepsTheResultsFromBeingSaved)
{
    QProcess stuck;
    startOther(stuck, {"hold", "60000"});
    QtFiles impatient(FileSystemCalls{}, std::chrono::milliseconds(200));
    ResultsKeeper mine(impatient);
    mine.load();
    mine.added(QStringLiteral("0004  Vier"));
    EXPECT_EQ(mine.save().outcome, Outcome::Written);
    EXPECT_EQ(results(), "0001  Anna\r\n0004  Vier\r\n");

    ::kill(pid_t(stuck.processId()), SIGKILL);
    ASSERT_TRUE(stuck.waitForFinished());
    QElapsedTimer clock;
    clock.start();
    EXPECT_NE(files.lock(QStringLiteral("ZEP100.INI")), nullptr);
    EXPECT_LT(clock.elapsed(), QtFiles::DefaultLockWait.count());
}

// Names in any script survive the end of a run in the real file, together with what the file
// held; the whole file takes one encoding, and Windows-1252 again once everything fits.
TEST_F(SharedFolder, NamesInAnyScriptSurviveAndTheWholeFileTakesOneEncoding)
{
    using namespace Qt::StringLiterals;
    ASSERT_EQ(files.write(u"ZEP100.INI"_s, "0001  J\xFCrgen\r\n"), QString());
    const QStringList added{u"0002  Ayşe Güneş"_s, u"0003  Łucja Żak"_s, u"0004  Ștefan"_s,
                            u"0005  Иван"_s, u"0006  مريم"_s, u"0007  Αλέξανδρος"_s, u"0008  Ana 🦊"_s};
    ResultsKeeper first(files);
    first.load();
    for (const QString &entry : added)
        first.added(entry);
    EXPECT_EQ(first.save().outcome, Outcome::Written);
    EXPECT_EQ(results(), "\xEF\xBB\xBF" + (u"0001  Jürgen\r\n"_s + added.join(u"\r\n"_s) + u"\r\n"_s).toUtf8());
    ResultsKeeper second(files);
    EXPECT_EQ(second.load().entries, QStringList{u"0001  Jürgen"_s} + added);

    ASSERT_EQ(files.write(u"ZEP100.INI"_s, "\xEF\xBB\xBF" "0001  J\xC3\xBCrgen\r\n"), QString());
    second.added(u"0002  Öztürk"_s);
    EXPECT_EQ(second.save().outcome, Outcome::Written);
    EXPECT_EQ(results(), "0001  J\xFCrgen\r\n0002  \xD6zt\xFCrk\r\n");
}

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeFiles.h"
#include "JournalLine.h"
#include "JournalWriter.h"
#include "RecordFolder.h"
#include "RecordKeeping.h"
#include "RecordReader.h"

namespace {

using namespace Qt::StringLiterals;

const QString Teacher = u"lehrer-20260302T120000-99"_s;

class RecordKeepingTest : public RecordFolderTest
{
protected:
    void SetUp() override
    {
        JournalWriter a(files, clock, RunA), b(files, clock, RunB);
        for (quint64 seq = 1; seq <= 3; ++seq) {
            a.append(Answer(u"Mia"_s, 47, 74, seq, RunA));
            b.append(Answer(u"mia"_s, 12, 12, seq, RunB));
            b.append(Answer(u"Ben"_s, 5, 5, 10 + seq, RunB));
        }
    }
    int answersOf(const QString &name) const
    {
        const Record record = ReadRecord(const_cast<QtFiles &>(files));
        const int child = record.indexOf(name);
        return child < 0 ? 0 : int(record.children[child].answers.size());
    }
};

// Deleting a child leaves nothing of it in any file of the folder, names of files included;
// the other children keep every answer.
TEST_F(RecordKeepingTest, DeletionLeavesNothingOfTheChild)
{
    put(RecordFiles::JournalPath(u"Ben"_s, RunA), "kaputt: Mia\n" + JournalLine(Answer(u"Ben"_s, 6, 6, 20)));
    RecordKeeping keeping(files, clock, Teacher);
    const RecordKeeping::Outcome outcome = keeping.remove(u"Mia"_s);
    EXPECT_EQ(outcome.failures, QStringList());
    EXPECT_EQ(outcome.changedFiles, 2);
    EXPECT_FALSE(everything().contains("Mia"));
    EXPECT_EQ(answersOf(u"Ben"_s), 4);
    EXPECT_EQ(answersOf(u"mia"_s), 3);
    EXPECT_EQ(answersOf(u"Mia"_s), 0);
}

// Renaming "mia" to the existing "Mia" merges the two; a run that still writes "mia" later
// neither brings the old answers back nor loses its new ones.
TEST_F(RecordKeepingTest, RenamingOntoAnExistingNameMergesAndLiveRunsKeepTheirNewAnswers)
{
    JournalWriter live(files, clock, RunB); // run B is still playing as "mia"
    live.append(Answer(u"mia"_s, 13, 13, 4, RunB));
    RecordKeeping keeping(files, clock, Teacher);
    EXPECT_EQ(keeping.rename(u"mia"_s, u"Mia"_s).failures, QStringList());
    EXPECT_EQ(answersOf(u"Mia"_s), 7);
    EXPECT_EQ(answersOf(u"mia"_s), 0);
    live.append(Answer(u"mia"_s, 14, 14, 5, RunB));
    EXPECT_EQ(answersOf(u"Mia"_s), 7);
    EXPECT_EQ(answersOf(u"mia"_s), 1);
}

// The removal of old answers keeps the recent ones, removes files left empty and lists of
// taken-out lines that are old, and reads no journal of a run that began after the cutoff.
TEST_F(RecordKeepingTest, OldAnswersGoAtTheirTime)
{
    const QString oldRun = u"pc9-20250101T080000-5"_s;
    {
        JournalWriter old(files, clock, oldRun);
        old.append(Answer(u"Mia"_s, 1, 1, 1, oldRun, clock.time.addDays(-400)));
        old.append(Answer(u"Mia"_s, 2, 2, 2, oldRun, clock.time.addDays(-2)));
        old.append(Answer(u"Ben"_s, 3, 3, 3, oldRun, clock.time.addDays(-366)));
    }
    put(RecordFiles::HandledPath(oldRun + u"-k1"_s), "H1\t2025-01-01T08:00:00+01:00\tx\t1\n");
    RecordKeeping keeping(files, clock, Teacher);
    EXPECT_EQ(RecordFiles::RetentionDays(files), 365);
    EXPECT_EQ(keeping.removeOld().changedFiles, 2);
    EXPECT_EQ(answersOf(u"Mia"_s), 4);
    EXPECT_EQ(answersOf(u"Ben"_s), 3);
    EXPECT_FALSE(entries().contains(oldRun + u"-k1.handled"_s));
    EXPECT_FALSE(QFile::exists(path(RecordFiles::JournalPath(u"Ben"_s, oldRun))));

    EXPECT_EQ(RecordFiles::SetRetentionDays(files, 1), QString());
    EXPECT_EQ(RecordFiles::RetentionDays(files), 1);
    keeping.removeOld();
    EXPECT_EQ(answersOf(u"Mia"_s), 3);
}

// Lines that a live run appends while a deletion rewrites its journal are neither taken
// out nor lost: they are kept in a file of the deletion's own, and the run's own rewrite
// of them counts once.
TEST(RecordKeepingRace, AnswersAppendedDuringARewriteAreKept)
{
    FakeFiles files;
    FakeClock clock;
    JournalWriter live(files, clock, RunA);
    live.append(Answer(u"Mia"_s, 1, 1, 1));
    live.append(Answer(u"Mia"_s, 2, 2, 2));
    files.whileRewriting = [&](const QString &) {
        files.whileRewriting = nullptr;
        live.append(Answer(u"Mia"_s, 3, 3, 3)); // reaches the old file
    };
    RecordKeeping keeping(files, clock, Teacher);
    EXPECT_EQ(keeping.remove(u"Mia"_s).failures, QStringList());
    Record record = ReadRecord(files);
    ASSERT_EQ(record.children.size(), 1);
    ASSERT_EQ(record.children[0].answers.size(), 1u);
    EXPECT_EQ(record.children[0].answers[0].asked, 3);
    live.append(Answer(u"Mia"_s, 4, 4, 4)); // finds its journal gone and writes 3 again
    record = ReadRecord(files);
    EXPECT_EQ(record.children[0].answers.size(), 2u);
}

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeFiles.h"
#include "JournalLine.h"
#include "JournalWriter.h"
#include "RecordFolder.h"
#include "RecordKeeping.h"

namespace {

using namespace Qt::StringLiterals;

class RecordKeepingTest : public RecordFolderTest
{
protected:
    void SetUp() override
    {
        JournalWriter a(files, RunA), b(files, RunB);
        for (quint64 seq = 1; seq <= 3; ++seq) {
            a.append(Answer(u"Mia"_s, 47, 74, seq, RunA));
            b.append(Answer(u"mia"_s, 12, 12, seq, RunB));
            b.append(Answer(u"Ben"_s, 5, 5, 10 + seq, RunB));
        }
    }
    RecordKeeping keeping{files, clock};
};

// Deleting a child leaves nothing of it in any file of the folder, its journals of the
// earlier release and their copies included, nor in the renamings that led to it; the other
// children keep every answer.
TEST_F(RecordKeepingTest, DeletionLeavesNothingOfTheChild)
{
    put(RecordFiles::PathOf(u"Mia.1f3a9b2c.pc9-20250101T080000-5-k2.journal"_s),
        JournalLine(Answer(u"Mia"_s, 6, 6, 20, u"pc9-20250101T080000-5"_s)) + "Z2\tkaputt Mia");
    ASSERT_EQ(keeping.rename(u"Mia"_s, u"Lotta"_s), QString());
    ASSERT_EQ(keeping.rename(u"Ben"_s, u"Anna"_s), QString());
    const RecordKeeping::Outcome outcome = keeping.remove(u"Lotta "_s);
    EXPECT_EQ(outcome.failures, QStringList());
    EXPECT_EQ(std::tuple(outcome.answers, outcome.files), std::tuple(4, 2));
    EXPECT_FALSE(everything().contains("Mia"));
    EXPECT_EQ(answersOf(u"Anna"_s), 3);
    EXPECT_EQ(answersOf(u"mia"_s), 3);
    EXPECT_EQ(answersOf(u"Lotta"_s), 0);
}

// A renaming rewrites no journal: the answers of runs begun before it go to the new name,
// merged with a child of that name, also those such a run writes later; a run begun after it
// with the old name is another child.
TEST_F(RecordKeepingTest, RenamingCountsOlderRunsUnderTheNewName)
{
    const auto journals = [this] {
        QByteArray all;
        for (const QString &entry : entries())
            all += entry.endsWith(u".antworten"_s) ? contents(RecordFiles::PathOf(entry)) : QByteArray();
        return all;
    };
    const QByteArray before = journals();
    clock.time = clock.time.addSecs(600);
    ASSERT_EQ(keeping.rename(u"mia"_s, u"Mia"_s), QString());
    EXPECT_EQ(answersOf(u"Mia"_s), 6);
    EXPECT_EQ(answersOf(u"mia"_s), 0);
    EXPECT_EQ(journals(), before);
    JournalWriter(files, RunB).append(Answer(u"mia"_s, 14, 14, 20, RunB, clock.time));
    const QString later = u"pc2-20260302T091500Z-23-0c0c0c0c"_s;
    JournalWriter(files, later).append(Answer(u"mia"_s, 15, 15, 1, later, clock.time));
    EXPECT_EQ(answersOf(u"Mia"_s), 7);
    EXPECT_EQ(answersOf(u"mia"_s), 1);
}

// Old answers go by whole days under the setting the program wrote, or the default when
// there is none; a setting it cannot read or did not write removes nothing and says so. A
// file the teacher may not remove is emptied, and an earlier release's journal goes when
// all its lines are old.
TEST_F(RecordKeepingTest, OldAnswersGoOnlyUnderAValidSetting)
{
    const QString oldRun = u"pc9-20250101T080000Z-5-00000001"_s;
    JournalWriter old(files, oldRun);
    old.append(Answer(u"Mia"_s, 1, 1, 1, oldRun, clock.time.addDays(-367)));
    old.append(Answer(u"Mia"_s, 2, 2, 2, oldRun, clock.time.addDays(-300)));
    put(RecordFiles::PathOf(u"Ben.1f3a9b2c.pc8-20250101T080000-4.journal"_s),
        "Z1\t2025-01-01T08:00:00+01:00\tpc8-20250101T080000-4\t1\tBen\tF\tde\tHaus\t5\t5\tr\t900\n");
    for (const QByteArray &setting : {QByteArray("730 Tage\r\n"), QByteArray("0\r\n"), QByteArray("99999\r\n")}) {
        put(RecordFiles::RetentionFile, setting);
        const RecordKeeping::Outcome refused = keeping.removeOld();
        ASSERT_EQ(refused.failures.size(), 1);
        EXPECT_TRUE(refused.failures[0].contains(u"ungültig"_s));
        EXPECT_EQ(std::tuple(answersOf(u"Mia"_s), answersOf(u"Ben"_s)), std::tuple(5, 4));
    }
    ASSERT_TRUE(QFile::remove(path(RecordFiles::RetentionFile)));
    EXPECT_EQ(keeping.removeOld().files, 2);
    EXPECT_EQ(std::tuple(answersOf(u"Mia"_s), answersOf(u"Ben"_s)), std::tuple(4, 3));

    FakeFiles shared;
    const QString othersJournal = RecordFiles::PathOf(entries().first());
    shared.files = {{othersJournal, contents(othersJournal)}, {RecordFiles::RetentionFile, "1\r\n"}};
    shared.unremovable = {othersJournal};
    EXPECT_EQ(RecordKeeping(shared, clock).removeOld().files, 1);
    EXPECT_EQ(shared.files.value(othersJournal), QByteArray());
}

} // namespace

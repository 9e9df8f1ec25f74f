// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeFiles.h"
#include "JournalWriter.h"
#include "RecordFolder.h"
#include "RecordKeeping.h"

namespace {

using namespace Qt::StringLiterals;

using RecordKeepingTest = RecordFolderTest;

// Old answers go by whole days under the setting the program wrote, or the default when
// there is none; a setting it cannot read or did not write removes nothing and says so. A
// file the teacher may not remove is emptied, and an earlier release's journal goes when
// all its lines are old.
TEST_F(RecordKeepingTest, OldAnswersGoOnlyUnderAValidSetting)
{
    JournalWriter today(files, RunA);
    for (quint64 seq = 1; seq <= 3; ++seq) {
        today.append(Answer(u"Mia"_s, 47, 74, seq));
        today.append(Answer(u"Ben"_s, 5, 5, 10 + seq));
    }
    const QString oldRun = u"pc9-20250101T080000Z-5-00000001"_s;
    JournalWriter old(files, oldRun);
    old.append(Answer(u"Mia"_s, 1, 1, 1, oldRun, clock.time.addDays(-367)));
    old.append(Answer(u"Mia"_s, 2, 2, 2, oldRun, clock.time.addDays(-300)));
    put(RecordFiles::PathOf(u"Ben.1f3a9b2c.pc8-20250101T080000-4.journal"_s),
        "Z1\t2025-01-01T08:00:00+01:00\tpc8-20250101T080000-4\t1\tBen\tF\tde\tHaus\t5\t5\tr\t900\n");
    for (const QByteArray &setting : {QByteArray("730 Tage\r\n"), QByteArray("0\r\n"), QByteArray("99999\r\n")}) {
        put(RecordFiles::RetentionFile, setting);
        const RecordKeeping::Outcome refused = RecordKeeping(files, clock).removeOld();
        ASSERT_EQ(refused.failures.size(), 1);
        EXPECT_TRUE(refused.failures[0].contains(u"ungültig"_s));
        EXPECT_EQ(std::tuple(answersOf(u"Mia"_s), answersOf(u"Ben"_s)), std::tuple(5, 4));
    }
    ASSERT_TRUE(QFile::remove(path(RecordFiles::RetentionFile)));
    EXPECT_EQ(RecordKeeping(files, clock).removeOld().files, 2);
    EXPECT_EQ(std::tuple(answersOf(u"Mia"_s), answersOf(u"Ben"_s)), std::tuple(4, 3));

    FakeFiles shared;
    const QString othersJournal = RecordFiles::PathOf(entries().first());
    shared.files = {{othersJournal, contents(othersJournal)}, {RecordFiles::RetentionFile, "1\r\n"}};
    shared.unremovable = {othersJournal};
    EXPECT_EQ(RecordKeeping(shared, clock).removeOld().files, 1);
    EXPECT_EQ(shared.files.value(othersJournal), QByteArray());
}

} // namespace

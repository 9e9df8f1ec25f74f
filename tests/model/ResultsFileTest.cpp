// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultsFile.h"

#include <gtest/gtest.h>

TEST(ResultsFile, AnEntryWithACommaIsQuotedAndComesBackWhole)
{
    const QStringList entries{"0001  Ute", "0002  Meier, Paul"};
    const QByteArray bytes = WriteResultsFile(entries);
    EXPECT_EQ(bytes, QByteArray("0001  Ute\r\n\"0002  Meier, Paul\"\r\n"));
    EXPECT_EQ(ParseResultsFile(bytes), entries);
    // A hand-written comma splits the line into two entries.
    EXPECT_EQ(ParseResultsFile("0003  Meier,   Paul\r\n"), (QStringList{"0003  Meier", "Paul"}));
    EXPECT_EQ(WriteResultsFile({}), QByteArray());
}

TEST(ResultsFile, InsertPositionIgnoresCaseAndKeepsArrivalOrder)
{
    const QStringList sorted{"0001  anna", "0002  Bert", "0002  bert", "0010  Carl"};
    EXPECT_EQ(SortedInsertPosition(sorted, QStringLiteral("0000  z")), 0);
    EXPECT_EQ(SortedInsertPosition(sorted, QStringLiteral("0002  BERT")), 3);
    EXPECT_EQ(SortedInsertPosition(sorted, QStringLiteral("0002  Anton")), 1);
    EXPECT_EQ(SortedInsertPosition(sorted, QStringLiteral("9999  x")), 4);
}

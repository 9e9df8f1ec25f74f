// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cells.h"
#include "PatternFile.h"

#include <gtest/gtest.h>

TEST(PatternFile, ShortCellStringsAreFilledUpAndLongOnesKept)
{
    const QString long120 = QString(120, u'1');
    const PatternFileContents contents =
        ParsePatternFile("Kurz\r\n101\r\nLang\r\n" + long120.toLatin1() + "\r\n");
    ASSERT_TRUE(contents.ok);
    ASSERT_EQ(contents.library.count(), 2);
    EXPECT_EQ(contents.library.cells.at(0), QStringLiteral("101") + QString(97, u'0'));
    EXPECT_EQ(contents.library.cells.at(1), long120);
    EXPECT_EQ(contents.library.names, (QStringList{"Kurz", "Lang"}));
}

TEST(PatternFile, NameAndCellsMayShareALine)
{
    const PatternFileContents contents = ParsePatternFile("Stern,0001\r\n");
    ASSERT_TRUE(contents.ok);
    EXPECT_EQ(contents.library.names, QStringList{"Stern"});
    EXPECT_TRUE(CellIsSet(contents.library.cells.at(0), 4));
}

TEST(PatternFile, FailuresKeepTheCompleteRecordsAndDropAnUnpairedName)
{
    const PatternFileContents empty = ParsePatternFile("");
    EXPECT_FALSE(empty.ok);
    EXPECT_EQ(empty.library.count(), 0);

    const PatternFileContents unpaired = ParsePatternFile("Haus\r\n1111\r\nBaum\r\n");
    EXPECT_FALSE(unpaired.ok);
    EXPECT_EQ(unpaired.library.names, QStringList{"Haus"});
    EXPECT_EQ(unpaired.library.cells.size(), 1);

    const PatternFileContents cut = ParsePatternFile("Haus\r\n1111\r\nBaum\r\n0101\r\n", false);
    EXPECT_FALSE(cut.ok);
}

TEST(PatternFile, WritesNamesAndCellsLineByLineAndReadsThemBack)
{
    PatternLibrary library;
    library.append(QStringLiteral("Schlüssel"), EmptyCells());
    library.append(QStringLiteral("kleiner baum"), SetCell(EmptyCells(), 55, u'1'));
    library.append(DefaultPatternName(), DefaultPatternCells());
    const QByteArray bytes = WritePatternFile(library);
    EXPECT_EQ(bytes.count("\r\n"), 6);
    EXPECT_TRUE(bytes.startsWith("Schl\xFCssel\r\n0000"));
    EXPECT_EQ(bytes.count('\n'), 6);

    const PatternFileContents back = ParsePatternFile(bytes);
    ASSERT_TRUE(back.ok);
    EXPECT_EQ(back.library.names, library.names);
    EXPECT_EQ(back.library.cells, library.cells);
}

TEST(PatternFile, DefaultPatternHasTwentyFiveCells)
{
    EXPECT_EQ(DefaultPatternCells().size(), 100);
    EXPECT_EQ(MarkedCellCount(DefaultPatternCells()), 25);
}

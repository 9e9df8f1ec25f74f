// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardLayouts.h"
#include "Cells.h"

#include <QSet>
#include <gtest/gtest.h>

TEST(BoardLayouts, EachLayoutPrintsItsNumbers)
{
    EXPECT_EQ(LayoutNumbers(1).size(), 100);
    EXPECT_EQ(LayoutNumbers(2), LayoutNumbers(1).mid(0, 20));
    EXPECT_EQ(LayoutNumbers(3).size(), 36);
    EXPECT_EQ(LayoutNumbers(6), (QList<int>{1, 11, 21, 31, 41, 51, 61, 71, 81, 91}));
    EXPECT_EQ(LayoutNumbers(7).first(), 10);
    EXPECT_TRUE(LayoutNumbers(8).isEmpty());
    EXPECT_EQ(LayoutNumbers(10).size(), 50);
    EXPECT_EQ(LayoutNumbers(11).first(), 1);
    EXPECT_EQ(LayoutNumbers(0), LayoutNumbers(1));
    EXPECT_EQ(LayoutNumbers(12), LayoutNumbers(1));
}

TEST(BoardLayouts, DiagonalsHoldTwentyDifferentCells)
{
    const QList<int> cross = LayoutNumbers(9);
    EXPECT_EQ(QSet<int>(cross.begin(), cross.end()).size(), 20);
    for (int n : cross)
        EXPECT_TRUE(CellRow(n) == CellColumn(n) || CellRow(n) + CellColumn(n) == 9) << n;
}

TEST(BoardLayouts, CatalogueCodesAreNotInListOrder)
{
    const QList<CatalogueEntry> &entries = BoardCatalogue();
    ASSERT_EQ(entries.size(), 11);
    const QList<int> codes{1, 2, 3, 9, 4, 5, 6, 7, 10, 11, 8};
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(entries.at(i).layout, codes.at(i)) << i;
}

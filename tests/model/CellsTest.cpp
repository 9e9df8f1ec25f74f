// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cells.h"

#include <gtest/gtest.h>
#include <tuple>

TEST(Cells, NumberingRunsRowByRowFromTheTopLeft)
{
    for (auto [n, row, column] : {std::tuple{1, 0, 0}, {10, 0, 9}, {11, 1, 0}, {100, 9, 9}}) {
        EXPECT_EQ(CellRow(n), row) << n;
        EXPECT_EQ(CellColumn(n), column) << n;
    }
    for (int n = 1; n <= 100; ++n)
        ASSERT_EQ(CellNumber(CellRow(n), CellColumn(n)), n);
    EXPECT_EQ(CellBox(100), QRect(4500, 4500, 500, 500));
}

TEST(Cells, PointsOutsideTheBoardHitNoCell)
{
    EXPECT_EQ(CellAt({4999, 4999}), 100);
    EXPECT_EQ(CellAt({499, 500}), 11);
    EXPECT_EQ(CellAt({0, 0}), 1);
    EXPECT_EQ(CellAt({4999.4, 0}), 10);
    EXPECT_FALSE(CellAt({5000, 0}));
    EXPECT_FALSE(CellAt({0, -1}));
    EXPECT_FALSE(CellAt({4999.6, 0})); // rounds to 5000
}

TEST(Cells, OnlyZeroAndOneAreTestedCharacters)
{
    QString cells = EmptyCells();
    cells[4] = u'2';
    EXPECT_FALSE(CellIsSet(cells, 5));
    EXPECT_FALSE(CellIsClear(cells, 5));
    EXPECT_TRUE(CellIsClear(cells, 1));
    EXPECT_FALSE(CellIsClear(QStringLiteral("0"), 2)); // past the end of the string
    EXPECT_FALSE(CellIsSet(cells, 0));

    const QString last = SetCell(EmptyCells(), 100, u'1');
    EXPECT_EQ(last, QString(99, u'0') + u'1');
    EXPECT_EQ(SetCell(QStringLiteral("00"), 5, u'1'), QStringLiteral("00"));
}

TEST(Cells, OnlyTheFirstHundredCharactersHoldOpenCells)
{
    EXPECT_FALSE(HasOpenCell(EmptyCells() + u'1'));
    EXPECT_FALSE(HasOpenCell(QString(100, u'x')));
    EXPECT_TRUE(HasOpenCell(QStringLiteral("0001")));
    EXPECT_EQ(MarkedCellCount(QString(120, u'1')), 100);
}

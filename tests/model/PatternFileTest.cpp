// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cells.h"
#include "MarkedCells.h"
#include "PatternFile.h"

#include <gtest/gtest.h>

// Short cell strings are filled up and long ones kept, a name may share its line with its
// cells, and a file that is empty, ends on a name or was read only in part is no success
// but keeps its complete records.
TEST(PatternFile, ReadsCompleteRecordsAndReportsWhatItCouldNotRead)
{
    const QString long120(120, u'1'), four = QStringLiteral("1111") + QString(96, u'0');
    const struct { QByteArray bytes; bool wholeFile, ok; QStringList names, cells; } cases[] = {
        {"Kurz\r\n101\r\nLang\r\n" + long120.toLatin1() + "\r\n", true, true, {"Kurz", "Lang"},
         {QStringLiteral("101") + QString(97, u'0'), long120}},
        {"Stern,0001\r\n", true, true, {"Stern"}, {MarkedCells({4})}},
        {"", true, false, {}, {}},
        {"Haus\r\n1111\r\nBaum\r\n", true, false, {"Haus"}, {four}},
        {"Haus\r\n1111\r\nBaum\r\n0101", false, false, {"Haus"}, {four}},
    };
    for (const auto &c : cases) {
        const PatternFileContents read = ParsePatternFile(c.bytes, c.wholeFile);
        EXPECT_EQ(std::tuple(read.ok, read.library.names, read.library.cells), std::tuple(c.ok, c.names, c.cells))
            << c.bytes.toStdString();
    }
}

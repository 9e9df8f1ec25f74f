// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Csv.h"

#include <gtest/gtest.h>

namespace {

// Every text a name can hold comes back from the written document unchanged, and no cell
// reaches a spreadsheet as a formula.
TEST(Csv, HostileCellsComeBackAsWrittenAndNeverAsFormulas)
{
    const QStringList hostile{"=1+1", "+49", "-3", "@SUM(A1)", "\tTab", "\rZeile",
                              "'=schon", "''+zwei", "Meier; Paul", "Er sagte \"hi\"",
                              "zwei\r\nZeilen", "Ayşe Güneş", "Ärger", " Ute ", "", "'"};
    const QByteArray document = CsvDocument({{"Name", "Zahl"}, hostile});
    EXPECT_TRUE(document.startsWith("\xEF\xBB\xBFName;Zahl\r\n"));
    EXPECT_TRUE(document.contains("'=1+1;'+49;'-3;'@SUM(A1);'\tTab;\"'\rZeile\";''=schon;"
                                  "'''+zwei;\"Meier; Paul\";\"Er sagte \"\"hi\"\"\";"));
    const QList<QStringList> rows = ParseCsv(document);
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[1], hostile);
}

// A list saved by a spreadsheet or a text editor reads whatever its encoding, separator and
// line ends.
TEST(Csv, ReadsWhatSpreadsheetsAndEditorsSave)
{
    const QList<QStringList> expected{{"Name", "Zweitsprache"}, {"Jörg", "tr"}, {"Ana", ""}};
    const QByteArray variants[] = {
        "\xEF\xBB\xBFName;Zweitsprache\r\nJ\xC3\xB6rg;tr\r\nAna;\r\n", // as written
        "Name;Zweitsprache\nJ\xC3\xB6rg;tr\n\nAna;",                     // UTF-8, no mark
        "Name;Zweitsprache\r\nJ\xF6rg;tr\r\nAna;\r\n",                   // Windows-1252
        "Name,Zweitsprache\rJ\xF6rg,tr\rAna,\r",                         // Mac, commas
        "Name\tZweitsprache\nJ\xC3\xB6rg\ttr\n\t\t\nAna\t\n",            // tabs; a blank row
        "\"Name\";\"Zweitsprache\"\r\n\"J\xC3\xB6rg\";\"tr\"\r\n\"Ana\";\"\"",
    };
    for (const QByteArray &bytes : variants)
        EXPECT_EQ(ParseCsv(bytes), expected) << bytes.toStdString();
    EXPECT_EQ(ParseCsv("A;\"offen\nbis zum Ende"), (QList<QStringList>{{"A", "offen\nbis zum Ende"}}));
    EXPECT_TRUE(ParseCsv("\xEF\xBB\xBF\r\n\r\n").isEmpty());
}

// A quote opens a quoted cell only at the start of the cell, as German spreadsheets read
// it; inside a cell it is a character, and the rows after it stay rows.
TEST(Csv, AQuoteInsideACellIsACharacter)
{
    EXPECT_EQ(ParseCsv("Name;Sprache;Platz\r\nAnna;tr;Tisch 3\" vorne\r\nBen;ar;5\"\r\n\"Cem\"\"s\";\"a;b\"x\r\n"),
              (QList<QStringList>{{"Name", "Sprache", "Platz"}, {"Anna", "tr", "Tisch 3\" vorne"}, {"Ben", "ar", "5\""},
                                  {"Cem\"s", "a;bx"}}));
}

} // namespace

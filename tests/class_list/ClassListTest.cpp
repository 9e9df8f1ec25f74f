// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassList.h"

#include <gtest/gtest.h>

namespace {

// The teacher's own columns and rows survive every change the program makes.
TEST(ClassList, KeepsTheTeachersColumnsAndRowsWhenALanguageIsSet)
{
    ClassList list = ClassList::Parse("\xEF\xBB\xBF Nr ; NAME ;Geburtstag\r\n1;Mia;3.4.\r\n"
                                      ";;Notiz ohne Namen\r\n2;Ayşe;\r\n3;Mia;\r\n");
    ASSERT_TRUE(list.usable());
    EXPECT_EQ(list.names(), (QStringList{"Mia", "Ayşe"}));
    EXPECT_EQ(list.secondLanguage("Mia"), "");
    list.setSecondLanguage("Mia", "tr");
    list.setSecondLanguage("=Tom", "ar");
    EXPECT_EQ(list.toBytes(),
              QByteArray("\xEF\xBB\xBF Nr ; NAME ;Geburtstag;Zweitsprache\r\n1;Mia;3.4.;tr\r\n"
                         ";;Notiz ohne Namen\r\n2;Ayşe;\r\n3;Mia;;tr\r\n;'=Tom;;ar\r\n"));
    const ClassList again = ClassList::Parse(list.toBytes());
    EXPECT_EQ(again.names(), (QStringList{"Mia", "Ayşe", "=Tom"}));
    EXPECT_EQ(again.secondLanguage("=Tom"), "ar");
    EXPECT_EQ(again.secondLanguage("mia"), ""); // names are told apart as typed
}

// A file without a name column is not the program's to use or to write; a missing file
// starts the list with its header.
TEST(ClassList, AForeignFileIsLeftAloneAndANewListHasItsHeader)
{
    ClassList foreign = ClassList::Parse("Vorname;Sprache\r\nMia;tr\r\n");
    EXPECT_FALSE(foreign.usable());
    EXPECT_TRUE(foreign.names().isEmpty());
    foreign.setSecondLanguage("Mia", "ar");
    EXPECT_EQ(foreign.toBytes(), QByteArray("\xEF\xBB\xBFVorname;Sprache\r\nMia;tr\r\n"));

    ClassList fresh = ClassList::Parse({});
    ASSERT_TRUE(fresh.usable());
    fresh.setSecondLanguage("Ben", "uk");
    EXPECT_EQ(fresh.toBytes(), QByteArray("\xEF\xBB\xBFName;Zweitsprache\r\nBen;uk\r\n"));
}

} // namespace

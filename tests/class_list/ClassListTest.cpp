// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassList.h"

#include <gtest/gtest.h>

namespace {

// The teacher's own columns and rows survive every change the program makes; rows it does
// not change stay as they were written, and names are compared as a person reads them.
TEST(ClassList, KeepsTheTeachersColumnsAndRowsWhenARowChanges)
{
    ClassList list = ClassList::Parse("\xEF\xBB\xBF Nr ; NAME ;Geburtstag\r\n1;Mia ;3.4.\r\n"
                                      ";;Notiz ohne Namen\r\n\"2\";Ayşe;\"1.5.\"\r\n3;Mia;\r\n");
    ASSERT_TRUE(list.usable());
    EXPECT_EQ(list.names(), (QStringList{"Mia", "Ayşe"}));
    EXPECT_EQ(list.secondLanguage("Mia"), "");
    list.setSecondLanguage("Mia", "tr");
    list.setSecondLanguage("=Tom", "ar");
    EXPECT_EQ(list.toBytes(),
              QByteArray("\xEF\xBB\xBF Nr ; NAME ;Geburtstag;Zweitsprache\r\n1;Mia ;3.4.;tr\r\n"
                         ";;Notiz ohne Namen\r\n\"2\";Ayşe;\"1.5.\"\r\n3;Mia;;tr\r\n;'=Tom;;ar\r\n"));
    const QString decomposed = QString::fromUtf8("Ays\xCC\xA7" "e"); // "Ayşe" typed with a separate cedilla
    EXPECT_EQ(list.rename(decomposed, "Aylin"), 1);
    EXPECT_EQ(list.remove("Mia"), 2);
    EXPECT_EQ(list.remove("Notiz ohne Namen"), 0);
    const ClassList again = ClassList::Parse(list.toBytes());
    EXPECT_EQ(again.names(), (QStringList{"Aylin", "=Tom"}));
    EXPECT_EQ(again.secondLanguage("=Tom"), "ar");
    EXPECT_FALSE(again.contains("aylin")); // case still counts
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

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakePlatform.h"
#include "PictureButton.h"
#include "SecondLanguage.h"

#include <QMenu>
#include <QSignalSpy>
#include <functional>
#include <gtest/gtest.h>

namespace {

using namespace Qt::Literals::StringLiterals;

const QString ClassFile = u"Klasse.csv"_s;
const QByteArray Bom = "\xEF\xBB\xBF";

class SecondLanguageTest : public testing::Test
{
protected:
    FakePlatform fake;
    SecondLanguage choice{fake.platform};
    PictureButton button{SecondLanguage::GermanPicture, u"Sprache"_s, Qt::cyan};
};

// English until a user has chosen; a user's choice is read from the class list as a teacher
// may write it, and an unknown code counts as none.
TEST_F(SecondLanguageTest, ReadsEachUsersLanguageFromTheClassList)
{
    choice.setUser(u"Mia"_s);
    EXPECT_EQ(choice.setting(), u"e");
    fake.files.files.insert(ClassFile, Bom + "Name;Zweitsprache\r\nMia; TR \r\nAli;ku\r\nEla;de\r\n");
    for (const auto &[name, setting] : {std::pair(u"Mia"_s, u"tr"_s), {u"Ali"_s, u"e"_s}, {u"Ela"_s, u"e"_s}, {u"Tom"_s, u"e"_s}}) {
        choice.setUser(name);
        EXPECT_EQ(choice.setting(), setting) << name.toStdString();
    }

    QString language = u"d"_s;
    choice.setUser(u"Mia"_s);
    for (const auto &[now, tip] : {std::pair(u"tr"_s, u"Zahlwörter auf Türkisch. Klick: Deutsch."_s),
                                   std::pair(u"d"_s, u"Zahlwörter auf Deutsch. Klick: Türkisch."_s)}) {
        choice.switchLanguage(button, language);
        EXPECT_TRUE(language == now && button.toolTip().startsWith(tip)) << now.toStdString();
    }
}

// The menu names every language but German in its own script and in German, with the
// second language ticked; choosing one keeps it in the class list, read again under its
// lock just before writing, so that a row another computer added meanwhile stays.
TEST_F(SecondLanguageTest, MenuChoiceIsKeptInTheClassListWithEverythingElse)
{
    fake.files.files.insert(ClassFile, Bom + "Nr;Name;Zweitsprache\r\n1;Mia;\r\n");
    choice.setUser(u"Mia"_s);
    std::unique_ptr<QMenu> menu(choice.menu(nullptr));
    QStringList texts;
    for (QAction *action : menu->actions())
        texts << action->text();
    QAction *arabic = menu->actions().value(texts.indexOf(u"العربية – Arabisch"_s));
    EXPECT_EQ(texts.size(), 17);
    EXPECT_EQ(texts.first(), u"English – Englisch");
    EXPECT_TRUE(menu->actions().first()->isChecked());
    EXPECT_TRUE(texts.contains(u"Türkçe – Türkisch"_s));
    EXPECT_FALSE(texts.contains(u"Deutsch – Deutsch"_s));
    ASSERT_NE(arabic, nullptr);

    fake.files.whenLocked = [&](const QString &name) {
        if (name == ClassFile) // another computer had added a child
            fake.files.files[ClassFile] += "2;Ali;tr\r\n";
    };
    QSignalSpy chosen(&choice, &SecondLanguage::chosen);
    arabic->trigger();
    EXPECT_EQ(chosen.size(), 1);
    EXPECT_EQ(choice.setting(), u"ar");
    EXPECT_EQ(fake.files.files.value(ClassFile), Bom + "Nr;Name;Zweitsprache\r\n1;Mia;ar\r\n2;Ali;tr\r\n");
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());

    fake.files.whenLocked = nullptr;
    fake.files.files.remove(ClassFile); // a new list for the first choice
    choice.setUser(u"Ela"_s);
    choice.choose(u"e"_s);
    EXPECT_EQ(fake.files.files.value(ClassFile), Bom + "Name;Zweitsprache\r\nEla;en\r\n");
}

// A foreign, unreadable, unwritable or unlockable class list is never rewritten: the choice
// holds for the run and the teacher is told why it was not kept.
TEST_F(SecondLanguageTest, ForeignOrUnreadableClassListStaysAsItIs)
{
    const QByteArray list = Bom + "Name;Zweitsprache\r\nMia;tr\r\n";
    const struct { QByteArray file; std::function<void()> spoil; QString told; } cases[] = {
        {"Vorname,Nachname\r\nMia,Meier\r\n", [] {}, u"keine Spalte „Name“"_s},
        {list, [&] { fake.files.readFailures.insert(ClassFile, 10); }, u"nicht ganz gelesen"_s},
        {list, [&] { fake.files.writeFailures.insert(ClassFile, u"Kein Platz"_s); }, u"Kein Platz"_s},
        {list, [&] { fake.files.unlockable.insert(ClassFile); }, u"kann gerade nicht gesperrt werden"_s},
    };
    choice.setUser(u"Mia"_s);
    for (const auto &c : cases) {
        fake.files.files.insert(ClassFile, c.file);
        c.spoil();
        fake.dialogs.shown.clear();
        choice.choose(u"pl"_s);
        EXPECT_EQ(std::pair(choice.setting(), fake.files.files.value(ClassFile)), std::pair(u"pl"_s, c.file));
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        EXPECT_TRUE(fake.dialogs.shown[0].prompt.contains(c.told)) << c.told.toStdString();
        fake.files.readFailures.clear(), fake.files.writeFailures.clear(), fake.files.unlockable.clear();
    }
}

} // namespace

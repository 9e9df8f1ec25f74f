// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>

namespace {

using namespace Qt::Literals::StringLiterals;

const QByteArray ClassList = "\xEF\xBB\xBFName;Zweitsprache\r\nAyşe;tr\r\nSami;ar\r\n";

// The language button switches between German and the user's second language, which the
// new-user box brings along with a known name; the question and its voice follow.
TEST_F(MainWindowTest, LanguageButtonSwitchesToTheUsersSecondLanguage)
{
    fake.files.files.insert(u"Klasse.csv"_s, ClassList);
    willAsk({47, 47, 47});
    start(PatternText({{"Haus", MarkedCells({47})}}));
    form.Bild12_Click(); // the guest has none: English
    EXPECT_EQ(std::pair(state.Language, form.Bezeichnung3->text()), std::pair(u"e"_s, u"forty-seven"_s));
    willAsk({47, 47});
    form.Bild12_Click();
    EXPECT_EQ(state.Language, u"d");

    fake.dialogs.inputs.enqueue(u"Ayşe"_s);
    form.Bild10_Click(); // in German the new user's language waits for the button
    EXPECT_EQ(std::pair(state.Language, form.Bild12->picture()), std::pair(u"d"_s, u":/icons/flag_de.svg"_s));
    willAsk({47, 47});
    form.Bild12_Click();
    EXPECT_EQ(std::tuple(state.Language, form.Bezeichnung3->text(), form.Bild12->picture()),
              std::tuple(u"tr"_s, u"kırk yedi"_s, u":/icons/lang_tr.svg"_s));
    EXPECT_EQ(std::pair(fake.speech.said.last().text, fake.speech.said.last().voice), std::pair(u"47"_s, Voice{u"tr"_s}));

    fake.dialogs.inputs.enqueue(u"Sami"_s);
    willAsk({47, 47});
    form.Bild10_Click(); // in the second language the new user's applies at once
    EXPECT_EQ(std::pair(state.Language, form.Bezeichnung3->text()), std::pair(u"ar"_s, u"سبعة وأربعون"_s));
    EXPECT_TRUE(form.Bild12->toolTip().contains(u"Arabisch"_s));
    EXPECT_EQ(fake.files.files.value(u"Klasse.csv"_s), ClassList); // nothing chosen, nothing written
}

// A right click, Shift+F10 and the context-menu key open the menu of languages; a choice
// becomes the user's second language, is kept in the class list and is shown at once.
TEST_F(MainWindowTest, LanguageMenuOpensByMouseOrKeyboardAndItsChoiceIsKept)
{
    willAsk({21, 21, 21});
    start(PatternText({{"Haus", MarkedCells({21})}}));
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), form.Bild12->mapToGlobal(QPoint(5, 5)));
    QKeyEvent shiftF10(QEvent::KeyPress, Qt::Key_F10, Qt::ShiftModifier);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(5, 5), form.Bild12->mapToGlobal(QPoint(5, 5)));
    for (QEvent *request : std::initializer_list<QEvent *>{&shiftF10, &menuKey, &click}) {
        QApplication::sendEvent(form.Bild12, request);
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        if (request == &click) {
            for (QAction *action : menu->actions())
                action->text() == u"Română – Rumänisch" ? action->trigger() : void();
        }
        menu->close();
        QTest::qWait(10);
    }
    EXPECT_EQ(std::pair(state.Language, form.Bezeichnung3->text()), std::pair(u"ro"_s, u"douăzeci și unu"_s));
    EXPECT_EQ(fake.files.files.value(u"Klasse.csv"_s), "\xEF\xBB\xBFName;Zweitsprache\r\nFreund und Gast;ro\r\n");
    EXPECT_TRUE(form.Bild12->toolTip().contains(u"Rechtsklick"_s));
}

// A word too long for the question label is shown whole in a smaller font, in every language.
TEST_F(MainWindowTest, LongWordsFitTheQuestionLabel)
{
    start(PatternText({{"Haus", MarkedCells({97})}}));
    const QFont normal = form.Bezeichnung3->font();
    for (const char *language : {"d", "pl", "bg", "fr", "ar"}) {
        state.Language = QString::fromLatin1(language);
        state.BuildNumberWords();
        for (int n = 1; n <= 100; ++n) {
            form.Bezeichnung3->setText(state.NumberWords[n]);
            const QFont shown = form.Bezeichnung3->shownFont();
            EXPECT_LE(QFontMetrics(shown).horizontalAdvance(state.NumberWords[n]),
                      form.Bezeichnung3->contentsRect().width())
                << language << n;
            EXPECT_LE(shown.pointSizeF(), normal.pointSizeF());
        }
    }
    form.Bezeichnung3->setText(u"zehn"_s);
    EXPECT_EQ(form.Bezeichnung3->shownFont(), normal);
}

} // namespace

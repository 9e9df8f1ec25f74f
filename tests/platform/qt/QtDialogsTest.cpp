// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QScreen>
#include <QInputDialog>
#include <QLineEdit>
#include <QTimer>
#include <gtest/gtest.h>

// A name box takes no more than its limit, however much is pasted into it, and never half
// a character: an emoji, a flag or a letter with its accent stays whole or stays out.
TEST(QtDialogs, AnInputBoxTakesNoMoreThanItsLimitAndNoHalfCharacter)
{
    using namespace Qt::StringLiterals;
    const QString x97(97, u'x'), accented = u"e\u0301"_s;
    const struct { QString pasted, typed, taken; } cases[] = {
        {QString(100'000, u'x'), u"y"_s, QString(100, u'x')},
        {x97 + u"xx🦊"_s, {}, x97 + u"xx"_s},
        {x97 + u"x🇩🇪"_s, {}, x97 + u"x"_s},
        {x97 + accented + accented, {}, x97 + accented},
        {x97 + u"xx"_s + u"e"_s, accented.right(1), x97 + u"xxe"_s},
        {x97, u"🦊🦊"_s, x97 + u"🦊"_s},
    };
    for (const auto &c : cases) {
        QtDialogs dialogs;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->findChild<QLineEdit *>()->insert(c.pasted);
            box->findChild<QLineEdit *>()->insert(c.typed);
            box->accept();
        });
        EXPECT_EQ(dialogs.inputBox(u"Neuer Name:"_s, u"Benutzer eingeben"_s, QString(), MaxNameLength)
                      .toStdString(),
                  c.taken.toStdString());
    }
}

// The name box with choices starts empty, lists the names in the order given and takes a
// picked name or a typed one, held to the same limit.
TEST(QtDialogs, TheNameBoxOffersItsChoicesAndTakesWhatIsTyped)
{
    using namespace Qt::StringLiterals;
    const QStringList names{u"Ayşe"_s, u"Ben"_s, QString(120, u'z')};
    const auto ask = [&](const std::function<void(QComboBox *)> &act) {
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QInputDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            auto *list = box->findChild<QComboBox *>();
            ASSERT_NE(list, nullptr);
            EXPECT_TRUE(list->isEditable());
            EXPECT_EQ(list->currentText(), QString());
            EXPECT_EQ(list->count(), 3);
            EXPECT_EQ(list->itemText(1), u"Ben"_s);
            act(list);
            box->accept();
        });
        return QtDialogs().inputBoxWithChoices(u"Neuer Name:"_s, u"Benutzer eingeben"_s, names, MaxNameLength);
    };
    EXPECT_EQ(ask([](QComboBox *list) { list->setCurrentIndex(0); }), u"Ayşe"_s);
    EXPECT_EQ(ask([](QComboBox *list) { list->lineEdit()->insert(u"Zoe"_s); }), u"Zoe"_s);
    EXPECT_EQ(ask([](QComboBox *list) { list->setCurrentIndex(2); }), QString(100, u'z'));
}

// A question about an area of the screen stands beside it, right of it where there is
// room, else left, below or above, and always whole on the screen.
TEST(QtDialogs, QuestionsStandBesideTheAreaTheyTalkAbout)
{
    const QRect screen(0, 0, 1280, 1024), board(400, 300, 200, 200);
    const QSize box(330, 140);
    EXPECT_EQ(QtDialogs::placeBeside(box, board, screen), QPoint(608, 300));
    EXPECT_EQ(QtDialogs::placeBeside(box, board.translated(600, 0), screen), QPoint(662, 300));
    EXPECT_EQ(QtDialogs::placeBeside(box, board.translated(600, 524), screen), QPoint(662, 824));
    EXPECT_EQ(QtDialogs::placeBeside(QSize(1200, 140), QRect(40, 40, 200, 200), screen), QPoint(40, 248));
    EXPECT_EQ(QtDialogs::placeBeside(QSize(1200, 900), QRect(40, 40, 200, 200), screen), QPoint(80, 40));

    // A real box, answered by closing it.
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect area(available.topLeft() + QPoint(60, 60), QSize(200, 200));
    QRect shownAt;
    QTimer::singleShot(0, [&] {
        QWidget *open = QApplication::activeModalWidget();
        shownAt = open->frameGeometry();
        open->close();
    });
    EXPECT_EQ(QtDialogs().questionBeside(QStringLiteral("Jetzt drucken?"), QStringLiteral("Drucken: Haus"), area),
              Answer::No);
    EXPECT_TRUE(available.contains(shownAt)) << shownAt.x() << "," << shownAt.y();
    EXPECT_FALSE(shownAt.intersects(area));
}

// The password box shows dots for what is typed and hands back each line in order;
// cancelled, it hands back nothing.
TEST(QtDialogs, ThePasswordBoxHidesWhatIsTyped)
{
    using namespace Qt::StringLiterals;
    const QStringList labels{u"Neues Kennwort:"_s, u"Noch einmal:"_s};
    const auto ask = [&](bool accept) {
        QTimer::singleShot(0, [accept] {
            auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            for (QLineEdit *line : box->findChildren<QLineEdit *>()) {
                EXPECT_EQ(line->echoMode(), QLineEdit::Password);
                line->insert(line->accessibleName());
            }
            accept ? box->accept() : box->reject();
        });
        return QtDialogs().passwordBox(u"Bitte wählen Sie ein Kennwort:"_s, u"K e n n w o r t"_s, labels);
    };
    EXPECT_EQ(ask(true), labels);
    EXPECT_EQ(ask(false), QStringList());
}

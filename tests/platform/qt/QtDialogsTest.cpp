// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"
#include "WindowLook.h"
#include "Zoom.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// Runs check on the box that the call opens, then closes it if check did not.
template<typename Call>
auto WithOpenBox(const std::function<void(QDialog &)> &check, Call call)
{
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        check(*box);
        if (box->isVisible())
            box->reject();
    });
    return call();
}

// The widest text a line edit or a list's line shows without moving it.
int ShownWidth(const QDialog &box)
{
    const QLineEdit *line = box.findChild<QComboBox *>() ? box.findChild<QComboBox *>()->lineEdit()
                                                         : box.findChild<QLineEdit *>();
    return line->width() - 8; // its frame and margins
}

int PixelSize(const QWidget &widget) { return QFontInfo(widget.font()).pixelSize(); }

class ZoomedBoxes : public testing::Test
{
protected:
    void TearDown() override { Zoom::instance().setFactor(1); }
};

} // namespace

// A name box takes no more than its limit, however much is pasted into it, and never half
// a character: an emoji, a flag or a letter with its accent stays whole or stays out.
TEST(QtDialogs, AnInputBoxTakesNoMoreThanItsLimitAndNoHalfCharacter)
{
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

// Boxes and menus show their text as large as the windows' labels, on a 4K screen too, and
// a box follows Ctrl+Plus, Ctrl+Minus and Ctrl+0 while it is open, as the windows do.
TEST_F(ZoomedBoxes, GrowWithTheWindowsAndFollowTheZoomKeys)
{
    QtDialogs dialogs;
    QWidget window;
    WindowLook::SetUpWindow(window, u"Lernstand"_s, u":/icons/record.svg"_s, 1500, 1500, Qt::white);
    QLabel label(u"Kinder"_s, &window);
    const int designSize = PixelSize(label);
    Zoom::instance().fitTo(QSizeF(3840 * 15, 2160 * 15), QSizeF(6390, 7680));
    const int labelSize = PixelSize(label);
    ASSERT_GT(labelSize, 3 * designSize);

    WithOpenBox(
        [&](QDialog &box) {
            const QLabel &text = *box.findChild<QLabel *>(u"qt_msgbox_label"_s);
            EXPECT_EQ(PixelSize(text), labelSize);
            const int width = box.width();
            const auto zoomKey = [&](Qt::Key key) {
                QApplication::setActiveWindow(&box); // as the desktop makes a new box active
                QTest::keyClick(&box, key, Qt::ControlModifier);
                QTest::qWait(10); // the box lays itself out again
            };
            zoomKey(Qt::Key_Plus);
            EXPECT_GT(PixelSize(text), labelSize);
            EXPECT_EQ(PixelSize(text), PixelSize(label));
            EXPECT_GT(box.width(), width);
            zoomKey(Qt::Key_Minus);
            zoomKey(Qt::Key_Minus);
            EXPECT_LT(PixelSize(text), labelSize);
            zoomKey(Qt::Key_0);
            EXPECT_EQ(PixelSize(text), labelSize);
        },
        [&] { return dialogs.messageBox(u"Die Aufgabe wurde gelöst!"_s, MessageStyle::Information, u"Haus"_s); });
    WithOpenBox([&](QDialog &box) { EXPECT_EQ(PixelSize(*box.findChild<QComboBox *>()), labelSize); },
                [&] { return dialogs.inputBoxWithChoices(u"Neuer Name:"_s, u"Benutzer eingeben"_s, {u"Mia"_s}); });
    QMenu menu;
    menu.addAction(u"Türkçe – Türkisch"_s);
    EXPECT_EQ(PixelSize(menu), labelSize);
}

// Every box is wide enough for its whole title as a window manager draws it (openbox: Sans
// Bold 8 points, with the window's icon and three buttons, about 80 pixels) and its field for
// a name of 40 characters or the whole path it offers; "Abbrechen" is what Enter alone gives.
TEST(QtDialogs, BoxesShowTheirWholeTitleANameOfFortyCharactersAndThePathTheyOffer)
{
    QtDialogs dialogs;
    QFont titleFont(u"DejaVu Sans"_s, 8, QFont::Bold);
    const auto titleFits = [&](const QDialog &box) {
        EXPECT_GE(box.width(), QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + 80)
            << qPrintable(box.windowTitle());
    };
    const QString name = u"Anna-Lena Sophie Katharina Müller-Weißen"_s;
    const QString path = u"/home/lehrerin/Schule/Klasse 2b/Mathematik/Lernstand.csv"_s;
    ASSERT_EQ(name.size(), 40);
    const auto fieldShows = [&](const QDialog &box, const QString &text) {
        titleFits(box);
        EXPECT_GE(ShownWidth(box), QFontMetrics(box.font()).horizontalAdvance(text)) << qPrintable(text);
    };
    WithOpenBox([&](QDialog &box) { fieldShows(box, name); },
                [&] { return dialogs.inputBoxWithChoices(u"Neuer Name:"_s, u"Benutzer eingeben"_s, {u"Mia"_s}); });
    WithOpenBox([&](QDialog &box) { fieldShows(box, name); },
                [&] { return dialogs.inputBox(u"Neuer Name für „Mia“:"_s, u"U m b e n e n n e n"_s, u"Mia"_s); });
    WithOpenBox([&](QDialog &box) { fieldShows(box, path); },
                [&] { return dialogs.inputBox(u"Name und Pfad der Datei:"_s, u"E x p o r t i e r e n"_s, path); });
    WithOpenBox(titleFits, [&] {
        return dialogs.messageBox(u"Die Aufgabe wurde gelöst!"_s, MessageStyle::Information,
                                  u"Das große Haus am See mit dem roten Dach"_s);
    });

    const auto ask = [&](const std::function<void(QDialog &)> &answer) {
        return WithOpenBox(
            [&](QDialog &box) {
                titleFits(box);
                answer(box);
            },
            [&] {
                return dialogs.messageBox(u"Die Antworten aller Kinder exportieren?\rMit „Nein“ nur die von „Mia“."_s,
                                          MessageStyle::QuestionOrCancel, u"E x p o r t i e r e n"_s);
            });
    };
    const auto click = [](QMessageBox::StandardButton button) {
        return [button](QDialog &box) { static_cast<QMessageBox &>(box).button(button)->click(); };
    };
    EXPECT_EQ(ask([](QDialog &box) { QTest::keyClick(&box, Qt::Key_Return); }), Answer::Cancel);
    EXPECT_EQ(ask(click(QMessageBox::Yes)), Answer::Yes);
    EXPECT_EQ(ask(click(QMessageBox::No)), Answer::No);
    EXPECT_EQ(ask(click(QMessageBox::Cancel)), Answer::Cancel);
}

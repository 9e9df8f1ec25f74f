// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"
#include "Twips.h"
#include "WindowLook.h"
#include "Zoom.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// Runs check on the box that the call opens, then closes it unless check did.
template<typename Call>
auto WithOpenBox(const std::function<void(QDialog &)> &check, Call call)
{
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        check(*box);
        if (box->isVisible())
            box->close();
    });
    return call();
}

QLineEdit &Line(const QDialog &box)
{
    const QList<QLineEdit *> lines = box.findChildren<QLineEdit *>();
    return **std::find_if(lines.begin(), lines.end(), [](QLineEdit *line) { return line->isVisible(); });
}

int PixelSize(const QWidget &widget) { return QFontInfo(widget.font()).pixelSize(); }

} // namespace

// A name box, with or without choices, takes no more than its limit, however much is pasted
// into it, and never half a character: an emoji, a flag or a letter with its accent stays
// whole or stays out. (Picking a choice and typing a name: RealDisplay.BoxesTakeOnlyAFreshEnter.)
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
    QtDialogs dialogs;
    for (const auto &c : cases)
        for (const QStringList &choices : {QStringList(), QStringList{u"Ben"_s}}) {
            const auto paste = [&](QDialog &box) {
                Line(box).insert(c.pasted);
                Line(box).insert(c.typed);
                box.accept();
            };
            const QString taken = WithOpenBox(paste, [&] {
                return choices.isEmpty()
                    ? dialogs.inputBox(u"Neuer Name:"_s, u"Benutzer eingeben"_s, QString(), MaxNameLength)
                    : dialogs.inputBoxWithChoices(u"Neuer Name:"_s, u"Benutzer eingeben"_s, choices, MaxNameLength);
            });
            EXPECT_EQ(taken.toStdString(), c.taken.toStdString());
        }
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
    EXPECT_EQ(WithOpenBox([&](QDialog &box) { shownAt = box.frameGeometry(); },
                          [&] { return QtDialogs().questionBeside(u"Jetzt drucken?"_s, u"Drucken: Haus"_s, area); }),
              Answer::No);
    EXPECT_TRUE(available.contains(shownAt)) << shownAt.x() << "," << shownAt.y();
    EXPECT_FALSE(shownAt.intersects(area));
}

// The password box shows dots for what is typed and hands back each line in order;
// cancelled, it hands back nothing.
TEST(QtDialogs, ThePasswordBoxHidesWhatIsTyped)
{
    const QStringList labels{u"Neues Kennwort:"_s, u"Noch einmal:"_s};
    const auto ask = [&](bool accept) {
        const auto type = [accept](QDialog &box) {
            for (QLineEdit *line : box.findChildren<QLineEdit *>()) {
                EXPECT_EQ(line->echoMode(), QLineEdit::Password);
                line->insert(line->accessibleName());
            }
            accept ? box.accept() : box.reject();
        };
        return WithOpenBox(type, [&] {
            return QtDialogs().passwordBox(u"Bitte wählen Sie ein Kennwort:"_s, u"K e n n w o r t"_s, labels);
        });
    };
    EXPECT_EQ(ask(true), labels);
    EXPECT_EQ(ask(false), QStringList());
}

// Boxes and menus show their text as large as the windows' labels on a 4K screen, and a
// box follows Ctrl+Plus while it is open, as the windows do.
TEST(QtDialogs, BoxesAndMenusGrowWithTheWindowsAndFollowTheZoomKeys)
{
    QtDialogs dialogs;
    QWidget window;
    WindowLook::SetUpWindow(window, u"Lernstand"_s, u":/icons/record.svg"_s, 1500, 1500, Qt::white);
    Zoom::instance().fitTo(QSizeF(3840 * 15, 2160 * 15), QSizeF(6390, 7680));
    const int labels = PixelSize(window);
    EXPECT_EQ(PixelSize(QMenu()), labels);
    WithOpenBox(
        [&](QDialog &box) {
            const QLabel &text = *box.findChild<QLabel *>(u"qt_msgbox_label"_s);
            const int width = box.width();
            EXPECT_EQ(PixelSize(text), labels);
            QApplication::setActiveWindow(&box); // as the desktop makes a new box active
            QTest::keyClick(&box, Qt::Key_Plus, Qt::ControlModifier);
            EXPECT_TRUE(QTest::qWaitFor([&] { return box.width() > width; })); // laid out again
            EXPECT_EQ(PixelSize(text), PixelSize(window));
        },
        [&] { return dialogs.messageBox(u"Die Aufgabe wurde gelöst!"_s, MessageStyle::Information, u"Haus"_s); });
    Zoom::instance().setFactor(1);
    EXPECT_GT(labels, 3 * PixelSize(window));
}

// Every box is wide enough for its whole title as a window manager draws it (openbox: Sans
// Bold 8 points, beside the window's icon and three buttons, about 80 pixels) and for a name
// of 40 characters or the whole path it offers; Enter alone gives "Abbrechen" where offered.
TEST(QtDialogs, BoxesShowTheirWholeTitleANameOfFortyCharactersAndThePathTheyOffer)
{
    QtDialogs dialogs;
    const QFontMetrics openbox(QFont(u"DejaVu Sans"_s, 8, QFont::Bold));
    const auto shows = [&](const QString &text) {
        return [&, text](QDialog &box) {
            EXPECT_GE(box.width(), openbox.horizontalAdvance(box.windowTitle()) + 80) << qPrintable(box.windowTitle());
            if (!text.isEmpty()) {
                EXPECT_GE(Line(box).width() - 8, Line(box).fontMetrics().horizontalAdvance(text)) << qPrintable(text);
            }
            QTest::keyClick(&box, Qt::Key_Return);
        };
    };
    const QString path = u"/home/lehrerin/Schule/Klasse 2b/Mathematik/Lernstand.csv"_s;
    WithOpenBox(shows(u"Anna-Lena Sophie Katharina Müller-Weißen"_s), // 40 characters
                [&] { return dialogs.inputBoxWithChoices(u"Neuer Name:"_s, u"Benutzer eingeben"_s, {u"Mia"_s}); });
    WithOpenBox(shows(path), [&] { return dialogs.inputBox(u"Name und Pfad der Datei:"_s, u"E x p o r t i e r e n"_s, path); });
    WithOpenBox(shows({}), [&] {
        return dialogs.messageBox(u"Die Aufgabe wurde gelöst!"_s, MessageStyle::Information,
                                  u"Das große Haus am See mit dem roten Dach"_s);
    });
    EXPECT_EQ(WithOpenBox(shows({}), [&] {
                  return dialogs.messageBox(u"Die Antworten aller Kinder exportieren?"_s,
                                            MessageStyle::QuestionOrCancel, u"E x p o r t i e r e n"_s);
              }),
              Answer::Cancel);
}

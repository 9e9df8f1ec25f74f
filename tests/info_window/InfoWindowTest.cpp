// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickLabel.h"
#include "FakeScreen.h"
#include "PictureButton.h"
#include "ZEPLABEL.h"

#include <QApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace {

// Where the window belongs: centred across, a quarter of the free height from the top.
QPoint ExpectedPlace(const FakeScreen &screen, const QWidget &window)
{
    const QSize outer = window.frameGeometry().size();
    return QPoint(qRound((screen.size.width() / 15 - outer.width()) / 2.0),
                  qRound((screen.size.height() / 15 - outer.height()) / 4.0));
}

void Press(QWidget *widget)
{
    const QPointF inside(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, widget->mapToGlobal(inside),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

TEST(InfoWindow, ShowsTheProgramName)
{
    FakeScreen screen;
    ZEPLABEL info(screen);
    EXPECT_EQ(info.windowTitle(), QStringLiteral("Programm-Info"));
    EXPECT_EQ(info.Bezeichnung2->text() + info.Bezeichnung3->text() + info.Bezeichnung4->text(),
              QStringLiteral("ZEP"));
    EXPECT_EQ(info.Bezeichnung5->text(), QStringLiteral("  -  1  0  0"));
    EXPECT_EQ(info.Bezeichnung1->text(), QStringLiteral("O k a y"));
    EXPECT_EQ(info.Bezeichnung5->background(), QColor(0, 0, 128));
    EXPECT_EQ(info.palette().color(QPalette::Window), QColor(128, 255, 255));
    EXPECT_EQ(info.size(), QSize(234, 234));
}

TEST(InfoWindow, OpensAtItsPlaceWithItsTexts)
{
    FakeScreen screen;
    ZEPLABEL info(screen);
    info.open();
    EXPECT_TRUE(info.isVisible());
    EXPECT_EQ(info.frameGeometry().topLeft(), ExpectedPlace(screen, info));
    EXPECT_FALSE(info.Bezeichnung6->text().trimmed().isEmpty());
    EXPECT_FALSE(info.Bezeichnung7->text().trimmed().isEmpty());
    EXPECT_FALSE(info.Bezeichnung8->text().trimmed().isEmpty());
    EXPECT_FALSE(info.Bezeichnung6->text().contains(u'\r'));
}

TEST(InfoWindow, FollowsTheScreenItIsGiven)
{
    FakeScreen screen;
    screen.size = QSizeF(12000, 9000);
    ZEPLABEL info(screen);
    info.open();
    EXPECT_EQ(info.frameGeometry().topLeft(), ExpectedPlace(screen, info));
}

TEST(InfoWindow, AMovedWindowReturnsWhenItIsOpenedOrRepainted)
{
    FakeScreen screen;
    ZEPLABEL info(screen);
    info.open();
    const QPoint home = info.pos();
    info.move(home + QPoint(40, 30));
    info.update();
    QApplication::processEvents();
    EXPECT_EQ(info.pos(), home);

    info.move(home - QPoint(40, 30));
    info.Bild1_Click();
    info.open();
    EXPECT_EQ(info.pos(), home);
}

TEST(InfoWindow, OkayAndThePictureCloseIt)
{
    FakeScreen screen;
    ZEPLABEL info(screen);
    info.open();
    info.Bezeichnung1_Click();
    EXPECT_FALSE(info.isVisible());
    info.open();
    info.Bild1_Click();
    EXPECT_FALSE(info.isVisible());

    // The controls themselves reach the handlers.
    info.open();
    Press(info.Bezeichnung1);
    EXPECT_FALSE(info.isVisible());
    info.open();
    ASSERT_TRUE(info.isVisible());
    info.Bild1->click();
    EXPECT_FALSE(info.isVisible());
}

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickLabel.h"
#include "FakeScreen.h"
#include "PictureButton.h"
#include "ZEPLABEL.h"

#include <QApplication>
#include <QMouseEvent>
#include <functional>
#include <gtest/gtest.h>

namespace {

// The information window shows the program's name, its texts and the build's version.
TEST(InfoWindow, ShowsTheProgramNameAndItsTexts)
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
    info.open();
    for (ClickLabel *label : {info.Bezeichnung6, info.Bezeichnung7, info.Bezeichnung8})
        EXPECT_FALSE(label->text().trimmed().isEmpty());
    EXPECT_FALSE(info.Bezeichnung6->text().contains(u'\r'));
    // The version comes from the build, the same number as in the package's name.
    EXPECT_TRUE(
        info.Bezeichnung7->text().startsWith(QStringLiteral("Version " ZEP_PROJECT_VERSION " ")));
}

// Centred across, a quarter of the free height down; a moved window returns on repaint or open.
TEST(InfoWindow, KeepsItsPlaceOnTheScreenGivenAndOkayOrThePictureCloseIt)
{
    for (QSizeF size : {FakeScreen().size, QSizeF(12000, 9000)}) {
        FakeScreen screen;
        screen.size = size;
        ZEPLABEL info(screen);
        const std::function<void()> closers[] = {[&] { info.Bild1->click(); }, [&] {
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(info.Bezeichnung1, &press);
        }};
        for (const auto &close : closers) {
            info.open();
            ASSERT_TRUE(info.isVisible());
            const QSize outer = info.frameGeometry().size();
            const QPoint home(qRound((size.width() / 15 - outer.width()) / 2.0),
                              qRound((size.height() / 15 - outer.height()) / 4.0));
            EXPECT_EQ(info.frameGeometry().topLeft(), home);
            info.move(info.pos() + QPoint(40, 30));
            info.update();
            QApplication::processEvents();
            EXPECT_EQ(info.frameGeometry().topLeft(), home);
            info.move(info.pos() - QPoint(80, 60)); // checked when it opens again
            close();
            EXPECT_FALSE(info.isVisible());
        }
    }
}

} // namespace

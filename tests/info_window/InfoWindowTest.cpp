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

// Opened, the information window shows its texts, line breaks as lines, with the build's
// version (the number in the package's name). It stands centred across, a quarter of the
// free height down; a moved window returns on repaint or open. Okay or the picture close it.
TEST(InfoWindow, ShowsItsTextsAndKeepsItsPlaceOnTheScreenGiven)
{
    for (QSizeF size : {FakeScreen().size, QSizeF(12000, 9000)}) {
        FakeScreen screen;
        screen.size = size;
        ZEPLABEL info(screen);
        for (bool byPicture : {true, false}) {
            info.open();
            ASSERT_TRUE(info.isVisible());
            for (ClickLabel *label : {info.Bezeichnung6, info.Bezeichnung7, info.Bezeichnung8})
                EXPECT_TRUE(!label->text().trimmed().isEmpty() && !label->text().contains(u'\r'));
            EXPECT_TRUE(info.Bezeichnung7->text().startsWith(QStringLiteral("Version " ZEP_PROJECT_VERSION " ")));
            const QSize outer = info.frameGeometry().size();
            const QPoint home(qRound((size.width() / 15 - outer.width()) / 2.0),
                              qRound((size.height() / 15 - outer.height()) / 4.0));
            EXPECT_EQ(info.frameGeometry().topLeft(), home);
            info.move(info.pos() + QPoint(40, 30));
            info.update();
            QApplication::processEvents();
            EXPECT_EQ(info.frameGeometry().topLeft(), home);
            info.move(info.pos() - QPoint(80, 60)); // checked when it opens again
            QMouseEvent okay(QEvent::MouseButtonPress, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            byPicture ? info.Bild1->click() : void(QApplication::sendEvent(info.Bezeichnung1, &okay));
            EXPECT_FALSE(info.isVisible());
        }
    }
}

} // namespace

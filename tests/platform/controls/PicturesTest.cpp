// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingSurface.h"
#include "PictureButton.h"
#include "WindowLook.h"
#include "Zoom.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

QImage Drawn(const QString &svg, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(svg).render(&painter);
    return image;
}

QImage Shown(const QIcon &icon, QSize size)
{
    return icon.pixmap(size).toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

class Pictures : public ::testing::Test
{
protected:
    void SetUp() override { Zoom::instance().fitTo(QSizeF(48000, 48000), QSizeF(1500, 1500)); }
    void TearDown() override { Zoom::instance().setFactor(1); }
};

} // namespace

// A button whose picture and scale change before the window shows takes, when shown, the
// icon of its last picture drawn at the size it shows, pixel for pixel as its SVG file draws;
// shown, a new scale or picture is drawn at once. Around its icon it shows its colour, the
// icon greyed while the button is off, and a dotted frame along its edge while it has the focus.
TEST_F(Pictures, ButtonsShowTheirLastPictureAtTheirLastScaleTheirColourAndState)
{
    QWidget window;
    auto *button = new PictureButton(QStringLiteral(":/icons/exit.svg"), QStringLiteral("Beenden"),
                                     Qt::cyan, &window);
    window.ensurePolished(); // the drawing thread starts on the first picture
    button->setPicture(QStringLiteral(":/icons/tick.svg"));
    Zoom::instance().setFactor(2.5);
    window.show();
    const QSize side(80, 80), small(32, 32); // 480 twips at 2.5 and at 1
    ASSERT_EQ(button->iconSize(), side);
    EXPECT_EQ(Shown(button->icon(), side), Drawn(QStringLiteral(":/icons/tick.svg"), side));
    Zoom::instance().setFactor(1);
    EXPECT_EQ(Shown(button->icon(), small), Drawn(QStringLiteral(":/icons/tick.svg"), small));
    button->setPicture(QStringLiteral(":/icons/exit.svg"));
    EXPECT_EQ(Shown(button->icon(), small), Drawn(QStringLiteral(":/icons/exit.svg"), small));

    button->setGeometry(0, 0, 40, 40); // the 32-pixel icon stands 4 pixels in from every edge
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const QColor red = Drawn(QStringLiteral(":/icons/exit.svg"), small).pixelColor(4, 16);
    const auto shown = [&](QPoint pixel) { return button->grab().toImage().pixelColor(pixel); };
    EXPECT_EQ(std::pair(shown({1, 1}), shown({8, 20})), std::pair(QColor(Qt::cyan), red));
    button->setFocus();
    EXPECT_EQ(shown({0, 0}), QColor(Qt::black));
    button->setEnabled(false);
    const QColor off = shown({8, 20});
    EXPECT_TRUE(off != red && off.red() == off.green());
}

// A box on a screen surface has its outline, of the line's width, around its fill at every
// scale, as an outline traced by the painter would have, also when the scale changed before
// the surface's first drawing.
TEST_F(Pictures, SurfaceBoxesKeepTheirOutlineAtEveryScale)
{
    for (double factor : {1.0, 1.6, 2.5, 3.375}) {
        Zoom::instance().setFactor(1);
        DrawingSurface surface(QSize(1500, 1500), QColor(192, 192, 192));
        Zoom::instance().setFactor(factor);
        surface.setFillColor(Qt::yellow);
        surface.setLineWidth(2);
        surface.box(QRectF(300, 300, 900, 900)); // 20 to 80 units, lines 19 to 21 and 79 to 81
        const QImage image = surface.image();
        const auto at = [&](double units) {
            return image.pixelColor(int(units * factor), int(50 * factor));
        };
        EXPECT_EQ(at(18.6), QColor(192, 192, 192)) << factor;
        EXPECT_EQ(at(20.5), QColor(Qt::black)) << factor;
        EXPECT_EQ(at(21.5), QColor(Qt::yellow)) << factor;
        EXPECT_EQ(at(79.5), QColor(Qt::black)) << factor;
        EXPECT_EQ(at(81.4), QColor(192, 192, 192)) << factor;

    }
}

// A line thinner than a pixel, as between the small cells of the charts, where each cell's
// fill meets its neighbour's outline, stays visible along every edge.
TEST_F(Pictures, OutlinesThinnerThanAPixelStayVisible)
{
    Zoom::instance().setFactor(1);
    DrawingSurface surface(QSize(6000, 600), Qt::white);
    surface.setFillColor(Qt::white);
    surface.setLineWidthTwips(6);
    const double cell = 6000.0 / 13;
    for (int column = 0; column < 12; ++column)
        surface.box(QRectF(cell * (column + 0.5), 100, cell, 400));
    const QImage image = surface.image();
    for (int column = 1; column < 12; ++column) {
        const int edge = int(cell * (column + 0.5) / 15);
        int darkest = 255;
        for (int x = edge - 1; x <= edge + 1; ++x)
            darkest = std::min(darkest, image.pixelColor(x, 20).value());
        EXPECT_LT(darkest, 160) << "edge " << column;
    }
}

// The windows' icons, drawn when the program is built, are the SVG pictures at the four sizes
// a desktop takes for a window, pixel for pixel.
TEST_F(Pictures, WindowIconsAreTheirPicturesAtTheDesktopsSizes)
{
    for (const QString &svg : {QStringLiteral(":/icons/logo.svg"), QStringLiteral(":/icons/hammer.svg")}) {
        QWidget window;
        WindowLook::SetUpWindow(window, QStringLiteral("Titel"), svg, 1500, 1500, Qt::white);
        const QList<QSize> sizes = window.windowIcon().availableSizes();
        ASSERT_EQ(sizes, (QList<QSize>{{16, 16}, {32, 32}, {64, 64}, {128, 128}})) << qPrintable(svg);
        for (QSize size : sizes)
            EXPECT_EQ(Shown(window.windowIcon(), size), Drawn(svg, size)) << qPrintable(svg);
    }
}

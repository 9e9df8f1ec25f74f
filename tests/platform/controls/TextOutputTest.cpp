// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingSurface.h"
#include "ListBox.h"
#include "Zoom.h"

#include <QSignalSpy>
#include <gtest/gtest.h>


TEST(TextOutput, ColumnsFollowTheAverageCharacterWidth)
{
    DrawingSurface surface(QSize(3000, 3000), Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(10);
    surface.setFont(font);
    const double column = surface.averageCharWidth();
    ASSERT_GT(column, 0);

    const double line = surface.lineHeight();
    surface.printAt(5, QStringLiteral("ab"), TwipCanvas::After::Stay);
    EXPECT_EQ(surface.printCursor(), QPointF(4 * column + surface.textWidth(QStringLiteral("ab")), 0));
    // The cursor stands right of column 2: the text goes to column 2 of the next line.
    surface.printAt(2, QStringLiteral("x"), TwipCanvas::After::Stay);
    EXPECT_EQ(surface.printCursor(), QPointF(column + surface.textWidth(QStringLiteral("x")), line));
    // A column further right stays on the same line.
    surface.printAt(30, QStringLiteral("y"), TwipCanvas::After::EndLine);
    EXPECT_EQ(surface.printCursor(), QPointF(0, 2 * line));
    surface.print(QString()); // an empty print only ends the line
    EXPECT_EQ(surface.printCursor(), QPointF(0, 3 * line));
}

TEST(TextOutput, NumbersCarryTheirSignPlaceAndATrailingBlank)
{
    EXPECT_EQ(TwipCanvas::asNumber(7), u" 7 ");
    EXPECT_EQ(TwipCanvas::asNumber(100), u" 100 ");
    EXPECT_EQ(TwipCanvas::asNumber(-3), u"-3 ");
}

TEST(DrawingSurface, BoxesAndLinesMoveTheCursorAndStayInTheImage)
{
    DrawingSurface surface(QSize(1500, 1500), QColor(192, 192, 192));
    surface.setFillColor(QColor(255, 255, 0));
    surface.box(QRectF(150, 150, 600, 600));
    EXPECT_EQ(std::tuple(surface.printCursor(), surface.colorAt(QPointF(450, 450)), surface.colorAt(QPointF(1200, 1200))),
              std::tuple(QPointF(750, 750), QColor(255, 255, 0), QColor(192, 192, 192)));
    surface.line(QPointF(0, 1350), QPointF(1500, 1350));
    EXPECT_EQ(std::pair(surface.printCursor(), surface.colorAt(QPointF(750, 1350))), std::pair(QPointF(1500, 1350), QColor(Qt::black)));

    // Covering and uncovering shows the kept image; only clear wipes it.
    surface.show();
    surface.hide();
    EXPECT_EQ(surface.colorAt(QPointF(450, 450)), QColor(255, 255, 0));
    surface.clear();
    EXPECT_EQ(std::pair(surface.printCursor(), surface.colorAt(QPointF(450, 450))), std::pair(QPointF(0, 0), QColor(192, 192, 192)));

    surface.setFillStyle(TwipCanvas::FillStyle::Transparent);
    surface.box(QRectF(150, 150, 600, 600));
    EXPECT_EQ(surface.colorAt(QPointF(450, 450)), QColor(192, 192, 192));
}

// Cells painted over and over keep one drawing step each, and a change of scale draws the kept
// picture again, sharp, at the new resolution.
TEST(DrawingSurface, KeepsWhatShowsAndRedrawsItAtANewScale)
{
    const QColor grey(192, 192, 192), green(0, 255, 0), yellow(255, 255, 0);
    DrawingSurface surface(QSize(1500, 1500), grey);
    surface.print(QStringLiteral("7"));
    for (int round = 0; round < 20; ++round) {
        surface.setFillColor(round % 2 ? yellow : green);
        for (int cell = 0; cell < 9; ++cell)
            surface.box(QRectF(500 * (cell % 3), 500 * (cell / 3), 500, 500));
    }
    surface.setFillStyle(TwipCanvas::FillStyle::Transparent);
    surface.box(QRectF(0, 0, 500, 500)); // an outline alone hides nothing
    EXPECT_EQ(surface.keptSteps(), 1 + 9 + 1);

    Zoom::instance().fitTo(QSizeF(19200, 19200), QSizeF(1500, 1500));
    Zoom::instance().setFactor(2);
    EXPECT_EQ(std::pair(surface.size(), surface.image().width()), std::pair(QSize(200, 200), 200));
    // A 1-pixel line, 2 pixels wide.
    EXPECT_EQ(std::tuple(surface.colorAt(QPointF(750, 750)), surface.colorAt(QPointF(500, 750)),
                         surface.colorAt(QPointF(493, 750)), surface.colorAt(QPointF(475, 750))),
              std::tuple(yellow, QColor(Qt::black), QColor(Qt::black), yellow));
    surface.clear();
    Zoom::instance().setFactor(1);
    EXPECT_EQ(std::pair(surface.keptSteps(), surface.colorAt(QPointF(750, 750))), std::pair(0, grey));
}

TEST(ListBox, SettingANewSelectionRunsTheClickHandlerOnce)
{
    ListBox list;
    list.setEntries({"eins", "zwei"});
    QSignalSpy clicks(&list, &ListBox::clicked);
    list.setSelectedPosition(1);
    list.setSelectedPosition(1);
    EXPECT_EQ(std::pair(clicks.size(), list.selectedPosition()), std::pair(qsizetype(1), 1));
    list.removeEntry(1);
    EXPECT_TRUE(list.selectedPosition() < list.count() && list.entry(5).isEmpty());
}

// A line that begins with a blank and an Arabic or Persian word keeps the blank in front,
// at its column, as in every other language: the line runs from left to right.
TEST(TextOutput, BlankStaysInFrontOfARightToLeftWord)
{
    QFont font(QStringLiteral("ARIAL"));
    font.setPointSize(20);
    const QString blank = QStringLiteral("____ ");
    for (const QString &word : {QStringLiteral("أربعة"), QStringLiteral("چهل و هفت")}) {
        DrawingSurface alone(QSize(6000, 600), Qt::white);
        DrawingSurface line(QSize(6000, 600), Qt::white);
        alone.setFont(font);
        line.setFont(font);
        alone.print(blank);
        line.print(blank + word);
        const int blankPixels = int(line.textWidth(blank) / 15) - 2;
        const QRect front(0, 0, blankPixels, alone.image().height());
        EXPECT_EQ(line.image().copy(front), alone.image().copy(front)) << word.toStdString();
    }
}

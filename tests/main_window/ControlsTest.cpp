// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

namespace {

class Controls : public MainWindowTest
{
protected:
    void startThree() { start(PatternText({{"A", Cells({1})}, {"B", Cells({2, 3})}, {"C", Cells({100})}})); }

    // The preview shows exactly the marked cells in light magenta.
    void expectPreviewOf(const QString &cells)
    {
        ASSERT_TRUE(form.Bild9->isVisible());
        for (int n = 1; n <= 100; ++n)
            EXPECT_EQ(CellColour(*form.Bild9, n), cells[n - 1] == u'1' ? LightMagenta : LightGreen)
                << n;
    }
};

TEST_F(Controls, CatalogueRepaintsFoundCellsWithoutCountingThemAgain)
{
    willAsk({2, 3});
    start(PatternText({{"A", Cells({2, 3, 4})}}));
    EXPECT_EQ(form.Liste3->entries(),
              (QStringList{"Hunderterfeld", "Zahlen bis 20", "Zahlenrahmen", "Zahlenkreuz",
                           "Erste Reihe", "Letzte Reihe", "Linke Spalte", "Rechte Spalte",
                           "Gerade Zahlen", "Ungerade Zahl", "Leeres Gitter"}));
    form.Bild6_Click();
    EXPECT_TRUE(form.Liste3->isVisible());
    form.Bild6_Click();
    EXPECT_TRUE(form.Liste3->isHidden());

    click(2);
    click(50);
    form.Bild6_Click();
    form.Liste3->setSelectedPosition(10); // "Leeres Gitter"
    EXPECT_EQ(state.BoardLayout, 8);
    EXPECT_TRUE(form.Liste3->isHidden());
    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(colour(n), n == 2 ? LightGreen : LightRed) << n;
        EXPECT_FALSE(n != 2 && CellHasInk(*form.Bild11, n)) << n;
    }
    expectCounters(1, 1);
    EXPECT_EQ(form.Bezeichnung3->text(), "drei");

    form.Liste3->setSelectedPosition(3); // "Zahlenkreuz" lasts into the next exercise
    form.Bezeichnung4_Click();
    EXPECT_TRUE(CellHasInk(*form.Bild11, 12) && CellHasInk(*form.Bild11, 19));
    EXPECT_FALSE(CellHasInk(*form.Bild11, 2));
}

TEST_F(Controls, ArrowsCycleAndShowThePreview)
{
    startThree();
    EXPECT_TRUE(form.Bild9->isHidden());
    EXPECT_EQ(form.Bild4->background(), LightGreen);

    form.Bezeichnung7_Click(); // "<" on the first
    EXPECT_EQ(form.Bezeichnung6->text(), "3");
    EXPECT_EQ(state.PatternName, "C");
    EXPECT_EQ(state.TargetNumber, 100);
    EXPECT_EQ(form.Bild4->background(), QColor(255, 0, 0));
    expectPreviewOf(Cells({100}));

    form.Bezeichnung8_Click(); // ">" on the last
    EXPECT_EQ(form.Bezeichnung6->text(), "1");
    EXPECT_EQ(state.PatternName, "A");
    expectPreviewOf(Cells({1}));

    form.Bezeichnung5_Click();
    form.Bezeichnung8_Click();
    EXPECT_EQ(state.ExerciseMode, Module1::ZahlenMode);
    EXPECT_EQ(state.PatternName, "B");
    EXPECT_EQ(colour(state.TargetNumber), Yellow);
}

TEST_F(Controls, TickSwitchesBetweenBoardAndPreview)
{
    willAsk({2});
    startThree();
    form.Bezeichnung8_Click();
    click(state.TargetNumber);
    const QString remaining = state.RemainingCells;

    form.Bild4_Click();
    EXPECT_TRUE(form.Bild9->isHidden());
    EXPECT_EQ(form.Bild4->background(), LightGreen);
    form.Bild4_Click();
    EXPECT_EQ(form.Bild4->background(), QColor(255, 0, 0));
    expectPreviewOf(Cells({2, 3}));
    EXPECT_EQ(state.RemainingCells, remaining);
    expectCounters(1, 0);
}

TEST_F(Controls, LanguageButtonSwitchesWordsBackAndForth)
{
    start(PatternText({{"A", QString(100, u'1')}}));
    const QString german = form.Bild12->picture();

    willAsk({1, 40});
    form.Bild12_Click();
    EXPECT_EQ(state.Language, "e");
    EXPECT_NE(form.Bild12->picture(), german);
    EXPECT_EQ(form.Bezeichnung3->text(), "forty");
    EXPECT_EQ(state.NumberWords[15], "fifteen");
    EXPECT_EQ(state.NumberWords[50], "fifty");
    EXPECT_EQ(state.NumberWords[41], "forty-one");
    EXPECT_EQ(form.Bild4->background(), QColor(255, 0, 0));

    willAsk({1, 21});
    form.Bild12_Click();
    EXPECT_EQ(state.Language, "d");
    EXPECT_EQ(form.Bild12->picture(), german);
    EXPECT_EQ(form.Bezeichnung3->text(), "einundzwanzig");
    EXPECT_EQ(state.NumberWords[1], "eins");
}

TEST_F(Controls, HelpPanelAndRedraw)
{
    willAsk({2});
    start(PatternText({{"A", Cells({2, 3})}}));
    EXPECT_EQ(LeftTwips(form.Bild16), 6600);
    form.Bild15_Click();
    EXPECT_EQ(LeftTwips(form.Bild16), 600);
    form.Bild15_Click();
    EXPECT_EQ(LeftTwips(form.Bild16), 6600);

    click(2);
    form.Bild3_Click(); // wipes the green cell, not the exercise
    EXPECT_EQ(colour(2), LightRed);
    EXPECT_EQ(state.FoundCells, Cells({2}));
}

} // namespace

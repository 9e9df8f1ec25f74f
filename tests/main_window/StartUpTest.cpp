// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ActivationGate.h"
#include "MainWindowFixture.h"

namespace {

using StartUp = MainWindowTest;

TEST_F(StartUp, EmptyFolderGivesDefaultPatternAndLayoutTwoBoard)
{
    form.Form_Load();
    EXPECT_EQ(CellColour(*form.Bild11, 1), QColor(192, 192, 192)); // nothing drawn yet
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.last().title, "ZEP-100er-Feld");
    EXPECT_EQ(fake.dialogs.last().prompt,
              " Es sind keine Daten vorhanden!\rEin Standardfeld wird verwendet!");
    EXPECT_EQ(form.Liste1->entries(), QStringList{"Ka-Zeichen"});
    EXPECT_TRUE(form.Liste4->entries().isEmpty());
    EXPECT_EQ(LeftTwips(form.Liste4), 8400);

    form.show();
    EXPECT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(state.ExerciseMode, Module1::FelderMode);
    EXPECT_EQ(state.BoardLayout, 2);
    EXPECT_EQ(form.Bezeichnung6->text(), "1");
    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(colour(n), LightRed) << n;
        EXPECT_EQ(CellHasInk(*form.Bild11, n), n <= 20) << n;
    }
    EXPECT_EQ(form.Liste2->entry(0).at(state.TargetNumber - 1), u'1');
    EXPECT_EQ(form.Bezeichnung3->text(), state.NumberWords[state.TargetNumber]);
}

TEST_F(StartUp, PatternWithoutCellStringIsDroppedAndDefaultFollows)
{
    fake.files.files["ZEP100.TXT"] = PatternText({{"Haus", Cells({1, 2})}}) + "Baum\r\n";
    form.Form_Load();
    EXPECT_EQ(fake.dialogs.titles(), QStringList{"ZEP-100er-Feld"});
    EXPECT_EQ(form.Liste1->entries(), (QStringList{"Haus", "Ka-Zeichen"}));
    EXPECT_EQ(form.Liste2->count(), 2);
    EXPECT_EQ(form.Liste2->entry(0), Cells({1, 2}));
}

TEST_F(StartUp, ResultsComeBackSortedAndSplitAtCommas)
{
    fake.files.files["ZEP100.TXT"] = PatternText({{"Haus", Cells({1})}});
    fake.files.files["ZEP100.INI"] = "b\r\n0012  Max, Moritz\r\nA\r\nC\r\n";
    form.Form_Load();
    EXPECT_EQ(form.Liste4->entries(), (QStringList{"0012  Max", "A", "b", "C", "Moritz"}));
    EXPECT_TRUE(fake.dialogs.shown.isEmpty());
    EXPECT_EQ(LeftTwips(form.Liste4), 1200);
    form.show(); // the first exercise moves the list away
    EXPECT_EQ(LeftTwips(form.Liste4), 8400);
}

TEST_F(StartUp, ActivationRestartsOnlyAfterOwnWindows)
{
    willAsk({3});
    start(PatternText({{"Haus", Cells({3, 4})}}));
    click(3);
    // A message box of the program or another application, then the main window again.
    form.windowActivated(ActivationGate::Window::Other);
    form.windowActivated(ActivationGate::Window::Main);
    form.windowActivated(ActivationGate::Window::Main);
    EXPECT_EQ(state.FoundCells, Cells({3}));
    EXPECT_EQ(colour(3), LightGreen);

    form.Bezeichnung5_Click();
    form.windowActivated(ActivationGate::Window::OwnWindow);
    form.windowActivated(ActivationGate::Window::Main);
    EXPECT_EQ(state.ExerciseMode, Module1::FelderMode);
    EXPECT_EQ(state.FoundCells, Cells({}));
    EXPECT_EQ(colour(3), LightRed);
}

TEST(ActivationGateTest, FirstActivationAndReturnsFromOwnWindowsRun)
{
    using W = ActivationGate::Window;
    ActivationGate gate;
    EXPECT_FALSE(gate.activated(W::OwnWindow));
    EXPECT_TRUE(gate.activated(W::Main));
    EXPECT_FALSE(gate.activated(W::Main));
    EXPECT_FALSE(gate.activated(W::Other));
    EXPECT_FALSE(gate.activated(W::Main));
    EXPECT_FALSE(gate.activated(W::OwnWindow));
    EXPECT_TRUE(gate.activated(W::Main));
    EXPECT_FALSE(gate.activated(W::Main));
}

// ---- Exit --------------------------------------------------------------------------------

using Exit = MainWindowTest;

TEST_F(Exit, NoWritesNothingAndGoesOn)
{
    willAsk({3});
    start(PatternText({{"Haus", Cells({3, 4})}}));
    click(3);
    form.Bild5_Click();
    ASSERT_EQ(fake.dialogs.shown.size(), 1);
    EXPECT_EQ(fake.dialogs.last().title, "ZEP100");
    EXPECT_EQ(fake.dialogs.last().prompt, "Dieses Programm jetzt beenden?\n\r ");
    EXPECT_EQ(fake.dialogs.last().style, MessageStyle::Question);
    EXPECT_TRUE(fake.files.writes.isEmpty());
    EXPECT_EQ(fake.program.quits, 0);
    EXPECT_EQ(state.FoundCells, Cells({3}));
}

TEST_F(Exit, YesWithEmptyListWritesEmptyFileAndQuits)
{
    start(PatternText({{"Haus", Cells({3})}}));
    fake.dialogs.answers.enqueue(Answer::Yes);
    form.Bild5_Click();
    ASSERT_TRUE(fake.files.files.contains("ZEP100.INI"));
    EXPECT_TRUE(fake.files.files["ZEP100.INI"].isEmpty());
    EXPECT_EQ(fake.program.quits, 1);
}

TEST_F(Exit, ClosingTheWindowAsksAndSavesLikeTheExitButton)
{
    start(PatternText({{"Haus", Cells({3})}}), "b\r\nA\r\n");
    form.close();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(fake.files.writes.isEmpty());

    fake.dialogs.answers.enqueue(Answer::Yes);
    form.close();
    EXPECT_EQ(fake.dialogs.titles(), (QStringList{"ZEP100", "ZEP100"}));
    EXPECT_EQ(fake.files.files["ZEP100.INI"], "A\r\nb\r\n");
    EXPECT_EQ(fake.program.quits, 1);
}

TEST_F(Exit, WriteFailureIsReportedAndProgramEnds)
{
    start(PatternText({{"Haus", Cells({3})}}), "0007  Ute\r\n");
    fake.files.writeFailures["ZEP100.INI"] = "Datenträger voll";
    fake.dialogs.answers.enqueue(Answer::Yes);
    form.Bild5_Click();
    ASSERT_EQ(fake.dialogs.shown.size(), 2);
    EXPECT_EQ(fake.dialogs.last().title, "ZEP100");
    EXPECT_TRUE(fake.dialogs.last().prompt.contains("Datenträger voll"));
    EXPECT_EQ(fake.program.quits, 1);
}

} // namespace

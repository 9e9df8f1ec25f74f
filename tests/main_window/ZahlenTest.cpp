// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

namespace {

class Zahlen : public MainWindowTest
{
protected:
    // Zahlen mode on one pattern, asking first and then second.
    void startZahlen(int first, int second)
    {
        start(PatternText({{"Haus", Cells({10, 47, 100})}}));
        form.HBildlauf1->setValue(30);
        willAsk({first, second});
        form.Bezeichnung5_Click();
    }
};

TEST_F(Zahlen, WrongValueBeepsAndCountsRightValueTurnsGreen)
{
    startZahlen(100, 10);
    EXPECT_EQ(form.HBildlauf1->value(), 1);
    EXPECT_TRUE(form.HBildlauf1->isVisible());
    EXPECT_TRUE(form.Befehl1->isVisible());
    EXPECT_EQ(form.Bezeichnung3->text(), "Wie heißt die Zahl?");
    EXPECT_EQ(colour(100), Yellow); // bottom right cell
    EXPECT_EQ(colour(99), LightRed);

    click(100); // the board does not react in this mode
    form.HBildlauf1->setValue(99);
    EXPECT_EQ(form.Bezeichnung3->text(), "99");
    form.Befehl1_Click();
    expectCounters(0, 1);
    EXPECT_EQ(fake.dialogs.beeps, 1);
    EXPECT_EQ(colour(100), Yellow);
    EXPECT_EQ(form.Bezeichnung3->text(), "99");

    form.HBildlauf1->setValue(100);
    form.Befehl1_Click();
    expectCounters(1, 1);
    EXPECT_EQ(colour(100), LightGreen);
    EXPECT_EQ(state.FoundCells, Cells({100}));
    EXPECT_EQ(colour(10), Yellow); // top right cell
    EXPECT_EQ(form.Bezeichnung3->text(), "Wie heißt die Zahl?");
    EXPECT_EQ(form.HBildlauf1->value(), 100); // not reset between numbers

    form.Bezeichnung4_Click();
    EXPECT_FALSE(form.HBildlauf1->isVisible());
    EXPECT_FALSE(form.Befehl1->isVisible());
}

TEST_F(Zahlen, ArrowKeysStepByOneWithinTheRange)
{
    startZahlen(47, 10);
    press(Qt::Key_Left);
    press(Qt::Key_Up);
    EXPECT_EQ(form.HBildlauf1->value(), 1);
    press(Qt::Key_Right);
    EXPECT_EQ(form.HBildlauf1->value(), 2);
    press(Qt::Key_Down);
    EXPECT_EQ(form.HBildlauf1->value(), 3);
    EXPECT_EQ(form.Bezeichnung3->text(), "3");
    press(Qt::Key_Up, form.Befehl1); // the window sees keys whatever has the focus
    EXPECT_EQ(form.HBildlauf1->value(), 2);

    form.HBildlauf1->setValue(100);
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    EXPECT_EQ(form.HBildlauf1->value(), 100);
    press(Qt::Key_Left);
    press(Qt::Key_A);
    EXPECT_EQ(form.HBildlauf1->value(), 99);
    expectCounters(0, 0);
}

TEST_F(Zahlen, EnterJudgesOnce)
{
    startZahlen(47, 10);
    form.HBildlauf1->setValue(47);
    press(Qt::Key_Return);
    expectCounters(1, 0);
    EXPECT_EQ(colour(47), LightGreen);
    EXPECT_EQ(state.TargetNumber, 10);
    press(Qt::Key_Enter); // 47 is wrong now
    expectCounters(1, 1);
    EXPECT_EQ(fake.dialogs.beeps, 1);
}

TEST_F(Zahlen, KeysAreIgnoredInFelderMode)
{
    willAsk({47});
    start(PatternText({{"Haus", Cells({10, 47, 100})}}));
    for (int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Left})
        press(key, &form);
    EXPECT_EQ(form.HBildlauf1->value(), 1);
    EXPECT_EQ(form.Bezeichnung3->text(), "siebenundvierzig");
    expectCounters(0, 0);
    EXPECT_EQ(fake.dialogs.beeps, 0);
}

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

namespace {

using Zahlen = MainWindowTest;

// In Zahlen mode the value set with the keys or the scroll bar is judged by the button or Enter.
TEST_F(Zahlen, ValueIsJudgedByButtonAndKeys)
{
    willAsk({47});
    start(PatternText({{"Haus", MarkedCells({10, 47, 100})}}));
    for (int key : {Qt::Key_Right, Qt::Key_Down, Qt::Key_Return, Qt::Key_Left})
        press(key, &form); // ignored in Felder mode
    EXPECT_EQ(std::pair(form.HBildlauf1->value(), form.Bezeichnung3->text()), std::pair(1, QString("siebenundvierzig")));
    form.HBildlauf1->setValue(30);
    willAsk({100, 10, 47});
    form.Bezeichnung5_Click();
    EXPECT_TRUE(form.HBildlauf1->isVisible() && form.Befehl1->isVisible());
    EXPECT_EQ(std::tuple(form.HBildlauf1->value(), form.Bezeichnung3->text(), colour(100), colour(99)),
              std::tuple(1, QString("Wie heißt die Zahl?"), Yellow, LightRed)); // 100: bottom right

    // Keys reach the value whatever has the focus, one step per press.
    const std::tuple<int, QWidget *, int> steps[] = {
        {Qt::Key_Left, nullptr, 1}, {Qt::Key_Up, nullptr, 1},      {Qt::Key_Right, nullptr, 2},
        {Qt::Key_Down, nullptr, 3}, {Qt::Key_Up, form.Befehl1, 2}, {Qt::Key_A, nullptr, 2}};
    for (auto [key, target, value] : steps) {
        press(key, target);
        EXPECT_EQ(form.HBildlauf1->value(), value) << key;
    }
    EXPECT_EQ(form.Bezeichnung3->text(), "2");
    form.HBildlauf1->setValue(99);
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    EXPECT_EQ(form.HBildlauf1->value(), 100);
    press(Qt::Key_Left);
    expectCounters(0, 0);

    click(100); // the board does not react in this mode
    form.Befehl1_Click();
    expectCounters(0, 1);
    EXPECT_EQ(std::tuple(fake.dialogs.beeps, colour(100), form.Bezeichnung3->text()), std::tuple(1, Yellow, QString("99")));

    form.HBildlauf1->setValue(100);
    form.Befehl1_Click();
    expectCounters(1, 1);
    EXPECT_EQ(std::tuple(colour(100), colour(10), form.Bezeichnung3->text(), form.HBildlauf1->value()),
              std::tuple(LightGreen, Yellow, QString("Wie heißt die Zahl?"), 100)); // 10: top right; the value stays

    form.HBildlauf1->setValue(10);
    press(Qt::Key_Return);
    expectCounters(2, 1);
    EXPECT_EQ(state.TargetNumber, 47);
    press(Qt::Key_Enter); // 10 is wrong now
    expectCounters(2, 2);

    form.Bezeichnung4_Click();
    EXPECT_FALSE(form.HBildlauf1->isVisible() || form.Befehl1->isVisible());
}

// A held Enter or Space on the board's frame, and a held Enter in Zahlen mode, answers once
// however late the program reads the repeats; a quick new press after the release answers
// again, and held arrows keep stepping.
TEST_F(Zahlen, HeldKeysAnswerOnce)
{
    willAsk({12, 47, 47}); // Felder at start, then Zahlen
    start(PatternText({{"Haus", MarkedCells({12, 47})}}));
    holdKey(Qt::Key_Return, 1000, 20, form.Bild11); // on cell 1
    keyAt(QEvent::KeyRelease, Qt::Key_Return, 1900, form.Bild11);
    form.Bild11->setCursorCell(12);
    press(Qt::Key_Space, form.Bild11);
    for (int repeat = 0; repeat < 10; ++repeat)
        press(Qt::Key_Space, form.Bild11, true);
    expectCounters(1, 1);

    form.Bezeichnung5_Click();
    holdKey(Qt::Key_Return, 2000, 24); // read too late for Qt to flag the repeats
    keyAt(QEvent::KeyRelease, Qt::Key_Return, 3600);
    expectCounters(1, 2);
    keyAt(QEvent::KeyPress, Qt::Key_Return, 3630); // a quick new press
    keyAt(QEvent::KeyPress, Qt::Key_Return, 4200); // repeated without releases
    keyAt(QEvent::KeyRelease, Qt::Key_Return, 4300);
    expectCounters(1, 3);
    EXPECT_EQ(fake.dialogs.beeps, 2);
    press(Qt::Key_Right);
    for (int repeat = 0; repeat < 20; ++repeat)
        press(Qt::Key_Right, nullptr, true);
    holdKey(Qt::Key_Right, 5000, 24);
    EXPECT_EQ(form.HBildlauf1->value(), 47);
    press(Qt::Key_Enter);
    expectCounters(2, 3);
}

} // namespace

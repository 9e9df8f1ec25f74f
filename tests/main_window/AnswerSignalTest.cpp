// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

namespace {

using AnswerSignal = MainWindowTest;

// Exactly the presses that the counters count are reported, with the facts of each; the
// questions are reported as they are asked.
TEST_F(AnswerSignal, ReportsEveryCountedAnswerWithItsFacts)
{
    QList<GivenAnswer> answers;
    QList<int> questions;
    QObject::connect(&form, &Form1::answerGiven, [&](const GivenAnswer &a) { answers << a; });
    QObject::connect(&form, &Form1::questionAsked, [&](int n) { questions << n; });
    willAsk({74, 47});
    start(PatternText({{"Haus", MarkedCells({47, 74})}}));
    EXPECT_EQ(questions, QList<int>{74});

    click(47);
    form.Bild11_MouseDown(Qt::LeftButton, QPointF(5000, 100)); // off the board: no answer
    click(74);
    ASSERT_EQ(answers.size(), 2);
    EXPECT_EQ(questions, (QList<int>{74, 47}));
    const GivenAnswer &wrong = answers[0];
    EXPECT_EQ(std::tuple(wrong.asked, wrong.given, wrong.right, wrong.mode, wrong.language, wrong.patternName, wrong.userName),
              std::tuple(74, 47, false, int(Module1::FelderMode), QString("d"), QString("Haus"), Guest));
    EXPECT_EQ(std::tuple(answers[1].asked, answers[1].given, answers[1].right), std::tuple(74, 74, true));

    answers.clear();
    willAsk({47});
    form.Bezeichnung5_Click();
    click(47); // the board does not answer in Zahlen mode
    form.HBildlauf1->setValue(46);
    press(Qt::Key_Return);
    press(Qt::Key_Return, nullptr, true); // a held Enter is one answer
    press(Qt::Key_Right);
    form.Befehl1_Click();
    ASSERT_EQ(answers.size(), 2);
    EXPECT_EQ(std::tuple(answers[0].given, answers[0].right, answers[0].mode, answers[1].asked,
                         answers[1].given, answers[1].right),
              std::tuple(46, false, int(Module1::ZahlenMode), 47, 47, true));
    expectCounters(2, 2); // the counters run on across modes
}

} // namespace

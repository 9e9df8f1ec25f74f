// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include <QMouseEvent>

namespace {

using Felder = MainWindowTest;

// Hits and errors count on the board's presses until a new user, named or not, begins.
TEST_F(Felder, HitsAndErrorsCountUntilANewUser)
{
    willAsk({5, 47});
    start(PatternText({{"Haus", MarkedCells({5, 47, 60})}}));
    EXPECT_EQ(form.Bezeichnung3->text(), "fünf");
    // A real press on the board, with any button.
    const QPointF pixel = CellCentre(5) / 15;
    QMouseEvent event(QEvent::MouseButtonPress, pixel, form.Bild11->mapToGlobal(pixel),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(form.Bild11, &event);
    EXPECT_EQ(colour(5), LightGreen);
    expectCounters(1, 0);
    EXPECT_EQ(form.Bezeichnung3->text(), "siebenundvierzig");

    click(6);  // not in the pattern
    click(60); // in the pattern, but not asked
    click(5);  // found a moment ago
    for (QPointF outside : {QPointF(5000, 100), QPointF(4999.6, 100), QPointF(100, 5010), QPointF(-20, 100)})
        form.Bild11_MouseDown(Qt::LeftButton, outside);
    expectCounters(1, 3);
    EXPECT_EQ(std::tuple(state.TargetNumber, state.RemainingCells, colour(60)), std::tuple(47, MarkedCells({47, 60}), LightRed));
    EXPECT_TRUE(fake.dialogs.shown.isEmpty() && !fake.dialogs.beeps);

    state.HitCount = state.ErrorCount = 32767;
    click(47);
    click(6);
    expectCounters(32767, 32767);

    form.Bild10_Click(); // cancelled: the name stays, the counters do not
    EXPECT_EQ(form.Bezeichnung9->text(), Guest);
    expectCounters(0, 0);
    click(50);
    bool shownDuringInput = false;
    fake.dialogs.whileOpen = [&] { shownDuringInput = form.resultsShown(); };
    fake.dialogs.inputs.enqueue(" Ute ");
    form.Bild10_Click();
    const FakeDialogs::Shown &box = fake.dialogs.last(); // a pasted page cannot stall the program
    EXPECT_EQ(std::tuple(box.kind, box.prompt, box.title, box.maxLength),
              std::tuple(FakeDialogs::Shown::Input, QString("Neuer Name:"), QString("Benutzer eingeben"), 100));
    EXPECT_TRUE(shownDuringInput && !form.resultsShown());
    EXPECT_EQ(form.Bezeichnung9->text(), " Ute ");
    expectCounters(0, 0);

    fake.dialogs.whileOpen = nullptr;
    state.HitCount = 12344; // only the last four digits are kept
    click(60); // the exercise went on
    EXPECT_EQ(form.Liste4->entries(), QStringList{"2345   Ute "});

    // A name is shown as typed, markup and all.
    fake.dialogs.inputs.enqueue("<i>Ute</i>");
    form.Bild10_Click();
    EXPECT_GE(form.Bezeichnung9->sizeHint().width(),
              QFontMetrics(form.Bezeichnung9->font()).horizontalAdvance("<i>Ute</i>"));
}

// A solved pattern adds its score to the kept hundred results and the next pattern begins.
TEST_F(Felder, SolvedPatternIsScoredAndTheNextBegins)
{
    QByteArray results;
    for (int score = 500; score <= 600; ++score)
        results += "0" + QByteArray::number(score) + "  Anna\r\n";
    willAsk({12, 34});
    start(PatternText({{"Eins", MarkedCells({12})}, {"Zwei", MarkedCells({34})}}), results);
    ASSERT_EQ(form.Liste4->count(), 101); // loaded whole
    bool shownDuringMessage = false;
    fake.dialogs.whileOpen = [&] { shownDuringMessage = form.resultsShown(); };
    click(12);
    ASSERT_EQ(fake.dialogs.titles(), QStringList{"Eins"});
    EXPECT_EQ(std::pair(fake.dialogs.last().prompt, fake.dialogs.last().style),
              std::pair(QString("Die Aufgabe wurde gelöst!"), MessageStyle::Information));
    EXPECT_TRUE(shownDuringMessage && !form.resultsShown());
    // The new entry goes in and the highest drops out.
    EXPECT_EQ(std::tuple(form.Liste4->count(), form.Liste4->entry(0), form.Liste4->entry(99)),
              std::tuple(100, "0001  " + Guest, QString("0598  Anna")));
    EXPECT_EQ(std::tuple(form.Liste1->selectedPosition(), form.Bezeichnung6->text(), state.TargetNumber),
              std::tuple(1, QString("2"), 34));
    EXPECT_EQ(colour(12), LightRed); // the next exercise starts on a fresh board
}

// A picture without cells, reached at start, by the arrows, the language button or in
// Zahlen mode, asks nothing, scores nothing and says so on the question label.
TEST_F(Felder, PictureWithoutCellsIsNeverSolved)
{
    start(PatternText({{"Leer", MarkedCells({})}, {"Haus", MarkedCells({5})}, {"Lang", MarkedCells({}) + "1"}}));
    const auto expectNothingAsked = [&](const char *when) {
        EXPECT_EQ(std::tuple(form.Bezeichnung3->text(), fake.dialogs.shown.size(), form.Liste4->count()),
                  std::tuple(QString("Bild ohne Felder"), qsizetype(0), 0)) << when;
        expectCounters(0, 0);
    };
    expectNothingAsked("start");
    for (int n : {1, 5, 100})
        click(n);
    expectNothingAsked("clicks");
    form.Bezeichnung7_Click(); // "<" to the cell string with a stray character past 100
    expectNothingAsked("arrow");
    form.Bild12_Click();
    expectNothingAsked("language");
    form.Bezeichnung5_Click();
    EXPECT_FALSE(form.HBildlauf1->isVisible() || form.Befehl1->isVisible());
    for (int key : {Qt::Key_Right, Qt::Key_Return, Qt::Key_Down})
        press(key, &form);
    form.Befehl1_Click();
    EXPECT_EQ(fake.dialogs.beeps, 0);
    expectNothingAsked("Zahlen");
    for (int n = 1; n <= 100; ++n)
        EXPECT_EQ(colour(n), LightRed) << n; // no cell waits in yellow
}

// Three small patterns solved in each mode, each time wrapping around to the first and
// skipping those without marked cells (a "1" past cell 100 marks nothing).
TEST_F(Felder, WholeLibraryInBothModes)
{
    start(PatternText({{"Ecke", MarkedCells({1, 10})}, {"Leer", MarkedCells({})}, {"Mitte", MarkedCells({55})},
                       {"Lang", MarkedCells({}) + "1"}, {"Boden", MarkedCells({91, 100})}}));
    const QStringList names{"Ecke", "Mitte", "Boden"};
    for (int mode : {Module1::FelderMode, Module1::ZahlenMode}) {
        if (mode == Module1::ZahlenMode)
            form.Bezeichnung5_Click();
        for (int pattern = 0; pattern < 3; ++pattern) {
            ASSERT_EQ(state.PatternName, names[pattern]);
            EXPECT_EQ(state.ExerciseMode, mode);
            EXPECT_EQ(form.Bezeichnung6->text(), QString::number(2 * pattern + 1));
            const int solved = (mode - 1) * 3 + pattern + 1;
            // Each mode ignores the other mode's answer.
            for (int guard = 0; guard < 10 && fake.dialogs.shown.size() < solved; ++guard) {
                form.HBildlauf1->setValue(state.TargetNumber);
                press(Qt::Key_Return);
                click(state.TargetNumber);
            }
        }
    }
    EXPECT_EQ(form.Bezeichnung6->text(), "1");
    EXPECT_EQ(fake.dialogs.titles(), names + names);
    EXPECT_EQ(form.Liste4->entries(),
              (QStringList{"0002  " + Guest, "0003  " + Guest, "0005  " + Guest,
                           "0007  " + Guest, "0008  " + Guest, "0010  " + Guest}));
    expectCounters(10, 0);
}

} // namespace

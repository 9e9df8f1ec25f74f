// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include "QtDialogs.h"
#include "ZEPLABEL.h"

#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

class StartUp : public MainWindowTest
{
protected:
    // A main window with the real message and input boxes, loaded with the library and
    // shown, for the returns from the other windows.
    Form1 &showWithRealBoxes(const QByteArray &patterns)
    {
        fake.files.files.insert(QStringLiteral("ZEP100.TXT"), patterns);
        m_window = std::make_unique<Form1>(state, m_withRealBoxes);
        m_window->Form_Load();
        m_window->show();
        return *m_window;
    }

private:
    QtDialogs m_boxes;
    const Platform m_withRealBoxes{m_boxes,      fake.printer, fake.clipboard, fake.random,
                                   fake.screen, fake.files,   fake.program,   fake.speech,
                                   fake.clock,  fake.run};
    std::unique_ptr<Form1> m_window;
};

// Without any files the program says so, plays the default pattern on the first board and
// still writes a results file on exit.
TEST_F(StartUp, EmptyFolderGivesDefaultPatternAndActivationRestartsIt)
{
    form.Form_Load();
    EXPECT_EQ(CellColour(*form.Bild11, 1), QColor(192, 192, 192)); // nothing drawn yet
    ASSERT_EQ(fake.dialogs.titles(), QStringList{"ZEP-100er-Feld"});
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

    fake.dialogs.answers.enqueue(Answer::Yes);
    form.Bild5_Click(); // the empty results list still makes a file
    EXPECT_EQ(fake.files.files.value("ZEP100.INI", "missing"), "");
    EXPECT_EQ(fake.program.quits, 1);
}

// The results file loads sorted, and only "Ja" to the exit question writes it back; a failed
// write is reported with its reason.
TEST_F(StartUp, ResultsLoadSortedAndAreSavedOnExit)
{
    fake.files.files["ZEP100.TXT"] = PatternText({{"Haus", MarkedCells({3, 4})}}) + "Baum\r\n";
    fake.files.files["ZEP100.INI"] = "b\r\n0012  Max, Moritz\r\nA\r\n";
    willAsk({3});
    form.Form_Load();
    // The pattern without a cell string is dropped and the default one follows.
    EXPECT_EQ(fake.dialogs.titles(), QStringList{"ZEP-100er-Feld"});
    EXPECT_EQ(form.Liste1->entries(), (QStringList{"Haus", "Ka-Zeichen"}));
    EXPECT_EQ(form.Liste2->count(), 2);
    EXPECT_EQ(form.Liste2->entry(0), MarkedCells({3, 4}));
    EXPECT_EQ(form.Liste4->entries(), (QStringList{"0012  Max", "A", "b", "Moritz"}));
    EXPECT_EQ(LeftTwips(form.Liste4), 1200);
    form.show(); // the first exercise moves the list away
    EXPECT_EQ(LeftTwips(form.Liste4), 8400);

    fake.dialogs.shown.clear();
    click(3);
    form.Bild5_Click();
    ASSERT_EQ(fake.dialogs.titles(), QStringList{"ZEP100"});
    EXPECT_EQ(fake.dialogs.last().prompt, "Dieses Programm jetzt beenden?\n\r ");
    EXPECT_EQ(fake.dialogs.last().style, MessageStyle::Question);
    form.close(); // the close button asks the same
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(fake.files.writes.isEmpty());
    EXPECT_EQ(fake.program.quits, 0);
    EXPECT_EQ(state.FoundCells, MarkedCells({3}));

    fake.dialogs.answers.enqueue(Answer::Yes);
    form.close();
    EXPECT_EQ(fake.dialogs.titles(), (QStringList{"ZEP100", "ZEP100", "ZEP100"}));
    EXPECT_EQ(fake.files.files["ZEP100.INI"], "0012  Max\r\nA\r\nb\r\nMoritz\r\n");
    EXPECT_EQ(fake.program.quits, 1);

    fake.files.writeFailures["ZEP100.INI"] = "Datenträger voll";
    fake.dialogs.answers.enqueue(Answer::Yes);
    form.Bild5_Click();
    ASSERT_EQ(fake.dialogs.titles(), QStringList(5, QStringLiteral("ZEP100")));
    EXPECT_TRUE(fake.dialogs.last().prompt.contains("Datenträger voll"));
    EXPECT_EQ(fake.program.quits, 2);
}

// Coming back from the information window starts a fresh Felder exercise; the press that
// brings the main window back is no answer. The program's own boxes closing over the
// window are no return.
TEST_F(StartUp, ReturnFromTheInformationWindowStartsAFreshExercise)
{
    willAsk({5, 6, 7, 6});
    Form1 &window = showWithRealBoxes(PatternText({{"Haus", MarkedCells({5, 6, 7})}}));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    const auto press = [&](int n) { QTest::mouseClick(window.Bild11, Qt::LeftButton, {}, (CellCentre(n) / 15).toPoint()); };
    press(5);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    window.Bild10_Click(); // a real input box, cancelled
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(state.FoundCells, MarkedCells({5})); // the exercise went on

    window.Bild8_Click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.infoWindow()));
    window.activateWindow(); // the press on the board activates the window first
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(state.FoundCells, MarkedCells({}));
    EXPECT_EQ(state.TargetNumber, 7);
    press(7); // the new user of the input box starts from zero
    EXPECT_EQ(std::pair(int(state.HitCount), state.ErrorCount), std::pair(0, 0));
    press(7);
    EXPECT_EQ(std::pair(int(state.HitCount), state.ErrorCount), std::pair(1, 0));

    window.Bild8_Click();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.infoWindow()));
    window.infoWindow()->Bild1_Click(); // closed with its own button: the next press counts
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_EQ(state.FoundCells, MarkedCells({}));
    press(state.TargetNumber);
    EXPECT_EQ(std::pair(int(state.HitCount), state.ErrorCount), std::pair(2, 0));
}

// The press that brings the window back from the information window is no answer in
// whichever order a busy program reads it and the activation. Read first, it makes the
// return itself, and a control the new exercise takes away does not get it. Qt's own move
// to a press, at the press's time, does not make the press meant; the child's move does.
TEST_F(StartUp, ReturnPressIsNoAnswerInEitherOrder)
{
    willAsk({5, 6, 7, 5, 6, 7});
    Form1 &window = showWithRealBoxes(PatternText({{"Haus", MarkedCells({5, 6, 7})}}));
    const auto send = [](QWidget *to, QEvent::Type type, QPointF at, quint64 time) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, to->mapToGlobal(at), button, button, Qt::NoModifier);
        event.setTimestamp(time);
        QApplication::sendEvent(to, &event);
    };
    const auto pressCell = [&](int n, quint64 time) { send(window.Bild11, QEvent::MouseButtonPress, CellCentre(n) / 15, time); };
    const auto activate = [](QWidget *which) {
        which->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(which));
    };
    const auto counters = [&] { return std::pair(int(state.HitCount), state.ErrorCount); };
    activate(&window);

    window.Bild8_Click();
    activate(window.infoWindow());
    pressCell(6, 1000); // read before the activation
    EXPECT_EQ(state.TargetNumber, 6);
    activate(&window);
    EXPECT_EQ(state.TargetNumber, 6); // no second new exercise
    pressCell(6, 1100);
    EXPECT_EQ(counters(), std::pair(1, 0));

    window.Bezeichnung5_Click(); // asks 5
    window.Bild8_Click();
    activate(window.infoWindow());
    send(window.HBildlauf1, QEvent::MouseButtonPress, QPointF(window.HBildlauf1->width() - 5, 5), 2000);
    EXPECT_EQ(window.HBildlauf1->value(), 1); // the Felder exercise took the scroll bar away
    EXPECT_EQ(window.Bezeichnung3->text(), state.NumberWords[6]);
    activate(&window);

    activate(window.infoWindow());
    activate(&window); // now read after the activation, with Qt's move to it
    send(window.Bild11, QEvent::MouseMove, CellCentre(7) / 15, 3000);
    pressCell(7, 3000);
    pressCell(7, 3100);
    EXPECT_EQ(counters(), std::pair(2, 0));
    activate(window.infoWindow());
    activate(&window);
    send(window.Bild11, QEvent::MouseMove, CellCentre(4) / 15, 3900); // the child's own move
    pressCell(4, 4000);
    EXPECT_EQ(counters(), std::pair(2, 1));
}

// The exit adds this run's results to the file as it is when the lock is had, and a file
// that cannot be read whole stays as it is while the new results go into a file beside it.
TEST_F(StartUp, ExitAddsOnlyThisRunsResultsAndNeverRewritesAFileReadInPart)
{
    const QByteArray overlong = "0001  Anna\r\n" + QByteArray(70'000, 'x') + "\r\n0009  Zoe\r\n";
    willAsk({5, 5, 5});
    start(PatternText({{"Punkt", MarkedCells({5})}}), overlong);
    EXPECT_EQ(form.Liste4->entries(), QStringList{"0001  Anna"});
    click(5);
    fake.files.files["ZEP100.INI.neu"] = "alt\r\n";
    fake.dialogs.answers.enqueue(Answer::Yes);
    form.Bild5_Click();
    EXPECT_EQ(fake.files.files["ZEP100.INI"], overlong);
    EXPECT_EQ(fake.files.files["ZEP100.INI.neu"], "alt\r\n");
    EXPECT_EQ(fake.files.files["ZEP100.INI.neu2"], "0001  Freund und Gast\r\n");
    EXPECT_EQ(fake.dialogs.last().title, "ZEP100");
    EXPECT_TRUE(fake.dialogs.last().prompt.contains("ZEP100.INI.neu2"));

    // Another program has saved just before this one gets the lock; a read that fails
    // part-way is as incomplete as an overlong entry.
    fake.files.whenLocked = [this](const QString &) {
        fake.files.files["ZEP100.INI"] = "0002  Bert\r\n0001  Anna\r\n";
    };
    click(5);
    form.SaveAndEnd();
    const QByteArray merged = "0001  Anna\r\n0002  Bert\r\n0002  Freund und Gast\r\n";
    EXPECT_EQ(fake.files.files["ZEP100.INI"], merged);
    fake.files.whenLocked = nullptr;
    fake.files.readFailures["ZEP100.INI"] = 5;
    click(5);
    form.SaveAndEnd();
    EXPECT_EQ(fake.files.files["ZEP100.INI"], merged);
    EXPECT_EQ(fake.files.files["ZEP100.INI.neu3"], "0003  Freund und Gast\r\n");
    EXPECT_TRUE(fake.files.locked.isEmpty());
}

// A child the teacher deleted leaves this program's results list, and the exit does not
// bring its results back; a renamed child plays on under the new name with its results.
TEST_F(StartUp, DeletedAndRenamedChildrenLeaveNoResultsUnderTheOldName)
{
    willAsk({5, 5, 5});
    start(PatternText({{"Punkt", MarkedCells({5})}}), "0001  Anna\r\n");
    fake.dialogs.inputs.enqueue(QStringLiteral("Mia "));
    form.Bild10_Click();
    click(5);
    form.userDeleted(QStringLiteral("Mia"));
    EXPECT_EQ(form.Liste4->entries(), QStringList{"0001  Anna"});
    fake.dialogs.inputs.enqueue(QStringLiteral("Ben"));
    form.Bild10_Click();
    click(5);
    form.userRenamed(QStringLiteral("Ben"), QStringLiteral("Lotta"));
    EXPECT_EQ(form.Bezeichnung9->text(), "Lotta");
    EXPECT_EQ(form.Liste4->entries(), (QStringList{"0001  Anna", "0001  Lotta"}));
    form.SaveAndEnd();
    EXPECT_EQ(fake.files.files["ZEP100.INI"], "0001  Anna\r\n0001  Lotta\r\n");
}

} // namespace

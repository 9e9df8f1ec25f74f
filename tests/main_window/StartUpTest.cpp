// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include "QtDialogs.h"
#include "ZEPLABEL.h"

#include <QMouseEvent>
#include <QTest>
#include <QTimer>

namespace {

using StartUp = MainWindowTest;

// Without any files the program says so, plays the default pattern on the first board and
// still writes a results file on exit.
TEST_F(StartUp, EmptyFolderGivesDefaultPatternAndActivationRestartsIt)
{
    form.Form_Load();
    EXPECT_EQ(CellColour(*form.Bild11, 1), QColor(192, 192, 192)); // nothing drawn yet
    ASSERT_EQ(fake.dialogs.titles(), QStringList{"ZEP-100er-Feld"});
    EXPECT_EQ(fake.dialogs.last().prompt,
              " Es sind keine Daten vorhanden!\rEin Standardfeld wird verwendet!");
    EXPECT_EQ(std::tuple(form.Liste1->entries(), form.Liste4->count(), LeftTwips(form.Liste4)),
              std::tuple(QStringList{"Ka-Zeichen"}, 0, 8400));

    form.show();
    EXPECT_EQ(std::pair(fake.dialogs.shown.size(), form.Bezeichnung6->text()), std::pair(qsizetype(1), QString("1")));
    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(colour(n), LightRed) << n;
        EXPECT_EQ(CellHasInk(*form.Bild11, n), n <= 20) << n;
    }
    EXPECT_EQ(form.Liste2->entry(0).at(state.TargetNumber - 1), u'1');
    EXPECT_EQ(form.Bezeichnung3->text(), state.NumberWords[state.TargetNumber]);

    fake.dialogs.answers.enqueue(Answer::Yes);
    form.Bild5_Click(); // the empty results list still makes a file
    EXPECT_EQ(std::pair(fake.files.files.value("ZEP100.INI", "missing"), fake.program.quits), std::pair(QByteArray(), 1));
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
    EXPECT_EQ(std::tuple(form.Liste1->entries(), form.Liste2->count(), form.Liste2->entry(0)),
              std::tuple(QStringList{"Haus", "Ka-Zeichen"}, 2, MarkedCells({3, 4})));
    EXPECT_EQ(form.Liste4->entries(), (QStringList{"0012  Max", "A", "b", "Moritz"}));
    EXPECT_EQ(LeftTwips(form.Liste4), 1200);
    form.show(); // the first exercise moves the list away
    EXPECT_EQ(LeftTwips(form.Liste4), 8400);

    fake.dialogs.shown.clear();
    click(3);
    form.Bild5_Click();
    ASSERT_EQ(fake.dialogs.titles(), QStringList{"ZEP100"});
    EXPECT_EQ(std::pair(fake.dialogs.last().prompt, fake.dialogs.last().style),
              std::pair(QString("Dieses Programm jetzt beenden?\n\r "), MessageStyle::Question));
    form.close(); // the close button asks the same
    EXPECT_TRUE(form.isVisible() && fake.files.writes.isEmpty() && !fake.program.quits);
    EXPECT_EQ(state.FoundCells, MarkedCells({3}));

    fake.dialogs.answers.enqueue(Answer::Yes);
    form.close();
    EXPECT_EQ(fake.dialogs.titles(), QStringList(3, QStringLiteral("ZEP100")));
    EXPECT_EQ(std::pair(fake.files.files.value("ZEP100.INI"), fake.program.quits),
              std::pair(QByteArray("0012  Max\r\nA\r\nb\r\nMoritz\r\n"), 1));

    fake.files.writeFailures["ZEP100.INI"] = "Datenträger voll";
    fake.dialogs.answers.enqueue(Answer::Yes);
    form.Bild5_Click();
    ASSERT_EQ(fake.dialogs.titles(), QStringList(5, QStringLiteral("ZEP100")));
    EXPECT_TRUE(fake.dialogs.last().prompt.contains("Datenträger voll") && fake.program.quits == 2);
}

// Coming back from the information window starts a fresh Felder exercise, and the press that
// brings the main window back is no answer in whichever order a busy program reads it and the
// activation. Read first, it makes the return itself, and a control the new exercise takes
// away does not get it. Qt's own move to a press, at the press's time, does not make the
// press meant; the child's move does. The program's own boxes closing over the window are no
// return, and after the information window's own button the next press counts.
TEST_F(StartUp, ReturnFromTheInformationWindowStartsAFreshExerciseAndItsPressIsNoAnswer)
{
    willAsk({5, 6, 6, 7, 5, 6, 7});
    fake.files.files.insert(QStringLiteral("ZEP100.TXT"), PatternText({{"Haus", MarkedCells({5, 6, 7})}}));
    QtDialogs boxes; // the real message and input boxes
    const Platform withRealBoxes{boxes, fake.printer, fake.clipboard, fake.random, fake.screen,
                                 fake.files, fake.program, fake.speech, fake.clock, fake.run};
    Form1 window(state, withRealBoxes);
    window.Form_Load();
    window.show();
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
    pressCell(5, 500);
    QTimer::singleShot(0, [] { QApplication::activeModalWidget()->close(); });
    window.Bild10_Click(); // a real input box, cancelled: the new user starts from zero
    activate(&window);
    EXPECT_EQ(std::pair(state.FoundCells, counters()), std::pair(MarkedCells({5}), std::pair(0, 0)));

    window.Bild8_Click();
    activate(window.infoWindow());
    pressCell(6, 1000); // read before the activation
    EXPECT_EQ(std::pair(state.FoundCells, state.TargetNumber), std::pair(MarkedCells({}), 6));
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

    window.Bild8_Click();
    activate(window.infoWindow());
    window.infoWindow()->Bild1_Click();
    activate(&window);
    EXPECT_EQ(state.FoundCells, MarkedCells({}));
    pressCell(state.TargetNumber, 5000);
    EXPECT_EQ(counters(), std::pair(3, 1));
}

// A results file that cannot be read whole stays as it is while this run's new results go
// into a file beside it.
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
    EXPECT_EQ(std::tuple(fake.files.files.value("ZEP100.INI"), fake.files.files.value("ZEP100.INI.neu"), fake.files.files.value("ZEP100.INI.neu2")),
              std::tuple(overlong, QByteArray("alt\r\n"), QByteArray("0001  Freund und Gast\r\n")));
    EXPECT_TRUE(fake.dialogs.last().title == "ZEP100" && fake.dialogs.last().prompt.contains("ZEP100.INI.neu2"));

    // A read that fails part-way is as incomplete as an overlong entry; only what this run
    // has not yet kept goes beside the file.
    fake.files.files["ZEP100.INI"] = "0001  Anna\r\n";
    fake.files.readFailures["ZEP100.INI"] = 5;
    click(5);
    form.SaveAndEnd();
    EXPECT_EQ(std::pair(fake.files.files.value("ZEP100.INI"), fake.files.files.value("ZEP100.INI.neu3")),
              std::pair(QByteArray("0001  Anna\r\n"), QByteArray("0002  Freund und Gast\r\n")));
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
    EXPECT_EQ(std::pair(form.Bezeichnung9->text(), form.Liste4->entries()),
              std::pair(QString("Lotta"), QStringList{"0001  Anna", "0001  Lotta"}));
    form.SaveAndEnd();
    EXPECT_EQ(fake.files.files["ZEP100.INI"], "0001  Anna\r\n0001  Lotta\r\n");
}

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include <QAccessible>
#include <functional>

namespace {

class Controls : public MainWindowTest
{
protected:
    // The preview shows exactly the marked cells in light magenta.
    void expectPreviewOf(const QString &cells)
    {
        ASSERT_TRUE(form.Bild9->isVisible());
        EXPECT_EQ(form.Bild4->background(), LightRed);
        for (int n = 1; n <= 100; ++n)
            EXPECT_EQ(CellColour(*form.Bild9, n), cells[n - 1] == u'1' ? LightMagenta : LightGreen) << n;
    }
};

// Each entry of the catalogue prints its own numbers on the board; choosing one repaints the
// found cells without counting them again, and the choice lasts into the next exercise.
TEST_F(Controls, CatalogueEntriesPrintTheirNumbersAndRepaintFoundCellsWithoutCountingThem)
{
    willAsk({2, 3});
    start(PatternText({{"A", MarkedCells({2, 3, 4})}}));
    form.Bild6_Click();
    EXPECT_TRUE(form.Liste3->isVisible());
    form.Bild6_Click();
    EXPECT_TRUE(form.Liste3->isHidden());
    // The cells with a number, in the catalogue's order: how many, the first and the last.
    const std::tuple<qsizetype, int, int> printed[] = {{100, 1, 100}, {20, 1, 20}, {36, 1, 100}, {20, 1, 100},
                                                       {10, 1, 10},   {10, 91, 100}, {10, 1, 91}, {10, 10, 100},
                                                       {50, 2, 100},  {50, 1, 99},   {0, 0, 0}};
    for (int entry = 0; entry < 11; ++entry) {
        form.Bild6_Click();
        form.Liste3->setSelectedPosition(entry);
        EXPECT_TRUE(form.Liste3->isHidden());
        QList<int> inked;
        for (int n = 1; n <= 100; ++n)
            CellHasInk(*form.Bild11, n) ? inked.append(n) : void();
        EXPECT_EQ(std::tuple(inked.size(), inked.value(0), inked.value(inked.size() - 1)), printed[entry]) << entry;
    }

    click(2);
    click(50);
    form.Liste3->setSelectedPosition(0);
    form.Liste3->setSelectedPosition(10); // "Leeres Gitter"
    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(colour(n), n == 2 ? LightGreen : LightRed) << n;
        EXPECT_FALSE(n != 2 && CellHasInk(*form.Bild11, n)) << n;
    }
    expectCounters(1, 1);
    EXPECT_EQ(form.Bezeichnung3->text(), "drei");

    form.Bild3_Click(); // redraw wipes the green cell, not the exercise
    EXPECT_EQ(colour(2), LightRed);
    EXPECT_EQ(state.FoundCells, MarkedCells({2}));

    form.Liste3->setSelectedPosition(3); // "Zahlenkreuz" lasts into the next exercise
    form.Bezeichnung4_Click();
    EXPECT_TRUE(CellHasInk(*form.Bild11, 12) && CellHasInk(*form.Bild11, 19));
    EXPECT_FALSE(CellHasInk(*form.Bild11, 2));
}

// The arrows step round the library in either mode, showing each solution picture, and the
// tick shows it on demand without touching the exercise.
TEST_F(Controls, ArrowsAndTick)
{
    start(PatternText({{"A", MarkedCells({1})}, {"B", MarkedCells({2, 3})}, {"C", MarkedCells({40})}}));
    EXPECT_TRUE(form.Bild9->isHidden() && form.Bild4->background() == LightGreen);

    form.Bezeichnung7_Click(); // "<" on the first
    EXPECT_EQ(form.Bezeichnung6->text(), "3");
    expectPreviewOf(MarkedCells({40}));
    form.Bezeichnung8_Click(); // ">" on the last
    EXPECT_EQ(form.Bezeichnung6->text(), "1");
    expectPreviewOf(MarkedCells({1}));

    form.Bezeichnung8_Click();
    click(state.TargetNumber);
    const QString remaining = state.RemainingCells;
    form.Bild4_Click();
    EXPECT_TRUE(form.Bild9->isHidden() && form.Bild4->background() == LightGreen);
    form.Bild4_Click();
    expectPreviewOf(MarkedCells({2, 3}));
    EXPECT_EQ(state.RemainingCells, remaining);
    expectCounters(1, 0);

    form.Bezeichnung8_Click();
    form.Bezeichnung5_Click();
    form.Bezeichnung8_Click(); // ">" on the last, in Zahlen mode
    EXPECT_EQ(std::tuple(state.ExerciseMode, state.PatternName, colour(state.TargetNumber)),
              std::tuple(int(Module1::ZahlenMode), QString("A"), Yellow));
}

// Once shown, the help panel stays readable over the solution picture that the arrows and
// the language button bring up.
TEST_F(Controls, HelpPanelStaysOverTheSolutionPicture)
{
    start(PatternText({{"Voll", QString(100, u'1')}, {"Auch voll", QString(100, u'1')}}));
    form.Bild15_Click();
    const QPoint insidePanel(3500 / 15, 2700 / 15); // over the board, below the help text
    const QColor LightPink(255, 192, 192);
    const std::function<void()> steps[] = {[&] { form.Bezeichnung8_Click(); },
                                           [&] { form.Bezeichnung7_Click(); },
                                           [&] { form.Bild12_Click(); },
                                           [&] { form.Bild4_Click(), form.Bild4_Click(); }};
    for (const auto &step : steps) {
        step();
        ASSERT_TRUE(form.Bild9->isVisible());
        EXPECT_EQ(form.grab().toImage().pixelColor(insidePanel), LightPink);
    }
    form.Bild15_Click();
    EXPECT_EQ(form.grab().toImage().pixelColor(insidePanel), LightMagenta);
}

// The editor button stands at least 150 twips from every control around it, inside the
// left bar.
TEST_F(Controls, EditorButtonStandsApart)
{
    start(PatternText({{"A", MarkedCells({1})}}));
    form.Bild6_Click(); // the catalogue list reaches into the bar
    const QRect hammer = form.Bild7->geometry();
    for (QWidget *other : form.findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (other == form.Bild7 || !other->isVisible() || !form.rect().intersects(other->geometry()))
            continue;
        const QRect g = other->geometry();
        const int apartX = std::max(g.left() - hammer.right(), hammer.left() - g.right()) - 1;
        const int apartY = std::max(g.top() - hammer.bottom(), hammer.top() - g.bottom()) - 1;
        EXPECT_GE(std::max(apartX, apartY) * 15, 150) << other->accessibleName().toStdString();
    }
    EXPECT_TRUE(QRect(0, 0, 720 / 15, form.height()).contains(hammer));
    EXPECT_GE(hammer.width() * 15, 315);
    EXPECT_EQ(form.grab().toImage().pixelColor(2, 510), QColor(0, 255, 255)); // the bar reaches down
}

// The objects the window shows to assistive technology, all levels down.
QObjectList Exposed(QAccessibleInterface *node)
{
    QObjectList found;
    for (int i = 0; node && i < node->childCount(); ++i)
        if (QAccessibleInterface *child = node->child(i))
            found += QObjectList{child->object()} + Exposed(child);
    return found;
}

// A screen reader hears the question as shown (a label without a name of its own also
// announces each new caption); what the screen does not show (the pattern lists, the parked results list and help panel) it
// does not walk through.
TEST_F(Controls, AssistiveTechnologyReadsWhatTheScreenShows)
{
    willAsk({47, 5});
    start(PatternText({{"Haus", MarkedCells({5, 47})}}));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(&form);
    QAccessibleInterface *question = QAccessible::queryAccessibleInterface(form.Bezeichnung3);
    EXPECT_EQ(std::pair(question->text(QAccessible::Name), question->text(QAccessible::Description)),
              std::pair(QString("siebenundvierzig"), QString("Frage")));
    QObjectList exposed = Exposed(window);
    EXPECT_TRUE(exposed.contains(form.Bezeichnung3) && exposed.contains(form.Bild11));
    for (QObject *unseen : std::initializer_list<QObject *>{form.Liste1, form.Liste2, form.Liste4, form.Bild16,
                                                            form.Bild9, form.Liste3, form.HBildlauf1})
        EXPECT_FALSE(exposed.contains(unseen)) << unseen->metaObject()->className();

    click(47);
    EXPECT_EQ(question->text(QAccessible::Name), "fünf");

    form.Bild15_Click();
    form.Bezeichnung5_Click();
    exposed = Exposed(window);
    EXPECT_TRUE(exposed.contains(form.Bild16) && exposed.contains(form.HBildlauf1));
    EXPECT_FALSE(exposed.contains(form.Liste2));
}

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include "Form2.h"
#include "TwipLayout.h"
#include "Zoom.h"

#include <QAccessible>
#include <QMouseEvent>
#include <QPointingDevice>
#include <QTest>
#include <set>

namespace {

const QColor Frame(0, 0, 160);
const QSizeF BigScreen(2560 * 15, 1600 * 15);
const QSizeF WindowTwips(Form1::WindowWidth, Form1::WindowHeight);

class Reach : public MainWindowTest
{
protected:
    void TearDown() override { Zoom::instance().fitTo(FakeScreen().size, WindowTwips); }

    void startOnBigScreen(const QByteArray &patterns)
    {
        fake.screen.size = BigScreen;
        start(patterns);
    }

    QColor shown(QPoint pixel) const { return form.Bild11->grab().toImage().pixelColor(pixel); }

    void key(int key)
    {
        QWidget *target = QApplication::focusWidget();
        QTest::keyClick(target ? target : &form, Qt::Key(key));
    }

    QAccessibleInterface *board() const { return QAccessible::queryAccessibleInterface(form.Bild11); }
};

struct Figures
{
    double factor;
    QSize window;
    QPointF centre47; // pixels on the board
    int outline4748;  // pixel column of the line between cells 47 and 48
    int imageSide;    // pixels of the backing image
};

class AtScale : public Reach, public testing::WithParamInterface<Figures>
{
};

// At every factor the window, the board and its backing image grow together, a press lands on
// the cell below it, and the found cells drawn before a change of scale are still there.
TEST_P(AtScale, BoardPressesAndPixelsFollowTheFactor)
{
    const Figures figures = GetParam();
    willAsk({12, 47, 48});
    startOnBigScreen(PatternText({{"Drei", MarkedCells({12, 47, 48})}}));
    click(12);
    Zoom::instance().setFactor(figures.factor);
    ASSERT_EQ(ScaleFactor(), figures.factor);

    EXPECT_EQ(std::pair(form.size(), form.Bild11->image().width()), std::pair(figures.window, figures.imageSide));
    QMouseEvent press(QEvent::MouseButtonPress, figures.centre47, form.Bild11->mapToGlobal(figures.centre47),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.Bild11, &press);
    expectCounters(2, 0);

    const QPoint centre = figures.centre47.toPoint();
    const int right = centre.x() + 2 * (figures.outline4748 - centre.x()); // centre of 48
    // 47 found, its outline, 48 still open, 12 found before the change of scale, 1 open.
    EXPECT_EQ(std::tuple(shown(centre), shown(QPoint(figures.outline4748, centre.y())), shown(QPoint(right, centre.y())),
                         colour(12), colour(1)),
              std::tuple(LightGreen, QColor(Qt::black), LightRed, LightGreen, LightRed));
    EXPECT_TRUE(CellHasInk(*form.Bild11, 13) && !CellHasInk(*form.Bild11, 33)); // layout 2 prints 1 to 20
}

INSTANTIATE_TEST_SUITE_P(Factors, AtScale,
                         testing::Values(Figures{1.0, {426, 512}, {216.5, 150.5}, 233, 337},
                                         Figures{2.5, {1065, 1280}, {541.5, 375.5}, 583, 843}),
                         [](const testing::TestParamInfo<Figures> &info) {
                             return "Scale" + std::to_string(qRound(info.param.factor * 10));
                         });

// The start factor fills about 80 % of the free screen height, never less than the design, and
// the keys step it within the screen; overlays keep their exact left edges at odd factors.
TEST_F(Reach, StartFactorFitsTheScreenAndOverlaysKeepTheirEdges)
{
    EXPECT_DOUBLE_EQ(Zoom::FittingFactor(QSizeF(1920 * 15, 1080 * 15), WindowTwips), 864.0 / 512);
    EXPECT_DOUBLE_EQ(Zoom::FittingFactor(QSizeF(1024 * 15, 600 * 15), WindowTwips), 1.0);
    EXPECT_DOUBLE_EQ(Zoom::FittingFactor(QSizeF(640 * 15, 400 * 15), WindowTwips), 1.0);
    // A wide, low screen: the height decides, with room for the frame.
    EXPECT_DOUBLE_EQ(Zoom::FittingFactor(QSizeF(800 * 15, 2000 * 15), WindowTwips), 0.95 * 800 / 426);

    willAsk({47});
    startOnBigScreen(PatternText({{"Eins", MarkedCells({47})}}));
    EXPECT_DOUBLE_EQ(ScaleFactor(), 0.8 * 1600 / 512);
    EXPECT_NEAR(form.height(), 0.8 * 1600, 1);
    form.Bild15_Click();
    form.Liste4_DblClick();
    EXPECT_TRUE(LeftEdge(form.Bild16) == Form1::HelpShownLeft && !form.resultsShown());
    Zoom::instance().zoomIn();
    EXPECT_DOUBLE_EQ(ScaleFactor(), 0.8 * 1600 / 512 + 0.25);
    form.Bild15_Click();
    EXPECT_EQ(LeftEdge(form.Bild16), Form1::HelpHiddenLeft);
    for (int i = 0; i < 10; ++i)
        Zoom::instance().zoomIn();
    EXPECT_DOUBLE_EQ(ScaleFactor(), 0.95 * 1600 / 512);
    for (int i = 0; i < 20; ++i)
        Zoom::instance().zoomOut();
    EXPECT_EQ(form.size(), QSize(426, 512));
    Zoom::instance().reset();
    EXPECT_DOUBLE_EQ(ScaleFactor(), 0.8 * 1600 / 512);
}

// Right after start-up no control holds the focus, so the first Space or Enter asks nothing.
// A child who cannot use a mouse reaches the board with Tab, moves the frame with the arrows
// (stopping at the edges) and answers with Enter or Space, until the pattern is solved.
TEST_F(Reach, KeyboardSolvesAPatternWithoutTheMouse)
{
    willAsk({1, 12, 100});
    start(PatternText({{"Treppe", MarkedCells({1, 12, 100})}}));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    for (int first : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter})
        key(first);
    EXPECT_TRUE(fake.dialogs.shown.isEmpty() && !fake.program.quits && !form.Liste3->isVisible());

    QSet<QWidget *> reached{QApplication::focusWidget()};
    for (int tab = 0; tab < 40 && QApplication::focusWidget() != form.Bild11; ++tab) {
        key(Qt::Key_Tab);
        reached.insert(QApplication::focusWidget());
    }
    ASSERT_EQ(QApplication::focusWidget(), form.Bild11);
    for (QWidget *control : std::initializer_list<QWidget *>{form.Bild5, form.Bild4, form.Bild7, form.Bild17,
                                                             form.Bezeichnung7, form.Bezeichnung4})
        EXPECT_TRUE(reached.contains(control));
    EXPECT_FALSE(reached.contains(form.Liste4)); // the results list waits outside the window

    EXPECT_EQ(shown(QPoint(1, 16)), Frame);
    // 1, then 12 twice (the second a wrong answer), then towards the far corner and past it.
    for (int k : {Qt::Key_Left, Qt::Key_Up, Qt::Key_Return, Qt::Key_Down, Qt::Key_Right, Qt::Key_Space, Qt::Key_Space})
        key(k);
    for (int i = 0; i < 12; ++i)
        key(Qt::Key_Down), key(Qt::Key_Right);
    EXPECT_EQ(std::pair(form.Bild11->cursorCell(), shown(QPoint(301, 320))), std::pair(100, Frame));
    key(Qt::Key_Enter);
    EXPECT_EQ(std::pair(fake.dialogs.titles(), fake.dialogs.last().prompt),
              std::pair(QStringList{"Treppe"}, QString("Die Aufgabe wurde gelöst!")));
    EXPECT_EQ(state.ErrorCount, 1);

    // In Zahlen mode the arrows and Enter choose the number; the board leaves the Tab chain.
    form.Bezeichnung5_Click();
    EXPECT_EQ(form.Bild11->focusPolicy(), Qt::NoFocus);
}

// Screen readers see the board as a table of 10 x 10 cells: each with its row and column, its
// number only where the layout prints it, and whether it is found or asked.
TEST_F(Reach, BoardIsATableOfCellsForScreenReaders)
{
    willAsk({47, 12});
    start(PatternText({{"Zwei", MarkedCells({12, 47})}}));
    click(47);
    QAccessibleInterface *table = board();
    ASSERT_TRUE(table && table->tableInterface());
    EXPECT_EQ(std::tuple(table->role(), table->childCount(), table->tableInterface()->rowCount(),
                         table->tableInterface()->columnCount()),
              std::tuple(QAccessible::Table, 100, 10, 10));
    // A hundred different places in ten rows and ten columns, each child found by its index.
    std::set<std::pair<int, int>> places;
    for (int i = 0; i < table->childCount(); ++i) {
        QAccessibleTableCellInterface *cell = table->child(i)->tableCellInterface();
        ASSERT_TRUE(cell);
        const int row = cell->rowIndex(), column = cell->columnIndex();
        EXPECT_TRUE(row >= 0 && row < 10 && column >= 0 && column < 10 && table->indexOfChild(table->child(i)) == i) << i;
        places.insert({row, column});
    }
    EXPECT_EQ(places.size(), 100u);

    auto cell = [&](int row, int column) { return table->tableInterface()->cellAt(row, column); };
    EXPECT_EQ(std::pair(cell(1, 9)->text(QAccessible::Name), cell(2, 0)->text(QAccessible::Name)),
              std::pair(QString("20"), QString())); // layout 2 prints only 1 to 20
    EXPECT_TRUE(cell(4, 6)->state().checked);
    EXPECT_EQ(cell(4, 6)->text(QAccessible::Description), "gefunden");
    EXPECT_FALSE(cell(1, 1)->state().checked); // 12 is asked as a word: the board keeps it secret
    EXPECT_EQ(cell(1, 1)->text(QAccessible::Name), "12");

    willAsk({12});
    form.Bezeichnung5_Click();
    EXPECT_TRUE(cell(1, 1)->state().selected);
    EXPECT_EQ(cell(1, 1)->text(QAccessible::Description), "gefragt");
    EXPECT_EQ(cell(1, 1)->text(QAccessible::Name), ""); // under the yellow, as on the screen
    EXPECT_EQ(table->tableInterface()->selectedCellCount(), 1);
    EXPECT_FALSE(cell(4, 6)->state().checked); // a new exercise

    form.Bild7_Click(); // the editor's board, with every number
    QAccessibleTableInterface *editorBoard =
        QAccessible::queryAccessibleInterface(form.editorWindow()->Bild2)->tableInterface();
    ASSERT_TRUE(editorBoard);
    EXPECT_EQ(std::tuple(editorBoard->cellAt(4, 6)->text(QAccessible::Name), editorBoard->cellAt(4, 6)->state().checked,
                         editorBoard->cellAt(9, 9)->text(QAccessible::Name), editorBoard->cellAt(9, 9)->state().checked),
              std::tuple(QString("47"), true, QString("100"), false));
}

// On a touch screen a tap on a cell answers exactly once, as a mouse press does.
TEST_F(Reach, ATapAnswersOnce)
{
    QPointingDevice *screen = QTest::createTouchDevice();
    willAsk({47, 48});
    start(PatternText({{"Zwei", MarkedCells({47, 48})}}));
    const QPoint centre = (CellCentre(47) / 15).toPoint();
    QTest::touchEvent(&form, screen).press(0, form.Bild11->mapTo(&form, centre), &form);
    QTest::touchEvent(&form, screen).release(0, form.Bild11->mapTo(&form, centre), &form);
    QApplication::processEvents();
    expectCounters(1, 0);
    EXPECT_EQ(colour(47), LightGreen);
}

} // namespace

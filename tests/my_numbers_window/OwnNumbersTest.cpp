// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The child's chart and its practice in the real windows on the private X display, driven
// with the mouse through Qt, with the record in files and a clock the test moves.
#include "BoardSurface.h"
#include "LearningRecorder.h"
#include "MainWindowFixture.h"
#include "MyNumbers.h"
#include "MyNumbersWindow.h"

#include <QAccessible>
#include <QLabel>
#include <QTest>

namespace {

using namespace Qt::StringLiterals;

class OwnNumbers : public MainWindowTest
{
protected:
    OwnNumbers()
    {
        QObject::connect(&form, &Form1::questionAsked, &recorder, &LearningRecorder::questionAsked);
        QObject::connect(&form, &Form1::answerGiven, &recorder, &LearningRecorder::answerGiven);
        QObject::connect(&form, &Form1::exerciseSolved, &recorder, &LearningRecorder::exerciseSolved);
    }

    void SetUp() override
    {
        ASSERT_EQ(QGuiApplication::platformName(), u"xcb"_s) << "meant for the private X display";
        start(PatternText({{"Haus", MarkedCells({47})}}));
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    void press(QWidget *widget, QPoint at = {})
    {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
        QApplication::processEvents();
    }
    void pressCell(int n) { press(form.Bild11, form.Bild11->cellPixels(n).center()); }
    MyNumbersWindow &chart() { return *numbers.window(); }
    QString cellName(int n)
    {
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(chart().chart);
        return table->tableInterface()->cellAt(CellRow(n), CellColumn(n))->text(QAccessible::Name);
    }
    // Opens the chart and practises what it offers, every answer right at the first try.
    QString practise()
    {
        press(form.Bild18);
        EXPECT_TRUE(chart().isVisible());
        press(chart().practiseButton);
        EXPECT_FALSE(chart().isVisible());
        for (int asked = 0; asked < 12 && form.leads(&numbers.practice()); ++asked)
            pressCell(state.TargetNumber);
        EXPECT_TRUE(chart().isVisible()) << "the chart again after the practice";
        return fake.dialogs.last().title + u'|' + fake.dialogs.last().prompt;
    }

    LearningRecorder recorder{fake.files, fake.clock, fake.run, LearningRecorder::Housekeeping::OnThisThread};
    MyNumbers numbers{form, state, fake.platform};
};

// Mia misses 47 twice in a picture. Her chart puts it into box 1 and "Üben" asks it with its
// twin 74; answered right on the days the boxes ask, 47 climbs box by box to a star, while
// 74, never missed, is a star after three days. The practice adds nothing to the results,
// and the picture goes on where Mia left it.
TEST_F(OwnNumbers, AMissedNumberClimbsTheBoxesToAStar)
{
    fake.dialogs.inputs.enqueue(u"Mia"_s); // no name chosen yet: the chart asks first
    press(form.Bild18);
    ASSERT_TRUE(numbers.window() && chart().isVisible());
    EXPECT_EQ(chart().heading->text(), u"Mia: 0 Sterne"_s);
    EXPECT_EQ(chart().today->text(), u"Heute gibt es nichts zu üben."_s);
    EXPECT_FALSE(chart().practiseButton->isEnabled());
    press(chart().goOnButton);
    EXPECT_FALSE(chart().isVisible());

    pressCell(74);
    pressCell(74);
    pressCell(47);
    ASSERT_EQ(fake.dialogs.last().prompt, u"Die Aufgabe wurde gelöst!"_s);
    const int results = form.Liste4->count();
    press(form.Bild18);
    EXPECT_EQ(cellName(47), u"47: im Übungskasten 1"_s);
    EXPECT_EQ(chart().today->text(), u"Heute gibt es 2 Zahlen zu üben."_s);
    press(chart().goOnButton);

    const struct
    {
        int days;
        QString note, stage47, heading;
    } steps[] = {
        {0, {}, u"47: im Übungskasten 2"_s, u"Mia: 0 Sterne"_s},
        {1, {}, u"47: im Übungskasten 3"_s, u"Mia: 0 Sterne"_s},
        {3, u"\rNeuer Stern: 74"_s, u"47: im Übungskasten 4"_s, u"Mia: 1 Stern"_s},
        {7, u"\rNeuer Stern: 47"_s, u"47: sicher"_s, u"Mia: 2 Sterne"_s},
    };
    for (const auto &step : steps) {
        fake.clock.advance(step.days * 86400000LL);
        EXPECT_EQ(practise(), u"Übung für Mia|Die Aufgabe wurde gelöst!"_s + step.note) << step.days;
        EXPECT_EQ(cellName(47), step.stage47);
        EXPECT_EQ(chart().heading->text(), step.heading);
        press(chart().goOnButton);
    }
    EXPECT_EQ(cellName(74), u"74: sicher"_s);
    EXPECT_EQ(form.Liste4->count(), results);
    EXPECT_EQ(state.PatternName, u"Haus"_s);
    press(form.Bild18);
    EXPECT_EQ(chart().today->text(), u"Heute gibt es nichts zu üben."_s);
    EXPECT_EQ(chart().goOnButton->text(), u"Weiter mit „Haus“"_s);
}

} // namespace

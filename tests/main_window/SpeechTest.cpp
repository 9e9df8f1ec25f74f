// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "MainWindowFixture.h"

#include <QTest>

namespace {

class ReadingAloud : public MainWindowTest
{
protected:
    const FakeSpeech::Said &last() const { return fake.speech.said.last(); }

    void expectLast(const QString &text, Voice voice, bool cutsOff = true)
    {
        ASSERT_FALSE(fake.speech.said.isEmpty());
        EXPECT_EQ(std::tuple(last().text, last().voice, last().cutsOff), std::tuple(text, voice, cutsOff));
    }
};

// In Zahlen mode the question is said when asked; the child's number is said when the
// scroll bar has rested half a second, and on OK or Enter, before the next question.
TEST_F(ReadingAloud, ZahlenSaysTheQuestionAndTheRestingProposal)
{
    willAsk({47});
    start(PatternText({{"Haus", MarkedCells({3, 47})}}));
    willAsk({3});
    form.Bezeichnung5_Click();
    expectLast("Wie heißt die Zahl?", Voice::German);
    const int before = fake.speech.said.size();
    QTest::qWait(700); // the value the program set to 1 is not said
    EXPECT_EQ(fake.speech.said.size(), before);

    press(Qt::Key_Right);
    QTest::qWait(200);
    const qint64 lastMove = fake.speech.elapsedMs();
    press(Qt::Key_Right); // still moving: nothing yet
    QTest::qWait(300);
    EXPECT_EQ(fake.speech.said.size(), before);
    QTest::qWait(500);
    ASSERT_EQ(fake.speech.said.size(), before + 1);
    expectLast("3", Voice::German);
    EXPECT_GE(last().atMs - lastMove, 450);

    form.Bild12_Click(); // English number words, the question stays German
    willAsk({3});
    form.Bezeichnung5_Click();
    form.HBildlauf1->setValue(4);
    press(Qt::Key_Return); // wrong: only the number
    expectLast("four", Voice::English);
    form.HBildlauf1->setValue(3);
    fake.speech.said.clear();
    press(Qt::Key_Enter); // right: the number, then the next question after it
    ASSERT_EQ(fake.speech.said.size(), 2);
    EXPECT_EQ(fake.speech.said[0].text, "three");
    EXPECT_TRUE(fake.speech.said[0].cutsOff);
    expectLast("Wie heißt die Zahl?", Voice::German, false);
    QTest::qWait(700); // OK said it already; the timer does not say it twice
    EXPECT_EQ(fake.speech.said.size(), 2);
}

// A held arrow whose repeats a busy program reads late is still one movement: its number
// is said once the key is let go, or while it is held at the end of the bar.
TEST_F(ReadingAloud, HeldArrowIsSaidWhenItRests)
{
    willAsk({47});
    start(PatternText({{"Haus", MarkedCells({3, 47})}}));
    willAsk({3});
    form.Bezeichnung5_Click();
    fake.speech.said.clear();
    holdKey(Qt::Key_Right, 1000, 3);
    QTest::qWait(700); // the next repeats are not read yet
    EXPECT_TRUE(fake.speech.said.isEmpty());
    keyAt(QEvent::KeyRelease, Qt::Key_Right, 1660);
    keyAt(QEvent::KeyPress, Qt::Key_Right, 1660);
    keyAt(QEvent::KeyRelease, Qt::Key_Right, 1690);
    QTest::qWait(700);
    EXPECT_EQ(fake.speech.texts(), QStringList{"6"});

    form.HBildlauf1->setValue(99);
    holdKey(Qt::Key_Right, 5000, 3);
    QTest::qWait(700);
    EXPECT_EQ(fake.speech.texts(), (QStringList{"6", "100"}));
}

// Each Felder question is said in the voice of the language, cutting off the word before
// (German as the numeral, which the voice reads right), and a click on the question says it
// again. The loudspeaker, square and clear of its neighbours, turns reading aloud off at once,
// by mouse or keyboard, and on again with the current question.
TEST_F(ReadingAloud, FelderQuestionsAreSaidInTheVoiceOfTheLanguageUntilTheLoudspeakerIsOff)
{
    willAsk({47, 10});
    start(PatternText({{"Haus", MarkedCells({10, 47})}}));
    const QRect speaker = form.Bild17->geometry();
    EXPECT_TRUE(speaker.width() * 15 >= 315 && speaker.width() == speaker.height());
    EXPECT_FALSE(speaker.intersects(form.Bezeichnung9->geometry()) || speaker.intersects(form.Bild1->geometry()));
    expectLast("47", Voice::German);
    click(48); // wrong: the question stands, nothing new is said
    EXPECT_EQ(fake.speech.texts(), QStringList{"47"});

    QTest::keyClick(form.Bild17, Qt::Key_Space);
    EXPECT_EQ(std::tuple(form.speechOn(), fake.speech.silenced, form.Bild17->picture()),
              std::tuple(false, 1, QString(":/icons/speaker_off.svg")));
    EXPECT_EQ(form.Bild17->toolTip(), "Vorlesen ist aus. Klick schaltet es ein.");
    click(47);
    form.Bezeichnung3_Click();
    EXPECT_EQ(fake.speech.texts(), QStringList{"47"});

    form.Bild17_Click();
    EXPECT_TRUE(form.speechOn());
    expectLast("10", Voice::German);
    EXPECT_EQ(form.Bild17->toolTip(), "Vorlesen ist an. Klick schaltet es aus.");
    QTest::mouseClick(form.Bezeichnung3, Qt::LeftButton);
    EXPECT_EQ(fake.speech.texts(), (QStringList{"47", "10", "10"}));
    willAsk({47, 47});
    form.Bild12_Click(); // English: the exercise restarts twice
    expectLast("forty-seven", Voice::English);
}

// Without a voice for the language the program plays as before, silently, and the
// loudspeaker is greyed and says why.
TEST_F(ReadingAloud, MissingVoiceGreysTheLoudspeaker)
{
    const QString reason = QStringLiteral("Für Deutsch ist keine Stimme installiert.");
    fake.speech.setMissing(Voice::German, reason);
    willAsk({47, 10});
    start(PatternText({{"Haus", MarkedCells({10, 47})}}));
    click(47);
    form.Bezeichnung3_Click();
    EXPECT_EQ(std::pair(int(state.HitCount), form.Bild17->toolTip()), std::pair(1, reason));
    EXPECT_TRUE(fake.speech.said.isEmpty() && !form.Bild17->isEnabled() && fake.dialogs.shown.isEmpty());

    willAsk({10, 10});
    form.Bild12_Click(); // the English voice is there
    EXPECT_TRUE(form.Bild17->isEnabled());
    expectLast("ten", Voice::English);
    fake.speech.setMissing(Voice::English, reason); // lost while running
    EXPECT_FALSE(form.Bild17->isEnabled());
    fake.speech.setMissing(Voice::English, QString());
    EXPECT_TRUE(form.Bild17->isEnabled());
}

} // namespace

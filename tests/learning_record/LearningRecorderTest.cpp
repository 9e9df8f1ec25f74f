// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "LearningRecorder.h"
#include "MainWindowFixture.h"
#include "PickableNames.h"
#include "RecordFiles.h"
#include "RecordReader.h"

#include <QTest>

namespace {

using namespace Qt::StringLiterals;

// The main window with the recorder wired to it as the program wires it.
class LearningRecorderTest : public MainWindowTest
{
protected:
    LearningRecorderTest()
    {
        QObject::connect(&form, &Form1::questionAsked, &recorder, &LearningRecorder::questionAsked);
        QObject::connect(&form, &Form1::answerGiven, &recorder, &LearningRecorder::answerGiven);
        QObject::connect(&form, &Form1::exerciseSolved, &recorder, &LearningRecorder::exerciseSolved);
        QObject::connect(&form, &Form1::boardCovered, &recorder, &LearningRecorder::boardCovered);
        QObject::connect(&fake.speech, &Speech::sayingStarted, &recorder, &LearningRecorder::wordStartedSounding);
        QObject::connect(&recorder, &LearningRecorder::cannotWrite, [this](const QString &reason) { told << reason; });
        form.setNameSource([this] { return PickableNames(fake.files, recorder.knownNames()); });
    }

    ChildAnswers child(const QString &name)
    {
        const Record record = ReadRecord(fake.files);
        const int i = record.indexOf(name);
        return i < 0 ? ChildAnswers{} : record.children[i];
    }

    QString journal() const { return RecordFiles::JournalPath(RecordFiles::WriterName(fake.run.name), fake.clock.time.date(), 1); }

    LearningRecorder recorder{fake.files, fake.clock, fake.run, LearningRecorder::Housekeeping::OnThisThread};
    QStringList told;
};

// The start of the main window reads nothing of the record. Every counted answer is
// recorded with its facts; the time runs from the question being shown, in Felder mode with
// reading aloud from its word beginning to sound (only the first sound counts), in Zahlen
// mode always from the yellow cell; the time while the child cannot see the board does not
// count. The end of an exercise puts the journal on the disk.
TEST_F(LearningRecorderTest, RecordsEachAnswerWithTheTimeFromTheQuestionOrItsWord)
{
    willAsk({74, 47});
    start(PatternText({{"Haus", MarkedCells({47, 74})}}));
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_EQ(fake.files.reads, (QStringList{u"Klasse.csv"_s, u"ZEP100.INI"_s, u"ZEP100.TXT"_s}));
    fake.clock.advance(700);
    emit fake.speech.sayingStarted(); // the word "vierundsiebzig" begins to sound
    fake.clock.advance(2000);
    emit fake.speech.sayingStarted(); // a repeat asked for by a click
    fake.clock.advance(300);
    click(47);
    fake.clock.advance(1000);
    click(74); // right: the next question, without sound: counted from the question
    fake.clock.advance(500);
    form.Bild15_Click(); // six seconds under the help panel
    fake.clock.advance(6000);
    form.Bild15_Click();
    fake.clock.advance(500);
    form.Bild4_Click(); // two under the solution picture
    fake.clock.advance(2000);
    form.Bild4_Click();
    fake.clock.advance(200);
    click(47);
    ASSERT_TRUE(fake.files.syncs.contains(journal()));

    willAsk({5});
    form.Bild10_Click(); // cancelled: the same child goes on
    start(PatternText({{"Eins", MarkedCells({5})}}));
    form.Bezeichnung5_Click();
    emit fake.speech.sayingStarted();
    fake.clock.advance(4000);
    form.HBildlauf1->setValue(5);
    form.Befehl1_Click();

    const ChildAnswers guest = child(Guest);
    ASSERT_EQ(guest.answers.size(), 4u);
    QList<std::tuple<int, int, quint32, RecordedAnswer::Mode>> facts;
    for (const StoredAnswer &a : guest.answers)
        facts.append({a.asked, a.given, a.ms, a.mode});
    using enum RecordedAnswer::Mode;
    EXPECT_EQ(facts, (QList<std::tuple<int, int, quint32, RecordedAnswer::Mode>>{
                         {74, 47, 2300, Felder}, {74, 74, 3300, Felder}, {47, 47, 1200, Felder}, {5, 5, 4000, Zahlen}}));
    EXPECT_EQ(told, QStringList());
}

// The language is kept as ISO 639-1, the pattern and the name as shown; the new-user box
// offers the names of the record and of the class list, each once, in German order.
TEST_F(LearningRecorderTest, KeepsLanguageAndNameAndOffersTheKnownNames)
{
    fake.files.files.insert(u"Klasse.csv"_s, "\xEF\xBB\xBFName;Zweitsprache\r\nÖzlem;tr\r\nBen;\r\n");
    willAsk({3, 3});
    start(PatternText({{"Drei", MarkedCells({3})}}));
    fake.dialogs.inputs.enqueue(u"Zoe"_s);
    form.Bild10_Click();
    EXPECT_EQ(fake.dialogs.last().choices, (QStringList{u"Ben"_s, u"Özlem"_s}));
    form.Bild12_Click(); // English
    click(3);
    fake.dialogs.inputs.enqueue(u"Anna"_s);
    form.Bild10_Click();
    EXPECT_EQ(fake.dialogs.last().choices, (QStringList{u"Ben"_s, u"Özlem"_s, u"Zoe"_s}));

    const Record record = ReadRecord(fake.files);
    EXPECT_EQ(record.names(), QStringList{u"Zoe"_s});
    EXPECT_EQ(record.languages, QStringList{u"en"_s});
    EXPECT_EQ(record.patterns, QStringList{u"Drei"_s});
}

// A folder that cannot be written is told at once, and again when it fails anew after
// working; play goes on, the answers wait and are written once writing works again; at the
// end, answers that still cannot be written are named in a question to try again.
TEST_F(LearningRecorderTest, TellsWhenTheRecordCannotBeWrittenAndAsksBeforeLosingAnswers)
{
    const QString readOnly = u"Der Datenträger ist schreibgeschützt."_s;
    fake.files.writeFailures.insert(journal(), readOnly);
    willAsk({1, 1, 1, 1, 1});
    start(PatternText({{"Eins", MarkedCells({1})}}));
    click(2);
    click(3);
    EXPECT_EQ(told, QStringList{readOnly});
    EXPECT_TRUE(LearningRecorder::CannotWriteMessage(u"/schule/Lernstand"_s, told[0])
                    .startsWith(u"Der Lernstand kann im Ordner\r/schule/Lernstand\rzurzeit nicht"_s));
    EXPECT_EQ(form.Bezeichnung2->text(), u"2"_s);
    fake.files.writeFailures.clear();
    click(4);
    EXPECT_EQ(child(Guest).answers.size(), 3u);
    fake.files.writeFailures.insert(journal(), readOnly);
    click(5);
    EXPECT_EQ(told.size(), 2);

    fake.dialogs.answers.enqueue(Answer::Yes);
    fake.dialogs.whileOpen = [&] {
        if (fake.dialogs.shown.size() == 2)
            fake.files.writeFailures.clear(); // the second time, the folder is back
    };
    EXPECT_EQ(recorder.finishAsking(fake.dialogs, u"/schule/Lernstand"_s), 0);
    ASSERT_EQ(fake.dialogs.shown.size(), 2);
    EXPECT_TRUE(fake.dialogs.shown[0].prompt.startsWith(u"Eine Antwort dieses Spiels konnte nicht im Lernstand"_s));
    EXPECT_EQ(child(Guest).answers.size(), 4u);
}

} // namespace

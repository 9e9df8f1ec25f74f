// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cells.h"
#include "ClipboardExport.h"
#include "ClickLabel.h"
#include "DrawingSurface.h"
#include "FakePlatform.h"
#include "Form1.h"
#include "Form2.h"
#include "ListBox.h"
#include "Module1.h"
#include "PatternFile.h"
#include "PictureButton.h"

#include <QImage>
#include <QSvgRenderer>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor Yellow(255, 255, 0);
const QColor LightRed(255, 0, 0);

QString Cells(std::initializer_list<int> marked)
{
    QString cells = EmptyCells();
    for (int n : marked)
        cells = SetCell(cells, n, u'1');
    return cells;
}

QPointF CellCentre(int k)
{
    return QPointF(300 * ((k - 1) % 10) + 150, 300 * ((k - 1) / 10) + 150);
}

// The words of an exported text, sorted; every word ends with ", ".
QStringList SortedWords(QString text)
{
    text.remove(QStringLiteral("\r\n"));
    QStringList words = text.split(QStringLiteral(", "));
    EXPECT_TRUE(words.takeLast().isEmpty()) << text.toStdString();
    words.sort();
    return words;
}

QStringList WordsOf(const NumberWordTable &table, std::initializer_list<int> numbers)
{
    QStringList words;
    for (int n : numbers)
        words.append(table[n]);
    words.sort();
    return words;
}

// The main window loaded from a pattern file, with the editor opened over it.
class EditorTest : public testing::Test
{
protected:
    void open(const QList<std::pair<QString, QString>> &patterns)
    {
        QByteArray file;
        for (const auto &[name, cells] : patterns)
            file += name.toLatin1() + "\r\n" + cells.toLatin1() + "\r\n";
        fake.files.files[QStringLiteral("ZEP100.TXT")] = file;
        form = std::make_unique<Form1>(state, fake.platform);
        form->Form_Load();
        form->Form_Activate();
        form->Bild7_Click();
        editor = form->editorWindow();
        fake.dialogs.shown.clear();
    }

    void openFive()
    {
        open({{"Eins", Cells({1})}, {"Zwei", Cells({2})}, {"Drei", Cells({3})},
              {"Vier", Cells({4})}, {"Fuenf", Cells({5})}});
    }

    QString exported()
    {
        editor->Bild8_Click();
        return fake.clipboard.puts.size() == 1 ? fake.clipboard.puts.last().text : QStringLiteral("?");
    }

    QColor cellColour(int k) const { return editor->Bild2->colorAt(CellCentre(k)); }

    void expectBoardShows(const QString &cells) const
    {
        for (int k = 1; k <= CellCount; ++k)
            EXPECT_EQ(cellColour(k), cells.at(k - 1) == u'1' ? Yellow : LightRed) << "cell " << k;
    }

    void rightClick(QPointF at) { editor->Bild2_MouseDown(Qt::RightButton, at); }

    Module1 state;
    FakePlatform fake;
    std::unique_ptr<Form1> form;
    Form2 *editor = nullptr;
};

// ---- Drawing with the mouse ----------------------------------------------------------------

TEST_F(EditorTest, RightClickTogglesTheCellAndStoresItAtTheSelectedEntry)
{
    open({{"Eins", Cells({1})}, {"Zwei", Cells({50})}});
    editor->Liste1->setSelectedPosition(1);
    expectBoardShows(Cells({50}));

    rightClick(CellCentre(1));
    EXPECT_EQ(state.PatternBits, Cells({1, 50}));
    EXPECT_EQ(editor->Liste2->entries(), (QStringList{Cells({1}), Cells({1, 50})}));
    EXPECT_EQ(cellColour(1), Yellow);
    EXPECT_EQ(editor->Bezeichnung5->text(), QStringLiteral("1"));
    EXPECT_EQ(editor->Bezeichnung5->background(), Yellow);

    rightClick(CellCentre(50));
    EXPECT_EQ(editor->Liste2->entry(1), Cells({1}));
    EXPECT_EQ(cellColour(50), LightRed);
    EXPECT_EQ(editor->Bezeichnung5->text(), QStringLiteral("50"));
    EXPECT_EQ(editor->Bezeichnung5->background(), LightRed);
    EXPECT_EQ(form->Liste2->entry(1), Cells({50})); // the main window waits for "Ende"
}

TEST_F(EditorTest, OtherButtonsAndMovingChangeNoCell)
{
    open({{"Eins", Cells({7})}});
    editor->Bild2_MouseDown(Qt::LeftButton, CellCentre(7));
    editor->Bild2_MouseDown(Qt::MiddleButton, CellCentre(8));
    EXPECT_EQ(editor->Bezeichnung5->text(), QString());
    editor->Bild2_MouseMove(CellCentre(23));
    EXPECT_EQ(editor->Bezeichnung5->text(), QStringLiteral("23"));
    EXPECT_EQ(editor->Liste2->entry(0), Cells({7}));
    expectBoardShows(Cells({7}));
}

TEST_F(EditorTest, OnlyTheOpenSquareOfTheBoardCounts)
{
    open({{"Eins", EmptyCells()}});
    for (QPointF outside : {QPointF(0, 150), QPointF(150, 0), QPointF(3000, 150),
                            QPointF(150, 3000), QPointF(0.4, 150)}) {
        rightClick(outside);
        editor->Bild2_MouseMove(outside);
    }
    EXPECT_EQ(editor->Liste2->entry(0), EmptyCells());
    EXPECT_EQ(editor->Bezeichnung5->text(), QString());

    rightClick(QPointF(2985, 2985));
    EXPECT_EQ(editor->Liste2->entry(0), Cells({100}));
    EXPECT_EQ(editor->Bezeichnung5->text(), QStringLiteral("100"));
    editor->Bild2_MouseMove(QPointF(299.6, 10)); // rounded to whole twips first
    EXPECT_EQ(editor->Bezeichnung5->text(), QStringLiteral("2"));
}

TEST_F(EditorTest, AStrayCharacterIsPaintedLikeItsNeighbourAndClearedByAClick)
{
    QString cells = Cells({4});
    cells[4] = u'2';
    open({{"Fremd", cells}});
    EXPECT_EQ(cellColour(5), Yellow);
    EXPECT_EQ(cellColour(6), LightRed);
    rightClick(CellCentre(5));
    EXPECT_EQ(editor->Liste2->entry(0), Cells({4}));
    EXPECT_EQ(cellColour(5), LightRed);
}

// ---- New patterns --------------------------------------------------------------------------

TEST_F(EditorTest, NewPatternOffersTheNextNumberAndStartsEmpty)
{
    open({{"Eins", Cells({1})}, {"Zwei", Cells({2})}, {"Drei", Cells({3})}});
    editor->Bild4_Click(); // cancelled
    EXPECT_EQ(fake.dialogs.last().prompt, QStringLiteral("Neues Feld eingeben:"));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Feldname"));
    EXPECT_EQ(fake.dialogs.last().preset, QStringLiteral("4. Feldeingabe"));
    EXPECT_EQ(editor->Liste1->count(), 3);

    fake.dialogs.inputs.enqueue(QStringLiteral("4. Feldeingabe"));
    editor->Bild4_Click();
    EXPECT_EQ(editor->Liste1->entries().value(3), QStringLiteral("4. Feldeingabe"));
    EXPECT_EQ(editor->Liste2->entries().value(3), EmptyCells());
    EXPECT_EQ(editor->Liste1->selectedPosition(), 3);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Hunderterfeld:  4. Feldeingabe"));
    expectBoardShows(EmptyCells());
    rightClick(CellCentre(12));
    EXPECT_EQ(editor->Liste2->entries(), (QStringList{Cells({1}), Cells({2}), Cells({3}), Cells({12})}));
}

TEST_F(EditorTest, ADuplicateNameAsksAndNoAsksForANameAgain)
{
    open({{"Ka-Zeichen", DefaultPatternCells()}, {"Zwei", Cells({2})}});
    fake.dialogs.inputs.enqueue(QStringLiteral("KA-ZEICHEN"));
    fake.dialogs.answers.enqueue(Answer::No);
    editor->Bild4_Click();

    ASSERT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_EQ(fake.dialogs.shown.at(1).title, QStringLiteral("Sichern: KA-ZEICHEN"));
    EXPECT_EQ(fake.dialogs.shown.at(1).style, MessageStyle::Question);
    EXPECT_EQ(fake.dialogs.shown.at(1).prompt,
              QStringLiteral(" Dieser Name ist bereits vorhanden!\rVorhandenen Eintrag überschreiben?"));
    EXPECT_EQ(fake.dialogs.shown.at(2).preset, QStringLiteral("3. Feldeingabe"));
    EXPECT_EQ(editor->Liste1->entries(), (QStringList{"Ka-Zeichen", "Zwei"}));
    EXPECT_EQ(editor->Liste2->entry(0), DefaultPatternCells());
}

TEST_F(EditorTest, YesOverwritesTheEntryInItsPlace)
{
    open({{"Eins", Cells({1})}, {"Stern", Cells({5, 6, 7})}, {"Drei", Cells({3})}});
    const QStringList mainCells = form->Liste2->entries();
    editor->Liste1->setSelectedPosition(1); // the entry shown is the one overwritten
    fake.dialogs.inputs.enqueue(QStringLiteral("STERN"));
    fake.dialogs.answers.enqueue(Answer::Yes);
    editor->Bild4_Click();

    EXPECT_EQ(editor->Liste1->entries(), (QStringList{"Eins", "STERN", "Drei"}));
    EXPECT_EQ(editor->Liste2->entries(), (QStringList{Cells({1}), EmptyCells(), Cells({3})}));
    EXPECT_EQ(editor->Liste1->selectedPosition(), 1);
    EXPECT_EQ(state.PatternName, QStringLiteral("STERN"));
    expectBoardShows(EmptyCells());
    EXPECT_EQ(form->Liste2->entries(), mainCells); // no exercise state lands in the library
}

TEST_F(EditorTest, NamesWithQuotesAreRefusedOthersAreKeptAsTyped)
{
    open({{"Eins", Cells({1})}});
    fake.dialogs.inputs.enqueue(QStringLiteral("Das \"Haus\""));
    fake.dialogs.inputs.enqueue(QStringLiteral("Reihe, 1"));
    editor->Bild4_Click();
    ASSERT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_EQ(fake.dialogs.shown.at(1).kind, FakeDialogs::Shown::Message);
    EXPECT_EQ(fake.dialogs.shown.at(2).preset, QStringLiteral("2. Feldeingabe"));
    fake.dialogs.inputs.enqueue(QStringLiteral("  klein"));
    editor->Bild4_Click();
    EXPECT_EQ(editor->Liste1->entries(), (QStringList{"Eins", "Reihe, 1", "  klein"}));
}

// ---- Deleting ------------------------------------------------------------------------------

TEST_F(EditorTest, DeletingAMiddleEntrySelectsAndPaintsTheFirst)
{
    openFive();
    editor->Liste1->setSelectedPosition(2);
    fake.dialogs.answers.enqueue(Answer::Yes);
    editor->Bild10_Click();

    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Drei"));
    EXPECT_EQ(fake.dialogs.last().prompt, QStringLiteral("Dieses Hunderterfeld löschen?\r\n "));
    EXPECT_EQ(editor->Liste1->entries(), (QStringList{"Eins", "Zwei", "Vier", "Fuenf"}));
    EXPECT_EQ(editor->Liste2->entries(), (QStringList{Cells({1}), Cells({2}), Cells({4}), Cells({5})}));
    EXPECT_EQ(editor->Liste1->selectedPosition(), 0);
    EXPECT_EQ(state.PatternName, QStringLiteral("Eins"));
    expectBoardShows(Cells({1}));
}

TEST_F(EditorTest, DeletingTheSelectedFirstEntryRepaintsTheNewFirst)
{
    openFive();
    editor->Bild10_Click(); // the fake answers No
    EXPECT_EQ(editor->Liste1->count(), 5);
    fake.dialogs.answers.enqueue(Answer::Yes);
    editor->Bild10_Click();
    EXPECT_EQ(state.PatternBits, Cells({2}));
    expectBoardShows(Cells({2}));
}

TEST_F(EditorTest, DeletingTheOnlyPatternBringsBackTheDefault)
{
    open({{"Allein", Cells({9})}});
    fake.dialogs.answers.enqueue(Answer::Yes);
    editor->Bild10_Click();
    EXPECT_EQ(editor->Liste1->entries(), QStringList{DefaultPatternName()});
    EXPECT_EQ(editor->Liste2->entries(), QStringList{DefaultPatternCells()});
    EXPECT_EQ(editor->Liste1->selectedPosition(), 0);
    EXPECT_EQ(state.PatternName, QStringLiteral("Ka-Zeichen"));
    expectBoardShows(DefaultPatternCells());
}

// ---- Saving --------------------------------------------------------------------------------

TEST_F(EditorTest, SavedLibraryReadsBackWhole)
{
    open({{"Eins", Cells({1})}});
    fake.dialogs.inputs.enqueue(QStringLiteral("Rübe, groß"));
    editor->Bild4_Click();
    rightClick(CellCentre(33));
    fake.dialogs.inputs.enqueue(QStringLiteral(" blank"));
    editor->Bild4_Click();
    fake.dialogs.shown.clear();

    const QString target = QStringLiteral("/schule/ZEP100.TXT");
    fake.dialogs.answers.enqueue(Answer::Yes);
    fake.dialogs.inputs.enqueue(target);
    editor->Bild5_Click();
    ASSERT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_EQ(fake.dialogs.shown.at(0).title, QStringLiteral("S i c h e r n"));
    EXPECT_EQ(fake.dialogs.shown.at(1).preset, target);
    EXPECT_EQ(fake.dialogs.last().title, target);
    EXPECT_EQ(fake.dialogs.last().prompt, QStringLiteral("Die angezeigte Datei wurde gespeichert!\r"));

    const QByteArray bytes = fake.files.files.value(target);
    EXPECT_TRUE(bytes.contains('\xFC')); // ü as one byte
    EXPECT_EQ(bytes.count("\r\n"), 6);
    EXPECT_EQ(bytes.count('\n'), 6);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_TRUE(bytes.startsWith("Eins\r\n" + Cells({1}).toLatin1() + "\r\n"));
    const PatternFileContents back = ParsePatternFile(bytes);
    EXPECT_TRUE(back.ok);
    EXPECT_EQ(back.library.names, (QStringList{"Eins", "Rübe, groß", " blank"}));
    EXPECT_EQ(back.library.cells, editor->Liste2->entries());
    EXPECT_EQ(editor->Liste1->selectedPosition(), 2);
}

TEST_F(EditorTest, SavingStopsOnNoOnAnEmptyNameAndOnAFailedWrite)
{
    open({{"Eins", Cells({1})}, {"Zwei", Cells({2})}});
    editor->Bild5_Click();
    EXPECT_EQ(fake.dialogs.shown.size(), 1);
    fake.dialogs.answers.enqueue(Answer::Yes);
    editor->Bild5_Click(); // the input box is cancelled
    EXPECT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_TRUE(fake.files.writes.isEmpty());

    const QString target = QStringLiteral("/nur/lesen/ZEP100.TXT");
    fake.files.writeFailures[target] = QStringLiteral("Zugriff verweigert");
    fake.dialogs.answers.enqueue(Answer::Yes);
    fake.dialogs.inputs.enqueue(target);
    editor->Bild5_Click();
    ASSERT_EQ(fake.dialogs.shown.size(), 6);
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("S i c h e r n"));
    EXPECT_TRUE(fake.dialogs.last().prompt.contains(target));
    EXPECT_TRUE(fake.dialogs.last().prompt.contains(QStringLiteral("Zugriff verweigert")));
    EXPECT_EQ(editor->Liste1->entries(), (QStringList{"Eins", "Zwei"}));
    EXPECT_EQ(editor->Liste2->entries(), (QStringList{Cells({1}), Cells({2})}));
}

// ---- Help, language and leaving ------------------------------------------------------------

TEST_F(EditorTest, HelpShowsFiveLines)
{
    open({{"Eins", Cells({1})}});
    editor->Bild3_Click();
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("H i l f e"));
    EXPECT_EQ(fake.dialogs.last().style, MessageStyle::Ok);
    EXPECT_EQ(fake.dialogs.last().prompt.count(u'\r'), 5);
}

TEST_F(EditorTest, LanguageSwitchGoesBackAndForthAndTravelsHome)
{
    open({{"Eins", Cells({1, 2})}});
    EXPECT_EQ(editor->Bild14->picture(), form->germanPicture());
    editor->Bild14_Click();
    EXPECT_EQ(state.Language, QStringLiteral("e"));
    EXPECT_EQ(state.NumberWords[1], QStringLiteral("one"));
    EXPECT_EQ(editor->Bild14->picture(), form->englishPicture());
    EXPECT_EQ(form->languagePicture(), form->germanPicture()); // only on leaving

    editor->Bild14_Click();
    EXPECT_EQ(state.Language, QStringLiteral("d"));
    EXPECT_EQ(state.NumberWords, BuildNumberWords(QStringLiteral("d")));
    editor->Bild14_Click();
    editor->Bild1_Click();
    EXPECT_EQ(form->languagePicture(), editor->Bild14->picture());
    EXPECT_EQ(state.NumberWords, BuildNumberWords(QStringLiteral("e")));
}

TEST_F(EditorTest, EndeHandsTheEditedLibraryBackBeforeTheExerciseStarts)
{
    open({{"Eins", Cells({1, 2})}, {"Zwei", Cells({2})}});
    rightClick(CellCentre(60));
    fake.dialogs.inputs.enqueue(QStringLiteral("Neu"));
    editor->Bild4_Click();
    const QByteArray fileBefore = fake.files.files.value(QStringLiteral("ZEP100.TXT"));

    editor->Bild1_Click();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Liste1->entries(), editor->Liste1->entries());
    EXPECT_EQ(form->Liste2->entries(), editor->Liste2->entries());
    EXPECT_EQ(form->Liste1->selectedPosition(), 0);
    EXPECT_EQ(state.RemainingCells, Cells({1, 2, 60}));
    EXPECT_TRUE(CellIsSet(Cells({1, 2, 60}), state.TargetNumber));
    EXPECT_EQ(fake.files.files.value(QStringLiteral("ZEP100.TXT")), fileBefore);
}

TEST_F(EditorTest, ClosingTheWindowActsAsEnde)
{
    open({{"Eins", Cells({1})}});
    rightClick(CellCentre(2));
    editor->close();
    EXPECT_FALSE(editor->isVisible());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Liste2->entries(), QStringList{Cells({1, 2})});
    EXPECT_EQ(state.RemainingCells, Cells({1, 2}));
}

// ---- Clipboard export --------------------------------------------------------------------

TEST_F(EditorTest, ThreeCellsMakeOneLineAndLeaveThePatternAlone)
{
    open({{"Muster", Cells({4, 47, 100})}});
    const QImage board = editor->Bild2->image();
    const QString text = exported();
    EXPECT_TRUE(text.endsWith(QStringLiteral(", \r\n")));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 1);
    EXPECT_EQ(SortedWords(text), WordsOf(state.NumberWords, {4, 47, 100}));
    EXPECT_EQ(fake.dialogs.last().title, QStringLiteral("Muster kopieren"));
    EXPECT_EQ(fake.dialogs.last().style, MessageStyle::Information);
    EXPECT_EQ(fake.dialogs.last().prompt.count(QStringLiteral("\r\n")), 2);

    EXPECT_EQ(state.PatternBits, Cells({4, 47, 100}));
    EXPECT_EQ(editor->Liste2->entries(), QStringList{Cells({4, 47, 100})});
    EXPECT_EQ(editor->Bild2->image(), board);
}

TEST_F(EditorTest, TheFourthWordHasNoLineBreakAfterIt)
{
    open({{"Muster", Cells({1, 2, 3, 4})}});
    const QString text = exported();
    const qsizetype lineEnd = text.indexOf(QStringLiteral("\r\n"));
    EXPECT_EQ(SortedWords(text.left(lineEnd)).size(), 3);
    EXPECT_EQ(SortedWords(text.mid(lineEnd + 2)).size(), 1);
    EXPECT_TRUE(text.endsWith(QStringLiteral(", ")));
}

TEST_F(EditorTest, AnEmptyPatternStillCopiesTheGrid)
{
    open({{"Muster", EmptyCells()}});
    EXPECT_EQ(exported(), QString());
    EXPECT_FALSE(fake.clipboard.puts.last().svg.isEmpty());
    EXPECT_EQ(fake.dialogs.shown.size(), 1);
}

TEST_F(EditorTest, EnglishWordsAfterTheLanguageSwitch)
{
    open({{"Muster", Cells({21, 3, 13})}});
    editor->Bild14_Click();
    EXPECT_EQ(SortedWords(exported()), WordsOf(BuildNumberWords(QStringLiteral("e")), {21, 3, 13}));
}

TEST_F(EditorTest, ALongCellStringCountsOnlyItsFirstHundredCharacters)
{
    open({{"Muster", QString(120, u'1')}});
    ASSERT_EQ(state.PatternBits.size(), 120);
    const QString text = exported();
    const QStringList words = SortedWords(text);
    EXPECT_EQ(QSet<QString>(words.begin(), words.end()).size(), 100);
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 33);
}

TEST(ClipboardGrid, PicturesHoldAnElevenByElevenLineGrid)
{
    const QByteArray svg = GridSvg();
    EXPECT_TRUE(QSvgRenderer(svg).isValid());
    QXmlStreamReader xml(svg);
    int horizontal = 0, vertical = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"line")
            continue;
        const auto at = [&](const char *name) { return xml.attributes().value(QLatin1String(name)); };
        horizontal += at("y1") == at("y2") && at("x1") != at("x2");
        vertical += at("x1") == at("x2") && at("y1") != at("y2");
    }
    EXPECT_FALSE(xml.hasError());
    EXPECT_EQ(horizontal, 11);
    EXPECT_EQ(vertical, 11);

    const QImage png = QImage::fromData(GridPng());
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.pixelColor(png.width() / 20, png.height() / 20), QColor(Qt::white));
}

} // namespace

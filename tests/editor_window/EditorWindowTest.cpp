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

using namespace Qt::StringLiterals;
const QColor Yellow(255, 255, 0), LightRed(255, 0, 0);

QString Cells(std::initializer_list<int> marked)
{
    QString cells = EmptyCells();
    for (int n : marked)
        cells = SetCell(cells, n, u'1');
    return cells;
}

QPointF CellCentre(int k) { return QPointF(300 * CellColumn(k) + 150, 300 * CellRow(k) + 150); }

// The words of an exported text, sorted; every word ends with ", ".
QStringList SortedWords(QString text)
{
    QStringList words = text.remove(u"\r\n"_s).split(u", "_s);
    EXPECT_TRUE(words.takeLast().isEmpty()) << text.toStdString();
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
        fake.files.files[u"ZEP100.TXT"_s] = file;
        form = std::make_unique<Form1>(state, fake.platform);
        form->Form_Load();
        form->Form_Activate();
        form->Bild7_Click();
        editor = form->editorWindow();
        fake.dialogs.shown.clear();
        fake.clipboard.puts.clear();
    }
    QString exported()
    {
        editor->Bild8_Click();
        return fake.clipboard.puts.size() == 1 ? fake.clipboard.puts.last().text : u"?"_s;
    }
    QColor colour(int k) const { return editor->Bild2->colorAt(CellCentre(k)); }
    void expectBoardShows(const QString &cells) const
    {
        for (int k = 1; k <= CellCount; ++k)
            EXPECT_EQ(colour(k), cells.at(k - 1) == u'1' ? Yellow : LightRed) << "cell " << k;
    }
    void expectShown(int position, const QString &name, const QString &cells) const
    {
        EXPECT_EQ(editor->Liste1->selectedPosition(), position);
        EXPECT_EQ(state.PatternName, name);
        EXPECT_EQ(state.PatternBits, cells);
        expectBoardShows(cells);
    }
    void expectLibrary(const QStringList &names, const QStringList &cells) const
    {
        EXPECT_EQ(editor->Liste1->entries(), names);
        EXPECT_EQ(editor->Liste2->entries(), cells);
    }
    void rightClick(QPointF at) { editor->Bild2_MouseDown(Qt::RightButton, at); }
    void newPattern(const QString &name) { fake.dialogs.inputs.enqueue(name), editor->Bild4_Click(); }
    void yes() { fake.dialogs.answers.enqueue(Answer::Yes); }
    void remove() { yes(), editor->Bild10_Click(); }
    void save(const QString &target) { yes(), fake.dialogs.inputs.enqueue(target), editor->Bild5_Click(); }
    const FakeDialogs::Shown &box(int i) const { return fake.dialogs.shown.at(i); }
    void expectBox(int i, const QString &title, MessageStyle style, const QString &prompt) const
    {
        ASSERT_LT(i, fake.dialogs.shown.size());
        EXPECT_EQ(std::tuple(box(i).title, box(i).style, box(i).prompt), std::tuple(title, style, prompt));
    }
    QString label() const { return editor->Bezeichnung5->text(); }
    Module1 state;
    FakePlatform fake;
    std::unique_ptr<Form1> form;
    Form2 *editor = nullptr;
};

TEST_F(EditorTest, RightClickTogglesTheCellAndStoresItAtTheSelectedEntry)
{
    open({{"Eins", Cells({1})}, {"Zwei", Cells({50})}});
    editor->Liste1->setSelectedPosition(1);
    expectBoardShows(Cells({50}));
    for (auto [k, after, shade] : {std::tuple(1, Cells({1, 50}), Yellow), {50, Cells({1}), LightRed}}) {
        rightClick(CellCentre(k));
        EXPECT_EQ(state.PatternBits, after);
        expectLibrary({"Eins", "Zwei"}, {Cells({1}), after});
        EXPECT_EQ(colour(k), shade);
        EXPECT_EQ(label(), QString::number(k));
        EXPECT_EQ(editor->Bezeichnung5->background(), shade);
    }
    EXPECT_EQ(form->Liste2->entry(1), Cells({50})); // the main window waits for "Ende"
}

TEST_F(EditorTest, OnlyRightClicksInTheOpenSquareOfTheBoardChangeACell)
{
    open({{"Eins", Cells({7})}});
    editor->Bild2_MouseDown(Qt::LeftButton, CellCentre(7));
    editor->Bild2_MouseDown(Qt::MiddleButton, CellCentre(8));
    for (QPointF outside : {QPointF(0, 150), QPointF(150, 0), QPointF(3000, 150),
                            QPointF(150, 3000), QPointF(0.4, 150)}) {
        rightClick(outside);
        editor->Bild2_MouseMove(outside);
    }
    EXPECT_EQ(label(), QString());
    expectLibrary({"Eins"}, {Cells({7})});
    expectBoardShows(Cells({7}));
    editor->Bild2_MouseMove(CellCentre(23));
    EXPECT_EQ(label(), u"23"_s);
    rightClick(QPointF(2985, 2985));
    EXPECT_EQ(editor->Liste2->entry(0), Cells({7, 100}));
    EXPECT_EQ(label(), u"100"_s);
    editor->Bild2_MouseMove(QPointF(299.6, 10)); // rounded to whole twips first
    EXPECT_EQ(label(), u"2"_s);
}

TEST_F(EditorTest, AStrayCharacterIsPaintedLikeItsNeighbourAndClearedByAClick)
{
    QString stray = Cells({4});
    stray[4] = u'2';
    open({{"Fremd", stray}});
    EXPECT_EQ(colour(5), Yellow);
    EXPECT_EQ(colour(6), LightRed);
    rightClick(CellCentre(5));
    EXPECT_EQ(editor->Liste2->entry(0), Cells({4}));
    EXPECT_EQ(colour(5), LightRed);
}

TEST_F(EditorTest, NewPatternOffersTheNextNumberStartsEmptyAndRefusesQuotes)
{
    open({{"Eins", Cells({1})}, {"Zwei", Cells({2})}, {"Drei", Cells({3})}});
    editor->Bild4_Click(); // cancelled
    EXPECT_EQ(box(0).prompt, u"Neues Feld eingeben:"_s);
    EXPECT_EQ(box(0).title, u"Feldname"_s);
    EXPECT_EQ(box(0).preset, u"4. Feldeingabe"_s);
    EXPECT_EQ(editor->Liste1->count(), 3);
    newPattern(u"4. Feldeingabe"_s);
    EXPECT_EQ(editor->windowTitle(), u"Hunderterfeld:  4. Feldeingabe"_s);
    expectShown(3, u"4. Feldeingabe"_s, EmptyCells());
    rightClick(CellCentre(12));
    EXPECT_EQ(editor->Liste2->entries(), (QStringList{Cells({1}), Cells({2}), Cells({3}), Cells({12})}));
    fake.dialogs.shown.clear();
    fake.dialogs.inputs.enqueue(u"Das \"Haus\""_s); // refused
    newPattern(u"Reihe, 1"_s);
    ASSERT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_EQ(box(1).kind, FakeDialogs::Shown::Message);
    EXPECT_EQ(box(2).preset, u"5. Feldeingabe"_s);
    newPattern(u"  klein"_s);
    EXPECT_EQ(editor->Liste1->entries(), (QStringList{"Eins", "Zwei", "Drei", "4. Feldeingabe", "Reihe, 1", "  klein"}));
}

TEST_F(EditorTest, DeletingSelectsAndPaintsTheFirstAndTheLastBringsBackTheDefault)
{
    open({{"Eins", Cells({1})}, {"Zwei", Cells({2})}, {"Drei", Cells({3})},
          {"Vier", Cells({4})}, {"Fuenf", Cells({5})}});
    editor->Liste1->setSelectedPosition(2);
    remove();
    expectBox(0, u"Drei"_s, MessageStyle::Question, u"Dieses Hunderterfeld löschen?\r\n "_s);
    expectLibrary({"Eins", "Zwei", "Vier", "Fuenf"}, {Cells({1}), Cells({2}), Cells({4}), Cells({5})});
    expectShown(0, u"Eins"_s, Cells({1}));
    editor->Bild10_Click(); // the fake answers No
    EXPECT_EQ(editor->Liste1->count(), 4);
    remove();
    expectShown(0, u"Zwei"_s, Cells({2}));
    for (int i = 0; i < 3; ++i)
        remove();
    expectLibrary({DefaultPatternName()}, {DefaultPatternCells()});
    expectShown(0, u"Ka-Zeichen"_s, DefaultPatternCells());
}

TEST_F(EditorTest, SavingStopsOnNoOnAnEmptyNameOrAFailedWriteAndTheSavedLibraryReadsBack)
{
    open({{"Eins", Cells({1})}});
    newPattern(u"Rübe, groß"_s);
    rightClick(CellCentre(33));
    newPattern(u" blank"_s);
    const QStringList cells{Cells({1}), Cells({33}), EmptyCells()};
    fake.dialogs.shown.clear();
    editor->Bild5_Click();
    EXPECT_EQ(fake.dialogs.shown.size(), 1);
    save(QString()); // the input box is cancelled
    EXPECT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_TRUE(fake.files.writes.isEmpty());
    const QString locked = u"/nur/lesen/ZEP100.TXT"_s, target = u"/schule/ZEP100.TXT"_s;
    fake.files.writeFailures[locked] = u"Zugriff verweigert"_s;
    save(locked);
    ASSERT_EQ(fake.dialogs.shown.size(), 6);
    EXPECT_EQ(box(5).title, u"S i c h e r n"_s);
    EXPECT_TRUE(box(5).prompt.contains(locked) && box(5).prompt.contains(u"Zugriff verweigert"_s));
    expectLibrary({"Eins", "Rübe, groß", " blank"}, cells);
    fake.dialogs.shown.clear();
    save(target);
    ASSERT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_EQ(box(0).title, u"S i c h e r n"_s);
    EXPECT_EQ(box(1).preset, target);
    expectBox(2, target, MessageStyle::Ok, u"Die angezeigte Datei wurde gespeichert!\r"_s);
    const QByteArray bytes = fake.files.files.value(target);
    EXPECT_TRUE(bytes.contains('\xFC')); // ü as one byte
    EXPECT_EQ(std::pair(bytes.count("\r\n"), bytes.count('\n')), std::pair(qsizetype(6), qsizetype(6)));
    EXPECT_TRUE(bytes.startsWith("Eins\r\n" + Cells({1}).toLatin1() + "\r\n") && bytes.endsWith("\r\n"));
    const PatternFileContents back = ParsePatternFile(bytes);
    EXPECT_TRUE(back.ok);
    EXPECT_EQ(std::pair(back.library.names, back.library.cells), std::pair(editor->Liste1->entries(), cells));
    EXPECT_EQ(editor->Liste1->selectedPosition(), 2);
}

TEST_F(EditorTest, HelpHasFiveLinesAndTheLanguageSwitchesBackAndForthAndTravelsHome)
{
    open({{"Eins", Cells({1, 2})}});
    editor->Bild3_Click();
    EXPECT_EQ(box(0).title, u"H i l f e"_s);
    EXPECT_EQ(box(0).style, MessageStyle::Ok);
    EXPECT_EQ(box(0).prompt.count(u'\r'), 5);
    EXPECT_EQ(editor->Bild14->picture(), form->germanPicture());
    for (const QString &language : {u"e"_s, u"d"_s, u"e"_s}) {
        editor->Bild14_Click();
        EXPECT_EQ(state.Language, language);
        EXPECT_EQ(state.NumberWords, BuildNumberWords(language));
        EXPECT_EQ(editor->Bild14->picture(), language == u"e" ? form->englishPicture() : form->germanPicture());
    }
    EXPECT_EQ(state.NumberWords[1], u"one"_s);
    EXPECT_EQ(form->languagePicture(), form->germanPicture()); // only on leaving
    editor->Bild1_Click();
    EXPECT_EQ(form->languagePicture(), form->englishPicture());
    EXPECT_EQ(state.NumberWords, BuildNumberWords(u"e"_s));
}

TEST_F(EditorTest, EndeOrClosingHandsTheEditedLibraryBackBeforeTheExerciseStarts)
{
    for (bool viaClose : {false, true}) {
        open({{"Eins", Cells({1, 2})}, {"Zwei", Cells({2})}});
        rightClick(CellCentre(60));
        newPattern(u"Neu"_s);
        const QByteArray fileBefore = fake.files.files.value(u"ZEP100.TXT"_s);
        viaClose ? void(editor->close()) : editor->Bild1_Click();
        EXPECT_FALSE(editor->isVisible());
        EXPECT_TRUE(form->isVisible());
        EXPECT_EQ(form->Liste1->entries(), (QStringList{"Eins", "Zwei", "Neu"}));
        EXPECT_EQ(form->Liste2->entries(), (QStringList{Cells({1, 2, 60}), Cells({2}), EmptyCells()}));
        EXPECT_EQ(form->Liste1->selectedPosition(), 0);
        EXPECT_EQ(state.RemainingCells, Cells({1, 2, 60}));
        EXPECT_TRUE(CellIsSet(Cells({1, 2, 60}), state.TargetNumber));
        EXPECT_EQ(fake.files.files.value(u"ZEP100.TXT"_s), fileBefore);
    }
}

// Each marked cell among the first hundred once, three to a line, in the current language.
TEST_F(EditorTest, ExportListsTheMarkedCellsAndLeavesThePatternAlone)
{
    struct Case { QString cells; bool english = false; };
    for (const auto &[cells, english] : {Case{Cells({4, 47, 100})}, Case{Cells({1, 2, 3, 4})},
                                         Case{EmptyCells()}, Case{Cells({21, 3, 13}), true},
                                         Case{QString(120, u'1')}}) {
        open({{"Muster", cells}});
        if (english)
            editor->Bild14_Click();
        const QImage board = editor->Bild2->image();
        const QString text = exported();
        QStringList expected;
        for (int n = 1; n <= CellCount; ++n)
            if (CellIsSet(cells, n))
                expected.append(BuildNumberWords(english ? u"e"_s : u"d"_s)[n]);
        expected.sort();
        EXPECT_EQ(SortedWords(text), expected);
        const QStringList lines = text.split(u"\r\n"_s);
        for (int i = 0; i < lines.size(); ++i)
            EXPECT_EQ(lines[i].count(u", "_s), i + 1 < lines.size() ? 3 : expected.size() % 3) << i;
        EXPECT_FALSE(fake.clipboard.puts.last().svg.isEmpty()); // the grid, even when empty
        ASSERT_EQ(fake.dialogs.shown.size(), 1);
        EXPECT_EQ(box(0).title, u"Muster kopieren"_s);
        EXPECT_EQ(box(0).style, MessageStyle::Information);
        EXPECT_EQ(box(0).prompt.count(u"\r\n"_s), 2);
        EXPECT_EQ(state.PatternBits, cells);
        expectLibrary({"Muster"}, {cells});
        EXPECT_EQ(editor->Bild2->image(), board);
    }
}

TEST(ClipboardGrid, PicturesHoldAnElevenByElevenLineGrid)
{
    const QByteArray svg = GridSvg();
    EXPECT_TRUE(QSvgRenderer(svg).isValid());
    QXmlStreamReader xml(svg);
    int horizontal = 0, vertical = 0;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"line") {
            const auto at = [&](const char *name) { return xml.attributes().value(QLatin1String(name)); };
            horizontal += at("y1") == at("y2") && at("x1") != at("x2");
            vertical += at("x1") == at("x2") && at("y1") != at("y2");
        }
    EXPECT_FALSE(xml.hasError());
    EXPECT_EQ(std::pair(horizontal, vertical), std::pair(11, 11));
    const QImage png = QImage::fromData(GridPng());
    ASSERT_FALSE(png.isNull());
    EXPECT_EQ(png.pixelColor(png.width() / 20, png.height() / 20), QColor(Qt::white));
}

} // namespace

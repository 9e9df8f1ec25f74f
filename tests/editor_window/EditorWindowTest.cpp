// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SecondLanguage.h"
#include "Cells.h"
#include "MarkedCells.h"
#include "ClipboardExport.h"
#include "BoardSurface.h"
#include "ClickLabel.h"
#include "EditorSession.h"
#include "FakePlatform.h"
#include "Form1.h"
#include "Form2.h"
#include "ListBox.h"
#include "Module1.h"
#include "PatternFile.h"
#include "PictureButton.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QImage>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QHelpEvent>
#include <QToolTip>
#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace Qt::StringLiterals;
const QColor Yellow(255, 255, 0), LightRed(255, 0, 0);

QPointF CellCentre(int k) { return QPointF(300 * CellColumn(k) + 150, 300 * CellRow(k) + 150); }

// The main window loaded from a pattern file, with the editor opened over it.
class EditorTest : public EditorSession
{
protected:
    QColor colour(int k) const { return editor->Bild2->colorAt(CellCentre(k)); }
    void expectShown(int position, const QString &name, const QString &cells) const
    {
        EXPECT_EQ(std::tuple(editor->Liste1->selectedPosition(), state.PatternName, state.PatternBits),
                  std::tuple(position, name, cells));
        expectBoardShows(cells);
    }
    void expectLibrary(const QStringList &names, const QStringList &cells) const
    {
        EXPECT_EQ(std::pair(editor->Liste1->entries(), editor->Liste2->entries()), std::pair(names, cells));
    }
    void rightClick(QPointF at) { editor->Bild2_MouseDown(Qt::RightButton, at); }
    void newPattern(const QString &name) { fake.dialogs.inputs.enqueue(name), editor->Bild4_Click(); }
    void remove() { fake.dialogs.answers.enqueue(Answer::Yes), editor->Bild10_Click(); }
    void save(const QString &to) { fake.dialogs.answers.enqueue(Answer::Yes), fake.dialogs.inputs.enqueue(to), editor->Bild5_Click(); }
    const FakeDialogs::Shown &box(int i) const { return fake.dialogs.shown.at(i); }
    auto boxAt(int i) const { return std::tuple(box(i).title, box(i).style, box(i).prompt); }
    QString label() const { return editor->Bezeichnung5->text(); }
};

// Only right clicks in the open square change a cell, stored at the selected entry; a stray
// character is painted like its left neighbour and cleared by a click.
TEST_F(EditorTest, RightClicksInTheOpenSquareToggleTheSelectedEntryAndClearStrayCharacters)
{
    QString stray = MarkedCells({4, 7, 50});
    stray[4] = u'2';
    openEditor({{"Eins", MarkedCells({1})}, {"Zwei", stray}});
    editor->Liste1->setSelectedPosition(1);
    editor->Bild2_MouseDown(Qt::LeftButton, CellCentre(7));
    editor->Bild2_MouseDown(Qt::MiddleButton, CellCentre(8));
    for (QPointF outside : {QPointF(0, 150), QPointF(150, 0), QPointF(3000, 150),
                            QPointF(150, 3000), QPointF(0.4, 150)})
        rightClick(outside), editor->Bild2_MouseMove(outside);
    EXPECT_EQ(label(), QString());
    expectLibrary({"Eins", "Zwei"}, {MarkedCells({1}), stray});
    expectBoardShows(MarkedCells({4, 5, 7, 50}));
    editor->Bild2_MouseMove(CellCentre(23));
    EXPECT_EQ(label(), u"23"_s);
    QString after = stray;
    for (auto [at, k, shade] : {std::tuple(CellCentre(1), 1, Yellow), {CellCentre(5), 5, LightRed},
                                {QPointF(2985, 2985), 100, Yellow}, {CellCentre(50), 50, LightRed}}) {
        rightClick(at);
        after = SetCell(after, k, shade == Yellow ? u'1' : u'0');
        EXPECT_EQ(state.PatternBits, after);
        expectLibrary({"Eins", "Zwei"}, {MarkedCells({1}), after});
        EXPECT_EQ(std::tuple(colour(k), label(), editor->Bezeichnung5->background()), std::tuple(shade, QString::number(k), shade));
    }
    EXPECT_EQ(form->Liste2->entry(1), stray); // the main window waits for "Ende"
    editor->Bild2_MouseMove(QPointF(299.6, 10)); // rounded to whole twips first
    EXPECT_EQ(label(), u"2"_s);
}

// Every starter name shows whole in the names list, measured with the list's own font
// against its real width; a name longer than the list shows whole as the entry's tooltip.
TEST_F(EditorTest, StarterNamesFitTheListAndLongerNamesShowInTheirTooltip)
{
    QFile starter(QStringLiteral(ZEP_STARTER_LIBRARY));
    ASSERT_TRUE(starter.open(QIODevice::ReadOnly));
    openEditorOn(starter.readAll());
    QListWidget &list = *editor->Liste1;
    ASSERT_GE(list.count(), 24);
    QApplication::processEvents();
    ASSERT_TRUE(list.verticalScrollBar()->isVisible()); // the narrowest the text can get
    const int margins = 2 * (list.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1);
    const int room = list.viewport()->width() - margins;
    for (int i = 0; i < list.count(); ++i) {
        EXPECT_LE(list.fontMetrics().horizontalAdvance(list.item(i)->text()), room) << list.item(i)->text().toStdString();
        EXPECT_TRUE(editor->Liste1->entryTip(i).isEmpty());
    }
    const QString longName = u"Schachbrett-Streifen"_s;
    newPattern(longName);
    EXPECT_GT(list.fontMetrics().horizontalAdvance(longName), room);
    EXPECT_EQ(editor->Liste1->entryTip(list.count() - 1), longName);
    list.scrollToBottom();
    const QPoint resting = list.visualItemRect(list.item(list.count() - 1)).center();
    QHelpEvent rest(QEvent::ToolTip, resting, list.viewport()->mapToGlobal(resting));
    QApplication::sendEvent(list.viewport(), &rest);
    EXPECT_EQ(QToolTip::text(), longName);
}

// A screen reader hears the pointed cell's number, and not the hidden cell strings. Tab
// reaches every control of the editor row by row; on the board the arrows move the frame and
// Space marks the framed cell as the right button does.
TEST_F(EditorTest, AssistiveTechnologyAndTheKeyboardReachEveryControlAndCell)
{
    openEditor({{"Eins", MarkedCells({1})}});
    editor->Bild2_MouseMove(CellCentre(47));
    QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(editor->Bezeichnung5);
    EXPECT_EQ(std::pair(cell->text(QAccessible::Name), cell->text(QAccessible::Description)),
              std::pair(u"47"_s, u"Aktiviertes Feld"_s));
    QAccessibleInterface *window = QAccessible::queryAccessibleInterface(editor);
    QObjectList exposed;
    for (int i = 0; i < window->childCount(); ++i)
        exposed.append(window->child(i)->object());
    EXPECT_TRUE(exposed.contains(editor->Liste1) && exposed.contains(editor->Bild2));
    EXPECT_FALSE(exposed.contains(editor->Liste2) || exposed.contains(editor->Liste3));

    QList<QWidget *> chain;
    for (QWidget *w = editor->Bild1; chain.isEmpty() || w != editor->Bild1; w = w->nextInFocusChain())
        if (w->isVisibleTo(editor) && (w->focusPolicy() & Qt::TabFocus) && w->window() == editor)
            chain.append(w);
    EXPECT_EQ(chain, (QList<QWidget *>{editor->Bild1, editor->Bild3, editor->Bild4, editor->Bild5,
                                       editor->Bild8, editor->Bild10, editor->Bild14, editor->Bild15,
                                       editor->Liste1,
                                       editor->Bild2, editor->Bild6, editor->Bild9, editor->Bild7,
                                       editor->Bild12}));
    for (int key : {Qt::Key_Up, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down, Qt::Key_Space})
        QTest::keyClick(editor->Bild2, Qt::Key(key));
    EXPECT_EQ(std::pair(state.PatternBits, label()), std::pair(MarkedCells({1, 13}), u"13"_s));
    QTest::keyClick(editor->Bild2, Qt::Key_Return);
    expectLibrary({"Eins"}, {MarkedCells({1})});
}

// The learning record's icon sits at the end of the icon row under its own caption (which it
// touches as every icon touches the caption row), clear of every other control; its click
// reaches the main window as a wish for the record.
TEST_F(EditorTest, TheRecordIconAsksForTheLearningRecordAndOverlapsNothing)
{
    openEditor({{"Eins", MarkedCells({1})}});
    int wishes = 0;
    QObject::connect(form.get(), &Form1::recordWanted, [&] { ++wishes; });
    const QList<QWidget *> controls = editor->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    const QList<QWidget *> mine{editor->Bild15, editor->Bezeichnung8};
    for (QWidget *control : mine) {
        EXPECT_TRUE(editor->rect().contains(control->geometry()));
        for (QWidget *other : controls) {
            if (!mine.contains(other) && other->isVisibleTo(editor)) {
                EXPECT_FALSE(control->geometry().intersects(other->geometry())) << qPrintable(other->objectName());
            }
        }
    }
    EXPECT_LT(std::abs(editor->Bild15->geometry().center().x() - editor->Bezeichnung8->geometry().center().x()), 2);
    editor->Bild15->click();
    EXPECT_EQ(wishes, 1);
}

// "Neu" offers the next number as name and refuses quotes; deleting the last pattern brings
// back the default one.
TEST_F(EditorTest, NewPatternsGetTheNextNumberAndRefuseQuotesAndDeletingFallsBackToTheDefault)
{
    openEditor({{"Eins", MarkedCells({1})}, {"Zwei", MarkedCells({2})}, {"Drei", MarkedCells({3})}});
    editor->Bild4_Click(); // cancelled
    EXPECT_EQ(std::tuple(box(0).prompt, box(0).title, box(0).preset, box(0).maxLength),
              std::tuple(u"Neues Feld eingeben:"_s, u"Feldname"_s, u"4. Feldeingabe"_s, 100));
    EXPECT_EQ(editor->Liste1->count(), 3);
    newPattern(u"4. Feldeingabe"_s);
    EXPECT_EQ(editor->windowTitle(), u"Hunderterfeld:  4. Feldeingabe"_s);
    expectShown(3, u"4. Feldeingabe"_s, EmptyCells());
    rightClick(CellCentre(12));
    EXPECT_EQ(editor->Liste2->entries(), (QStringList{MarkedCells({1}), MarkedCells({2}), MarkedCells({3}), MarkedCells({12})}));
    fake.dialogs.shown.clear();
    fake.dialogs.inputs.enqueue(u"Das \"Haus\""_s); // refused
    newPattern(u"Reihe, 1"_s);
    ASSERT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_EQ(std::pair(box(1).kind, box(2).preset), std::pair(FakeDialogs::Shown::Message, u"5. Feldeingabe"_s));
    newPattern(u"  klein"_s);
    // Deleting selects and paints the first entry; deleting the last brings back the default.
    editor->Liste1->setSelectedPosition(2);
    fake.dialogs.shown.clear();
    remove();
    EXPECT_EQ(boxAt(0), std::tuple(u"Drei"_s, MessageStyle::Question, u"Dieses Hunderterfeld löschen?\r\n "_s));
    expectLibrary({"Eins", "Zwei", "4. Feldeingabe", "Reihe, 1", "  klein"},
                  {MarkedCells({1}), MarkedCells({2}), MarkedCells({12}), EmptyCells(), EmptyCells()});
    expectShown(0, u"Eins"_s, MarkedCells({1}));
    editor->Bild10_Click(); // the fake answers No
    EXPECT_EQ(editor->Liste1->count(), 5);
    remove();
    expectShown(0, u"Zwei"_s, MarkedCells({2}));
    remove(), remove(), remove(), remove();
    expectLibrary({DefaultPatternName()}, {DefaultPatternCells()});
    expectShown(0, u"Ka-Zeichen"_s, DefaultPatternCells());
}

// A name that exists in any letter case asks before overwriting: No asks for a name again
// with the same preset, Yes empties that entry in its place under the name as typed.
TEST_F(EditorTest, ExistingNameAsksBeforeOverwriting)
{
    openEditor({{"Ka-Zeichen", MarkedCells({1, 2})}, {"Eins", MarkedCells({1})}});
    fake.dialogs.inputs.append({u"KA-ZEICHEN"_s, u"Zwei"_s});
    fake.dialogs.answers.enqueue(Answer::No);
    editor->Bild4_Click();
    ASSERT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_EQ(boxAt(1), std::tuple(u"Sichern: KA-ZEICHEN"_s, MessageStyle::Question,
                                   u" Dieser Name ist bereits vorhanden!\rVorhandenen Eintrag überschreiben?"_s));
    EXPECT_EQ(box(2).preset, u"3. Feldeingabe"_s);
    expectLibrary({"Ka-Zeichen", "Eins", "Zwei"}, {MarkedCells({1, 2}), MarkedCells({1}), EmptyCells()});

    fake.dialogs.answers.enqueue(Answer::Yes);
    newPattern(u"eins"_s);
    EXPECT_EQ(box(4).title, u"Sichern: eins"_s);
    expectLibrary({"Ka-Zeichen", "eins", "Zwei"}, {MarkedCells({1, 2}), EmptyCells(), EmptyCells()});
    expectShown(1, u"eins"_s, EmptyCells());
}

// "Sichern" writes nothing on No, an empty name or a failed write, and what it saves reads
// back as the library shown.
TEST_F(EditorTest, SavingStopsOnNoOnAnEmptyNameOrAFailedWriteAndTheSavedLibraryReadsBack)
{
    openEditor({{"Eins", MarkedCells({1})}});
    newPattern(u"Rübe, groß"_s); // entered names may hold commas, kept by quoting
    rightClick(CellCentre(33));
    newPattern(u" blank"_s);
    const QStringList cells{MarkedCells({1}), MarkedCells({33}), EmptyCells()};
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
    EXPECT_TRUE(box(5).title == u"S i c h e r n" && box(5).prompt.contains(locked)
                && box(5).prompt.contains(u"Zugriff verweigert"_s));
    expectLibrary({"Eins", "Rübe, groß", " blank"}, cells);
    fake.dialogs.shown.clear();
    save(target);
    ASSERT_EQ(fake.dialogs.shown.size(), 3);
    EXPECT_EQ(std::pair(box(0).title, box(1).preset), std::pair(u"S i c h e r n"_s, target));
    EXPECT_EQ(boxAt(2), std::tuple(target, MessageStyle::Ok, u"Die angezeigte Datei wurde gespeichert!\r"_s));
    const PatternFileContents back = ParsePatternFile(fake.files.files.value(target));
    EXPECT_EQ(std::tuple(back.ok, back.library.names, back.library.cells), std::tuple(true, editor->Liste1->entries(), cells));
    EXPECT_EQ(editor->Liste1->selectedPosition(), 2);
}

// A library a teacher edited as UTF-8 (with or without a byte order mark) shows its names
// whole and goes back to Windows-1252 when they fit; an unchanged library keeps every byte;
// names typed in any script are saved whole as UTF-8. The next start reads every name as shown.
TEST_F(EditorTest, LibrariesKeepTheirNamesInAnyScriptAndUnchangedOnesEveryByte)
{
    const QByteArray cells = MarkedCells({5}).toLatin1(), empty = EmptyCells().toLatin1();
    const QByteArray windows = "B\xE4r\r\n" + cells + "\r\n\xD6l-M\xFChle \x80\r\n" + cells + "\r\n";
    const QByteArray cyrillic = "\xEF\xBB\xBF\xD0\x9A\xD0\xBE\xD1\x82\r\n" + cells + "\r\n";
    const QStringList typed{u"Kuş"_s, u"Źdźbło"_s, u"Ștefan"_s, u"Кошка"_s, u"قطة"_s, u"Γάτα"_s,
                            u"Fuchs 🦊"_s, u"Cafe\u0301"_s};
    QByteArray typedFile = "\xEF\xBB\xBF" "Haus\r\n" + cells + "\r\n";
    for (const QString &name : typed)
        typedFile += name.toUtf8() + "\r\n" + empty + "\r\n";
    const struct { QByteArray file; QStringList typed, names; QByteArray saved; } cases[] = {
        {windows, {}, {u"Bär"_s, u"Öl-Mühle €"_s}, windows},
        {"B\xC3\xA4r\n" + cells + "\n", {}, {u"Bär"_s}, "B\xE4r\r\n" + cells + "\r\n"},
        {cyrillic, {}, {u"Кот"_s}, cyrillic},
        {"Haus\r\n" + cells + "\r\n", typed, QStringList{u"Haus"_s} + typed, typedFile},
    };
    for (const auto &c : cases) {
        openEditorOn(c.file);
        for (const QString &name : c.typed)
            newPattern(name);
        EXPECT_EQ(editor->Liste1->entries(), c.names);
        save(u"ZEP100.TXT"_s);
        EXPECT_EQ(fake.files.files.value(u"ZEP100.TXT"_s), c.saved);
        openEditorOn(c.saved);
        EXPECT_EQ(form->Liste1->entries(), c.names);
    }
}

// Help has five lines. The language icon switches to the user's second language and back,
// and follows a choice from its menu; the language, like the edited library, travels home
// on Ende or on closing, before the exercise starts.
TEST_F(EditorTest, EndeOrClosingHandsLibraryAndLanguageBackBeforeTheExerciseStarts)
{
    for (bool viaClose : {false, true}) {
        fake.files.files.insert(u"Klasse.csv"_s, "Name;Zweitsprache\r\nFreund und Gast;uk\r\n");
        openEditor({{"Eins", MarkedCells({1, 2})}, {"Zwei", MarkedCells({2})}});
        editor->Bild3_Click();
        EXPECT_EQ(std::tuple(box(0).title, box(0).style, box(0).prompt.count(u'\r')),
                  std::tuple(u"H i l f e"_s, MessageStyle::Ok, qsizetype(5)));
        EXPECT_EQ(editor->Bild14->picture(), form->germanPicture());
        for (const QString &language : {u"uk"_s, u"d"_s, u"uk"_s}) {
            editor->Bild14_Click();
            EXPECT_EQ(std::pair(state.Language, state.NumberWords[5]),
                      std::pair(language, language == u"uk" ? u"п\u2019ять"_s : u"fünf"_s));
            EXPECT_EQ(editor->Bild14->picture(), SecondLanguage::picture(language));
        }
        form->secondLanguage().choose(u"el"_s); // from the editor icon's menu
        EXPECT_EQ(std::pair(state.NumberWords[5], editor->Bild14->picture()), std::pair(u"πέντε"_s, SecondLanguage::picture(u"el"_s)));
        EXPECT_TRUE(editor->Bild14->toolTip().startsWith(u"Zahlwörter auf Griechisch."_s));
        EXPECT_EQ(form->languagePicture(), form->germanPicture()); // only on leaving
        rightClick(CellCentre(60));
        newPattern(u"Neu"_s);
        const QByteArray fileBefore = fake.files.files.value(u"ZEP100.TXT"_s);
        viaClose ? void(editor->close()) : editor->Bild1_Click();
        EXPECT_TRUE(!editor->isVisible() && form->isVisible());
        EXPECT_EQ(std::pair(form->Liste1->entries(), form->Liste2->entries()),
                  std::pair(QStringList{"Eins", "Zwei", "Neu"}, QStringList{MarkedCells({1, 2, 60}), MarkedCells({2}), EmptyCells()}));
        EXPECT_EQ(std::pair(form->Liste1->selectedPosition(), state.RemainingCells), std::pair(0, MarkedCells({1, 2, 60})));
        EXPECT_TRUE(CellIsSet(MarkedCells({1, 2, 60}), state.TargetNumber));
        EXPECT_EQ(fake.files.files.value(u"ZEP100.TXT"_s), fileBefore);
        EXPECT_EQ(std::pair(form->languagePicture(), form->Bezeichnung3->text()),
                  std::pair(SecondLanguage::picture(u"el"_s), state.NumberWords[state.TargetNumber]));
    }
}

// Ending the program with patterns changed and never saved asks first: Abbrechen (what
// Enter alone gives) stays, Nein ends with the file as it was, Ja saves and stays when the
// save did not happen; saved patterns end without the question. A logout or a signal keeps
// the changed library beside the file, in the file's encoding, next to an earlier one.
TEST_F(EditorTest, ChangedPatternsAreAskedForOrKeptAtTheEnd)
{
    fake.files.writeFailures[u"/nur/lesen/ZEP100.TXT"_s] = u"Zugriff verweigert"_s;
    const struct { QList<Answer> answers; QStringList names; int boxes; bool ends, saved; } cases[] = {
        {{Answer::Yes}, {}, 2, false, false},
        {{Answer::Yes, Answer::No}, {}, 2, true, false},
        {{Answer::Yes, Answer::Yes}, {u"/nur/lesen/ZEP100.TXT"_s}, 4, false, false},
        {{Answer::Yes, Answer::Yes}, {u"ZEP100.TXT"_s}, 4, true, true},
        {{Answer::Yes}, {}, 1, true, true}, // saved by the case before
    };
    openEditor({{"Eins", MarkedCells({1})}});
    rightClick(CellCentre(2));
    editor->Bild1_Click();
    for (const auto &c : cases) {
        fake.dialogs.shown.clear();
        fake.dialogs.answers.append(c.answers);
        fake.dialogs.inputs.append(c.names);
        const int quits = fake.program.quits;
        form->Bild5_Click();
        EXPECT_EQ(fake.dialogs.shown.size(), c.boxes);
        EXPECT_EQ(std::pair(fake.program.quits - quits, box(c.boxes - 1).style == MessageStyle::QuestionOrCancel),
                  std::pair(c.ends ? 1 : 0, c.boxes == 2));
        EXPECT_EQ(fake.files.files.value(u"ZEP100.TXT"_s).contains(MarkedCells({1, 2}).toLatin1()), c.saved);
    }

    openEditor({{"Bär", MarkedCells({1})}});
    newPattern(u"Kuş"_s);
    const QByteArray file = fake.files.files.value(u"ZEP100.TXT"_s);
    fake.files.files[u"ZEP100.TXT.neu"_s] = "vom letzten Mal";
    form->SaveAndEnd();
    EXPECT_EQ(std::pair(fake.files.files.value(u"ZEP100.TXT"_s), fake.files.files.value(u"ZEP100.TXT.neu"_s)),
              std::pair(file, QByteArray("vom letzten Mal")));
    EXPECT_TRUE(fake.files.files.value(u"ZEP100.TXT.neu2"_s).startsWith("\xEF\xBB\xBF" "B\xC3\xA4r\r\n"
                                                                          "1000"));
}

// Each marked cell among the first hundred once, three to a line, in the current language.
TEST_F(EditorTest, ExportListsTheMarkedCellsAndLeavesThePatternAlone)
{
    struct Case { QString cells; bool english; QStringList words; };
    for (const auto &[cells, english, expected] :
         {Case{MarkedCells({4, 47, 100}), false, {u"einhundert"_s, u"siebenundvierzig"_s, u"vier"_s}},
          Case{MarkedCells({21, 3, 13, 1}), true, {u"one"_s, u"thirteen"_s, u"three"_s, u"twenty-one"_s}},
          Case{EmptyCells(), false, {}}, Case{QString(101, u'0') + u'1', false, {}}}) {
        openEditor({{"Muster", cells}});
        english ? editor->Bild14_Click() : void();
        const QImage board = editor->Bild2->image();
        editor->Bild8_Click();
        ASSERT_EQ(fake.clipboard.puts.size(), 1);
        const QString text = fake.clipboard.puts.last().text;
        QStringList words = QString(text).remove(u"\r\n"_s).split(u", "_s);
        EXPECT_TRUE(words.takeLast().isEmpty()) << text.toStdString(); // every word ends with ", "
        words.sort(); // the order is drawn by chance
        EXPECT_EQ(words, expected);
        EXPECT_EQ(text.count(u"\r\n"_s), expected.size() / 3);
        EXPECT_FALSE(fake.clipboard.puts.last().svg.isEmpty()); // the grid, even when empty
        EXPECT_EQ(std::tuple(box(0).title, box(0).style, box(0).prompt.count(u"\r\n"_s)),
                  std::tuple(u"Muster kopieren"_s, MessageStyle::Information, qsizetype(2)));
        EXPECT_EQ(state.PatternBits, cells);
        EXPECT_EQ(editor->Bild2->image(), board);
    }
}

// The grid goes to the clipboard as a picture of 50 mm at 300 dpi: eleven dark lines each way
// on white, 10 cells apart.
TEST(ClipboardGrid, PicturesHoldAnElevenByElevenLineGrid)
{
    const QImage png = QImage::fromData(GridPng());
    EXPECT_EQ(std::tuple(png.width(), png.height(), png.dotsPerMeterX()), std::tuple(592, 592, 11811));
    const int lines[] = {1, 60, 119, 178, 237, 295, 354, 413, 472, 531, 590};
    const auto dark = [&](int x, int y) { return png.pixelColor(x, y).lightness() < 128; };
    for (int across : {30, 300, 560}) {
        for (int i = 0; i < 11; ++i) {
            EXPECT_TRUE(dark(lines[i], across) && dark(across, lines[i])) << i;
            const int between = i < 10 ? (lines[i] + lines[i + 1]) / 2 : across;
            EXPECT_EQ(png.pixelColor(between, across + 7), QColor(Qt::white)) << i;
            EXPECT_EQ(png.pixelColor(across + 7, between), QColor(Qt::white)) << i;
        }
    }
}

} // namespace

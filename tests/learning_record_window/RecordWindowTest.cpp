// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "BoardSurface.h"
#include "ChildDocuments.h"
#include "Csv.h"
#include "RecordFiles.h"
#include "RecordWindowFixture.h"
#include "Twips.h"
#include "Zoom.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

// A teacher's class list with a quote inside a cell, and a name a spreadsheet would run.
const QByteArray TeachersList = "\xEF\xBB\xBFName;Zweitsprache;Notiz\r\nMia;tr;Tisch 3\" vorne\r\n'=Ben;ar;\r\n";

// The list shows every child with answers, share right and last day; the first child's map
// shows each cell's stage and to screen readers with its figures; pointing at a cell or
// framing it shows them; the filters change what is counted.
TEST_F(RecordWindowTest, ShowsEveryChildAndTheChosenChildsMap)
{
    EXPECT_EQ(window.windowTitle(), u"Lernstand"_s);
    ASSERT_EQ(rows(), 2);
    EXPECT_EQ((QStringList{cell(0, 0), cell(0, 1), cell(0, 2), cell(0, 3)}),
              (QStringList{u"=Ben"_s, u"3"_s, u"100 %"_s, u"01.03.2026"_s}));
    EXPECT_EQ((QStringList{cell(1, 0), cell(1, 1), cell(1, 2)}), (QStringList{u"Mia"_s, u"10"_s, u"80 %"_s}));
    EXPECT_EQ(window.map->colorAt(QPointF(4 * 420 + 315, 315)), QColor(Qt::black)); // 5 gesehen: a dot

    window.childList->setCurrentItem(window.childList->topLevelItem(1));
    EXPECT_EQ(window.chosenChild(), 1);
    EXPECT_EQ(window.shownMap().progress.numbers[47].stage, Stage::Box1);
    EXPECT_TRUE(window.shownMap().numbers[47].slow);
    QAccessibleInterface *board = QAccessible::queryAccessibleInterface(window.map);
    ASSERT_TRUE(board && board->tableInterface());
    QAccessibleInterface *cell47 = board->tableInterface()->cellAt(4, 6);
    EXPECT_EQ(cell47->text(QAccessible::Name), u"47"_s);
    EXPECT_EQ(cell47->text(QAccessible::Description),
              u"47: im Übungskasten 1 seit 02.03.2026, heute fällig, langsam – 4 Antworten, 2 falsch, Median 7,5 s. "
              "gesucht 47: 2× 74"_s);
    emit window.map->mouseMoved(QPointF(6 * 420 + 100, 4 * 420 + 100));
    EXPECT_EQ(window.cellFigures->text(), cell47->text(QAccessible::Description));
    QFocusEvent focused(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(window.map, &focused); // the framed cell, 1
    EXPECT_EQ(window.cellFigures->text(), u"1: neu"_s);
    window.map->setCursorCell(12); // as the arrow keys move the frame
    EXPECT_TRUE(window.cellFigures->text().startsWith(u"12: gesehen seit 02.03.2026 – 2 Antworten, 0 falsch"_s));
    EXPECT_TRUE(window.diagnosis->toPlainText().startsWith(u"Zahlendreher: 2 von 2 Fehlern, z. B. 74 statt 47\n"_s));

    window.periodFilter->setCurrentIndex(int(AnswerFilter::Period::All));
    EXPECT_EQ(cell(1, 1), u"11"_s);
    window.modeFilter->setCurrentIndex(2); // Zahlen
    EXPECT_EQ(cell(1, 1), u"0"_s);
    EXPECT_EQ(window.shownMap().answers, 0);
    EXPECT_TRUE(window.whereKept->text().startsWith(u"Der Lernstand liegt im Ordner /schule/Lernstand."_s));
}

// On a 1920 × 1080 screen the map shows its right and bottom lines: along its first row and
// column the last dark pixels lie on the cells' outer edge.
TEST_F(RecordWindowTest, TheMapShowsItsOuterLinesOnAFullHdScreen)
{
    Zoom::instance().fitTo(QSizeF(1920 * 15, 1080 * 15), QSizeF(6390, 7680)); // the main window's size
    const QImage shown = window.map->grab().toImage();
    const int edge = int(10 * RecordWindow::MapCellTwips * ScaleFactor() / 15), row = edge / 20;
    int right = 0, bottom = 0;
    for (int i = 0; i < std::min(shown.width(), shown.height()); ++i) {
        right = qGray(shown.pixel(i, row)) < 128 ? i : right;
        bottom = qGray(shown.pixel(row, i)) < 128 ? i : bottom;
    }
    Zoom::instance().setFactor(1);
    EXPECT_GE(std::min(right, bottom), edge - 1) << right << " " << bottom << " " << edge;
}

// Deleting asks, naming the child, with a tick for its class-list row; then the message
// lists what went, and this program's results list forgets the child. Renaming carries the results and the class-list row
// along, and this program's player with them.
TEST_F(RecordWindowTest, DeletesEverythingAfterTheQuestionAndRenamesEverywhere)
{
    QHash<QString, QByteArray> &files = fake.files.files;
    files.insert(u"ZEP100.INI"_s, "0042  Mia\r\n0007  =Ben\r\n0003  Mia \r\n");
    files.insert(u"Klasse.csv"_s, TeachersList);
    files.insert(u"Lernstand.csv"_s, "\xEF\xBB\xBFZeit;Name\r\n1;Mia\r\n2;'=Ben\r\n");
    for (const QString &made : {u"Lernstand-Mia.pdf"_s, u"Zahlenfeld-Mia-Loesung-2.pdf"_s, u".ZEP100.INI.tmp-AbC123"_s})
        files.insert(made, "Mia");
    QStringList told;
    QObject::connect(&window, &RecordWindow::childDeleted, [&](const QString &name) { told << name; });
    QObject::connect(&window, &RecordWindow::childRenamed, [&](const QString &from, const QString &to) { told << from + u'>' + to; });
    window.chooseChild(1);
    window.deleteChild(); // No
    EXPECT_EQ(std::tuple(fake.dialogs.last().title, fake.dialogs.last().tick), std::tuple(u"L ö s c h e n"_s, u"Auch die Zeile in Klasse.csv löschen"_s));
    EXPECT_TRUE(fake.dialogs.last().prompt.contains(u"„Mia“"_s));
    EXPECT_EQ(rows(), 2);
    fake.dialogs.answers.enqueue(Answer::Yes);
    window.deleteChild();
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(fake.dialogs.last().prompt, u"Alles über „Mia“ ist gelöscht:\r• 11 Antworten in 2 Dateien des Lernstands\r"
                                          "• 2 Ergebnisse in ZEP100.INI\r• 1 Zeile in Lernstand.csv\r• Lernstand-Mia.pdf\r"
                                          "• Zahlenfeld-Mia-Loesung-2.pdf\r• 1 Rest eines abgebrochenen Speicherns"_s);
    EXPECT_EQ(files.value(u"Klasse.csv"_s), TeachersList); // unticked
    EXPECT_EQ(told, QStringList{u"Mia"_s});

    fake.dialogs.inputs.enqueue(u" Ben "_s);
    window.renameChild();
    EXPECT_EQ(fake.dialogs.last().preset, u"=Ben"_s);
    EXPECT_EQ(cell(0, 0), u"Ben"_s);
    EXPECT_EQ(files.value(u"ZEP100.INI"_s), "0007  Ben\r\n");
    EXPECT_EQ(files.value(u"Klasse.csv"_s), QByteArray(TeachersList).replace("'=Ben", "Ben"));
    EXPECT_EQ(told.last(), u"=Ben>Ben"_s);
}

// The export is UTF-8 CSV with a byte order mark and semicolons, one line per answer, and a
// name that a spreadsheet would run as a formula comes back as text; the teacher exports
// all children, only the chosen one, or nothing.
TEST_F(RecordWindowTest, ExportsOneLinePerAnswerThatSpreadsheetsReadAsText)
{
    fake.dialogs.inputs.enqueue(u"/schule/Lernstand.csv"_s);
    fake.dialogs.answers.enqueue(Answer::Yes); // all children
    window.exportRecord();
    EXPECT_EQ(fake.dialogs.shown[0].preset, u"/schule/Lernstand.csv"_s);
    const QByteArray bytes = fake.files.files.value(u"/schule/Lernstand.csv"_s);
    ASSERT_TRUE(bytes.startsWith("\xEF\xBB\xBFZeit;Name;Modus;Sprache;Bild;Gefragt;Antwort;Richtig;Millisekunden;Fehlerart;Stand\r\n"));
    EXPECT_TRUE(bytes.contains(";'=Ben;"));
    const QList<QStringList> rows = ParseCsv(bytes);
    ASSERT_EQ(rows.size(), 1 + 3 + 11);
    EXPECT_EQ(rows[1].mid(1), (QStringList{u"=Ben"_s, u"Felder"_s, u"de"_s, u"Haus"_s, u"5"_s, u"5"_s,
                                           u"ja"_s, u"1200"_s, QString(), u"gesehen"_s}));
    EXPECT_EQ(rows[4].mid(1), (QStringList{u"Mia"_s, u"Felder"_s, u"de"_s, u"Haus"_s, u"47"_s, u"74"_s,
                                           u"nein"_s, u"9000"_s, u"Zahlendreher"_s, u"im Übungskasten 1"_s}));
    EXPECT_EQ(rows[4][0], u"2025-01-26T09:00:00+01:00"_s);

    window.chooseChild(1);
    fake.dialogs.inputs.append({u"nur-mia.csv"_s, u"abgebrochen.csv"_s});
    fake.dialogs.answers.enqueue(Answer::No); // only the chosen child
    window.exportRecord();
    EXPECT_EQ(ParseCsv(fake.files.files.value(u"nur-mia.csv"_s)).size(), 1 + 11);
    window.exportRecord(); // Abbrechen, which Enter alone gives: nothing is written
    EXPECT_EQ(fake.dialogs.last().style, MessageStyle::QuestionOrCancel);
    EXPECT_FALSE(fake.files.files.contains(u"abgebrochen.csv"_s));
}

// A shorter retention asks first and then removes what is older at once; a setting the
// program did not write removes nothing, the window says so, and any choice replaces it.
TEST_F(RecordWindowTest, AShorterRetentionRemovesOldAnswersAfterAsking)
{
    EXPECT_EQ(window.retentionDays->value(), 365);
    window.retentionDays->setValue(30);
    emit window.retentionDays->editingFinished(); // No
    EXPECT_EQ(window.retentionDays->value(), 365);
    fake.files.files.insert(RecordFiles::RetentionFile, "730 Tage\r\n");
    window.open();
    EXPECT_TRUE(window.whereKept->text().contains(u"ist ungültig; bis sie hier neu eingestellt wird"_s));
    fake.dialogs.answers.enqueue(Answer::Yes);
    window.retentionDays->setValue(365);
    emit window.retentionDays->editingFinished();
    EXPECT_EQ(fake.files.files.value(RecordFiles::RetentionFile), "365\r\n");
    window.periodFilter->setCurrentIndex(int(AnswerFilter::Period::All));
    EXPECT_EQ(cell(1, 1), u"10"_s);
    EXPECT_FALSE(window.whereKept->text().contains(u"ungültig"_s));
}

// Without a printer the parents' page is a PDF in the working folder named after the child
// (safely, whatever the name holds) and as private as the folder; the teacher is told where
// it is. (What the page says: PrintedReport.ReachesTheDefaultQueue.)
TEST_F(RecordWindowTest, TheParentsPageBecomesAPdfNamedAfterTheChild)
{
    window.chooseChild(1);
    fake.dialogs.answers.append({Answer::Yes, Answer::Yes});
    window.print();
    window.print();
    const QDir pdfs(fake.pdfFolder.path());
    EXPECT_EQ(pdfs.entryList(QDir::Files), (QStringList{u"Lernstand-Mia-2.pdf"_s, u"Lernstand-Mia.pdf"_s}));
    EXPECT_TRUE(fake.dialogs.last().prompt.endsWith(pdfs.filePath(u"Lernstand-Mia-2.pdf"_s)));
    // As private as its folder, whatever the umask lets through.
    EXPECT_FALSE(QFile::permissions(pdfs.filePath(u"Lernstand-Mia.pdf"_s)) & (QFile::ReadGroup | QFile::ReadOther));
    EXPECT_EQ(ChildDocuments::ReportName(u"../Mia/x"_s), u"Lernstand-___Mia_x"_s);
}

// "Arbeitsblatt" prints the number field of what Mia would practise now, 47 with its twin 74,
// and its solution; without a printer they are PDFs named after her. The class map names no
// child; with it shown, every child with due numbers gets a sheet. (What the sheets say:
// PrintedReport.ReachesTheDefaultQueue.)
TEST_F(RecordWindowTest, WorksheetsFromTheMissesOfAChildOrOfTheClass)
{
    window.chooseChild(0);
    window.printSheets();
    EXPECT_EQ(fake.dialogs.last().prompt,
              u"„=Ben“ hat heute nichts zu üben und im gewählten Zeitraum keine Zahl falsch beantwortet."_s);
    window.chooseChild(1);
    fake.dialogs.answers.enqueue(Answer::Yes);
    window.printSheets();
    EXPECT_TRUE(fake.dialogs.shown[1].prompt.endsWith(u"Zahlen: 47, 74"_s));
    const QDir pdfs(fake.pdfFolder.path());
    EXPECT_EQ(pdfs.entryList(QDir::Files), (QStringList{u"Zahlenfeld-Mia-Loesung.pdf"_s, u"Zahlenfeld-Mia.pdf"_s}));

    window.showClass();
    EXPECT_EQ(window.cellDescription(47), u"47: bei 1 Kind im Übungskasten, 2-mal falsch"_s);
    EXPECT_EQ(window.diagnosis->toPlainText(), u"Am häufigsten falsch im gewählten Zeitraum: 47 (2-mal)"_s);
    EXPECT_FALSE((window.totals->text() + window.diagnosis->toPlainText()).contains(u"Mia"_s));
    fake.dialogs.answers.enqueue(Answer::Yes);
    window.printSheets();
    EXPECT_TRUE(fake.dialogs.shown[3].prompt.endsWith(u"(1 Kind)"_s));
    EXPECT_EQ(pdfs.entryList(QDir::Files).size(), 4);
    EXPECT_TRUE(fake.dialogs.last().prompt.endsWith(pdfs.filePath(u"Zahlenfeld-Mia-Loesung-2.pdf"_s)));
}

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtDialogs.h"
#include "QtFiles.h"
#include "PatternFile.h"
#include "QtPrinter.h"
#include "ResultsFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QScreen>
#include <QSizeF>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

TEST(QtFiles, WritesReplaceTheWholeFileOrNothing)
{
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("ZEP100.INI"));
    QtFiles files;
    EXPECT_EQ(files.write(name, "0001  Ute\r\n"), QString());
    EXPECT_EQ(files.write(name, "0002  Max\r\n"), QString());
    FileContents back = files.read(name, 1024);
    EXPECT_TRUE(back.opened);
    EXPECT_TRUE(back.complete);
    EXPECT_EQ(back.bytes, QByteArray("0002  Max\r\n"));

    // A file that cannot be created reports why and leaves no trace.
    const QString impossible = folder.filePath(QStringLiteral("fehlt/ZEP100.TXT"));
    EXPECT_FALSE(files.write(impossible, "x").isEmpty());
    EXPECT_FALSE(QFile::exists(impossible));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"ZEP100.INI"});
}

TEST(QtFiles, ReadingStopsAtTheLimitAndSaysSo)
{
    QTemporaryDir folder;
    const QString name = folder.filePath(QStringLiteral("gross.txt"));
    QtFiles files;
    files.write(name, QByteArray(5000, 'a'));
    const FileContents part = files.read(name, 100);
    EXPECT_TRUE(part.opened);
    EXPECT_FALSE(part.complete);
    EXPECT_EQ(part.bytes.size(), 100);
    EXPECT_FALSE(files.read(folder.filePath(QStringLiteral("fehlt.txt")), 100).opened);
}

TEST(QtPrinter, PdfNamesNeverOverwriteAnExistingFile)
{
    QTemporaryDir folder;
    const QString first = QtPrinter::FreePdfName(folder.path(), QStringLiteral("Zahlenliste"));
    EXPECT_TRUE(first.endsWith(u"/Zahlenliste.pdf"));
    QFile(first).open(QIODevice::WriteOnly);
    const QString second = QtPrinter::FreePdfName(folder.path(), QStringLiteral("Zahlenliste"));
    EXPECT_TRUE(second.endsWith(u"/Zahlenliste-2.pdf"));
}

// A sheet written as PDF takes the paper of the locale: A4 in Germany, Letter in the USA.
TEST(QtPrinter, PdfPaperFollowsTheLocale)
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QSizeF letter = QtPrinter::PdfLayout().pageSize().size(QPageSize::Millimeter);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QSizeF a4 = QtPrinter::PdfLayout().pageSize().size(QPageSize::Millimeter);
    QLocale::setDefault(before);
    EXPECT_NEAR(letter.width(), 215.9, 0.1);
    EXPECT_NEAR(letter.height(), 279.4, 0.1);
    EXPECT_NEAR(a4.width(), 210, 0.1);
    EXPECT_NEAR(a4.height(), 297, 0.1);
}

TEST(QtFiles, BothFilesRoundTripOnDiskInTheirCodePage)
{
    QTemporaryDir folder;
    QtFiles files;
    PatternLibrary library;
    library.append(QStringLiteral("Schlüssel"), QString(100, u'1'));
    library.append(QStringLiteral("Rübe, groß"), QString(100, u'0'));
    const QString patterns = folder.filePath(QStringLiteral("ZEP100.TXT"));
    const QString results = folder.filePath(QStringLiteral("ZEP100.INI"));
    ASSERT_EQ(files.write(patterns, WritePatternFile(library)), QString());
    ASSERT_EQ(files.write(results, WriteResultsFile({"0003  Jürgen", "0009  Meier, Paul"})), QString());

    const FileContents onDisk = files.read(patterns, 1 << 20);
    EXPECT_TRUE(onDisk.bytes.startsWith("Schl\xFCssel\r\n"));
    EXPECT_EQ(onDisk.bytes.count("\r\n"), 4);
    const PatternFileContents back = ParsePatternFile(onDisk.bytes, onDisk.complete);
    EXPECT_EQ(back.library.names, library.names);
    EXPECT_EQ(back.library.cells, library.cells);
    EXPECT_EQ(ParseResultsFile(files.read(results, 1 << 20).bytes),
              (QStringList{"0003  Jürgen", "0009  Meier, Paul"}));
}

// A question about an area of the screen stands beside it, right of it where there is
// room, else left, below or above, and always whole on the screen.
TEST(QtDialogs, QuestionsStandBesideTheAreaTheyTalkAbout)
{
    const QRect screen(0, 0, 1280, 1024), board(400, 300, 200, 200);
    const QSize box(330, 140);
    EXPECT_EQ(QtDialogs::placeBeside(box, board, screen), QPoint(608, 300));
    EXPECT_EQ(QtDialogs::placeBeside(box, board.translated(600, 0), screen), QPoint(662, 300));
    EXPECT_EQ(QtDialogs::placeBeside(box, board.translated(600, 524), screen), QPoint(662, 824));
    EXPECT_EQ(QtDialogs::placeBeside(QSize(1200, 140), QRect(40, 40, 200, 200), screen), QPoint(40, 248));
    EXPECT_EQ(QtDialogs::placeBeside(QSize(1200, 900), QRect(40, 40, 200, 200), screen), QPoint(80, 40));

    // A real box, answered by closing it.
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect area(available.topLeft() + QPoint(60, 60), QSize(200, 200));
    QRect shownAt;
    QTimer::singleShot(0, [&] {
        QWidget *open = QApplication::activeModalWidget();
        shownAt = open->frameGeometry();
        open->close();
    });
    EXPECT_EQ(QtDialogs().questionBeside(QStringLiteral("Jetzt drucken?"), QStringLiteral("Drucken: Haus"), area),
              Answer::No);
    EXPECT_TRUE(available.contains(shownAt)) << shownAt.x() << "," << shownAt.y();
    EXPECT_FALSE(shownAt.intersects(area));
}

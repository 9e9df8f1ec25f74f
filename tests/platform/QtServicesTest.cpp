// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtFiles.h"
#include "PatternFile.h"
#include "QtPrinter.h"
#include "ResultsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
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

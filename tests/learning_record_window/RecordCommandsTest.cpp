// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChildDocuments.h"
#include "Csv.h"
#include "JournalWriter.h"
#include "QtPrinter.h"
#include "RecordCommands.h"
#include "RecordExport.h"
#include "RecordFolder.h"
#include "RecordKeeping.h"
#include "ResultsFile.h"
#include "TwipCanvas.h"

#include <QDirIterator>

namespace {

using namespace Qt::StringLiterals;

const QString Child = u"Zoë"_s;

// The name as the program's files may hold it: UTF-8, UTF-16 either way round, Windows-1252.
QList<QByteArray> Encodings(const QString &name)
{
    QByteArray little(reinterpret_cast<const char *>(name.utf16()), name.size() * 2), big;
    for (qsizetype i = 0; i < little.size(); i += 2)
        big += little.mid(i + 1, 1) + little.mid(i, 1);
    return {name.toUtf8(), little, big, QByteArray("Zo\xEB")};
}

using RecordCommandsTest = RecordFolderTest;

// After "Löschen" no file under the working folder, hidden or not, holds the child's name in
// any encoding, in its contents or its name: the journals of every run and release (a torn
// line included), a renaming into the name, the results lists, the class-list row, the
// export, the parents' pages and what killed saves left. The other children, "zoë" too,
// keep every answer.
TEST_F(RecordCommandsTest, DeletionLeavesNoByteOfTheChildInTheWorkingFolder)
{
    JournalWriter writer(files, RunA);
    quint64 seq = 0;
    for (const QString &name : {Child, u"Zoey"_s, u"Ben"_s, u"Zoë "_s, u"zoë"_s})
        ASSERT_EQ(writer.append(Answer(name, 5, 5, ++seq)), QString());
    ASSERT_EQ(RecordKeeping(files, clock).rename(u"Zoey"_s, Child), QString());
    const QByteArray earlier = "Z1\t2026-03-01T10:00:00Z\tpc2-20260301T090000-22\t1\tZo\xC3\xAB\tF\tde\tHaus\t5\t5\tr\t100\n";
    put(u"Lernstand/Zo\u00eb.1f3a9b2c.pc2-20260301T090000-22.journal"_s, earlier + "Z2\tkaputt Zo\xC3\xAB");
    put(u"Lernstand/.Zo\u00eb.1f3a9b2c.pc2-20260301T090000-22.journal.tmp-AbC123"_s, earlier);
    put(u"ZEP100.INI"_s, WriteResultsFile({u"0042  Zoë"_s, u"0007  Ben"_s}));
    put(u"ZEP100.INI.neu"_s, WriteResultsFile({u"0001  Zoë "_s}));
    put(u".ZEP100.INI.tmp-XyZ789"_s, WriteResultsFile({u"0042  Zoë"_s}));
    put(u"Klasse.csv"_s, CsvDocument({{u"Name"_s, u"Zweitsprache"_s}, {Child, u"tr"_s}, {u"Ben"_s, u"ar"_s}}));
    put(u"Lernstand.csv"_s, ExportCsv(ReadRecord(files)));
    QtPrinter printer(QtPrinter::Destination::PdfOnly, folder.path());
    for (int page = 0; page < 2; ++page) {
        const std::unique_ptr<PrintJob> job = printer.startJob(ChildDocuments::ReportName(Child));
        job->canvas().print(u"Lernstand von "_s + Child);
        ASSERT_TRUE(job->finish().ok);
    }

    const RecordCommands::Outcome outcome = RecordCommands(files, clock).deleteChild(Child, true, {u"Ben"_s});
    EXPECT_EQ(outcome.failures, QStringList());
    EXPECT_EQ(outcome.done.size(), 7) << qPrintable(outcome.done.join(u'\n'));
    QDirIterator all(folder.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    int read = 0;
    while (all.hasNext()) {
        const QString path = all.next();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = path.toUtf8() + '\n' + file.readAll();
        for (const QByteArray &encoded : Encodings(Child))
            EXPECT_FALSE(bytes.contains(encoded)) << qPrintable(path);
        ++read;
    }
    EXPECT_GE(read, 5);
    EXPECT_EQ(ReadRecord(files).names(), (QStringList{u"Ben"_s, u"zoë"_s}));
    EXPECT_EQ(answersOf(u"zoë"_s), 1);
}

// A document whose name could be a second copy of the child's, but is the first of another
// child's ("Mia-2"), stays; the child's own second copy goes.
TEST_F(RecordCommandsTest, AnotherChildsDocumentsStayWhereTheirNamesCouldBeTheChilds)
{
    const QStringList othersOwn{u"Lernstand-Mia-2.pdf"_s, u"Zahlenfeld-Mia-2.pdf"_s, u"Zahlenfeld-Mia-2-Loesung.pdf"_s};
    for (const QString &name : othersOwn + QStringList{u"Zahlenfeld-Mia-3.pdf"_s})
        put(name, "%PDF");
    const RecordCommands::Outcome outcome = RecordCommands(files, clock).deleteChild(u"Mia"_s, false, {u"Mia-2"_s});
    EXPECT_EQ(std::pair(outcome.done, outcome.failures), std::pair(QStringList{u"Zahlenfeld-Mia-3.pdf"_s}, QStringList()));
    for (const QString &name : othersOwn)
        EXPECT_TRUE(QFile::exists(path(name))) << qPrintable(name);
}

} // namespace

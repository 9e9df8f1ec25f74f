// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtPrinter.h"

#include "ProgramModule.h"
#include "TwipCanvas.h"

#include <QFileInfo>
#include <QLocale>
#include <QSizeF>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

// Installed without its print module, the program keeps the sheet as a PDF and says why
// it did not reach the printer.
TEST(QtPrinter, WithoutItsPrintModuleTheSheetIsKeptAsAPdf)
{
    QTemporaryDir empty, folder;
    ProgramModule::LookIn(empty.path());
    QtPrinter printer(QtPrinter::Destination::DefaultPrinterOrPdf, folder.path());
    const std::unique_ptr<PrintJob> job = printer.startJob(QStringLiteral("Zahlenfeld"));
    ProgramModule::LookIn(QStringLiteral(ZEP_MODULE_FOLDER));
    job->canvas().print(QStringLiteral("1"));
    const PrintOutcome outcome = job->finish();
    EXPECT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(outcome.pdfFile, folder.filePath(QStringLiteral("Zahlenfeld.pdf")));
    EXPECT_GT(QFileInfo(outcome.pdfFile).size(), 0);
    EXPECT_EQ(outcome.printer, "Standarddrucker");
    EXPECT_EQ(outcome.refusal, "Dem Programm fehlt sein Teil für den Druck (zep100-print.so). "
                               "Bitte das Programm neu installieren.");
}

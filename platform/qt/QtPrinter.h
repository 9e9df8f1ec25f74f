// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Printer.h"

#include <QPageLayout>

// Prints on the print system's default queue without a dialog: each sheet is drawn into a
// PDF on that queue's paper and handed to the queue. Without a queue (or when told so),
// or when the queue does not take the sheet, the sheet becomes a PDF file in a folder,
// named after the sheet, on the paper of the locale, with the rights the folder gives; an
// existing file is never overwritten, the new one gets a number instead.
class QtPrinter : public Printer
{
public:
    enum class Destination { DefaultPrinterOrPdf, PdfOnly };

    explicit QtPrinter(Destination destination = Destination::DefaultPrinterOrPdf,
                       QString pdfFolder = QStringLiteral("."));

    std::unique_ptr<PrintJob> startJob(const QString &sheetName) override;

    // Makes the empty file "name.pdf", or "name-2.pdf", "name-3.pdf", … when that exists,
    // and returns its path; empty when none can be made.
    static QString ClaimPdfFile(const QString &folder, const QString &sheetName);
    // The page of a sheet written as PDF: the locale's paper (A4, Letter in the USA).
    static QPageLayout PdfLayout();

private:
    Destination m_destination;
    QString m_pdfFolder;
};

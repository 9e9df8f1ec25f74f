// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Printer.h"

// Prints on the system's default printer without a dialog. Without a printer (or when
// told so) each sheet becomes a PDF file in a folder, named after the sheet; an existing
// file is never overwritten, the new one gets a number instead.
class QtPrinter : public Printer
{
public:
    enum class Destination { DefaultPrinterOrPdf, PdfOnly };

    explicit QtPrinter(Destination destination = Destination::DefaultPrinterOrPdf,
                       QString pdfFolder = QStringLiteral("."));

    std::unique_ptr<PrintJob> startJob(const QString &sheetName) override;

    // "name.pdf", or "name-2.pdf", "name-3.pdf", … when that exists.
    static QString FreePdfName(const QString &folder, const QString &sheetName);

private:
    Destination m_destination;
    QString m_pdfFolder;
};

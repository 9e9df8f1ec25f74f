// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

class TwipCanvas;

struct PrintOutcome
{
    bool ok = false;  // the print system took the sheet, or it stands in pdfFile
    QString pdfFile;  // set when the sheet went into a PDF file instead of a printer
    QString printer;  // set when a printer did not take the sheet …
    QString refusal;  // … with the reason in plain German
    QString error;    // set when ok is false: the sheet is lost, and why
};

// One document; its canvas speaks twips from the top-left of the printable area.
class PrintJob
{
public:
    virtual ~PrintJob() = default;
    virtual TwipCanvas &canvas() = 0;
    virtual double pageHeightTwips() const = 0;
    virtual void newPage() = 0;
    // Ends the document; the page goes to the printer or into the file.
    virtual PrintOutcome finish() = 0;
};

class Printer
{
public:
    virtual ~Printer() = default;
    // sheetName names the document and, without a printer, the PDF file.
    virtual std::unique_ptr<PrintJob> startJob(const QString &sheetName) = 0;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMarginsF>
#include <QPageSize>
#include <QString>

#include <memory>

// The print system's default queue, ready to take a finished PDF. Every reason is a
// sentence in plain German for the teacher. The queue comes from the module zep100-print
// with the print system's client library, loaded at the first print.
class PrintQueue
{
public:
    using FindDefault = PrintQueue *(*)();
    static constexpr char ModuleName[] = "zep100-print";
    static constexpr char DefaultEntry[] = "zepDefaultPrintQueue";

    // Null when the print system knows no default queue or cannot be reached; a queue that
    // refuses every sheet when the module is missing.
    static std::unique_ptr<PrintQueue> Default();

    virtual ~PrintQueue() = default;

    virtual QString displayName() const = 0;
    // The queue's default paper; invalid when the scheduler names none this program knows.
    virtual QPageSize paper() const = 0;
    // The edges of that paper the printer cannot reach, in millimetres.
    virtual QMarginsF margins() const = 0;
    // Why the queue would not print a job now; empty when it is ready.
    virtual QString refusal() const = 0;
    // Hands the PDF to the queue. Empty when the scheduler took the job, else the reason.
    virtual QString submit(const QString &pdfFile, const QString &title) const = 0;
};

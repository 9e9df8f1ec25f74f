// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "SheetPage.h"

#include <QString>
#include <functional>

class Dialogs;
class WorksheetHost;
struct PrintOutcome;

// Tells the teacher what became of a printed sheet: nothing when the printer took it, else
// the PDF file it stands in, or why it is lost. False when it is lost.
bool TellPrintOutcome(Dialogs &dialogs, const PrintOutcome &outcome);

// The steps every worksheet shares: the guard, the question before printing, the print
// job with the hourglass, and what the teacher is told about where the page went.
class WorksheetRun
{
public:
    explicit WorksheetRun(WorksheetHost &host) : m_host(host) {}

    // Refuses with "Keine Daten vorhanden!" when the names list is empty, or when
    // needsMarkedCell and the pattern has no marked cell.
    bool refused(const QString &cells = QString(), bool needsMarkedCell = false);
    // Yes/No with No preselected; true for Yes.
    bool ask(const QString &title, const QString &text);
    // Prints one sheet; false when the printer failed (the teacher has been told).
    bool print(const QString &sheetName, double points,
               const std::function<void(SheetPage &)> &fill);

private:
    WorksheetHost &m_host;
};

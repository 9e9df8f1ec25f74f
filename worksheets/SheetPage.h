// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Printer.h"
#include "TwipCanvas.h"

#include <memory>

// One printed sheet: the print cursor starts at (0, 0) of the printable area, text is
// "ARIAL" at the sheet's size, lines are 3 printer dots wide and black. Text that would
// run below the bottom edge continues at the top of a new page.
class SheetPage
{
public:
    static constexpr int LineWidthDots = 3;

    SheetPage(std::unique_ptr<PrintJob> job, double points);

    TwipCanvas &canvas() { return m_job->canvas(); }
    void printAt(int column, const QString &text, TwipCanvas::After after);
    void print(const QString &text, TwipCanvas::After after);
    void endLine();
    void outlineBox(const QRectF &twips);
    void filledBox(const QRectF &twips);
    PrintOutcome finish() { return m_job->finish(); }

private:
    void keepOnPage();

    std::unique_ptr<PrintJob> m_job;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Printer.h"
#include "TwipCanvas.h"

#include <functional>
#include <memory>

// One printed sheet: the print cursor starts at (0, 0) of the printable area, text is
// "ARIAL" at the sheet's size, lines are black and 3 printer dots wide. Text that would
// run below the bottom edge continues at the top of a new page, under the sheet's
// headings when it has some.
class SheetPage
{
public:
    // The dots of the 300-dpi printers the sheets were made for: 0.25 mm on any device.
    static constexpr double LineWidthTwips = 3 * 1440.0 / 300;

    SheetPage(std::unique_ptr<PrintJob> job, double points);

    TwipCanvas &canvas() { return m_job->canvas(); }
    void printAt(int column, const QString &text, TwipCanvas::After after);
    void print(const QString &text, TwipCanvas::After after);
    void endLine();
    void outlineBox(const QRectF &twips);
    void filledBox(const QRectF &twips);
    PrintOutcome finish() { return m_job->finish(); }
    // Written again at the top of every further page.
    void setHeadings(std::function<void()> writeHeadings) { m_headings = std::move(writeHeadings); }

private:
    void keepOnPage();

    std::unique_ptr<PrintJob> m_job;
    std::function<void()> m_headings;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SheetPage.h"

#include <QFont>

SheetPage::SheetPage(std::unique_ptr<PrintJob> job, double points) : m_job(std::move(job))
{
    TwipCanvas &page = canvas();
    page.setPrintCursor(QPointF(0, 0));
    QFont font(QStringLiteral("ARIAL"));
    font.setPointSizeF(points);
    page.setFont(font);
    page.setLineWidthTwips(LineWidthTwips);
    page.setForeground(Qt::black);
}

void SheetPage::keepOnPage()
{
    TwipCanvas &page = canvas();
    // A page shorter than one line still takes that line rather than page after page.
    const double top = page.printCursor().y();
    if (top == 0 || top + page.lineHeight() <= m_job->pageHeightTwips())
        return;
    m_job->newPage();
    if (m_headings)
        m_headings();
}

void SheetPage::printAt(int column, const QString &text, TwipCanvas::After after)
{
    TwipCanvas &page = canvas();
    if (page.printCursor().x() > (column - 1) * page.averageCharWidth())
        endLine();
    keepOnPage();
    page.printAt(column, text, after);
}

void SheetPage::print(const QString &text, TwipCanvas::After after)
{
    keepOnPage();
    canvas().print(text, after);
}

void SheetPage::endLine() { canvas().endLine(); }

void SheetPage::outlineBox(const QRectF &twips)
{
    canvas().setFillStyle(TwipCanvas::FillStyle::Transparent);
    canvas().box(twips);
}

void SheetPage::filledBox(const QRectF &twips)
{
    canvas().setFillStyle(TwipCanvas::FillStyle::Solid);
    canvas().setFillColor(Qt::black);
    canvas().box(twips);
}

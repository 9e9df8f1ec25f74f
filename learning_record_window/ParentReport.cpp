// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ParentReport.h"

#include "Cells.h"
#include "MapDrawing.h"
#include "MapTexts.h"
#include "Printer.h"
#include "ChildDocuments.h"
#include "TwipCanvas.h"
#include "WindowLook.h"

#include <algorithm>

namespace {

// Narrow enough for A4 and Letter with the margins of any printer.
constexpr double PageWidth = 10000;
constexpr double ReportCellTwips = 520;
constexpr double MapTop = 1000;
constexpr double SideLeft = 10 * ReportCellTwips + 500;
constexpr double LegendCell = 300;
constexpr double LegendGap = 100;
constexpr double Indent = 300;
constexpr double SectionGap = 200;
const QString Bullet = QStringLiteral("• ");

using WindowLook::SansFont;

// Prints text from x = left, broken at blanks so that no line is wider than width.
void PrintWrapped(TwipCanvas &canvas, const QString &text, double left, double width)
{
    QString line;
    const auto flush = [&] {
        canvas.setPrintCursor(QPointF(left, canvas.printCursor().y()));
        canvas.print(line);
        line.clear();
    };
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString longer = line.isEmpty() ? word : line + u' ' + word;
        if (!line.isEmpty() && canvas.textWidth(longer) > width)
            flush();
        line = line.isEmpty() ? word : line + u' ' + word;
    }
    if (!line.isEmpty())
        flush();
}

void Heading(TwipCanvas &canvas, const QString &text)
{
    canvas.setPrintCursor(QPointF(0, canvas.printCursor().y() + SectionGap));
    canvas.setFont(SansFont(12, true));
    canvas.print(text);
    canvas.setFont(SansFont(10.5, false));
}

void Bulleted(TwipCanvas &canvas, const QString &text)
{
    const double y = canvas.printCursor().y();
    canvas.setPrintCursor(QPointF(0, y));
    canvas.print(Bullet, TwipCanvas::After::Stay);
    canvas.setPrintCursor(QPointF(Indent, y));
    PrintWrapped(canvas, text, Indent, PageWidth - Indent);
}

QString NumbersInBoxes(const Progress &progress)
{
    QStringList numbers;
    for (int n = 1; n <= CellCount; ++n)
        if (progress.numbers[size_t(n)].box() > 0)
            numbers.append(QString::number(n));
    return numbers.join(QStringLiteral(", "));
}

void PrintFigures(TwipCanvas &canvas, const LearningMap &map, double top)
{
    canvas.setPrintCursor(QPointF(SideLeft, top));
    for (const QString &line : MapTexts::Figures(map)) {
        canvas.setPrintCursor(QPointF(SideLeft, canvas.printCursor().y()));
        canvas.print(line);
    }
}

} // namespace

PrintOutcome PrintParentReport(Printer &printer, const ReportFacts &facts)
{
    const std::unique_ptr<PrintJob> job = printer.startJob(ChildDocuments::ReportName(facts.name));
    TwipCanvas &canvas = job->canvas();
    canvas.setForeground(Qt::black);
    canvas.setPrintCursor(QPointF(0, 0));
    canvas.setFont(SansFont(18, true));
    canvas.print(QStringLiteral("Lernstand von ") + facts.name);
    canvas.setFont(SansFont(10, false));
    canvas.print(QStringLiteral("Zeitraum: %1 · Modus: %2 · gedruckt am %3")
                     .arg(facts.period, facts.modes, MapTexts::Day(facts.printedOn)));

    canvas.setFont(SansFont(8, false));
    MapDrawing::DrawMap(canvas, facts.map, QPointF(0, MapTop), ReportCellTwips);
    canvas.setFont(SansFont(10, false));
    const double legendBottom = MapDrawing::DrawLegend(canvas, QPointF(SideLeft, MapTop), LegendCell, LegendGap);
    PrintFigures(canvas, facts.map, legendBottom + SectionGap);

    canvas.setFont(SansFont(10.5, false));
    canvas.setPrintCursor(QPointF(0, MapTop + 10 * ReportCellTwips + SectionGap));
    if (const QString numbers = NumbersInBoxes(facts.map.progress); !numbers.isEmpty())
        PrintWrapped(canvas, QStringLiteral("Im Übungskasten: ") + numbers, 0, PageWidth);
    canvas.setFont(SansFont(9, false));
    PrintWrapped(canvas, QStringLiteral("So rechnet das Programm: ") + MapTexts::StageRule(), 0, PageWidth);
    canvas.setFont(SansFont(10.5, false));

    Heading(canvas, QStringLiteral("Das fällt auf"));
    for (const QString &line : MapTexts::Diagnosis(facts.map))
        Bulleted(canvas, line);
    Bulleted(canvas, MapTexts::Trend(facts.trend));

    // A tip for each error that came more than once: one slip is no pattern to practise.
    const auto repeated = [](const ErrorPattern &pattern) { return pattern.count > 1; };
    if (std::ranges::any_of(facts.map.patterns, repeated)) {
        Heading(canvas, QStringLiteral("So können Sie üben"));
        for (const ErrorPattern &pattern : facts.map.patterns)
            if (repeated(pattern))
                Bulleted(canvas, ErrorTypeName(pattern.type) + QStringLiteral(": ") + PracticeTip(pattern.type));
    }
    return job->finish();
}

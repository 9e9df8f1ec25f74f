// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PracticeSheets.h"

#include "Cells.h"
#include "ChildDocuments.h"
#include "Clock.h"
#include "Dialogs.h"
#include "MapTexts.h"
#include "Printer.h"
#include "ProgramControl.h"
#include "Random.h"
#include "SheetPage.h"
#include "WorksheetRun.h"
#include "Worksheets.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace {

const QString PrintTitle = QStringLiteral("D r u c k e n");

QString Listed(const QList<int> &numbers)
{
    QStringList texts;
    for (int n : numbers)
        texts.append(QString::number(n));
    return texts.join(QStringLiteral(", "));
}

} // namespace

QList<int> PracticeSheets::NumbersFor(const std::vector<StoredAnswer> &answers, const AnswerFilter &filter,
                                      const QDateTime &now)
{
    const LearningMap map = LearningMap::Of(answers, filter, now);
    QList<int> numbers = map.progress.toPractise();
    if (!numbers.isEmpty())
        return numbers;
    for (int n = 1; n <= CellCount; ++n)
        if (map.numbers[size_t(n)].wrong > 0)
            numbers.append(n);
    std::stable_sort(numbers.begin(), numbers.end(),
                     [&](int a, int b) { return map.numbers[size_t(a)].wrong > map.numbers[size_t(b)].wrong; });
    return numbers.first(std::min<qsizetype>(numbers.size(), Progress::MostToPractise));
}

void PracticeSheets::printFor(const ChildAnswers &child, const AnswerFilter &filter)
{
    const QList<int> numbers = NumbersFor(child.answers, filter, m_platform.clock.now());
    if (numbers.isEmpty()) {
        m_platform.dialogs.messageBox(QStringLiteral("„%1“ hat heute nichts zu üben und im gewählten Zeitraum "
                                                     "keine Zahl falsch beantwortet.").arg(child.name),
                                      MessageStyle::Information, PrintTitle);
        return;
    }
    if (m_platform.dialogs.messageBox(QStringLiteral("Das Zahlenfeld für „%1“ mit Lösungsblatt drucken?\r"
                                                     "Zahlen: %2").arg(child.name, Listed(numbers)),
                                      MessageStyle::Question, PrintTitle)
        == Answer::No)
        return;
    QList<PrintOutcome> outcomes;
    print(child.name, numbers, outcomes);
    tell(outcomes);
}

void PracticeSheets::printForClass(const Record &record)
{
    const QDateTime now = m_platform.clock.now();
    QList<std::pair<QString, QList<int>>> sheets;
    for (const ChildAnswers &child : record.children)
        if (const QList<int> numbers = Progress::Of(child.answers, now).toPractise(); !numbers.isEmpty())
            sheets.append({child.name, numbers});
    if (sheets.isEmpty()) {
        m_platform.dialogs.messageBox(QStringLiteral("Heute hat kein Kind Zahlen zu üben."),
                                      MessageStyle::Information, PrintTitle);
        return;
    }
    if (m_platform.dialogs.messageBox(QStringLiteral("Für jedes Kind mit Zahlen zum Üben ein Zahlenfeld mit "
                                                     "Lösungsblatt drucken?\r(%1)")
                                          .arg(MapTexts::Count(int(sheets.size()), "Kind", "Kinder")),
                                      MessageStyle::Question, PrintTitle)
        == Answer::No)
        return;
    QList<PrintOutcome> outcomes;
    for (const auto &[name, numbers] : sheets)
        print(name, numbers, outcomes);
    tell(outcomes);
}

void PracticeSheets::print(const QString &name, const QList<int> &numbers, QList<PrintOutcome> &outcomes)
{
    static const NumberWordTable words = BuildNumberWords(QStringLiteral("d"));
    QString cells = EmptyCells();
    for (int n : numbers)
        cells = SetCell(cells, n, u'1');
    const QList<int> order = DrawZahlenfeldOrder(m_platform.random, cells);
    const QString title = QStringLiteral("Zahlenfeld für ") + name;
    m_platform.program.setBusy(true);
    SheetPage sheet(m_platform.printer.startJob(ChildDocuments::SheetName(name)), ZahlenfeldPoints);
    FillZahlenfeld(sheet, order, words, title);
    outcomes.append(sheet.finish());
    SheetPage solution(m_platform.printer.startJob(ChildDocuments::SolutionName(name)), ZahlenfeldPoints);
    FillZahlenfeldSolution(solution, cells, order, words, QStringLiteral("Lösung: ") + title);
    outcomes.append(solution.finish());
    m_platform.program.setBusy(false);
}

// One box for all the sheets: what is lost, and where those are that became files.
void PracticeSheets::tell(const QList<PrintOutcome> &outcomes)
{
    QStringList lost, files, refusals;
    for (const PrintOutcome &outcome : outcomes) {
        if (!outcome.ok)
            lost.append(outcome.error);
        else if (!outcome.pdfFile.isEmpty())
            files.append(QDir::toNativeSeparators(QFileInfo(outcome.pdfFile).absoluteFilePath()));
        const QString refusal =
            QStringLiteral("Der Drucker „%1“ hat die Blätter nicht angenommen:\r%2").arg(outcome.printer, outcome.refusal);
        if (!outcome.printer.isEmpty() && !refusals.contains(refusal))
            refusals.append(refusal);
    }
    if (lost.isEmpty() && files.isEmpty())
        return;
    QStringList lines;
    if (!lost.isEmpty())
        lines << QStringLiteral("Nicht gedruckt:") << lost;
    if (!files.isEmpty()) {
        lines << (refusals.isEmpty() ? QStringList{QStringLiteral("Es ist kein Drucker eingerichtet.")} : refusals);
        lines << QStringLiteral("Die Blätter stehen in den Dateien") << files;
    }
    const bool trouble = !lost.isEmpty() || !refusals.isEmpty();
    m_platform.dialogs.messageBox(lines.join(u'\r'), trouble ? MessageStyle::Warning : MessageStyle::Information,
                                  PrintTitle);
}

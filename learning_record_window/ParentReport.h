// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LearningMap.h"

#include <QDate>
#include <QString>

class Printer;
struct PrintOutcome;

// What the parents' page tells about one child.
struct ReportFacts
{
    QString name;
    QString period; // "Schuljahr (seit 01.08.2025)"
    QString modes;  // "Felder und Zahlen"
    QDate printedOn;
    LearningMap map;
    WeekTrend trend;
};

// One page in German for the parents: the child's name, the period, the map with its
// legend, the figures, what stands out and one practice tip for each error named. Printed
// as the worksheets are; without a printer it is the PDF "Lernstand-<name>" in the working
// folder.
PrintOutcome PrintParentReport(Printer &printer, const ReportFacts &facts);

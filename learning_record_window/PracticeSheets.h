// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LearningMap.h"
#include "Platform.h"

#include <QList>
#include <QString>

struct PrintOutcome;

// Number-field worksheets made from a child's misses, with their solution sheets: the sheet
// holds what a practice would ask the child now, or, with nothing due, the numbers the child
// missed most in the period looked at. Printed as the editor prints the sheet; without a
// printer each sheet is a PDF named after the child.
class PracticeSheets
{
public:
    explicit PracticeSheets(const Platform &platform) : m_platform(platform) {}

    // At most Progress::MostToPractise numbers; empty when the child has nothing to practise.
    static QList<int> NumbersFor(const std::vector<StoredAnswer> &answers, const AnswerFilter &filter,
                                 const QDateTime &now);

    // Asks, then prints the child's sheet and its solution and tells what became of them.
    void printFor(const ChildAnswers &child, const AnswerFilter &filter);
    // Asks, then prints a sheet and its solution for each child with due numbers.
    void printForClass(const Record &record);

private:
    void print(const QString &name, const QList<int> &numbers, QList<PrintOutcome> &outcomes);
    void tell(const QList<PrintOutcome> &outcomes);

    Platform m_platform;
};

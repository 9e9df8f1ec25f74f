// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "LearningMap.h"

#include <QList>
#include <array>

// The class as a whole, naming no child: how many children have each number in a practice
// box now, and which numbers the class answered wrong most often in the filter.
struct ClassMap
{
    static constexpr int MostMissedShown = 10;

    std::array<int, 101> inBox{};  // children, by number 1..100
    std::array<int, 101> missed{}; // wrong answers, by number asked
    int children = 0;
    int practising = 0;   // children with a number in a box
    QList<int> mostMissed; // at most MostMissedShown, most often first

    static ClassMap Of(const Record &record, const AnswerFilter &filter, const QDateTime &now);
};

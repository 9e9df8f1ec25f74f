// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Record.h"

#include <QDate>
#include <QDateTime>
#include <QList>
#include <array>
#include <span>
#include <vector>

// How well a child knows a number, in the order a number climbs.
enum class Stage { New, Seen, Box1, Box2, Box3, Box4, Secure };
// 1..4 for a practice box, else 0.
int BoxOf(Stage stage);

struct NumberProgress
{
    Stage stage = Stage::New;
    QDate since;          // the child's local day it reached its stage; null while new
    QDate due;            // in a practice box: the first day it is asked again
    int overdueDays = 0;  // in a box: days since it became due; negative while not yet due
    int misses = 0;       // wrong answers since it was last sicher (or ever)
    QList<int> mistakenFor; // the numbers answered instead since then, most frequent first

    int box() const { return BoxOf(stage); }
    bool isDue() const { return box() > 0 && overdueDays >= 0; }
};

// The one rule that says, from a child's answers alone, how well the child knows each
// number, so that every computer of the class comes to the same result:
// - a wrong answer to the number asked is a miss and puts the number into box 1;
// - a right answer is a first try unless the answer just before it was a miss of the same
//   number; a first try to a number that is due moves it up a box, from box 4 to sicher;
//   a first try that is not due changes nothing;
// - a number is due in box 1 at once, in box 2 one day after it got there, in box 3 after
//   three days, in box 4 after seven;
// - a number never missed is gesehen after its first right answer and sicher once it was
//   answered right at the first try on three different days.
// Days are the child's local calendar days, each answer's with its own offset from UTC.
struct Progress
{
    static constexpr int MostToPractise = 12;

    std::array<NumberProgress, 101> numbers{}; // 1..100

    // answers oldest first; now, with its offset from UTC, makes "today". stageAfter, when
    // given, receives the stage of the asked number after each answer.
    static Progress Of(std::span<const StoredAnswer> answers, const QDateTime &now,
                       std::vector<Stage> *stageAfter = nullptr);

    int count(Stage stage) const;
    QList<int> secure() const; // ascending
    // In a box and due today, most overdue first (then the lower box, then the smaller number).
    QList<int> due() const;
    // What a practice asks now, at most MostToPractise numbers: the due numbers, each with
    // the twin it was swapped with and, unless already sicher, the neighbour it was taken for.
    QList<int> toPractise() const;
};

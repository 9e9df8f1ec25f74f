// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Diagnosis.h"
#include "Progress.h"
#include "Record.h"

#include <QDateTime>
#include <QList>
#include <array>
#include <utility>

// Which answers the teacher looks at.
struct AnswerFilter
{
    enum class Modes { Felder, Zahlen, Both };
    enum class Period { SevenDays, ThirtyDays, SchoolYear, All };
    Modes modes = Modes::Both;
    Period period = Period::All;

    bool takes(const StoredAnswer &answer, qint64 sinceUtc) const;
    // The first second (UTC) of the period that ends now; the school year begins on
    // 1 August.
    qint64 since(const QDateTime &now) const;
};

struct NumberFigures
{
    int answers = 0;
    int wrong = 0;
    qint64 medianMs = -1;
    // Its answers took more than twice as long as the child's usual answer in the same
    // mode (the median of the answers' times against the child's median in their mode).
    bool slow = false;
    QList<std::pair<int, int>> wrongGiven; // (answer given, times), most frequent first
};

// An error type of the child's wrong answers.
struct ErrorPattern
{
    ErrorType type = ErrorType::WeitDaneben;
    int count = 0;
    int exampleAsked = 0; // its most frequent case
    int exampleGiven = 0;
};

// What a child's answers in the filter say, number by number and as a whole, beside how
// well the child knows each number now (from all its answers, whatever the filter).
struct LearningMap
{
    std::array<NumberFigures, 101> numbers{}; // 1..100
    Progress progress;
    int answers = 0;
    int right = 0;
    std::array<qint64, 2> medianMs{-1, -1}; // Felder, Zahlen
    QList<ErrorPattern> patterns; // every type that occurred, most frequent first
    int wrong() const { return answers - right; }
    int slowNumbers() const;

    // answers oldest first.
    static LearningMap Of(const std::vector<StoredAnswer> &answers, const AnswerFilter &filter,
                          const QDateTime &now);
};

// This calendar week (from Monday, local time) against the week before.
struct WeekTrend
{
    int answers[2] = {0, 0}; // this week, the week before
    int right[2] = {0, 0};

    static WeekTrend Of(const std::vector<StoredAnswer> &answers, AnswerFilter::Modes modes,
                        const QDateTime &now);
};

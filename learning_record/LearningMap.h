// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Diagnosis.h"
#include "Record.h"

#include <QDateTime>
#include <QList>
#include <array>
#include <utility>

enum class Mastery {
    NotAsked,      // noch nicht gefragt
    Secure,        // sicher: the last three answers right
    Unsure,        // unsicher
    NeedsPractice, // Übungsbedarf: the last answer wrong, or at least half wrong
};

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
    bool slow = false; // the median more than twice the child's own
    Mastery mastery = Mastery::NotAsked;
    QList<std::pair<int, int>> wrongGiven; // (answer given, times), most frequent first
};

// An error type named as a pattern of the child: it happened at least twice.
struct ErrorPattern
{
    ErrorType type = ErrorType::WeitDaneben;
    int count = 0;
    int exampleAsked = 0; // its most frequent case
    int exampleGiven = 0;
};

// What a child's answers in the filter say, number by number and as a whole.
struct LearningMap
{
    std::array<NumberFigures, 101> numbers{}; // 1..100
    int answers = 0;
    int right = 0;
    qint64 medianMs = -1;
    QList<ErrorPattern> patterns; // most frequent first
    int wrong() const { return answers - right; }
    int count(Mastery mastery) const;
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

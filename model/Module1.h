// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberWords.h"

#include <QString>
#include <cstdint>

// The values shared by every window; one instance lives for the whole run.
class Module1
{
public:
    static constexpr int FelderMode = 1;
    static constexpr int ZahlenMode = 2;
    static constexpr int StartLayout = 2;
    static constexpr std::int16_t CounterLimit = 32767;

    QString PatternName;
    QString PatternBits;
    QString RemainingCells;
    QString FoundCells;
    int TargetNumber = 1;
    int ExerciseMode = FelderMode;
    int BoardLayout = StartLayout;
    std::int16_t HitCount = 0;
    int ErrorCount = 0;
    QString Language = QStringLiteral("d");
    NumberWordTable NumberWords;

    // Refills NumberWords for the current Language.
    void BuildNumberWords();
};

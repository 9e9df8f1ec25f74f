// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ExerciseCells.h"

#include "BoardLayouts.h"
#include "Cells.h"
#include "Module1.h"

QString ExerciseCells::cellText(int n) const
{
    const bool printed = LayoutNumbers(m_state.BoardLayout).contains(n);
    return printed && cellMark(n) == Mark::None ? QString::number(n) : QString();
}

BoardCells::Mark ExerciseCells::cellMark(int n) const
{
    if (CellIsSet(m_state.FoundCells, n))
        return Mark::Found;
    if (m_state.ExerciseMode == Module1::ZahlenMode && n == m_state.TargetNumber
        && CellIsSet(m_state.RemainingCells, n))
        return Mark::Asked;
    return Mark::None;
}

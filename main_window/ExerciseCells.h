// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "BoardCells.h"

class Module1;

// The main board as a screen reader tells it: the numbers the chosen layout prints, the
// cells found and, in Zahlen mode, the cell asked.
class ExerciseCells : public BoardCells
{
public:
    explicit ExerciseCells(const Module1 &state) : m_state(state) {}

    QString cellText(int n) const override;
    Mark cellMark(int n) const override;

private:
    const Module1 &m_state;
};

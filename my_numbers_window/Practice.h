// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ExerciseLead.h"

#include <QHash>
#include <QList>
#include <functional>

class Module1;
class Random;
struct GivenAnswer;

// A practice on the main board: the child's numbers in random order, twins (47 and 74)
// never one right after the other; a number missed comes again after at least three other
// numbers (or at the end, when fewer are left), at most MostRepeats times.
class Practice : public ExerciseLead
{
public:
    static constexpr int MostRepeats = 2;
    static constexpr int OthersBetween = 3;

    Practice(Module1 &state, Random &random) : m_state(state), m_random(random) {}

    void prepare(const QString &child, const QList<int> &numbers);
    // Every judged answer while the practice is on the board.
    void answered(const GivenAnswer &answer);
    // Called once the practice is solved.
    std::function<void()> whenSolved;

    QString title() const override;
    QString start() override;
    int nextNumber() override;
    void solved() override;

private:
    QList<int> drawOrder();
    bool twinBeside(int n, qsizetype at) const;

    Module1 &m_state;
    Random &m_random;
    QString m_child;
    QList<int> m_numbers;
    QList<int> m_queue; // what is still asked, from m_next on
    qsizetype m_next = 0;
    QHash<int, int> m_repeats;
};

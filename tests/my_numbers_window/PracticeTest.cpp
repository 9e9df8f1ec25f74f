// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cells.h"
#include "FakeRandom.h"
#include "GivenAnswer.h"
#include "Module1.h"
#include "Practice.h"

#include <gtest/gtest.h>

namespace {

using namespace Qt::StringLiterals;

GivenAnswer Judged(int asked, int given)
{
    GivenAnswer answer;
    answer.asked = asked;
    answer.given = given;
    answer.right = asked == given;
    return answer;
}

// Asks through the practice as the main board does until no cell is open; missed: how
// often each asking of a number is missed before it is found, in turn.
QList<int> Play(Practice &practice, Module1 &state, QHash<int, QList<int>> missed = {})
{
    state.PatternBits = practice.start();
    state.RemainingCells = state.PatternBits;
    state.FoundCells = EmptyCells();
    QList<int> asked;
    while (HasOpenCell(state.RemainingCells) && asked.size() < 50) {
        const int n = practice.nextNumber();
        asked.append(n);
        for (int miss = missed[n].isEmpty() ? 0 : missed[n].takeFirst(); miss > 0; --miss)
            practice.answered(Judged(n, n == 100 ? 99 : n + 1));
        state.RemainingCells = SetCell(state.RemainingCells, n, u'0');
        state.FoundCells = SetCell(state.FoundCells, n, u'1');
        practice.answered(Judged(n, n));
    }
    return asked;
}

// Twins never stand side by side, whatever the chance; a number missed comes again after
// three others (at the end when fewer are left), at most twice, and every cell is asked
// until it is found.
TEST(Practice, TwinsStandApartAndMissesComeBackAfterThreeOthers)
{
    Module1 state;
    for (unsigned seed = 1; seed <= 30; ++seed) {
        FakeRandom random(seed);
        Practice practice(state, random);
        practice.prepare(u"Mia"_s, {47, 74, 12, 21, 5});
        const QList<int> asked = Play(practice, state);
        ASSERT_EQ(asked.size(), 5);
        for (qsizetype i = 1; i < asked.size(); ++i)
            EXPECT_NE(asked[i - 1], (asked[i] % 10) * 10 + asked[i] / 10) << seed;
    }

    FakeRandom random, sameChance;
    Practice practice(state, random), again(state, sameChance);
    practice.prepare(u"Mia"_s, {5, 12, 33, 47, 80, 91});
    again.prepare(u"Mia"_s, {5, 12, 33, 47, 80, 91});
    EXPECT_EQ(practice.title(), u"Übung für Mia"_s);
    const QList<int> first = Play(practice, state);
    const int a = first[0], b = first[4];
    const QList<int> asked = Play(again, state, {{a, {2, 1, 1}}, {b, {1}}});
    EXPECT_EQ(asked, (QList<int>{a, first[1], first[2], first[3], a, b, first[5], a, b}));
}

} // namespace

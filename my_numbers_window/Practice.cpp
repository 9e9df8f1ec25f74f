// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Practice.h"

#include "Cells.h"
#include "Diagnosis.h"
#include "GivenAnswer.h"
#include "Module1.h"
#include "Random.h"

namespace {

constexpr int OrderTries = 100;

bool Twins(int a, int b) { return a != b && ClassifyError(a, b) == ErrorType::Zahlendreher; }

} // namespace

void Practice::prepare(const QString &child, const QList<int> &numbers)
{
    m_child = child;
    m_numbers = numbers;
}

QString Practice::title() const { return QStringLiteral("Übung für ") + m_child; }

QString Practice::start()
{
    m_queue = drawOrder();
    m_next = 0;
    m_repeats.clear();
    QString cells = EmptyCells();
    for (int n : std::as_const(m_numbers))
        cells = SetCell(cells, n, u'1');
    return cells;
}

// A random order, drawn again while twins stand side by side; with only twins to ask
// that cannot be helped.
QList<int> Practice::drawOrder()
{
    QList<int> order;
    for (int attempt = 0; attempt < OrderTries; ++attempt) {
        order = m_numbers;
        for (qsizetype i = order.size() - 1; i > 0; --i)
            order.swapItemsAt(i, m_random.draw(int(i) + 1, 0));
        bool apart = true;
        for (qsizetype i = 1; i < order.size() && apart; ++i)
            apart = !Twins(order[i - 1], order[i]);
        if (apart)
            break;
    }
    return order;
}

int Practice::nextNumber()
{
    if (m_next >= m_queue.size())
        return m_random.drawMarked(m_state.RemainingCells);
    const int n = m_queue[m_next++];
    m_state.RemainingCells = SetCell(m_state.RemainingCells, n, u'1');
    m_state.FoundCells = SetCell(m_state.FoundCells, n, u'0');
    return n;
}

bool Practice::twinBeside(int n, qsizetype at) const
{
    return (at > m_next && Twins(m_queue[at - 1], n)) || (at < m_queue.size() && Twins(m_queue[at], n));
}

void Practice::answered(const GivenAnswer &answer)
{
    const int n = answer.asked;
    const bool again = m_queue.indexOf(n, m_next) >= 0;
    if (answer.right) {
        // Its cell stays open for the time it is asked again.
        if (again)
            m_state.RemainingCells = SetCell(m_state.RemainingCells, n, u'1');
        return;
    }
    if (again || m_repeats.value(n) >= MostRepeats)
        return;
    ++m_repeats[n];
    qsizetype at = std::min(m_next + OthersBetween, m_queue.size());
    while (at < m_queue.size() && twinBeside(n, at))
        ++at;
    m_queue.insert(at, n);
}

void Practice::solved()
{
    if (whenSolved)
        whenSolved();
}

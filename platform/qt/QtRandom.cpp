// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtRandom.h"

#include <QDateTime>

void QtRandom::seedFromClock()
{
    m_engine.seed(std::uint64_t(QDateTime::currentMSecsSinceEpoch()));
}

double QtRandom::next() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

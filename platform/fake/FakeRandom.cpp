// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeRandom.h"

double FakeRandom::next()
{
    if (!values.isEmpty())
        return values.dequeue();
    return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine);
}

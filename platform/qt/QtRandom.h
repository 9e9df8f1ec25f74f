// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Random.h"

#include <random>

class QtRandom : public Random
{
public:
    void seedFromClock() override;
    double next() override;

private:
    std::mt19937_64 m_engine;
};

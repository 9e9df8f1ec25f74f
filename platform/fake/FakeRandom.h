// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Random.h"

#include <QQueue>
#include <random>

// A fixed-seed generator; queued values are handed out first.
class FakeRandom : public Random
{
public:
    explicit FakeRandom(unsigned seed = 1) : m_engine(seed) {}

    void seedFromClock() override { ++clockSeeds; }
    double next() override;

    QQueue<double> values;
    int clockSeeds = 0;

private:
    std::mt19937 m_engine;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtRunIdentity.h"
#include "RecordFiles.h"

#include <QDateTime>
#include <gtest/gtest.h>

// Two runs started on identical machines in the same second with the same process number
// (two runs in one process, here) have names of their own, which tell when they began.
TEST(QtRunIdentity, RunsOfTheSameSecondAndProcessDiffer)
{
    const qint64 before = QDateTime::currentSecsSinceEpoch();
    const QtRunIdentity first, second;
    EXPECT_NE(first.runName(), second.runName());
    const std::optional<qint64> started = RecordFiles::RunStart(first.runName());
    ASSERT_TRUE(started) << qPrintable(first.runName());
    EXPECT_LE(std::abs(*started - before), 1);
}

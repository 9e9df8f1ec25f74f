// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "ProgramControl.h"

#include <QList>

class FakeProgramControl : public ProgramControl
{
public:
    void quit() override { ++quits; }
    void setBusy(bool busy) override { busyChanges.append(busy); }

    int quits = 0;
    QList<bool> busyChanges;
};

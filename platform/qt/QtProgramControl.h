// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgramControl.h"

class QtProgramControl : public ProgramControl
{
public:
    void quit() override;
    void setBusy(bool busy) override;
};

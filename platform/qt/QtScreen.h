// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Screen.h"

class QtScreen : public Screen
{
public:
    QSizeF sizeTwips() const override;
};

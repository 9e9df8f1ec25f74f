// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Screen.h"

class FakeScreen : public Screen
{
public:
    QSizeF sizeTwips() const override { return size; }
    QSizeF size{19200, 14400}; // 1280 x 960 pixels
};

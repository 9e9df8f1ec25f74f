// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Screen.h"

class FakeScreen : public Screen
{
public:
    QSizeF sizeTwips() const override { return size; }
    QSizeF size{15360, 9000}; // 1024 x 600 pixels: the windows keep their design size
};

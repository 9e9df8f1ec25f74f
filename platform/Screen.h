// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSizeF>

class Screen
{
public:
    virtual ~Screen() = default;
    virtual QSizeF sizeTwips() const = 0;
};

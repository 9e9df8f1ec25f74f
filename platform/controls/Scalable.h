// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A control that renders something of its own at the window's scale (an icon, a picture)
// and renders it again when the scale factor changes.
class Scalable
{
public:
    virtual ~Scalable() = default;
    virtual void applyScale() = 0;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RunIdentity.h"

class FakeRunIdentity : public RunIdentity
{
public:
    QString runName() const override { return name; }
    QString name = QStringLiteral("pc-raum3-20260302T080000Z-4711-5e1f0c2a");
};

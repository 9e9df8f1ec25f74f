// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "RunIdentity.h"

class QtRunIdentity : public RunIdentity
{
public:
    QtRunIdentity();
    QString runName() const override { return m_name; }

private:
    QString m_name;
};

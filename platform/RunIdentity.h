// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Names this run of the program apart from every other run that shares a folder, on this
// computer or another, for files that only this run writes.
class RunIdentity
{
public:
    virtual ~RunIdentity() = default;
    // The computer's name, the start of the run (UTC, yyyyMMddTHHmmssZ), its process
    // number and a random part, joined by "-"; the same for the whole run.
    virtual QString runName() const = 0;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class ProgramControl
{
public:
    virtual ~ProgramControl() = default;
    // Ends the program at once: every window closes, no further event runs.
    virtual void quit() = 0;
    // The hourglass pointer while the program is busy printing.
    virtual void setBusy(bool busy) = 0;
};

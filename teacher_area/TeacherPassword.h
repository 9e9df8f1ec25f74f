// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The teacher's password for the learning record, as the program keeps it. Checking and
// keeping take a moment on purpose (a slow hash); the windows keep drawing meanwhile.
class TeacherPassword
{
public:
    enum class State {
        Unset,      // none chosen yet: the teacher chooses one
        Kept,       // kept in the working folder, where the teacher may change it
        Preset,     // set by the administrator for the computer; not changed here
        Unreadable, // kept, but it cannot be read: nobody is let in (problem() says why)
    };

    virtual ~TeacherPassword() = default;
    virtual State state() = 0;
    // Why the password cannot be read, in German, naming the place.
    virtual QString problem() = 0;
    virtual bool matches(const QString &password) = 0;
    // Keeps a new password in the working folder; the empty text on success, else the
    // reason in German.
    virtual QString keep(const QString &password) = 0;
};

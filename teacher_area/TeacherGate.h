// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class Clock;
class Dialogs;
class ProgramControl;
class TeacherPassword;

// Lets only the teacher into the learning record: every opening asks for the password, the
// first one has it chosen (typed twice). After a wrong password the next try waits, one
// second at first, twice as long after each further wrong one, at most half a minute.
// What is typed is never written anywhere.
class TeacherGate
{
public:
    static constexpr qint64 FirstWaitMs = 1000;
    static constexpr qint64 LongestWaitMs = 30000;
    static constexpr int MinLength = 6;

    TeacherGate(TeacherPassword &password, Dialogs &dialogs, Clock &clock, ProgramControl &program);

    // Asks; true when the teacher may open the record.
    bool admit();
    // "Kennwort ändern": the present password, then the new one twice.
    void changePassword();

private:
    bool refusedForNow();
    bool checked(const QString &typed);
    bool choose(const QString &prompt);
    // The new password typed twice, kept; false after a message when it is not.
    bool keepNew(const QString &typed, const QString &again);
    void tell(const QString &text, bool warning = true);

    TeacherPassword &m_password;
    Dialogs &m_dialogs;
    Clock &m_clock;
    ProgramControl &m_program;
    int m_failures = 0;
    qint64 m_nextTryMs = 0;
};

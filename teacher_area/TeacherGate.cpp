// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TeacherGate.h"

#include "Clock.h"
#include "Dialogs.h"
#include "ProgramControl.h"
#include "TeacherPassword.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcTeacherGate, "zep.teachergate")

namespace {

const QString Title = QStringLiteral("K e n n w o r t");
const QString PasswordLabel = QStringLiteral("Kennwort:");
const QString NewLabel = QStringLiteral("Neues Kennwort:");
const QString AgainLabel = QStringLiteral("Noch einmal:");

} // namespace

TeacherGate::TeacherGate(TeacherPassword &password, Dialogs &dialogs, Clock &clock, ProgramControl &program)
    : m_password(password), m_dialogs(dialogs), m_clock(clock), m_program(program)
{
}

void TeacherGate::tell(const QString &text, bool warning)
{
    m_dialogs.messageBox(text, warning ? MessageStyle::Warning : MessageStyle::Information, Title);
}

// An unreadable password or a wait after a wrong one lets nobody in, and says so.
bool TeacherGate::refusedForNow()
{
    if (m_password.state() == TeacherPassword::State::Unreadable) {
        tell(m_password.problem() + QStringLiteral("\rDer Lernstand bleibt geschlossen, bis die Schul-IT "
                                                   "das Kennwort zurücksetzt."));
        return true;
    }
    const qint64 waitMs = m_nextTryMs - m_clock.elapsedMs();
    if (waitMs > 0) {
        const qint64 seconds = (waitMs + 999) / 1000;
        tell(QStringLiteral("Nach einem falschen Kennwort geht es erst in %1 weiter.")
                 .arg(seconds == 1 ? QStringLiteral("einer Sekunde") : QStringLiteral("%1 Sekunden").arg(seconds)));
        return true;
    }
    return false;
}

bool TeacherGate::checked(const QString &typed)
{
    m_program.setBusy(true);
    const bool right = m_password.matches(typed);
    m_program.setBusy(false);
    if (right) {
        m_failures = 0;
        return true;
    }
    ++m_failures;
    const qint64 waitMs = std::min(LongestWaitMs, FirstWaitMs << std::min(m_failures - 1, 16));
    m_nextTryMs = m_clock.elapsedMs() + waitMs;
    qCInfo(lcTeacherGate) << "wrong passwords in a row:" << m_failures;
    tell(QStringLiteral("Das Kennwort stimmt nicht."));
    return false;
}

bool TeacherGate::keepNew(const QString &typed, const QString &again)
{
    if (typed != again) {
        tell(QStringLiteral("Die beiden Eingaben sind nicht gleich. Das Kennwort bleibt, wie es war."));
        return false;
    }
    if (typed.size() < MinLength) {
        tell(QStringLiteral("Das Kennwort braucht mindestens %1 Zeichen. Das Kennwort bleibt, wie es war.")
                 .arg(MinLength));
        return false;
    }
    m_program.setBusy(true);
    const QString failed = m_password.keep(typed);
    m_program.setBusy(false);
    if (!failed.isEmpty()) {
        tell(QStringLiteral("Das Kennwort konnte nicht gespeichert werden:\r%1").arg(failed));
        return false;
    }
    return true;
}

bool TeacherGate::choose(const QString &prompt)
{
    const QStringList typed = m_dialogs.passwordBox(prompt, Title, {NewLabel, AgainLabel});
    if (typed.size() != 2 || !keepNew(typed[0], typed[1]))
        return false;
    tell(QStringLiteral("Das Kennwort ist gespeichert. Es gilt auf jedem Computer, der mit diesem "
                        "Ordner arbeitet."),
         false);
    return true;
}

bool TeacherGate::admit()
{
    if (refusedForNow())
        return false;
    if (m_password.state() == TeacherPassword::State::Unset)
        return choose(QStringLiteral("Der Lernstand zeigt die Antworten aller Kinder und öffnet sich nur "
                                     "mit dem Kennwort der Lehrkraft.\rBitte wählen Sie jetzt ein Kennwort "
                                     "(mindestens %1 Zeichen):").arg(MinLength));
    const QStringList typed = m_dialogs.passwordBox(QStringLiteral("Das Kennwort für den Lernstand:"), Title,
                                                    {PasswordLabel});
    return !typed.isEmpty() && checked(typed[0]);
}

void TeacherGate::changePassword()
{
    if (refusedForNow())
        return;
    switch (m_password.state()) {
    case TeacherPassword::State::Unset:
        choose(QStringLiteral("Bitte wählen Sie ein Kennwort für den Lernstand (mindestens %1 Zeichen):")
                   .arg(MinLength));
        return;
    case TeacherPassword::State::Preset:
        tell(QStringLiteral("Das Kennwort ist für diesen Computer von der Schul-IT vorgegeben und kann "
                            "nur dort geändert werden."),
             false);
        return;
    case TeacherPassword::State::Kept:
    case TeacherPassword::State::Unreadable:
        break;
    }
    const QStringList typed =
        m_dialogs.passwordBox(QStringLiteral("Das bisherige Kennwort und zweimal das neue:"), Title,
                              {QStringLiteral("Bisheriges Kennwort:"), NewLabel, AgainLabel});
    if (typed.size() != 3 || !checked(typed[0]) || !keepNew(typed[1], typed[2]))
        return;
    tell(QStringLiteral("Das neue Kennwort ist gespeichert."), false);
}

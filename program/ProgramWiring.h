// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Form1.h"
#include "LearningRecorder.h"
#include "Module1.h"
#include "MyNumbers.h"
#include "Platform.h"
#include "StoredTeacherPassword.h"
#include "TeacherGate.h"

#include <QObject>
#include <memory>

class RecordWindow;

// The program on its services: the main window, the learning record that follows its play
// from outside, the child's own numbers beside it, and the teacher's window on the record
// behind the teacher's password.
// main() builds it on the real services; tests build the very same on theirs.
class ProgramWiring : public QObject
{
    Q_OBJECT

public:
    // presetPassword: the administrator's hash from the system-wide setting (empty for
    // none), presetPlace where it is set.
    ProgramWiring(const Platform &platform, const QString &presetPassword, const QString &presetPlace);
    ~ProgramWiring() override;

    // Loads and shows the main window; the record's old answers go a moment later.
    void start();
    enum class Ending { Attended, Unattended };
    // After the main loop: the answers still on their way go into the record. What cannot
    // be written is asked about when someone is there, else it goes to the log. The answers
    // left unwritten.
    qsizetype finish(Ending ending = Ending::Unattended);

    // The teacher asks for the record: behind the password, every time it opens.
    void openRecord();

    Module1 state;
    Form1 window;
    LearningRecorder recorder;
    MyNumbers myNumbers;
    RecordWindow *recordWindow() const { return m_recordWindow.get(); }

private:
    Platform m_platform;
    StoredTeacherPassword m_password;
    TeacherGate m_gate;
    std::unique_ptr<RecordWindow> m_recordWindow;
};

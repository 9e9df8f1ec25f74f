// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ProgramWiring.h"

#include "Dialogs.h"
#include "Files.h"
#include "PickableNames.h"
#include "RecordFiles.h"
#include "RecordWindow.h"
#include "Speech.h"

#include <QTimer>

namespace {
// The learning record's old answers go once the window is up and has asked its first number.
constexpr int RecordStartUpDelayMs = 2000;
} // namespace

ProgramWiring::ProgramWiring(const Platform &platform, const QString &presetPassword, const QString &presetPlace)
    : window(state, platform),
      recorder(platform.files, platform.clock, platform.run),
      myNumbers(window, state, platform),
      m_platform(platform),
      m_password(platform.files, presetPassword.toUtf8(), presetPlace),
      m_gate(m_password, platform.dialogs, platform.clock, platform.program)
{
    // The learning record follows the play from outside the window.
    connect(&window, &Form1::questionAsked, &recorder, &LearningRecorder::questionAsked);
    connect(&window, &Form1::answerGiven, &recorder, &LearningRecorder::answerGiven);
    connect(&window, &Form1::exerciseSolved, &recorder, &LearningRecorder::exerciseSolved);
    connect(&window, &Form1::boardCovered, &recorder, &LearningRecorder::boardCovered);
    connect(&platform.speech, &Speech::sayingStarted, &recorder, &LearningRecorder::wordStartedSounding);
    // Told once the answer's handler has ended, not in the middle of it.
    connect(
        &recorder, &LearningRecorder::cannotWrite, &window,
        [this](const QString &reason) {
            m_platform.dialogs.messageBox(
                LearningRecorder::CannotWriteMessage(ShownPath(m_platform.files, RecordFiles::Folder), reason),
                MessageStyle::Warning, QStringLiteral("Lernstand"));
        },
        Qt::QueuedConnection);
    window.setNameSource([this] { return PickableNames(m_platform.files, recorder.knownNames()); });
    // The teacher's window on the record, opened from the editor.
    connect(&window, &Form1::recordWanted, this, &ProgramWiring::openRecord);
}

ProgramWiring::~ProgramWiring() = default;

void ProgramWiring::start()
{
    window.Form_Load();
    window.show();
    QTimer::singleShot(RecordStartUpDelayMs, &recorder, &LearningRecorder::startUp);
}

qsizetype ProgramWiring::finish(Ending ending)
{
    if (ending == Ending::Unattended)
        return recorder.finish();
    return recorder.finishAsking(m_platform.dialogs, ShownPath(m_platform.files, RecordFiles::Folder));
}

void ProgramWiring::openRecord()
{
    if (m_recordWindow && m_recordWindow->isVisible()) {
        m_recordWindow->open();
        return;
    }
    if (!m_gate.admit())
        return;
    if (!m_recordWindow) {
        m_recordWindow = std::make_unique<RecordWindow>(m_platform);
        connect(m_recordWindow.get(), &RecordWindow::recordChanged, &recorder, &LearningRecorder::reloadNames);
        connect(m_recordWindow.get(), &RecordWindow::recordChanged, &myNumbers, &MyNumbers::recordChanged);
        connect(m_recordWindow.get(), &RecordWindow::childDeleted, &window, &Form1::userDeleted);
        connect(m_recordWindow.get(), &RecordWindow::childRenamed, &window, &Form1::userRenamed);
        connect(m_recordWindow.get(), &RecordWindow::passwordChangeWanted, this,
                [this] { m_gate.changePassword(); });
    }
    m_recordWindow->open();
}

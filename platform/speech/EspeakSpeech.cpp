// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakSpeech.h"

#include "SpeechWorker.h"

#include <QLoggingCategory>
#include <QTimer>

Q_DECLARE_LOGGING_CATEGORY(lcSpeech)

namespace {

constexpr int EngineStartDelayMs = 250;
// How long the end of the program waits for the speech thread.
constexpr auto EndWait = std::chrono::milliseconds(500);

} // namespace

// The worker's reports come from the speech thread and go to this object's thread.
EspeakSpeech::EspeakSpeech()
    : m_worker(std::make_shared<SpeechWorker>(
          [this](const QMap<Voice, QString> &missing) {
              QMetaObject::invokeMethod(
                  this, [this, missing] { takeReport(missing); }, Qt::QueuedConnection);
          },
          [this](quint64 sayNumber) {
              QMetaObject::invokeMethod(
                  this, [this, sayNumber] { takeStart(sayNumber); }, Qt::QueuedConnection);
          }))
{
}

EspeakSpeech::~EspeakSpeech()
{
    if (!m_thread.joinable())
        return;
    m_worker->quit();
    if (m_worker->waitForEnd(EndWait)) {
        m_thread.join();
        return;
    }
    // Qt Multimedia waits for the sound server inside its first call, with no time limit,
    // and cannot be interrupted. The thread is left to the end of the process; it keeps
    // the worker alive and reports nothing more.
    qCWarning(lcSpeech) << "the sound output does not answer; speech thread left behind";
    m_thread.detach();
}

// The engine is loaded a moment after the first word was asked for, once the window is up,
// so that loading it does not compete with the start of the program. The worker keeps
// what is asked meanwhile.
void EspeakSpeech::startSoon()
{
    if (m_startPending || m_thread.joinable())
        return;
    m_startPending = true;
    QTimer::singleShot(EngineStartDelayMs, this, [this] {
        m_thread = std::thread([worker = m_worker] { worker->run(); });
    });
}

void EspeakSpeech::say(const QString &text, const Voice &voice)
{
    startSoon();
    m_worker->post(text, voice, true, ++m_says);
}

void EspeakSpeech::sayAfter(const QString &text, const Voice &voice)
{
    startSoon();
    m_worker->post(text, voice, false);
}

void EspeakSpeech::silence() { m_worker->silence(); }

// A start that arrives after a later say() belongs to words that no longer count.
void EspeakSpeech::takeStart(quint64 sayNumber)
{
    if (sayNumber == m_says)
        emit sayingStarted();
}

void EspeakSpeech::takeReport(const QMap<Voice, QString> &missing)
{
    m_missing = missing;
    emit availabilityChanged();
}

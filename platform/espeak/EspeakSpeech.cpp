// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakSpeech.h"

#include "SpeechWorker.h"

#include <QTimer>

namespace {

constexpr int EngineStartDelayMs = 250;

} // namespace

EspeakSpeech::EspeakSpeech()
    : m_worker(std::make_unique<SpeechWorker>([this](const QMap<Voice, QString> &missing) {
          // From the speech thread to this object's thread.
          QMetaObject::invokeMethod(
              this, [this, missing] { takeReport(missing); }, Qt::QueuedConnection);
      }))
{
}

EspeakSpeech::~EspeakSpeech()
{
    if (!m_thread.joinable())
        return;
    m_worker->quit();
    m_thread.join();
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
        m_thread = std::thread([worker = m_worker.get()] { worker->run(); });
    });
}

void EspeakSpeech::say(const QString &text, Voice voice)
{
    startSoon();
    m_worker->post(text, voice, true);
}

void EspeakSpeech::sayAfter(const QString &text, Voice voice)
{
    startSoon();
    m_worker->post(text, voice, false);
}

void EspeakSpeech::silence() { m_worker->silence(); }

void EspeakSpeech::takeReport(const QMap<Voice, QString> &missing)
{
    m_missing = missing;
    emit availabilityChanged();
}

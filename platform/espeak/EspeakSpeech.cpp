// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakSpeech.h"

#include "SpeechWorker.h"

EspeakSpeech::EspeakSpeech()
    : m_worker(std::make_unique<SpeechWorker>([this](const QMap<Voice, QString> &missing) {
          // From the speech thread to this object's thread.
          QMetaObject::invokeMethod(
              this, [this, missing] { takeReport(missing); }, Qt::QueuedConnection);
      }))
{
    m_thread = std::thread([worker = m_worker.get()] { worker->run(); });
}

EspeakSpeech::~EspeakSpeech()
{
    m_worker->quit();
    m_thread.join();
}

void EspeakSpeech::say(const QString &text, Voice voice) { m_worker->post(text, voice, true); }

void EspeakSpeech::sayAfter(const QString &text, Voice voice)
{
    m_worker->post(text, voice, false);
}

void EspeakSpeech::silence() { m_worker->silence(); }

void EspeakSpeech::takeReport(const QMap<Voice, QString> &missing)
{
    m_missing = missing;
    emit availabilityChanged();
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Speech.h"

#include <QMap>
#include <memory>
#include <thread>

class SpeechWorker;

// Reads aloud with eSpeak NG and plays through Qt Multimedia's default sound output (on
// Linux the PulseAudio server that PULSE_SERVER names, else the session's). The engine
// starts on a thread of its own soon after the first word; missingReason is empty until
// that thread has found out what is missing.
class EspeakSpeech : public Speech
{
    Q_OBJECT

public:
    EspeakSpeech();
    ~EspeakSpeech() override;

    QString missingReason(const Voice &voice) const override { return m_missing.value(voice); }
    void say(const QString &text, const Voice &voice) override;
    void sayAfter(const QString &text, const Voice &voice) override;
    void silence() override;

private:
    void startSoon();
    void takeReport(const QMap<Voice, QString> &missing);
    void takeStart(quint64 sayNumber);

    std::shared_ptr<SpeechWorker> m_worker; // shared with its thread, which may outlive this
    std::thread m_thread;
    bool m_startPending = false;
    QMap<Voice, QString> m_missing;
    quint64 m_says = 0;
};

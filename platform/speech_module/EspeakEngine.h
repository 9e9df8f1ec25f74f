// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EspeakSynthesizer.h"
#include "SpeechEngine.h"

#include <QIODevice>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

class QAudioSink;

// eSpeak NG's words played through Qt Multimedia's default sound output (on Linux the
// PulseAudio server that PULSE_SERVER names, else the session's).
class EspeakEngine : public SpeechEngine
{
public:
    explicit EspeakEngine(Changed changed);
    ~EspeakEngine() override;

    QString missingReason(const Voice &voice) override;
    void add(const QString &text, const Voice &voice) override;
    void drop() override;

private:
    bool openSink();
    void loseSound();
    void feedSink();
    void closeSinkWhenPlayed();
    void closeSink();

    Changed m_changed;
    QObject m_context; // for connections on the speech thread
    QTimer m_feedTimer;
    EspeakSynthesizer m_synthesizer;
    std::unique_ptr<QAudioSink> m_sink;
    QPointer<QIODevice> m_output; // the sink's, while m_sink is open
    std::vector<std::int16_t> m_pending;
    std::size_t m_written = 0;
    bool m_soundReachable = true;
    std::chrono::steady_clock::time_point m_retryAt;
};

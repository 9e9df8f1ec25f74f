// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EspeakSynthesizer.h"

#include <QMap>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class QAudioSink;
class QEventLoop;
class QIODevice;
class QObject;
class QTimer;

// The speech thread: synthesises requests and plays them through Qt Multimedia. It runs an
// event loop of its own, which every request and quit() reach with a queued call, so
// neither a slow engine start nor a stuck sound server holds up the caller.
class SpeechWorker
{
public:
    // Runs on the speech thread whenever the answers for the voices change; never after quit().
    using Report = std::function<void(const QMap<Voice, QString> &missing)>;

    explicit SpeechWorker(Report report);
    SpeechWorker(const SpeechWorker &) = delete;
    SpeechWorker &operator=(const SpeechWorker &) = delete;
    ~SpeechWorker();

    // Any thread.
    void post(const QString &text, Voice voice, bool cutOff);
    void silence();
    void quit();
    // After quit(): true once run() has returned, false when it has not within limit.
    bool waitForEnd(std::chrono::milliseconds limit);

    // The speech thread's body; returns after quit().
    void run();

private:
    struct Request
    {
        QString text;
        Voice voice;
    };

    void wake();
    void turn();
    bool openSink();
    void loseSound();
    void feedSink();
    void closeSinkWhenPlayed();
    void closeSink();
    void report();

    std::mutex m_mutex; // guards the members up to m_report
    std::condition_variable m_endedChanged;
    std::vector<Request> m_requests;
    bool m_cut = false;
    bool m_quit = false;
    bool m_ended = false;
    QObject *m_context = nullptr; // lives on the speech thread while run() runs
    Report m_report;

    QEventLoop *m_loop = nullptr;
    QTimer *m_feedTimer = nullptr;
    std::unique_ptr<QAudioSink> m_sink;
    QIODevice *m_output = nullptr;
    std::optional<EspeakSynthesizer> m_engine;
    std::vector<std::int16_t> m_pending;
    std::size_t m_written = 0;
    bool m_soundReachable = true;
    std::chrono::steady_clock::time_point m_retryAt;
    std::optional<QMap<Voice, QString>> m_reported;
};

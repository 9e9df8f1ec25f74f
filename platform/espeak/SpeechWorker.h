// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "EspeakSynthesizer.h"

#include <QMap>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <vector>

struct pa_context;
struct pa_mainloop;
struct pa_stream;

// The speech thread: synthesises requests and feeds them to the sound server. It only
// ever waits in one poll of the sound server's connection, which every request and quit()
// interrupt, so neither a slow engine start nor a stuck sound server holds up the caller.
class SpeechWorker
{
public:
    // Runs on the speech thread whenever the answers for the voices change.
    using Report = std::function<void(const QMap<Voice, QString> &missing)>;

    explicit SpeechWorker(Report report);
    SpeechWorker(const SpeechWorker &) = delete;
    SpeechWorker &operator=(const SpeechWorker &) = delete;

    // Any thread.
    void post(const QString &text, Voice voice, bool cutOff);
    void silence();
    void quit();

    // The speech thread's body; returns after quit().
    void run();

private:
    struct Request
    {
        QString text;
        Voice voice;
    };

    void wake();
    bool takeRequests();
    void keepConnected();
    void connectToServer();
    void loseServer();
    void feedStream();
    void closeStream();
    void report();
    static void drained(pa_stream *stream, int success, void *worker);

    std::mutex m_mutex; // guards the next four
    std::vector<Request> m_requests;
    bool m_cut = false;
    bool m_quit = false;
    pa_mainloop *m_loop = nullptr; // made and freed by the speech thread

    Report m_report;
    pa_context *m_context = nullptr;
    pa_stream *m_stream = nullptr;
    std::optional<EspeakSynthesizer> m_engine;
    std::vector<std::int16_t> m_pending;
    std::size_t m_written = 0;
    unsigned m_writes = 0;
    std::optional<unsigned> m_drainedAfter;
    bool m_soundReachable = true;
    std::chrono::steady_clock::time_point m_retryAt;
    std::optional<QMap<Voice, QString>> m_reported;
};

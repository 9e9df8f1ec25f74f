// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgramModule.h"
#include "SpeechEngine.h"

#include <QMap>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

class QEventLoop;
class QObject;

// The speech thread: loads the speech engine's module and hands it the requests. It runs
// an event loop of its own, which every request and quit() reach with a queued call, so
// neither a slow engine start nor a stuck sound server holds up the caller.
class SpeechWorker
{
public:
    // Runs on the speech thread whenever the answers for the voices change; never after quit().
    using Report = std::function<void(const QMap<Voice, QString> &missing)>;
    // Runs on the speech thread when the words of a say have gone to the sound output.
    using Started = std::function<void(quint64 sayNumber)>;

    explicit SpeechWorker(Report report, Started started = {});
    SpeechWorker(const SpeechWorker &) = delete;
    SpeechWorker &operator=(const SpeechWorker &) = delete;
    ~SpeechWorker();

    // Any thread. A say that cuts off carries a number, reported when it starts to sound.
    void post(const QString &text, const Voice &voice, bool cutOff, quint64 sayNumber = 0);
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
        quint64 sayNumber = 0;
    };

    void wake();
    void startEngine();
    void turn();
    void report();

    std::mutex m_mutex; // guards the members up to m_report
    std::condition_variable m_endedChanged;
    std::vector<Request> m_requests;
    bool m_cut = false;
    bool m_quit = false;
    bool m_ended = false;
    QObject *m_context = nullptr; // lives on the speech thread while run() runs
    Report m_report;
    Started m_started;

    ProgramModule m_module{QString::fromLatin1(SpeechEngine::ModuleName)};
    QEventLoop *m_loop = nullptr;
    std::unique_ptr<SpeechEngine> m_engine; // null when the module could not be loaded
    std::optional<QMap<Voice, QString>> m_reported;
};

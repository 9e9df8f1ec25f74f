// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechWorker.h"

#include "Language.h"

#include <QEventLoop>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSpeech, "zep.speech")

SpeechWorker::SpeechWorker(Report report, Started started)
    : m_report(std::move(report)), m_started(std::move(started))
{
}

SpeechWorker::~SpeechWorker() = default;

// Has the speech thread take the requests, if it has started; with m_mutex held.
void SpeechWorker::wake()
{
    if (m_context)
        QMetaObject::invokeMethod(m_context, [this] { turn(); }, Qt::QueuedConnection);
}

void SpeechWorker::post(const QString &text, const Voice &voice, bool cutOff, quint64 sayNumber)
{
    const std::lock_guard lock(m_mutex);
    if (cutOff) {
        m_requests.clear();
        m_cut = true;
    }
    m_requests.push_back({text, voice, sayNumber});
    wake();
}

void SpeechWorker::silence()
{
    const std::lock_guard lock(m_mutex);
    m_requests.clear();
    m_cut = true;
    wake();
}

void SpeechWorker::quit()
{
    const std::lock_guard lock(m_mutex);
    m_quit = true;
    m_report = nullptr;
    m_started = nullptr;
    wake();
}

bool SpeechWorker::waitForEnd(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    return m_endedChanged.wait_for(lock, limit, [this] { return m_ended; });
}

void SpeechWorker::run()
{
    QEventLoop loop;
    QObject context;
    m_loop = &loop;
    {
        const std::lock_guard lock(m_mutex);
        m_context = &context;
    }
    startEngine();
    report();
    turn();
    loop.exec();
    m_engine.reset();
    m_loop = nullptr;
    {
        const std::lock_guard lock(m_mutex);
        m_context = nullptr;
        m_ended = true;
    }
    m_endedChanged.notify_all();
}

void SpeechWorker::startEngine()
{
    const auto create = m_module.entry<SpeechEngine::Create>(SpeechEngine::CreateEntry);
    if (!create) {
        qCWarning(lcSpeech) << "speech module not loaded:" << m_module.errorString();
        return;
    }
    m_engine.reset(create([this] { report(); }));
}

// Hands the engine what was asked since the last turn; ends the loop after quit().
void SpeechWorker::turn()
{
    std::vector<Request> requests;
    bool cut = false;
    {
        const std::lock_guard lock(m_mutex);
        if (m_quit) {
            m_loop->quit();
            return;
        }
        requests.swap(m_requests);
        cut = std::exchange(m_cut, false);
    }
    if (!m_engine)
        return;
    if (cut)
        m_engine->drop();
    for (const Request &request : requests) {
        m_engine->add(request.text, request.voice);
        if (request.sayNumber != 0 && m_engine->missingReason(request.voice).isEmpty()) {
            const std::lock_guard lock(m_mutex);
            if (m_started)
                m_started(request.sayNumber);
        }
    }
}

void SpeechWorker::report()
{
    QMap<Voice, QString> missing;
    for (const Language &language : Language::all()) {
        const Voice voice{language.code};
        const QString reason = m_engine ? m_engine->missingReason(voice) : SpeechEngine::EngineMissing();
        if (!reason.isEmpty())
            missing.insert(voice, reason);
    }
    if (m_reported == missing)
        return;
    m_reported = missing;
    const std::lock_guard lock(m_mutex);
    if (m_report)
        m_report(missing);
}

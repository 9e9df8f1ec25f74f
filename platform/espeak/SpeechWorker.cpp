// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechWorker.h"

#include <QLoggingCategory>
#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

Q_LOGGING_CATEGORY(lcSpeech, "zep.speech")

namespace {

using Clock = std::chrono::steady_clock;

// The sound server holds about this much of a word ahead of the loudspeaker: short, so
// that the first sound comes soon and a cut-off word stops at once.
constexpr int BufferMs = 40;
// A lost or missing sound server is looked for again this often.
constexpr auto RetryEvery = std::chrono::seconds(5);

const QString EngineMissing = QStringLiteral(
    "Vorlesen geht nicht: Die Sprachausgabe eSpeak NG fehlt oder lässt sich nicht starten.");
const QString GermanMissing =
    QStringLiteral("Vorlesen geht nicht: Für Deutsch ist keine Stimme installiert.");
const QString EnglishMissing =
    QStringLiteral("Vorlesen geht nicht: Für Englisch ist keine Stimme installiert.");
const QString SoundMissing =
    QStringLiteral("Vorlesen geht nicht: Es wurde keine Tonausgabe gefunden.");

} // namespace

SpeechWorker::SpeechWorker(Report report) : m_report(std::move(report)) {}

// Interrupts the poll of the speech thread, if it has started; with m_mutex held.
void SpeechWorker::wake()
{
    if (m_loop)
        pa_mainloop_wakeup(m_loop);
}

void SpeechWorker::post(const QString &text, Voice voice, bool cutOff)
{
    {
        const std::lock_guard lock(m_mutex);
        if (cutOff) {
            m_requests.clear();
            m_cut = true;
        }
        m_requests.push_back({text, voice});
        wake();
    }
}

void SpeechWorker::silence()
{
    {
        const std::lock_guard lock(m_mutex);
        m_requests.clear();
        m_cut = true;
        wake();
    }
}

void SpeechWorker::quit()
{
    {
        const std::lock_guard lock(m_mutex);
        m_quit = true;
        wake();
    }
}

void SpeechWorker::run()
{
    {
        const std::lock_guard lock(m_mutex);
        m_loop = pa_mainloop_new();
    }
    m_engine.emplace();
    connectToServer();
    report();
    while (takeRequests()) {
        keepConnected();
        feedStream();
        const auto wait = m_context ? -1
                                    : std::chrono::duration_cast<std::chrono::microseconds>(
                                          std::max(m_retryAt - Clock::now(), Clock::duration{}))
                                          .count();
        if (pa_mainloop_prepare(m_loop, int(wait)) < 0 || pa_mainloop_poll(m_loop) < 0
            || pa_mainloop_dispatch(m_loop) < 0)
            break;
    }
    closeStream();
    if (m_context) {
        pa_context_disconnect(m_context);
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    m_engine.reset();
    const std::lock_guard lock(m_mutex);
    pa_mainloop_free(m_loop);
    m_loop = nullptr;
}

// Synthesises what was asked since the last turn; false once quit() was called.
bool SpeechWorker::takeRequests()
{
    std::vector<Request> requests;
    bool cut = false;
    {
        const std::lock_guard lock(m_mutex);
        if (m_quit)
            return false;
        requests.swap(m_requests);
        cut = std::exchange(m_cut, false);
    }
    if (cut) {
        closeStream(); // leaving the server drops what it still holds of the old word
        m_pending.clear();
        m_written = 0;
    }
    for (const Request &request : requests) {
        const std::vector<std::int16_t> samples = m_engine->synthesize(request.text, request.voice);
        m_pending.insert(m_pending.end(), samples.begin(), samples.end());
    }
    if (!requests.empty() && !m_context && Clock::now() >= m_retryAt)
        connectToServer();
    if (!m_context) { // nobody to play it to
        m_pending.clear();
        m_written = 0;
    }
    return true;
}

void SpeechWorker::connectToServer()
{
    m_context = pa_context_new(pa_mainloop_get_api(m_loop), "ZEP – Hunderterfeld");
    if (!m_context || pa_context_connect(m_context, nullptr, PA_CONTEXT_NOFLAGS, nullptr) < 0)
        loseServer();
}

// Drops the connection and what was waiting to be said: a word said seconds late would
// only confuse. The server is looked for again later.
void SpeechWorker::loseServer()
{
    const char *why = m_context ? pa_strerror(pa_context_errno(m_context)) : "cannot connect";
    if (m_context) {
        closeStream();
        pa_context_unref(m_context);
        m_context = nullptr;
    }
    m_pending.clear();
    m_written = 0;
    m_retryAt = Clock::now() + RetryEvery;
    if (m_soundReachable) {
        qCInfo(lcSpeech) << "no sound server:" << why;
        m_soundReachable = false;
        report();
    }
}

void SpeechWorker::keepConnected()
{
    if (!m_context) {
        if (Clock::now() >= m_retryAt)
            connectToServer();
        return;
    }
    switch (pa_context_get_state(m_context)) {
    case PA_CONTEXT_READY:
        if (!m_soundReachable) {
            m_soundReachable = true;
            report();
        }
        break;
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        loseServer();
        break;
    default:
        break; // still connecting
    }
}

void SpeechWorker::feedStream()
{
    if (m_written == m_pending.size() || !m_context
        || pa_context_get_state(m_context) != PA_CONTEXT_READY)
        return;
    if (!m_stream) {
        const pa_sample_spec spec{PA_SAMPLE_S16NE, std::uint32_t(m_engine->sampleRate()), 1};
        const std::uint32_t bytes = std::uint32_t(m_engine->sampleRate() * 2 * BufferMs / 1000);
        const pa_buffer_attr buffer{std::uint32_t(-1), bytes, std::uint32_t(-1),
                                    std::uint32_t(-1), std::uint32_t(-1)};
        m_stream = pa_stream_new(m_context, "Zahlwort", &spec, nullptr);
        if (!m_stream)
            return;
        pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr);
    }
    switch (pa_stream_get_state(m_stream)) {
    case PA_STREAM_READY:
        break;
    case PA_STREAM_FAILED:
    case PA_STREAM_TERMINATED:
        qCInfo(lcSpeech) << "sound stream failed:" << pa_strerror(pa_context_errno(m_context));
        closeStream();
        m_pending.clear();
        m_written = 0;
        return;
    default:
        return; // still connecting
    }
    const std::size_t room = pa_stream_writable_size(m_stream) / sizeof(std::int16_t);
    const std::size_t count = std::min(room, m_pending.size() - m_written);
    if (count == 0)
        return;
    pa_stream_write(m_stream, m_pending.data() + m_written, count * sizeof(std::int16_t), nullptr,
                    0, PA_SEEK_RELATIVE);
    m_written += count;
    ++m_writes;
    if (m_written == m_pending.size()) {
        m_pending.clear();
        m_written = 0;
        // When the server has played the last sample and nothing followed, the stream is
        // closed, so that an idle program keeps no sound stream open.
        if (pa_operation *operation = pa_stream_drain(m_stream, &SpeechWorker::drained, this))
            pa_operation_unref(operation);
        m_drainedAfter = m_writes;
    }
}

void SpeechWorker::drained(pa_stream *stream, int success, void *worker)
{
    auto *self = static_cast<SpeechWorker *>(worker);
    if (success && stream == self->m_stream && self->m_drainedAfter == self->m_writes
        && self->m_pending.empty())
        self->closeStream();
}

void SpeechWorker::closeStream()
{
    if (!m_stream)
        return;
    pa_stream_disconnect(m_stream);
    pa_stream_unref(m_stream);
    m_stream = nullptr;
    m_drainedAfter.reset();
}

void SpeechWorker::report()
{
    QMap<Voice, QString> missing;
    if (!m_engine->ok()) {
        missing.insert(Voice::German, EngineMissing);
        missing.insert(Voice::English, EngineMissing);
    } else {
        if (!m_engine->hasVoice(Voice::German))
            missing.insert(Voice::German, GermanMissing);
        if (!m_engine->hasVoice(Voice::English))
            missing.insert(Voice::English, EnglishMissing);
        if (!m_soundReachable)
            for (Voice voice : {Voice::German, Voice::English})
                missing.insert(voice, SoundMissing);
    }
    if (m_reported == missing)
        return;
    m_reported = missing;
    m_report(missing);
}

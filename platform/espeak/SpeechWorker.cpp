// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SpeechWorker.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QEventLoop>
#include <QLoggingCategory>
#include <QMediaDevices>
#include <QTimer>

Q_LOGGING_CATEGORY(lcSpeech, "zep.speech")

namespace {

using Clock = std::chrono::steady_clock;

// The sound server holds about this much of a word ahead of the loudspeaker: short, so
// that the first sound comes soon and a cut-off word stops at once.
constexpr int BufferMs = 40;
// While a word is longer than the buffer, the rest is handed on this often.
constexpr auto FeedEvery = std::chrono::milliseconds(10);
// A lost or missing sound output is looked for again this often.
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

SpeechWorker::~SpeechWorker() = default;

// Has the speech thread take the requests, if it has started; with m_mutex held.
void SpeechWorker::wake()
{
    if (m_context)
        QMetaObject::invokeMethod(m_context, [this] { turn(); }, Qt::QueuedConnection);
}

void SpeechWorker::post(const QString &text, Voice voice, bool cutOff)
{
    const std::lock_guard lock(m_mutex);
    if (cutOff) {
        m_requests.clear();
        m_cut = true;
    }
    m_requests.push_back({text, voice});
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
    QTimer feedTimer;
    feedTimer.setSingleShot(true);
    feedTimer.setInterval(FeedEvery);
    QObject::connect(&feedTimer, &QTimer::timeout, &context, [this] { feedSink(); });
    m_loop = &loop;
    m_feedTimer = &feedTimer;
    {
        const std::lock_guard lock(m_mutex);
        m_context = &context;
    }
    m_engine.emplace();
    // Looking for the sound output may block for as long as a stuck sound server keeps
    // the connection waiting; only this thread waits for it.
    m_soundReachable = !QMediaDevices::defaultAudioOutput().isNull();
    if (!m_soundReachable)
        m_retryAt = Clock::now() + RetryEvery;
    report();
    turn();
    loop.exec();
    closeSink();
    m_feedTimer = nullptr;
    m_loop = nullptr;
    m_engine.reset();
    {
        const std::lock_guard lock(m_mutex);
        m_context = nullptr;
        m_ended = true;
    }
    m_endedChanged.notify_all();
}

// Synthesises and plays what was asked since the last turn; ends the loop after quit().
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
    if (cut) {
        closeSink(); // drops what the sound server still holds of the old word
        m_pending.clear();
        m_written = 0;
    }
    for (const Request &request : requests) {
        const std::vector<std::int16_t> samples = m_engine->synthesize(request.text, request.voice);
        m_pending.insert(m_pending.end(), samples.begin(), samples.end());
    }
    feedSink();
}

bool SpeechWorker::openSink()
{
    if (!m_soundReachable && Clock::now() < m_retryAt)
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setSampleRate(m_engine->sampleRate());
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (device.isNull()) {
        loseSound();
        return false;
    }
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->setBufferSize(qsizetype(m_engine->sampleRate()) * 2 * BufferMs / 1000);
    m_output = m_sink->start();
    if (!m_output || m_sink->error() != QAudio::NoError) {
        qCInfo(lcSpeech) << "sound output does not open:" << m_sink->error();
        m_sink.reset();
        m_output = nullptr;
        loseSound();
        return false;
    }
    // When the last sample has been played and nothing followed, the sink is closed, so
    // that an idle program keeps no sound stream open. Not from within its own signal.
    QObject::connect(m_sink.get(), &QAudioSink::stateChanged, m_context, [this](QAudio::State state) {
        if (state == QAudio::IdleState)
            QMetaObject::invokeMethod(
                m_context, [this] { closeSinkWhenPlayed(); }, Qt::QueuedConnection);
    });
    if (!m_soundReachable) {
        m_soundReachable = true;
        report();
    }
    return true;
}

// Drops what was waiting to be said: a word said seconds late would only confuse. The
// output is looked for again later.
void SpeechWorker::loseSound()
{
    m_pending.clear();
    m_written = 0;
    m_retryAt = Clock::now() + RetryEvery;
    if (m_soundReachable) {
        qCInfo(lcSpeech) << "no sound output";
        m_soundReachable = false;
        report();
    }
}

void SpeechWorker::feedSink()
{
    if (m_written == m_pending.size())
        return;
    if (!m_sink && !openSink()) {
        m_pending.clear();
        m_written = 0;
        return;
    }
    const std::size_t room = std::size_t(std::max<qsizetype>(m_sink->bytesFree(), 0)) / 2;
    const std::size_t count = std::min(room, m_pending.size() - m_written);
    if (count > 0) {
        const qint64 wrote =
            m_output->write(reinterpret_cast<const char *>(m_pending.data() + m_written),
                            qint64(count * sizeof(std::int16_t)));
        if (wrote < 0 || m_sink->error() == QAudio::OpenError
            || m_sink->error() == QAudio::FatalError) {
            qCInfo(lcSpeech) << "sound output lost:" << m_sink->error();
            closeSink();
            loseSound();
            return;
        }
        m_written += std::size_t(wrote) / sizeof(std::int16_t);
    }
    if (m_written == m_pending.size()) {
        m_pending.clear();
        m_written = 0;
    } else {
        m_feedTimer->start();
    }
}

void SpeechWorker::closeSinkWhenPlayed()
{
    if (m_sink && m_pending.empty() && m_sink->state() == QAudio::IdleState)
        closeSink();
}

void SpeechWorker::closeSink()
{
    if (m_feedTimer)
        m_feedTimer->stop();
    if (!m_sink)
        return;
    m_sink->disconnect();
    m_sink->reset();
    m_sink->stop();
    m_sink.reset();
    m_output = nullptr;
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
    const std::lock_guard lock(m_mutex);
    if (m_report)
        m_report(missing);
}

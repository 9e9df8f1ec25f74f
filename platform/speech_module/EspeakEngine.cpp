// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakEngine.h"

#include "Language.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QLoggingCategory>
#include <QMediaDevices>

namespace {

Q_LOGGING_CATEGORY(lcSound, "zep.speech")

using Clock = std::chrono::steady_clock;

// The sound server holds about this much of a word ahead of the loudspeaker: short, so
// that the first sound comes soon and a cut-off word stops at once.
constexpr int BufferMs = 40;
// While a word is longer than the buffer, the rest is handed on this often.
constexpr auto FeedEvery = std::chrono::milliseconds(10);
// A lost or missing sound output is looked for again this often.
constexpr auto RetryEvery = std::chrono::seconds(5);

QString VoiceMissing(const Voice &voice)
{
    const Language *language = Language::find(voice.language);
    return QStringLiteral("Vorlesen geht nicht: Für %1 ist keine Stimme installiert.")
        .arg(language ? language->germanName : QStringLiteral("diese Sprache"));
}
const QString SoundMissing =
    QStringLiteral("Vorlesen geht nicht: Es wurde keine Tonausgabe gefunden.");

} // namespace

// The module's one entry, found by name when the speech thread loads it.
extern "C" Q_DECL_EXPORT SpeechEngine *zepCreateSpeechEngine(const SpeechEngine::Changed &changed)
{
    return new EspeakEngine(changed);
}

EspeakEngine::EspeakEngine(Changed changed) : m_changed(std::move(changed))
{
    m_feedTimer.setSingleShot(true);
    m_feedTimer.setInterval(FeedEvery);
    QObject::connect(&m_feedTimer, &QTimer::timeout, &m_context, [this] { feedSink(); });
    // Looking for the sound output may block for as long as a stuck sound server keeps
    // the connection waiting; only the speech thread waits for it.
    m_soundReachable = !QMediaDevices::defaultAudioOutput().isNull();
    if (!m_soundReachable)
        m_retryAt = Clock::now() + RetryEvery;
}

EspeakEngine::~EspeakEngine() { closeSink(); }

QString EspeakEngine::missingReason(const Voice &voice)
{
    if (!m_synthesizer.ok())
        return EngineMissing();
    if (!m_soundReachable)
        return SoundMissing;
    if (!m_synthesizer.hasVoice(voice))
        return VoiceMissing(voice);
    return {};
}

void EspeakEngine::add(const QString &text, const Voice &voice)
{
    const std::vector<std::int16_t> samples = m_synthesizer.synthesize(text, voice);
    m_pending.insert(m_pending.end(), samples.begin(), samples.end());
    feedSink();
}

void EspeakEngine::drop()
{
    closeSink(); // drops what the sound server still holds of the old word
    m_pending.clear();
    m_written = 0;
}

// The sink and its device are taken up together, only once the sink has started, and
// given up together before the sink is stopped: a call into the engine that comes while
// Qt Multimedia starts or ends a sink finds it either whole or not at all.
bool EspeakEngine::openSink()
{
    if (!m_soundReachable && Clock::now() < m_retryAt)
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        loseSound();
        return false;
    }
    QAudioFormat format;
    format.setSampleRate(m_synthesizer.sampleRate());
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    auto sink = std::make_unique<QAudioSink>(device, format);
    sink->setBufferSize(qsizetype(m_synthesizer.sampleRate()) * 2 * BufferMs / 1000);
    QIODevice *output = sink->start();
    if (!output || sink->error() != QAudio::NoError) {
        qCInfo(lcSound) << "sound output does not open:" << sink->error();
        loseSound();
        return false;
    }
    closeSink(); // one that a call during the start may have opened
    m_sink = std::move(sink);
    m_output = output;
    // When the last sample has been played and nothing followed, the sink is closed, so
    // that an idle program keeps no sound stream open. Not from within its own signal.
    QObject::connect(m_sink.get(), &QAudioSink::stateChanged, &m_context, [this](QAudio::State state) {
        if (state == QAudio::IdleState)
            QMetaObject::invokeMethod(
                &m_context, [this] { closeSinkWhenPlayed(); }, Qt::QueuedConnection);
    });
    if (!m_soundReachable) {
        m_soundReachable = true;
        m_changed();
    }
    return true;
}

// Drops what was waiting to be said: a word said seconds late would only confuse. The
// output is looked for again later.
void EspeakEngine::loseSound()
{
    m_pending.clear();
    m_written = 0;
    m_retryAt = Clock::now() + RetryEvery;
    if (m_soundReachable) {
        qCInfo(lcSound) << "no sound output";
        m_soundReachable = false;
        m_changed();
    }
}

void EspeakEngine::feedSink()
{
    if (m_written == m_pending.size())
        return;
    if (m_sink && !m_output) // Qt Multimedia took the sink's device away
        closeSink();
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
            qCInfo(lcSound) << "sound output lost:" << m_sink->error();
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
        m_feedTimer.start();
    }
}

void EspeakEngine::closeSinkWhenPlayed()
{
    if (m_sink && m_pending.empty() && m_sink->state() == QAudio::IdleState)
        closeSink();
}

void EspeakEngine::closeSink()
{
    m_feedTimer.stop();
    const std::unique_ptr<QAudioSink> sink = std::move(m_sink);
    m_output = nullptr;
    if (!sink)
        return;
    sink->disconnect();
    sink->reset();
    sink->stop();
}

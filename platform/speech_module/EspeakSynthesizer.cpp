// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakSynthesizer.h"

#include "Language.h"

#include <espeak-ng/speak_lib.h>

#include <algorithm>
#include <mutex>
#include <optional>

namespace {

// Blocks of 20 ms reach the callback; the whole word is collected before it is played.
constexpr int BlockMs = 20;
// Words per minute: a little slower than the engine's 175, for children who listen closely.
constexpr int WordsPerMinute = 150;

int Collect(short *samples, int count, espeak_EVENT *events)
{
    auto *out = static_cast<std::vector<std::int16_t> *>(events->user_data);
    if (samples && out)
        out->insert(out->end(), samples, samples + count);
    return 0;
}

QByteArray VoiceName(const Voice &voice)
{
    const Language *language = Language::find(voice.language);
    return language ? language->voice.toLatin1() : QByteArray();
}

// The engine is loaded once per process and stays until the process ends: eSpeak NG 1.51
// hangs in espeak_Terminate once it has been initialised a second time.
int LoadEngine()
{
    static const int rate = [] {
        // Without DONT_EXIT the library ends the whole process when its data is missing.
        const int loaded = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, BlockMs, nullptr,
                                             espeakINITIALIZE_DONT_EXIT);
        if (loaded > 0)
            espeak_SetSynthCallback(Collect);
        return std::max(loaded, 0);
    }();
    return rate;
}

// The library's one engine: a call that selects a voice and uses it holds the engine.
std::mutex EngineInUse;
std::optional<Voice> SelectedVoice; // guarded by EngineInUse

// With EngineInUse held.
bool Select(const Voice &voice)
{
    if (SelectedVoice == voice)
        return true;
    SelectedVoice.reset();
    const QByteArray name = VoiceName(voice);
    if (name.isEmpty() || espeak_SetVoiceByName(name.constData()) != EE_OK)
        return false;
    espeak_SetParameter(espeakRATE, WordsPerMinute, 0);
    SelectedVoice = voice;
    return true;
}

} // namespace

EspeakSynthesizer::EspeakSynthesizer() : m_sampleRate(LoadEngine()) {}

bool EspeakSynthesizer::hasVoice(const Voice &voice)
{
    const std::lock_guard engine(EngineInUse);
    return ok() && Select(voice);
}

std::vector<std::int16_t> EspeakSynthesizer::synthesize(const QString &text, const Voice &voice)
{
    std::vector<std::int16_t> samples;
    const std::lock_guard engine(EngineInUse);
    if (!ok() || !Select(voice))
        return samples;
    const QByteArray utf8 = text.toUtf8();
    espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                 espeakCHARS_UTF8, nullptr, &samples);
    return samples;
}

QString EspeakSynthesizer::phonemes(const QString &text, const Voice &voice)
{
    const std::lock_guard engine(EngineInUse);
    if (!ok() || !Select(voice))
        return {};
    const QByteArray utf8 = text.toUtf8();
    const void *rest = utf8.constData();
    QStringList clauses;
    while (rest)
        clauses << QString::fromUtf8(espeak_TextToPhonemes(&rest, espeakCHARS_UTF8, 0)).trimmed();
    return clauses.join(u' ');
}

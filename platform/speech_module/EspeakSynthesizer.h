// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Speech.h"

#include <QString>
#include <cstdint>
#include <vector>

// eSpeak NG in retrieval mode: text in, 16-bit mono samples out, nothing played.
// The engine keeps its state, the chosen voice included, in the library, once for the whole
// process: synthesizers on several threads take turns with it. The first one loads the
// engine for the rest of the process.
class EspeakSynthesizer
{
public:
    EspeakSynthesizer();
    EspeakSynthesizer(const EspeakSynthesizer &) = delete;
    EspeakSynthesizer &operator=(const EspeakSynthesizer &) = delete;

    // False when the engine or its data could not be loaded.
    bool ok() const { return m_sampleRate > 0; }
    int sampleRate() const { return m_sampleRate; }
    bool hasVoice(const Voice &voice);
    // The spoken text; empty when the voice is missing.
    std::vector<std::int16_t> synthesize(const QString &text, const Voice &voice);
    // What the voice makes of the text, in eSpeak NG's phoneme names; empty when the voice
    // is missing.
    QString phonemes(const QString &text, const Voice &voice);

private:
    int m_sampleRate = 0;
};

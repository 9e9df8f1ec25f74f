// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakSynthesizer.h"
#include "Module1.h"

#include <gtest/gtest.h>

namespace {

struct Heard
{
    int ms;
    int peak;
};

Heard Measure(const std::vector<std::int16_t> &samples, int rate)
{
    int peak = 0;
    for (std::int16_t sample : samples)
        peak = std::max(peak, std::abs(int(sample)));
    return {int(samples.size() * 1000 / rate), peak};
}

// Every number word the exercise asks, in both languages, comes out as clearly audible
// speech of a length that fits the word.
TEST(EspeakSynthesizer, EveryNumberWordIsSpokenInBothLanguages)
{
    EspeakSynthesizer engine;
    ASSERT_TRUE(engine.ok());
    ASSERT_EQ(engine.sampleRate(), 22050);
    Module1 state;
    for (const auto &[language, voice] : {std::pair{"d", Voice::German}, {"e", Voice::English}}) {
        ASSERT_TRUE(engine.hasVoice(voice));
        state.Language = QString::fromLatin1(language);
        state.BuildNumberWords();
        for (int n = 1; n <= 100; ++n) {
            const Heard heard = Measure(engine.synthesize(state.NumberWords[n], voice), 22050);
            EXPECT_GE(heard.ms, 250) << language << n;
            EXPECT_LE(heard.ms, 2500) << language << n;
            EXPECT_GE(heard.peak, 4000) << language << n;
        }
    }
    // The words themselves get through: a long word takes clearly longer than a short one.
    const int one = Measure(engine.synthesize(QStringLiteral("eins"), Voice::German), 22050).ms;
    const int seventySeven =
        Measure(engine.synthesize(QStringLiteral("siebenundsiebzig"), Voice::German), 22050).ms;
    EXPECT_GE(seventySeven, one + 300);
}

} // namespace

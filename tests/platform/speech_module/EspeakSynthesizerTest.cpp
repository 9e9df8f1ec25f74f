// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakSynthesizer.h"
#include "Language.h"
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

// Every number as it is said, in every language, comes out as clearly audible speech of a
// length that fits a number word (all hundred in German and English, a sample elsewhere).
TEST(EspeakSynthesizer, EveryNumberIsSpokenInEveryLanguage)
{
    EspeakSynthesizer engine;
    ASSERT_TRUE(engine.ok());
    ASSERT_EQ(engine.sampleRate(), 22050);
    Module1 state;
    const QList<int> sample{1, 7, 11, 14, 16, 21, 40, 47, 60, 71, 80, 90, 97, 100};
    for (const Language &language : Language::all()) {
        const Voice voice{language.code};
        const std::string code = language.code.toStdString();
        ASSERT_TRUE(engine.hasVoice(voice)) << code;
        state.Language = Language::toSetting(language.code);
        state.BuildNumberWords();
        const bool all = voice == Voice::German || voice == Voice::English;
        for (int n = 1; n <= 100; ++n) {
            if (!all && !sample.contains(n))
                continue;
            const QString said = language.spoken(n, state.NumberWords[n]);
            const Heard heard = Measure(engine.synthesize(said, voice), 22050);
            EXPECT_GE(heard.ms, 200) << code << n; // French "un" is short
            EXPECT_LE(heard.ms, 2500) << code << n;
            EXPECT_GE(heard.peak, 4000) << code << n;
        }
    }
    // The words themselves get through: a long word takes clearly longer than a short one.
    const int one = Measure(engine.synthesize(QStringLiteral("eins"), Voice::German), 22050).ms;
    const int seventySeven =
        Measure(engine.synthesize(QStringLiteral("siebenundsiebzig"), Voice::German), 22050).ms;
    EXPECT_GE(seventySeven, one + 300);
}

} // namespace

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Speech.h"

#include <QString>
#include <functional>

// The voice and the loudspeaker behind the speech thread. They live in the module
// zep100-speech with the libraries they need (eSpeak NG, Qt Multimedia), which the speech
// thread loads itself: the program starts without them, and only that thread waits for
// them. An engine is made, used and destroyed on that one thread.
class SpeechEngine
{
public:
    // Called whenever missingReason may answer differently.
    using Changed = std::function<void()>;
    using Create = SpeechEngine *(*)(const Changed &changed);
    static constexpr char ModuleName[] = "zep100-speech";
    static constexpr char CreateEntry[] = "zepCreateSpeechEngine";

    // Also the reason when the module itself cannot be loaded.
    static QString EngineMissing()
    {
        return QStringLiteral("Vorlesen geht nicht: Die Sprachausgabe eSpeak NG fehlt oder lässt "
                              "sich nicht starten.");
    }

    virtual ~SpeechEngine() = default;

    // Empty while the voice can be heard; otherwise why not, in plain German.
    virtual QString missingReason(const Voice &voice) = 0;
    // Synthesises text and plays it after what is still playing.
    virtual void add(const QString &text, const Voice &voice) = 0;
    // Stops what is playing and drops what waits.
    virtual void drop() = 0;
};

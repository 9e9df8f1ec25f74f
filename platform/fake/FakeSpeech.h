// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Speech.h"

#include <QElapsedTimer>
#include <QList>
#include <QMap>

// Records what was said, in which voice, when, and whether it cut off what went before.
// Speaks every voice unless told that one is missing.
class FakeSpeech : public Speech
{
    Q_OBJECT

public:
    struct Said
    {
        QString text;
        Voice voice;
        bool cutsOff; // say(); false for sayAfter()
        qint64 atMs;  // since the double was made
    };

    FakeSpeech() { m_clock.start(); }

    QString missingReason(const Voice &voice) const override { return missing.value(voice); }
    void say(const QString &text, const Voice &voice) override;
    void sayAfter(const QString &text, const Voice &voice) override;
    void silence() override { ++silenced; }

    // Pretends the engine found no voice (an empty reason brings it back) and announces it.
    void setMissing(const Voice &voice, const QString &reason);

    QStringList texts() const;
    qint64 elapsedMs() const { return m_clock.elapsed(); }

    QList<Said> said;
    int silenced = 0;
    QMap<Voice, QString> missing;

private:
    QElapsedTimer m_clock;
};

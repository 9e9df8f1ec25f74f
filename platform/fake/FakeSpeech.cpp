// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FakeSpeech.h"

void FakeSpeech::say(const QString &text, const Voice &voice)
{
    said.append({text, voice, true, m_clock.elapsed()});
}

void FakeSpeech::sayAfter(const QString &text, const Voice &voice)
{
    said.append({text, voice, false, m_clock.elapsed()});
}

void FakeSpeech::setMissing(const Voice &voice, const QString &reason)
{
    if (reason.isEmpty())
        missing.remove(voice);
    else
        missing.insert(voice, reason);
    emit availabilityChanged();
}

QStringList FakeSpeech::texts() const
{
    QStringList result;
    for (const Said &entry : said)
        result.append(entry.text);
    return result;
}

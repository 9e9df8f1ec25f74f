// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReadingAloud.h"

#include "ClickLabel.h"
#include "KeyRepeats.h"
#include "Language.h"
#include "Module1.h"
#include "PictureButton.h"

#include <QScrollBar>
#include <utility>

namespace {

const QString SpeakerOnPicture = QStringLiteral(":/icons/speaker_on.svg");
const QString SpeakerOffPicture = QStringLiteral(":/icons/speaker_off.svg");
const QString SpeakerOnTip = QStringLiteral("Vorlesen ist an. Klick schaltet es aus.");
const QString SpeakerOffTip = QStringLiteral("Vorlesen ist aus. Klick schaltet es ein.");

} // namespace

const QString ReadingAloud::ZahlenQuestion = QStringLiteral("Wie heißt die Zahl?");

ReadingAloud::ReadingAloud(const Module1 &state, Speech &speech, const KeyRepeats &keys,
                           const ClickLabel &question, const QScrollBar &proposal,
                           PictureButton &speaker)
    : m_state(state), m_speech(speech), m_keys(keys), m_question(question), m_proposal(proposal),
      m_speaker(speaker)
{
    m_proposalRest.setSingleShot(true);
    m_proposalRest.setInterval(ProposalRestMs);
    connect(&m_proposalRest, &QTimer::timeout, this, &ReadingAloud::proposalRested);
    connect(&m_speech, &Speech::availabilityChanged, this, &ReadingAloud::showButton);
}

void ReadingAloud::toggle()
{
    m_on = !m_on;
    if (!m_on)
        m_speech.silence();
    else if (!m_question.text().isEmpty())
        sayQuestion();
    showButton();
}

Voice ReadingAloud::numberVoice() const { return Voice{Language::fromSetting(m_state.Language)}; }

// The voices read most numerals better than the written words ("vierzig" comes out with
// a voiced v), so the number is said as the language's list prescribes.
QString ReadingAloud::spokenNumber(int n) const
{
    const Language *language = Language::find(numberVoice().language);
    return language ? language->spoken(n, m_state.NumberWords[n]) : m_state.NumberWords[n];
}

void ReadingAloud::sayQuestion()
{
    if (m_state.ExerciseMode == Module1::FelderMode)
        say(spokenNumber(m_state.TargetNumber), numberVoice());
    else if (m_question.text() == ZahlenQuestion)
        say(ZahlenQuestion, Voice::German);
    else
        sayProposal();
}

void ReadingAloud::sayConfirmedProposal()
{
    m_proposalRest.stop();
    sayProposal();
}

void ReadingAloud::askAfterProposal(const std::function<void()> &ask)
{
    m_questionAfterProposal = true;
    ask();
    m_questionAfterProposal = false;
}

void ReadingAloud::sayProposal() { say(spokenNumber(m_proposal.value()), numberVoice()); }

// A repeating arrow goes on moving the bar at the keyboard's pace, however late a busy
// program reads its repeats: the bar rests once the key is let go or the bar is at its end.
void ReadingAloud::proposalRested()
{
    if (arrowMovesOn())
        m_proposalRest.start();
    else
        sayProposal();
}

bool ReadingAloud::arrowMovesOn() const
{
    const int value = m_proposal.value();
    const bool down = m_keys.isRepeating(Qt::Key_Left) || m_keys.isRepeating(Qt::Key_Up);
    const bool up = m_keys.isRepeating(Qt::Key_Right) || m_keys.isRepeating(Qt::Key_Down);
    return (down && value > m_proposal.minimum()) || (up && value < m_proposal.maximum());
}

void ReadingAloud::say(const QString &text, const Voice &voice)
{
    if (!m_on || !m_speech.missingReason(voice).isEmpty())
        return;
    if (std::exchange(m_questionAfterProposal, false))
        m_speech.sayAfter(text, voice);
    else
        m_speech.say(text, voice);
}

void ReadingAloud::showButton()
{
    const QString missing = m_speech.missingReason(numberVoice());
    const QString tip = !missing.isEmpty() ? missing : m_on ? SpeakerOnTip : SpeakerOffTip;
    m_speaker.setEnabled(missing.isEmpty());
    const QString picture = m_on && missing.isEmpty() ? SpeakerOnPicture : SpeakerOffPicture;
    if (m_speaker.picture() != picture) // each picture is an SVG document parsed anew
        m_speaker.setPicture(picture);
    m_speaker.setToolTip(tip);
    m_speaker.setAccessibleDescription(tip);
}

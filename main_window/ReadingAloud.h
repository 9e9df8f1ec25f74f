// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Speech.h"

#include <QObject>
#include <QTimer>
#include <functional>

class ClickLabel;
class KeyRepeats;
class Module1;
class PictureButton;
class QScrollBar;

// Reads the main window's questions aloud for children who cannot read yet: in Felder mode
// the number in the voice of the number words' language, in Zahlen mode "Wie heißt die
// Zahl?" and then the number the child has chosen, once the scroll bar has stood still.
// The loudspeaker button turns it off and on for the run.
class ReadingAloud : public QObject
{
    Q_OBJECT

public:
    static const QString ZahlenQuestion;
    // A proposal is said once the scroll bar has stood still this long.
    static constexpr int ProposalRestMs = 500;

    ReadingAloud(const Module1 &state, Speech &speech, const KeyRepeats &keys,
                 const ClickLabel &question, const QScrollBar &proposal, PictureButton &speaker);

    bool isOn() const { return m_on; }
    // Turns reading aloud off or on; on again, the question is said at once.
    void toggle();
    // Says what the question label shows.
    void sayQuestion();
    // The child moved the scroll bar: its number is said when the bar rests.
    void proposalMoved() { m_proposalRest.start(); }
    // The child confirmed its number: it is said now.
    void sayConfirmedProposal();
    // Runs ask, whose question waits until the confirmed number has been said.
    void askAfterProposal(const std::function<void()> &ask);
    // A new question came before the bar rested.
    void forgetProposal() { m_proposalRest.stop(); }
    // Shows on the loudspeaker whether reading aloud is on and whether the language can
    // be read; greyed, with the reason as its tooltip, when not.
    void showButton();

private:
    Voice numberVoice() const;
    QString spokenNumber(int n) const;
    void sayProposal();
    void proposalRested();
    bool arrowMovesOn() const;
    void say(const QString &text, const Voice &voice);

    const Module1 &m_state;
    Speech &m_speech;
    const KeyRepeats &m_keys;
    const ClickLabel &m_question;
    const QScrollBar &m_proposal;
    PictureButton &m_speaker;
    QTimer m_proposalRest;
    bool m_on = true;
    bool m_questionAfterProposal = false;
};

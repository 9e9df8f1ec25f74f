// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <functional>

// Answers message and input boxes from queues and records every box shown.
// Questions take their answers from the queue, the preselected answer (No, or Cancel where
// offered) when it is empty; an empty input queue cancels input boxes.
class FakeDialogs : public Dialogs
{
public:
    struct Shown
    {
        enum Kind { Message, Input, Password } kind;
        QString prompt;
        QString title;
        MessageStyle style = MessageStyle::Ok;
        QString preset;
        QRect keepClear; // for questions shown beside an area
        int maxLength = NoLengthLimit;
        QStringList choices{}; // of an input box with choices; a password box's labels
        QString tick{};        // of a question with a box to tick
    };

    Answer messageBox(const QString &prompt, MessageStyle style, const QString &title) override;
    Answer questionBeside(const QString &prompt, const QString &title, const QRect &keepClear) override;
    // Ticks the box when ticks says so (its front, taken off), else leaves it.
    Answer questionWithTick(const QString &prompt, const QString &title, const QString &tick,
                            bool &ticked) override;
    QString inputBox(const QString &prompt, const QString &title, const QString &preset,
                     int maxLength = NoLengthLimit) override;
    QString inputBoxWithChoices(const QString &prompt, const QString &title, const QStringList &choices,
                                int maxLength = NoLengthLimit) override;
    QStringList passwordBox(const QString &prompt, const QString &title, const QStringList &labels) override;
    void beep() override { ++beeps; }

    QQueue<Answer> answers;
    QQueue<QString> inputs;
    QQueue<QStringList> passwords; // an empty queue cancels password boxes
    QQueue<bool> ticks;
    QList<Shown> shown;
    int beeps = 0;
    // Runs while a box is open, after it was recorded (for checks made "during" a box).
    std::function<void()> whileOpen;

    QStringList titles() const;
    const Shown &last() const { return shown.last(); }

private:
    QString typed(int maxLength);
};

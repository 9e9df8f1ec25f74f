// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeDialogs.h"

Answer FakeDialogs::messageBox(const QString &prompt, MessageStyle style, const QString &title)
{
    shown.append({Shown::Message, prompt, title, style, {}, {}});
    if (whileOpen)
        whileOpen();
    if (style != MessageStyle::Question && style != MessageStyle::QuestionOrCancel)
        return Answer::Ok;
    if (!answers.isEmpty())
        return answers.dequeue();
    return style == MessageStyle::Question ? Answer::No : Answer::Cancel;
}

Answer FakeDialogs::questionBeside(const QString &prompt, const QString &title, const QRect &keepClear)
{
    const Answer answer = messageBox(prompt, MessageStyle::Question, title);
    shown.last().keepClear = keepClear;
    return answer;
}

Answer FakeDialogs::questionWithTick(const QString &prompt, const QString &title, const QString &tick, bool &ticked)
{
    ticked = !ticks.isEmpty() && ticks.dequeue();
    const Answer answer = messageBox(prompt, MessageStyle::Question, title);
    shown.last().tick = tick;
    return answer;
}

QString FakeDialogs::inputBox(const QString &prompt, const QString &title, const QString &preset,
                              int maxLength)
{
    shown.append({Shown::Input, prompt, title, MessageStyle::Ok, preset, {}, maxLength});
    return typed(maxLength);
}

QString FakeDialogs::typed(int maxLength)
{
    if (whileOpen)
        whileOpen();
    const QString text = inputs.isEmpty() ? QString() : inputs.dequeue();
    return maxLength == NoLengthLimit ? text : CutBetweenCharacters(text, maxLength); // as the box does
}

QString FakeDialogs::inputBoxWithChoices(const QString &prompt, const QString &title,
                                        const QStringList &choices, int maxLength)
{
    shown.append({Shown::Input, prompt, title, MessageStyle::Ok, {}, {}, maxLength, choices});
    return typed(maxLength);
}

QStringList FakeDialogs::titles() const
{
    QStringList result;
    for (const Shown &box : shown)
        result.append(box.title);
    return result;
}

QStringList FakeDialogs::passwordBox(const QString &prompt, const QString &title, const QStringList &labels)
{
    shown.append({Shown::Password, prompt, title, MessageStyle::Ok, {}, {}, NoLengthLimit, labels});
    if (whileOpen)
        whileOpen();
    return passwords.isEmpty() ? QStringList() : passwords.dequeue();
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

enum class MessageStyle {
    Ok = 0,           // OK, no icon
    Warning = 48,     // OK, warning icon
    Information = 64, // OK, information icon
    Question = 292,   // Yes and No, question icon, No preselected
    // Yes, No and Cancel, question icon, Cancel preselected: Enter alone changes nothing
    QuestionOrCancel = 547,
};

enum class Answer { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// The longest name a user or a pattern may have, in UTF-16 code units (a character
// beyond the Basic Multilingual Plane counts two).
constexpr int MaxNameLength = 100;

// The longest beginning of text that has at most maxLength code units and ends between
// two characters as a reader sees them: a letter keeps its accents, an emoji, a flag or a
// family of emoji stays whole or goes whole.
QString CutBetweenCharacters(const QString &text, int maxLength);

// Modal message and input boxes and the warning sound.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // Line breaks in the prompt may be CR, CR LF or LF CR; each shows as one break.
    virtual Answer messageBox(const QString &prompt, MessageStyle style, const QString &title) = 0;
    // The same Yes/No question as messageBox with MessageStyle::Question, standing beside
    // the given area of the screen (global pixels), clear of it and fully on the screen,
    // for questions about what that area shows.
    virtual Answer questionBeside(const QString &prompt, const QString &title,
                                  const QRect &keepClear) = 0;
    // The same Yes/No question as messageBox with MessageStyle::Question, with a box to tick
    // below it, unticked at first; ticked tells whether it was ticked at the answer.
    virtual Answer questionWithTick(const QString &prompt, const QString &title, const QString &tick,
                                    bool &ticked) = 0;
    static constexpr int NoLengthLimit = -1;
    // The edited text, or the empty text when the box is cancelled. The box takes no more
    // than maxLength code units, when one is given, and never half a character.
    virtual QString inputBox(const QString &prompt, const QString &title, const QString &preset,
                             int maxLength = NoLengthLimit) = 0;
    // The same box, starting empty, whose line also opens a list of the choices (in the
    // order given) to pick from; typing works as in inputBox.
    virtual QString inputBoxWithChoices(const QString &prompt, const QString &title,
                                        const QStringList &choices, int maxLength = NoLengthLimit) = 0;
    // A box with one line per label whose text shows only as dots, for passwords: the texts
    // typed, in the order of the labels, or an empty list when the box is cancelled.
    virtual QStringList passwordBox(const QString &prompt, const QString &title,
                                    const QStringList &labels) = 0;
    virtual void beep() = 0;
};

class Files;

// Asks for the name and path of a file, offering fileName in the current directory; the
// empty text when the box is cancelled.
QString AskFileName(Dialogs &dialogs, const Files &files, const QString &title, const QString &fileName);
// Says in a box that the file could not be saved, and why.
void TellNotSaved(Dialogs &dialogs, const QString &fileName, const QString &reason, const QString &title);

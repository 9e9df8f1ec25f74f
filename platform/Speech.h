// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

// The language a text is read in, by its ISO 639-1 code ("de", "en", "tr", …).
struct Voice
{
    QString language;

    static const Voice German;
    static const Voice English;

    friend bool operator==(const Voice &, const Voice &) = default;
    friend bool operator<(const Voice &a, const Voice &b) { return a.language < b.language; }
};
inline const Voice Voice::German{QStringLiteral("de")};
inline const Voice Voice::English{QStringLiteral("en")};

// Reads words aloud. Every call returns at once: the engine starts, speaks and waits for
// the sound output on a thread of its own.
class Speech : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    ~Speech() override = default;

    // Empty while the voice can speak, also while the engine is still starting;
    // otherwise why it cannot, in plain German for the person at the computer.
    virtual QString missingReason(const Voice &voice) const = 0;
    // Says text, cutting off whatever is still being said or waiting to be said.
    virtual void say(const QString &text, const Voice &voice) = 0;
    // Says text when what is being said now has ended.
    virtual void sayAfter(const QString &text, const Voice &voice) = 0;
    // Cuts off whatever is being said.
    virtual void silence() = 0;

signals:
    // The answers of missingReason have changed (the engine has started, or lost its output).
    void availabilityChanged();
    // The words of the last say() have begun to sound; not sent for words that a later
    // say() cut off before they sounded.
    void sayingStarted();
};

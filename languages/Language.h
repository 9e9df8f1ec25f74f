// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// A language the number words can be shown and read in. German is the first language of
// every child; each of the others can be a child's second language.
struct Language
{
    QString code;       // ISO 639-1
    QString autonym;    // its own name, in its own script
    QString germanName; // "Türkisch"
    QString shortName;  // for the language button's picture
    QString voice;      // eSpeak NG's voice
    bool rightToLeft = false;
    // The voice reads the numeral as the number word is said; else it reads the word.
    bool readsNumeral = true;

    // German first, then English, then the others in the order of the menu.
    static const QList<Language> &all();
    // Null for a code that is not in the list.
    static const Language *find(const QString &code);
    // The value the program keeps in Module1::Language: "d" for German, "e" for English,
    // the ISO 639-1 code for the others; and back.
    static QString fromSetting(const QString &setting);
    static QString toSetting(const QString &code);

    // "Türkçe – Türkisch"
    QString menuText() const;
    // What is given to the voice for number n (1..100) whose word is word.
    QString spoken(int n, const QString &word) const;
};

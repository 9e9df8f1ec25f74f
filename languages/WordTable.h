// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The reviewed number words of a second language, kept in the program as words/<code>.txt.
class WordTable
{
public:
    static constexpr int Count = 100;

    // The words for 1 to 100 (word n at index n - 1); empty when the language has no table
    // (German and English have their own words). Read once per language and run.
    static const QStringList &words(const QString &code);
    // A table's text: lines "n<TAB>word" for 1 to 100 in order, "#" lines are comments.
    // Empty unless every number has exactly one word.
    static QStringList parse(const QByteArray &text);
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The errors that German primary-school teaching names on the hundred chart, in the order
// in which the first that fits names a wrong answer.
enum class ErrorType {
    Zahlendreher,    // tens and ones swapped: 74 for 47
    Zehneruebergang, // a multiple of ten looked for at the start of its row or the next
    Nachbarzahl,     // one off
    Nachbarzehner,   // ten off
    RichtigeZeile,   // same row, other column: the ones are wrong
    RichtigeSpalte,  // same column, other row: the tens are wrong
    WeitDaneben,
};
constexpr int ErrorTypeCount = 7;

// asked and given are 1..100 and differ. Rows are those of the board: row k holds
// 10k - 9 .. 10k.
ErrorType ClassifyError(int asked, int given);
QString ErrorTypeName(ErrorType type);
// One concrete practice tip for parents, in German.
QString PracticeTip(ErrorType type);

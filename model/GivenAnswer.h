// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// One answer of the child in play, as the main window judged it: every press that the hit
// or the error counter counts.
struct GivenAnswer
{
    int asked = 0;    // the number asked, 1..100
    int given = 0;    // the number of the cell pressed, or the number chosen in Zahlen mode
    bool right = false;
    int mode = 0;     // Module1::FelderMode or Module1::ZahlenMode
    QString language; // of the number words, as Module1::Language holds it
    QString patternName;
    QString userName; // as the user-name label shows it
};

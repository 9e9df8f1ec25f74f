// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The two files the program keeps in its working directory.
inline const QString ResultsFileName = QStringLiteral("ZEP100.INI");
inline const QString PatternFileName = QStringLiteral("ZEP100.TXT");

// Reading stops after this many bytes; what was read up to there is kept.
constexpr qsizetype MaxTextFileBytes = 32 * 1024 * 1024;

// A results file keeps about 100 short lines; the start reads no more than this of a file
// that has grown beyond all use, so that the program still starts at once.
constexpr qsizetype MaxResultsFileBytes = 2 * 1024 * 1024;

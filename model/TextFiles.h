// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The two files the program keeps in its working directory.
inline const QString ResultsFileName = QStringLiteral("ZEP100.INI");
inline const QString PatternFileName = QStringLiteral("ZEP100.TXT");

// Reading stops after this many bytes; what was read up to there is kept.
constexpr qsizetype MaxTextFileBytes = 32 * 1024 * 1024;

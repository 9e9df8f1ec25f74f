// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

// Entry n (1..100) is the word for n; entry 0 stays empty.
using NumberWordTable = std::array<QString, 101>;

// "d" gives German words, the ISO 639-1 code of a language with a word table ("tr")
// that language's words, every other value English ones.
NumberWordTable BuildNumberWords(const QString &language);

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Module1.h"

void Module1::BuildNumberWords() { NumberWords = ::BuildNumberWords(Language); }

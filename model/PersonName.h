// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// A name as a person reads it, for telling children apart in every file: blanks at both
// ends dropped and the characters in Unicode's composed form, so that "Mia", "Mia " and a
// "Mia" typed with separate accents are one child. Case still counts ("mia" is another).
QString ComparableName(const QString &name);
bool SamePerson(const QString &a, const QString &b);

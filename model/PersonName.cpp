// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PersonName.h"

QString ComparableName(const QString &name)
{
    return name.trimmed().normalized(QString::NormalizationForm_C);
}

bool SamePerson(const QString &a, const QString &b) { return ComparableName(a) == ComparableName(b); }

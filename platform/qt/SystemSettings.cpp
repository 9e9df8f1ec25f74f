// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "SystemSettings.h"

#include <QSettings>

namespace {

const QString Organization = QStringLiteral("zep100");

} // namespace

QString SystemSettings::Text(const char *key)
{
    const QVariant value = QSettings(QSettings::SystemScope, Organization).value(QLatin1String(key));
    // Without quotes, a value with commas (as a password's hash has) is read as a list.
    return value.typeId() == QMetaType::QStringList ? value.toStringList().join(u',') : value.toString();
}

QString SystemSettings::Place() { return QSettings(QSettings::SystemScope, Organization).fileName(); }

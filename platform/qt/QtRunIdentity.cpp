// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtRunIdentity.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSysInfo>
#include <QUuid>

// Identical machines started in the same second with the same process number still differ
// in the random part.
QtRunIdentity::QtRunIdentity()
    : m_name(QStringLiteral("%1-%2-%3-%4")
                 .arg(QSysInfo::machineHostName(),
                      QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")))
                 .arg(QCoreApplication::applicationPid())
                 .arg(QUuid::createUuid().toString(QUuid::Id128).left(8)))
{
}

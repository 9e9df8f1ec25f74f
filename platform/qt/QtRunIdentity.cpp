// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtRunIdentity.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QSysInfo>

QtRunIdentity::QtRunIdentity()
    : m_name(QStringLiteral("%1-%2-%3")
                 .arg(QSysInfo::machineHostName(),
                      QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd'T'HHmmss")))
                 .arg(QCoreApplication::applicationPid()))
{
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Files.h"

#include <QHash>
#include <QStringList>

// Files kept in memory, named relative to a made-up working directory.
class FakeFiles : public Files
{
public:
    FileContents read(const QString &name, qsizetype maxBytes) override;
    QString write(const QString &name, const QByteArray &bytes) override;
    QString currentDirectory() const override { return directory; }

    QHash<QString, QByteArray> files;
    // A name listed here cannot be written; the reason is returned.
    QHash<QString, QString> writeFailures;
    QStringList reads;
    QStringList writes;
    QString directory = QStringLiteral("/schule");
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Files.h"

class QtFiles : public Files
{
public:
    FileContents read(const QString &name, qsizetype maxBytes) override;
    QString write(const QString &name, const QByteArray &bytes) override;
    QString currentDirectory() const override;
};

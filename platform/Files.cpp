// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Files.h"

#include <QDir>

namespace {
constexpr int MaxAsideFiles = 1000;
}

QString AsideName(const Files &files, const QString &name)
{
    for (int n = 1; n <= MaxAsideFiles; ++n) {
        const QString aside = name + QStringLiteral(".neu") + (n > 1 ? QString::number(n) : QString());
        if (!files.exists(aside))
            return aside;
    }
    return QString();
}

QString ShownPath(const Files &files, const QString &name)
{
    return QDir::toNativeSeparators(QDir(files.currentDirectory()).filePath(name));
}

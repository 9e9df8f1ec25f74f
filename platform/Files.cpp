// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Files.h"

#include <QDir>

QString ShownPath(const Files &files, const QString &name)
{
    return QDir::toNativeSeparators(QDir(files.currentDirectory()).filePath(name));
}

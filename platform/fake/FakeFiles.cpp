// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#include "FakeFiles.h"

FileContents FakeFiles::read(const QString &name, qsizetype maxBytes)
{
    reads.append(name);
    FileContents contents;
    const auto found = files.constFind(name);
    if (found == files.constEnd())
        return contents;
    contents.opened = true;
    contents.complete = found->size() <= maxBytes;
    contents.bytes = found->left(maxBytes);
    return contents;
}

QString FakeFiles::write(const QString &name, const QByteArray &bytes)
{
    writes.append(name);
    const auto failure = writeFailures.constFind(name);
    if (failure != writeFailures.constEnd())
        return *failure;
    files.insert(name, bytes);
    return {};
}

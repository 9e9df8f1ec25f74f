// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

struct FileContents
{
    bool opened = false;   // false: missing or unreadable
    bool complete = false; // false: only the first maxBytes bytes were read, or reading failed
    QByteArray bytes;
};

// Files named by plain names live in the current directory.
class Files
{
public:
    virtual ~Files() = default;
    // Reads at most maxBytes bytes.
    virtual FileContents read(const QString &name, qsizetype maxBytes) = 0;
    // Replaces the file as a whole or not at all; the empty text on success, else the reason.
    virtual QString write(const QString &name, const QByteArray &bytes) = 0;
    virtual QString currentDirectory() const = 0;
};

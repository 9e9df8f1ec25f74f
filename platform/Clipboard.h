// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

struct ClipboardContents
{
    QString text;
    QByteArray svg; // the picture as a vector graphic
    QByteArray png; // the same picture for programs that take only bitmaps
};

class Clipboard
{
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard; afterwards it offers every part at once.
    virtual void put(const ClipboardContents &contents) = 0;
};

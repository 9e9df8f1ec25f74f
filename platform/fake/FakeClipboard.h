// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Clipboard.h"

#include <QList>

class FakeClipboard : public Clipboard
{
public:
    void put(const ClipboardContents &contents) override { puts.append(contents); }
    QList<ClipboardContents> puts;
};

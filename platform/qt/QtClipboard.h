// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Clipboard.h"

class QtClipboard : public Clipboard
{
public:
    void put(const ClipboardContents &contents) override;
};

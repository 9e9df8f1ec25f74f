// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <thread>

// Reads the desktop's font configuration (fontconfig's files, the larger part of what text
// costs a program at its start) on a thread of its own while the program connects to the
// display and builds its windows. finish() waits for it; call it before the first text is
// laid out or measured, or Qt reads the configuration a second time beside it.
class FontConfigurationReader
{
public:
    FontConfigurationReader();
    ~FontConfigurationReader() { finish(); }
    FontConfigurationReader(const FontConfigurationReader &) = delete;
    FontConfigurationReader &operator=(const FontConfigurationReader &) = delete;

    void finish();

private:
    std::thread m_reading;
};

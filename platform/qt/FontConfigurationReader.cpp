// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontConfigurationReader.h"

#include <dlfcn.h>

// Qt's font database reads the configuration with this same call when it is first asked,
// and takes what was read already. The call comes from the fontconfig library that Qt's
// GUI library brings along; without it (another font system) there is nothing to read.
FontConfigurationReader::FontConfigurationReader()
{
    using ReadConfiguration = int (*)();
    if (const auto read = reinterpret_cast<ReadConfiguration>(dlsym(RTLD_DEFAULT, "FcInit")))
        m_reading = std::thread(read);
}

void FontConfigurationReader::finish()
{
    if (m_reading.joinable())
        m_reading.join();
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Loads arbitrary bytes as a pattern library: the two lists stay parallel, every cell
// string has at least 100 characters, and what is written reads back the same.
#include "PatternFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const PatternFileContents contents = ParsePatternFile(bytes);
    const PatternLibrary &library = contents.library;
    if (library.names.size() != library.cells.size())
        std::abort();
    for (const QString &cells : library.cells)
        if (cells.size() < 100)
            std::abort();
    const PatternFileContents back = ParsePatternFile(WritePatternFile(library));
    // Characters outside the code page become "?", so only the shape is compared.
    if (back.library.count() != library.count())
        std::abort();
    return 0;
}

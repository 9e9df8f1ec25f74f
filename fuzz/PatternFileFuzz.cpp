// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Loads arbitrary bytes as a pattern library: the two lists stay parallel, every cell
// string has at least 100 characters, and what is written reads back the same, in
// whichever encoding it was read.
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
    if (back.library.count() != library.count())
        std::abort();
    // A quoted field cannot hold a double quote; every other field comes back as it was.
    for (int i = 0; i < library.count(); ++i)
        if (!library.names[i].contains(u'"') && back.library.names[i] != library.names[i])
            std::abort();
    return 0;
}

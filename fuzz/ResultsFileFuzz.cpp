// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Loads arbitrary bytes as a results file and writes the entries again: writing and
// reading back keeps the number of entries.
#include "ResultsFile.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (bool wholeFile : {true, false}) {
        const QStringList entries = ParseResultsFile(bytes, wholeFile);
        QStringList kept;
        for (const QString &entry : entries)
            if (!entry.isEmpty())
                kept.append(entry);
        if (ParseResultsFile(WriteResultsFile(kept)).size() != kept.size())
            std::abort();
    }
    return 0;
}

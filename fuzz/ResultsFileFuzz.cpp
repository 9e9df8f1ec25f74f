// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Loads arbitrary bytes as a results file and writes the entries again: reading back
// gives the same number of entries, and each that holds no double quote as it was.
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
        const QStringList back = ParseResultsFile(WriteResultsFile(kept));
        if (back.size() != kept.size())
            std::abort();
        for (qsizetype i = 0; i < kept.size(); ++i)
            if (!kept[i].contains(u'"') && back[i] != kept[i])
                std::abort();
    }
    return 0;
}

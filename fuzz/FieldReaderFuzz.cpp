// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the field reader: it must stop, never read past the data and
// never hand out more than the bytes it was given.
#include "FieldReader.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (bool wholeFile : {true, false}) {
        FieldReader reader(bytes, wholeFile);
        qsizetype total = 0;
        qsizetype fields = 0;
        while (!reader.atEnd()) {
            const std::optional<QString> field = reader.readField();
            if (!field)
                break;
            total += field->size();
            if (++fields > qsizetype(size) + 1 || total > qsizetype(size))
                std::abort(); // more fields or characters than bytes: the reader went wrong
        }
    }
    return 0;
}

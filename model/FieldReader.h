// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TextEncoding.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Reads the two text files field by field: blanks before a field are skipped, a field
// that begins with a double quote runs to the closing quote (which is not part of it),
// any other field ends at a comma or at a line end (CR LF, LF or CR). The encoding is
// taken from the bytes as a whole (see DetectTextEncoding); a byte order mark is skipped.
class FieldReader
{
public:
    // Longest field accepted; a longer one is a read failure.
    static constexpr qsizetype MaxFieldBytes = 64 * 1024;

    // wholeFile is false when the bytes are only the beginning of a longer file: a field
    // that runs into the end of such data is a read failure, not a short field.
    explicit FieldReader(QByteArray bytes, bool wholeFile = true);

    bool atEnd() const;
    // The next field, or none when reading fails (past the end, an overlong field, a
    // field cut off by the end of partial data). After a failure every read fails.
    std::optional<QString> readField();

private:
    bool skipBlanks();
    void skipDelimiter();

    QByteArray m_bytes;
    qsizetype m_pos = 0;
    bool m_wholeFile;
    TextEncoding m_encoding = TextEncoding::Cp1252;
    bool m_failed = false;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// The two text files are Windows-1252 bytes as long as everything they hold has a byte
// there; a file with any other character is UTF-8 and begins with a byte order mark.
enum class TextEncoding { Cp1252, Utf8 };

struct TextStart
{
    TextEncoding encoding = TextEncoding::Cp1252;
    qsizetype offset = 0; // where the text begins: after a byte order mark
};

// UTF-8 for a file that begins with a byte order mark, or that is valid UTF-8 and holds
// at least one multi-byte sequence (a library saved by a text editor); Windows-1252 for
// anything else. wholeFile is false when the bytes are only the beginning of a longer
// file, which may end inside a sequence.
TextStart DetectTextEncoding(QByteArrayView bytes, bool wholeFile = true);

// Bytes that cannot be read as UTF-8 become U+FFFD; a U+FEFF at the beginning is kept.
QString DecodeText(QByteArrayView bytes, TextEncoding encoding);

// Windows-1252 when every character has a byte there and the bytes read back as
// Windows-1252, else UTF-8 after a byte order mark: the whole text in one encoding,
// nothing replaced.
QByteArray EncodeText(QStringView text);

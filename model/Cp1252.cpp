// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"

#include <array>

namespace {

// 0x80..0x9F. The five bytes without a printable character stand for the control
// characters of the same number, so that every byte reads back as itself.
constexpr std::array<char16_t, 32> HighControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char16_t DecodeByte(unsigned char byte)
{
    if (byte < 0x80 || byte >= 0xA0)
        return byte;
    return HighControlRange[byte - 0x80];
}

// The byte of c, or -1.
int EncodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (std::size_t i = 0; i < HighControlRange.size(); ++i) {
        if (HighControlRange[i] == c)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

QString DecodeCp1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes)
        *out++ = QChar(DecodeByte(static_cast<unsigned char>(byte)));
    return text;
}

std::optional<QByteArray> EncodeCp1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (QChar c : text) {
        const int byte = EncodeChar(c.unicode());
        if (byte < 0)
            return std::nullopt;
        *out++ = char(byte);
    }
    return bytes;
}

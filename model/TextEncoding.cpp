// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextEncoding.h"

#include "Cp1252.h"

#include <QStringDecoder>

#include <cstring>

namespace {

constexpr QByteArrayView ByteOrderMark("\xEF\xBB\xBF");
constexpr quint64 AsciiMask = 0x8080808080808080;

enum class Utf8Check { Invalid, SingleBytesOnly, MultiByte };

// Strict UTF-8: no overlong forms, no surrogates, nothing beyond U+10FFFF. A sequence cut
// off by the end of partial data counts as valid.
Utf8Check CheckUtf8(QByteArrayView bytes, bool wholeFile)
{
    bool multiByte = false;
    const qsizetype size = bytes.size();
    qsizetype i = 0;
    while (i < size) {
        if (i + 8 <= size) { // ASCII, most of any file, is passed eight bytes at a time
            quint64 eight = 0;
            std::memcpy(&eight, bytes.data() + i, 8);
            if ((eight & AsciiMask) == 0) {
                i += 8;
                continue;
            }
        }
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            ++i;
            continue;
        }
        int length = 0;
        unsigned char low = 0x80, high = 0xBF; // the range of the second byte
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return Utf8Check::Invalid;
        }
        for (int k = 1; k < length; ++k) {
            if (i + k >= size)
                return !wholeFile && multiByte ? Utf8Check::MultiByte : Utf8Check::Invalid;
            const auto next = static_cast<unsigned char>(bytes[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF))
                return Utf8Check::Invalid;
        }
        multiByte = true;
        i += length;
    }
    return multiByte ? Utf8Check::MultiByte : Utf8Check::SingleBytesOnly;
}

// A lone surrogate has no UTF-8 form of its own.
QString WithoutLoneSurrogates(QStringView text)
{
    QString whole = text.toString();
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (whole.at(i).isHighSurrogate() && i + 1 < whole.size() && whole.at(i + 1).isLowSurrogate())
            ++i;
        else if (whole.at(i).isSurrogate())
            whole[i] = QChar::ReplacementCharacter;
    }
    return whole;
}

} // namespace

TextStart DetectTextEncoding(QByteArrayView bytes, bool wholeFile)
{
    if (bytes.startsWith(ByteOrderMark))
        return {TextEncoding::Utf8, ByteOrderMark.size()};
    if (CheckUtf8(bytes, wholeFile) == Utf8Check::MultiByte)
        return {TextEncoding::Utf8, 0};
    return {TextEncoding::Cp1252, 0};
}

QString DecodeText(QByteArrayView bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Cp1252)
        return DecodeCp1252(bytes);
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

QByteArray EncodeText(QStringView text)
{
    if (std::optional<QByteArray> bytes = EncodeCp1252(text))
        if (DetectTextEncoding(*bytes).encoding == TextEncoding::Cp1252)
            return *std::move(bytes);
    if (text.isValidUtf16())
        return ByteOrderMark.toByteArray() + text.toUtf8();
    return ByteOrderMark.toByteArray() + WithoutLoneSurrogates(text).toUtf8();
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TextEncoding.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// A file is UTF-8 when it says so with a byte order mark or is valid UTF-8 with a multi-byte
// sequence; anything else, broken UTF-8 included, is read as Windows-1252.
TEST(TextEncoding, ByteOrderMarkOrValidMultiByteUtf8IsUtf8AndEverythingElseWindows1252)
{
    using enum TextEncoding;
    const struct { QByteArray bytes; bool wholeFile; TextEncoding encoding; qsizetype offset; } cases[] = {
        {"\xEF\xBB\xBF" "Anna", true, Utf8, 3}, {"\xEF\xBB\xBF\xE4", true, Utf8, 3},
        {"B\xC3\xA4r\n", true, Utf8, 0},        {"\xF0\x9F\xA6\x8A", true, Utf8, 0},
        {"B\xE4r\r\n", true, Cp1252, 0},        {"Anna\r\n", true, Cp1252, 0},
        {"\xC0\xAF\xC3\xA4", true, Cp1252, 0},  {"\xED\xA0\x80\xC3\xA4", true, Cp1252, 0},
        {"\xF4\x90\x80\x80", true, Cp1252, 0},  {"\xC3\xA4\xE2\x82", true, Cp1252, 0},
        {"\xC3\xA4\xE2\x82", false, Utf8, 0},   {"\xE2\x82", false, Cp1252, 0},
    };
    for (const auto &c : cases) {
        const TextStart start = DetectTextEncoding(c.bytes, c.wholeFile);
        EXPECT_EQ(std::pair(start.encoding, start.offset), std::pair(c.encoding, c.offset)) << c.bytes.toHex().data();
    }
    EXPECT_EQ(DecodeText("\xEF\xBB\xBFx", Utf8), u"\uFEFFx"); // a mark inside the text is text
}

// Text whose Windows-1252 bytes would be taken for UTF-8, or that holds half a character,
// is written as UTF-8 too: it reads back as it was, and nothing becomes "?".
TEST(TextEncoding, TextThatWouldNotReadBackFromWindows1252IsWrittenAsUtf8)
{
    for (const QString &text : {u"\u00EF\u00BB\u00BFAnna"_s, u"\u00C3\u00A4"_s})
        EXPECT_EQ(EncodeText(text), "\xEF\xBB\xBF" + text.toUtf8());
    EXPECT_EQ(EncodeText(QChar(0xD83E) + u"x"_s), "\xEF\xBB\xBF\xEF\xBF\xBDx");
}

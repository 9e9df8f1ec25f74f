// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Cp1252.h"
#include "FieldReader.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {
QStringList ReadAll(const QByteArray &bytes, bool wholeFile = true, bool *failed = nullptr)
{
    FieldReader reader(bytes, wholeFile);
    QStringList fields;
    while (!reader.atEnd()) {
        const std::optional<QString> field = reader.readField();
        if (!field) {
            if (failed)
                *failed = true;
            break;
        }
        fields.append(*field);
    }
    return fields;
}
} // namespace

TEST(FieldReader, FieldsEndAtCommasAndAnyLineEnd)
{
    EXPECT_EQ(ReadAll("a,b\r\nc\nd\re"), (QStringList{"a", "b", "c", "d", "e"}));
    EXPECT_EQ(ReadAll("  blanks skipped,  x y \r\n"), (QStringList{"blanks skipped", "x y "}));
    EXPECT_EQ(ReadAll("\"quoted, with comma\",next\r\n"),
              (QStringList{"quoted, with comma", "next"}));
    EXPECT_EQ(ReadAll("\"  lead\"\r\n"), QStringList{"  lead"});
    EXPECT_EQ(ReadAll(""), QStringList{});
    EXPECT_EQ(ReadAll("last line without end"), QStringList{"last line without end"});
}

TEST(FieldReader, BrokenInputFailsInsteadOfHanging)
{
    bool failed = false;
    ReadAll(QByteArray(FieldReader::MaxFieldBytes + 10, 'x'), true, &failed);
    EXPECT_TRUE(failed);

    failed = false;
    const QStringList partial = ReadAll("one\r\ntwo\r\nthr", false, &failed);
    EXPECT_TRUE(failed);
    EXPECT_EQ(partial, (QStringList{"one", "two"}));

    QByteArray binary;
    for (int i = 0; i < 4096; ++i)
        binary.append(char(i * 37 % 256));
    ReadAll(binary); // must simply terminate
    EXPECT_EQ(ReadAll(QByteArray("a\0b\r\n", 5)).size(), 1);
}

// A Windows-1252 file read and written unchanged keeps every byte, even the five unassigned ones.
TEST(Cp1252, EveryByteReadsBackAsItselfAndOtherCharactersHaveNone)
{
    EXPECT_EQ(EncodeCp1252(u"Grüße €"), QByteArray("Gr\xFC\xDF" "e \x80"));
    EXPECT_EQ(DecodeCp1252("Gr\xFC\xDF" "e \x80"), u"Grüße €");
    EXPECT_EQ(EncodeCp1252(u"Ayşe"), std::nullopt);
    EXPECT_EQ(EncodeCp1252(u"Ω"), std::nullopt);
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    const QString text = DecodeCp1252(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(EncodeCp1252(text), all);
}

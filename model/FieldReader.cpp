// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldReader.h"

#include "TextEncoding.h"

namespace {
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsLineEnd(char c) { return c == '\r' || c == '\n'; }
} // namespace

FieldReader::FieldReader(QByteArray bytes, bool wholeFile)
    : m_bytes(std::move(bytes)), m_wholeFile(wholeFile)
{
    const TextStart start = DetectTextEncoding(m_bytes, wholeFile);
    m_encoding = start.encoding;
    m_pos = start.offset;
}

bool FieldReader::atEnd() const { return m_failed || m_pos >= m_bytes.size(); }

bool FieldReader::skipBlanks()
{
    while (m_pos < m_bytes.size() && IsBlank(m_bytes.at(m_pos)))
        ++m_pos;
    return m_pos < m_bytes.size();
}

void FieldReader::skipDelimiter()
{
    if (m_pos >= m_bytes.size())
        return;
    const char c = m_bytes.at(m_pos++);
    if (c == '\r' && m_pos < m_bytes.size() && m_bytes.at(m_pos) == '\n')
        ++m_pos;
}

std::optional<QString> FieldReader::readField()
{
    if (atEnd()) {
        m_failed = true;
        return std::nullopt;
    }
    const auto fail = [this]() -> std::optional<QString> {
        m_failed = true;
        return std::nullopt;
    };
    const bool more = skipBlanks();
    if (!more)
        return m_wholeFile ? std::optional<QString>(QString()) : fail();

    qsizetype begin = m_pos;
    qsizetype end = 0;
    if (m_bytes.at(m_pos) == '"') {
        begin = m_pos + 1;
        end = m_bytes.indexOf('"', begin);
        if (end < 0) {
            if (!m_wholeFile)
                return fail();
            end = m_bytes.size(); // an unclosed quote runs to the end of the file
        }
        m_pos = end + 1;
        // Whatever stands between the closing quote and the delimiter is dropped.
        while (m_pos < m_bytes.size() && m_bytes.at(m_pos) != ','
               && !IsLineEnd(m_bytes.at(m_pos)))
            ++m_pos;
    } else {
        m_pos = begin;
        while (m_pos < m_bytes.size() && m_bytes.at(m_pos) != ','
               && !IsLineEnd(m_bytes.at(m_pos)))
            ++m_pos;
        end = m_pos;
    }
    if (end - begin > MaxFieldBytes)
        return fail();
    if (m_pos >= m_bytes.size() && !m_wholeFile)
        return fail();
    skipDelimiter();
    return DecodeText(QByteArrayView(m_bytes).sliced(begin, end - begin), m_encoding);
}

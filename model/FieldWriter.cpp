// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "FieldWriter.h"

#include "TextEncoding.h"

namespace {

bool NeedsQuotes(const QString &field)
{
    if (field.isEmpty())
        return false;
    const QChar first = field.front();
    return first == u' ' || first == u'\t' || first == u'"' || field.contains(u',')
        || field.contains(u'\r') || field.contains(u'\n');
}

QString Quoted(const QString &field)
{
    // A quoted field ends at the next quote, so a quote inside cannot be kept.
    QString inner = field;
    inner.replace(u'"', u'\'');
    return u'"' + inner + u'"';
}

} // namespace

QByteArray WriteFieldLines(const QStringList &fields)
{
    QString text;
    for (const QString &field : fields) {
        text += NeedsQuotes(field) ? Quoted(field) : field;
        text += QStringLiteral("\r\n");
    }
    return EncodeText(text);
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Csv.h"

#include "TextEncoding.h"

namespace {

constexpr QChar Separator = u';';
constexpr QChar Quote = u'"';
constexpr QChar FormulaGuard = u'\'';
const QByteArray ByteOrderMark("\xEF\xBB\xBF");

bool StartsFormula(QStringView cell)
{
    static const QString starters = QStringLiteral("=+-@\t\r");
    return !cell.isEmpty() && starters.contains(cell.front());
}

// Apostrophes already in front of a formula character get one more, so that reading takes
// exactly one off and every text comes back as it was.
bool NeedsGuard(QStringView cell)
{
    qsizetype i = 0;
    while (i < cell.size() && cell[i] == FormulaGuard)
        ++i;
    return StartsFormula(cell.mid(i));
}

QString Unguarded(const QString &cell)
{
    return cell.startsWith(FormulaGuard) && NeedsGuard(QStringView(cell).mid(1)) ? cell.mid(1)
                                                                                  : cell;
}

QString Decoded(QByteArrayView bytes)
{
    const TextStart start = DetectTextEncoding(bytes);
    return DecodeText(bytes.sliced(start.offset), start.encoding);
}

QChar SeparatorOf(QStringView text)
{
    const QStringView firstLine = text.left(text.indexOf(u'\n'));
    if (firstLine.contains(Separator))
        return Separator;
    if (firstLine.contains(u'\t'))
        return u'\t';
    return firstLine.contains(u',') ? QChar(u',') : Separator;
}

} // namespace

QByteArray CsvLine(const QStringList &cells)
{
    QStringList written;
    written.reserve(cells.size());
    for (QString cell : cells) {
        if (NeedsGuard(cell))
            cell.prepend(FormulaGuard);
        const bool quoted = cell.contains(Separator) || cell.contains(Quote)
            || cell.contains(u'\n') || cell.contains(u'\r');
        if (quoted)
            cell = Quote + cell.replace(Quote, QStringLiteral("\"\"")) + Quote;
        written << cell;
    }
    return written.join(Separator).toUtf8() + "\r\n";
}

QByteArray CsvDocument(const QList<QStringList> &rows)
{
    QByteArray bytes = ByteOrderMark;
    for (const QStringList &row : rows)
        bytes += CsvLine(row);
    return bytes;
}

QList<QStringList> ParseCsv(const QByteArray &bytes)
{
    const QString text = Decoded(bytes);
    const QChar separator = SeparatorOf(text);
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    bool rowHasText = false;
    auto endCell = [&] {
        row << Unguarded(cell);
        cell.clear();
    };
    auto endRow = [&] {
        endCell();
        if (rowHasText)
            rows << row;
        row.clear();
        rowHasText = false;
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c != Quote)
                cell += c;
            else if (i + 1 < text.size() && text[i + 1] == Quote)
                cell += text[++i];
            else
                quoted = false;
            continue;
        }
        if (c == Quote) {
            quoted = rowHasText = true;
        } else if (c == separator) {
            endCell(); // a row of separators alone is a blank row of a spreadsheet

        } else if (c == u'\n' || c == u'\r') { // CR LF, LF, or the CR of older Mac spreadsheets
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRow();
        } else {
            cell += c;
            rowHasText = rowHasText || !c.isSpace();
        }
    }
    endRow();
    return rows;
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Csv.h"

#include "TextEncoding.h"

namespace {

constexpr QChar Semicolon = u';';
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
    if (firstLine.contains(Semicolon))
        return Semicolon;
    if (firstLine.contains(u'\t'))
        return u'\t';
    return firstLine.contains(u',') ? QChar(u',') : Semicolon;
}

} // namespace

QByteArray CsvLine(const QStringList &cells, QChar separator)
{
    QStringList written;
    written.reserve(cells.size());
    for (QString cell : cells) {
        if (NeedsGuard(cell))
            cell.prepend(FormulaGuard);
        const bool quoted = cell.contains(separator) || cell.contains(Quote)
            || cell.contains(u'\n') || cell.contains(u'\r');
        if (quoted)
            cell = Quote + cell.replace(Quote, QStringLiteral("\"\"")) + Quote;
        written << cell;
    }
    return written.join(separator).toUtf8() + "\r\n";
}

QByteArray CsvDocument(const QList<QStringList> &rows)
{
    QByteArray bytes = ByteOrderMark;
    for (const QStringList &row : rows)
        bytes += CsvLine(row);
    return bytes;
}

CsvTable ReadCsv(const QByteArray &bytes)
{
    const QString text = Decoded(bytes);
    CsvTable table;
    table.separator = SeparatorOf(text);
    CsvRow row;
    QString cell;
    bool quoted = false;
    bool cellStart = true;
    bool rowHasText = false;
    qsizetype rowStart = 0;
    auto endCell = [&] {
        row.cells << Unguarded(cell);
        cell.clear();
        cellStart = true;
    };
    auto endRow = [&](qsizetype end) {
        endCell();
        row.text = text.mid(rowStart, end - rowStart);
        row.blank = !rowHasText;
        table.rows << row;
        row = CsvRow();
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
        if (c == Quote && cellStart) {
            quoted = rowHasText = true;
            cellStart = false;
        } else if (c == table.separator) {
            endCell(); // a row of separators alone is a blank row of a spreadsheet
        } else if (c == u'\n' || c == u'\r') { // CR LF, LF, or the CR of older Mac spreadsheets
            const qsizetype end = i;
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                ++i;
            endRow(end);
            rowStart = i + 1;
        } else {
            cell += c;
            cellStart = false;
            rowHasText = rowHasText || !c.isSpace();
        }
    }
    if (rowStart < text.size() || quoted)
        endRow(text.size());
    return table;
}

QList<QStringList> ParseCsv(const QByteArray &bytes)
{
    QList<QStringList> rows;
    for (const CsvRow &row : ReadCsv(bytes).rows)
        if (!row.blank)
            rows << row.cells;
    return rows;
}

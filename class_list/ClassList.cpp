// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassList.h"

#include "Csv.h"
#include "PersonName.h"

#include <QSet>

const QString ClassList::FileName = QStringLiteral("Klasse.csv");
const QString ClassList::NameTitle = QStringLiteral("Name");
const QString ClassList::SecondLanguageTitle = QStringLiteral("Zweitsprache");

ClassList::ClassList() : m_rows{{{NameTitle, SecondLanguageTitle}, {}, true}}, m_nameColumn(0) {}

ClassList ClassList::Parse(const QByteArray &bytes)
{
    ClassList list;
    const CsvTable table = ReadCsv(bytes);
    qsizetype first = 0;
    while (first < table.rows.size() && table.rows[first].blank)
        ++first;
    if (first == table.rows.size())
        return list;
    list.m_rows.clear();
    for (qsizetype i = first; i < table.rows.size(); ++i)
        list.m_rows.append({table.rows[i].cells, table.rows[i].text, false});
    list.m_separator = table.separator;
    list.m_nameColumn = list.column(NameTitle);
    return list;
}

QByteArray ClassList::toBytes() const
{
    QByteArray bytes = QByteArrayLiteral("\xEF\xBB\xBF");
    for (const Row &row : m_rows)
        bytes += row.changed ? CsvLine(row.cells, m_separator) : row.text.toUtf8() + "\r\n";
    return bytes;
}

// Titles are found as a spreadsheet user types them: in any case, with stray blanks.
int ClassList::column(const QString &title) const
{
    const QStringList &header = m_rows.first().cells;
    for (int i = 0; i < header.size(); ++i)
        if (header[i].trimmed().compare(title, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString ClassList::cell(const Row &row, int column) const
{
    return column >= 0 && column < row.cells.size() ? row.cells[column] : QString();
}

bool ClassList::isRowOf(const Row &row, const QString &name) const
{
    const QString own = cell(row, m_nameColumn);
    return usable() && !own.trimmed().isEmpty() && SamePerson(own, name);
}

QStringList ClassList::names() const
{
    QStringList names;
    QSet<QString> seen;
    for (qsizetype i = 1; usable() && i < m_rows.size(); ++i) {
        const QString name = ComparableName(cell(m_rows[i], m_nameColumn));
        if (!name.isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            names << name;
        }
    }
    return names;
}

bool ClassList::contains(const QString &name) const
{
    return std::any_of(m_rows.begin() + 1, m_rows.end(), [&](const Row &row) { return isRowOf(row, name); });
}

QString ClassList::secondLanguage(const QString &name) const
{
    const int languageColumn = column(SecondLanguageTitle);
    for (qsizetype i = 1; i < m_rows.size(); ++i)
        if (isRowOf(m_rows[i], name))
            return cell(m_rows[i], languageColumn).trimmed();
    return QString();
}

void ClassList::setSecondLanguage(const QString &name, const QString &code)
{
    if (!usable())
        return;
    int languageColumn = column(SecondLanguageTitle);
    if (languageColumn < 0) {
        languageColumn = int(m_rows.first().cells.size());
        m_rows.first().cells << SecondLanguageTitle;
        m_rows.first().changed = true;
    }
    bool found = false;
    for (qsizetype i = 1; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        if (!isRowOf(row, name))
            continue;
        while (row.cells.size() <= languageColumn)
            row.cells << QString();
        row.cells[languageColumn] = code;
        row.changed = found = true;
    }
    if (found)
        return;
    QStringList cells(std::max(m_nameColumn, languageColumn) + 1);
    cells[m_nameColumn] = ComparableName(name);
    cells[languageColumn] = code;
    m_rows.append({cells, {}, true});
}

int ClassList::rename(const QString &from, const QString &to)
{
    int renamed = 0;
    for (qsizetype i = 1; i < m_rows.size(); ++i) {
        Row &row = m_rows[i];
        if (!isRowOf(row, from))
            continue;
        row.cells[m_nameColumn] = to;
        row.changed = true;
        ++renamed;
    }
    return renamed;
}

int ClassList::remove(const QString &name)
{
    int removed = 0;
    for (qsizetype i = m_rows.size() - 1; i >= 1; --i)
        if (isRowOf(m_rows[i], name)) {
            m_rows.removeAt(i);
            ++removed;
        }
    return removed;
}

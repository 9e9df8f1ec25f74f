// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClassList.h"

#include "Csv.h"

#include <QSet>

const QString ClassList::FileName = QStringLiteral("Klasse.csv");
const QString ClassList::NameTitle = QStringLiteral("Name");
const QString ClassList::SecondLanguageTitle = QStringLiteral("Zweitsprache");

ClassList::ClassList() : m_rows{{NameTitle, SecondLanguageTitle}}, m_nameColumn(0) {}

ClassList ClassList::Parse(const QByteArray &bytes)
{
    ClassList list;
    const QList<QStringList> rows = ParseCsv(bytes);
    if (rows.isEmpty())
        return list;
    list.m_rows = rows;
    list.m_nameColumn = list.column(NameTitle);
    return list;
}

QByteArray ClassList::toBytes() const { return CsvDocument(m_rows); }

// Titles are found as a spreadsheet user types them: in any case, with stray blanks.
int ClassList::column(const QString &title) const
{
    const QStringList &header = m_rows.first();
    for (int i = 0; i < header.size(); ++i)
        if (header[i].trimmed().compare(title, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString ClassList::cell(const QStringList &row, int column) const
{
    return column >= 0 && column < row.size() ? row[column] : QString();
}

QStringList ClassList::names() const
{
    QStringList names;
    QSet<QString> seen;
    for (qsizetype i = 1; usable() && i < m_rows.size(); ++i) {
        const QString name = cell(m_rows[i], m_nameColumn);
        if (!name.trimmed().isEmpty() && !seen.contains(name)) {
            seen.insert(name);
            names << name;
        }
    }
    return names;
}

QString ClassList::secondLanguage(const QString &name) const
{
    const int languageColumn = column(SecondLanguageTitle);
    for (qsizetype i = 1; usable() && i < m_rows.size(); ++i)
        if (cell(m_rows[i], m_nameColumn) == name)
            return cell(m_rows[i], languageColumn).trimmed();
    return QString();
}

void ClassList::setSecondLanguage(const QString &name, const QString &code)
{
    if (!usable())
        return;
    int languageColumn = column(SecondLanguageTitle);
    if (languageColumn < 0) {
        languageColumn = int(m_rows.first().size());
        m_rows.first() << SecondLanguageTitle;
    }
    bool found = false;
    for (qsizetype i = 1; i < m_rows.size(); ++i) {
        QStringList &row = m_rows[i];
        if (cell(row, m_nameColumn) != name)
            continue;
        while (row.size() <= languageColumn)
            row << QString();
        row[languageColumn] = code;
        found = true;
    }
    if (found)
        return;
    QStringList row(std::max(m_nameColumn, languageColumn) + 1);
    row[m_nameColumn] = name;
    row[languageColumn] = code;
    m_rows << row;
}

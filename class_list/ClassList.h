// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// The class list `Klasse.csv` of the working folder: a spreadsheet the teacher may keep and
// edit, one row per child under a header row that names the columns. The program knows the
// columns "Name" and "Zweitsprache" (the second language of the number words, an ISO 639-1
// code); every other column, and every row it has no use for, is kept as it is. A row the
// program does not change is written again as it stood. Names are compared as a person
// reads them (PersonName.h). The record's export, a table with a "Name" column too, is
// changed the same way.
class ClassList
{
public:
    static const QString FileName;
    static const QString NameTitle;
    static const QString SecondLanguageTitle;
    // A class list is a few kilobytes; a larger file is not one the program reads or rewrites.
    static constexpr qsizetype MaxBytes = 1024 * 1024;

    // A new list: the header row alone.
    ClassList();
    static ClassList Parse(const QByteArray &bytes);
    QByteArray toBytes() const;

    // False for a file whose first row names no "Name" column: the program neither reads
    // names from it nor writes it, so that nothing of it is lost.
    bool usable() const { return m_nameColumn >= 0; }
    // The names of the children, in the order of the file, each once.
    QStringList names() const;
    bool contains(const QString &name) const;
    // The code in the second-language column of the child's first row; empty when none.
    QString secondLanguage(const QString &name) const;
    // Sets the second language of every row of the child, and adds a row for a new name;
    // adds the column when the list has none. Only for a usable list.
    void setSecondLanguage(const QString &name, const QString &code);
    // Writes the new name into every row of the child; how many rows.
    int rename(const QString &from, const QString &to);
    // Takes every row of the child out; how many rows.
    int remove(const QString &name);

private:
    struct Row
    {
        QStringList cells;
        QString text;         // as it stood in the file
        bool changed = false; // written from its cells
    };

    int column(const QString &title) const;
    QString cell(const Row &row, int column) const;
    bool isRowOf(const Row &row, const QString &name) const;

    QList<Row> m_rows; // the header row first
    QChar m_separator = u';';
    int m_nameColumn = -1;
};

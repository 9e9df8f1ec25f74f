// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Spreadsheet text as German spreadsheets open it without questions: UTF-8 with a byte order
// mark, cells separated by semicolons, rows ended by CR LF.

// One row with its line end. A cell that holds a separator, a quote or a line break is
// quoted; a cell that a spreadsheet would run as a formula (it begins with =, +, -, @, a tab
// or a carriage return) is written as text behind an apostrophe.
QByteArray CsvLine(const QStringList &cells, QChar separator = u';');
// A whole document: the byte order mark and every row.
QByteArray CsvDocument(const QList<QStringList> &rows);

// A row as read: its cells, and its text as it stood (quotes and line breaks inside quoted
// cells included, its line end left off), so that a row nobody changes is written again
// as it was.
struct CsvRow
{
    QStringList cells;
    QString text;
    bool blank = false; // nothing in it, or separators alone
};

struct CsvTable
{
    QList<CsvRow> rows;
    QChar separator = u';';
};

// Reads what a spreadsheet or a text editor saved, as German spreadsheets read it: with or
// without the byte order mark, UTF-8 or else Windows-1252, cells separated by semicolons
// (or by the commas or tabs of a first line without semicolons). A quote at the start of a
// cell opens a quoted cell, which may hold separators and line breaks and writes a quote as
// two; anywhere else a quote is a character of the cell. The apostrophe that CsvLine puts
// before a formula is taken off again.
CsvTable ReadCsv(const QByteArray &bytes);
// The cells of every row that is not blank.
QList<QStringList> ParseCsv(const QByteArray &bytes);

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
QByteArray CsvLine(const QStringList &cells);
// A whole document: the byte order mark and every row.
QByteArray CsvDocument(const QList<QStringList> &rows);

// Reads what a spreadsheet or a text editor saved: with or without the byte order mark,
// UTF-8 or else Windows-1252, cells separated by semicolons (or by the commas or tabs of a
// first line without semicolons), quoted cells across line breaks. The apostrophe that
// CsvLine puts before a formula is taken off again. Blank rows (nothing or
// separators alone) are left out.
QList<QStringList> ParseCsv(const QByteArray &bytes);

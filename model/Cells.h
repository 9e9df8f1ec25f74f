// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QPointF>
#include <QString>
#include <optional>

// The hundred chart: cell n (1..100) lies in row (n - 1) / 10 and column (n - 1) % 10,
// counted from the top left. A cell string holds one character per cell, "1" for a cell
// that belongs to the set.

constexpr int BoardSide = 10;
constexpr int CellCount = 100;
constexpr int CellTwips = 500;                      // one cell on the main board
constexpr int BoardTwips = BoardSide * CellTwips;   // 5000

int CellRow(int n);                       // n in 1..100, result 0..9
int CellColumn(int n);                    // n in 1..100, result 0..9
int CellNumber(int row, int column);      // row, column in 0..9, result 1..100
QRect CellBox(int n);                     // twips on the main board
std::optional<int> CellAt(QPointF twips); // none outside 0 <= x, y < 5000

bool CellIsSet(const QString &cells, int n);   // character n is "1"
bool CellIsClear(const QString &cells, int n); // character n is "0"
QString SetCell(const QString &cells, int n, QChar value);

QString EmptyCells();                    // 100 "0"
bool HasOpenCell(const QString &cells);  // a "1" among the first 100 characters
int MarkedCellCount(const QString &cells); // number of "1" among the first 100 characters

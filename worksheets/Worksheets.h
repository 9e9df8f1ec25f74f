// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberWords.h"

#include <QList>
#include <QString>

class Random;
class SheetPage;
class WorksheetHost;

constexpr double ZahlenfeldPoints = 16;
// The marked cells in the random order of the sheet.
QList<int> DrawZahlenfeldOrder(Random &random, const QString &cells);
// The number-field sheet: the empty grid and, three to a line, a blank and the word of each
// number in order. A title, when given, stands above the grid.
void FillZahlenfeld(SheetPage &page, const QList<int> &order, const NumberWordTable &words,
                    const QString &title = QString());
// Its solution: the grid with the cells filled black, and each number beside its word.
void FillZahlenfeldSolution(SheetPage &page, const QString &cells, const QList<int> &order,
                            const NumberWordTable &words, const QString &title = QString());

// The four printed worksheets of the editor window. Each shows a preview on the editor's
// board, asks before it prints, and brings the board back to its normal view.
void PrintZahlenfeld(WorksheetHost &host);
void PrintZahlenliste(WorksheetHost &host);
void PrintZahlenpaare(WorksheetHost &host);
void PrintZahlenstrahl(WorksheetHost &host);

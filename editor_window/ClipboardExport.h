// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "NumberWords.h"

#include <QByteArray>
#include <QString>

class Random;

// The number words of the marked cells in random order: every word followed by ", ",
// a CR LF after every third. Only the first 100 characters of the cell string count.
QString NumberWordText(const QString &cells, const NumberWordTable &words, Random &random);

// The empty 10 x 10 grid, 50 mm square, as a vector picture and as a bitmap.
QByteArray GridSvg();
QByteArray GridPng();

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The pattern library: two parallel lists in file order, names and cell strings.
struct PatternLibrary
{
    QStringList names;
    QStringList cells;
    int selected = -1;

    int count() const { return int(names.size()); }
    void clear();
    void append(const QString &name, const QString &cellString);
};

// The pattern every library falls back on when nothing else can be had.
QString DefaultPatternName();
QString DefaultPatternCells();

struct PatternFileContents
{
    PatternLibrary library; // the complete records read, nothing selected
    bool ok = false;        // false: the file could not be read to its end
};

// Reads name and cell string fields in turn. A cell string shorter than 100
// characters is filled up with "0"; a longer one is kept. A name without a cell
// string after it is dropped. An empty file is not ok.
PatternFileContents ParsePatternFile(const QByteArray &bytes, bool wholeFile = true);

// Name line, cell string line, for every pattern in list order.
QByteArray WritePatternFile(const PatternLibrary &library);

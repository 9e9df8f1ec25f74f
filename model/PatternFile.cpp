// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PatternFile.h"

#include "Cells.h"
#include "FieldReader.h"
#include "FieldWriter.h"

void PatternLibrary::clear()
{
    names.clear();
    cells.clear();
    selected = -1;
}

void PatternLibrary::append(const QString &name, const QString &cellString)
{
    names.append(name);
    cells.append(cellString);
}

QString DefaultPatternName() { return QStringLiteral("Ka-Zeichen"); }

QString DefaultPatternCells()
{
    return QStringLiteral("0000000000000000000001000100000100100000010100011001100000010101"
                          "000111010010100101000101110000000000");
}

PatternFileContents ParsePatternFile(const QByteArray &bytes, bool wholeFile)
{
    PatternFileContents contents;
    FieldReader reader(bytes, wholeFile);
    while (!reader.atEnd()) {
        const std::optional<QString> name = reader.readField();
        const std::optional<QString> cells = name ? reader.readField() : std::nullopt;
        if (!cells)
            return contents;
        QString cellString = *cells;
        if (cellString.size() < CellCount)
            cellString = cellString.leftJustified(CellCount, u'0');
        contents.library.append(*name, cellString);
    }
    contents.ok = wholeFile && contents.library.count() > 0;
    return contents;
}

QByteArray WritePatternFile(const PatternLibrary &library)
{
    QStringList lines;
    lines.reserve(2 * library.count());
    for (int i = 0; i < library.count(); ++i) {
        lines.append(library.names.at(i));
        lines.append(library.cells.at(i));
    }
    return WriteFieldLines(lines);
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClipboardExport.h"

#include "Cells.h"
#include "Random.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

namespace {
constexpr int EntriesPerLine = 3;
constexpr int GridUnits = 2846;           // 1440 per inch: about 50 mm
constexpr double LineWidthUnits = 14;     // about 0.25 mm
constexpr int PngDotsPerMeter = 11811;    // 300 dpi
constexpr int PngPixels = GridUnits * 300 / 1440;
}

QString NumberWordText(const QString &cells, const NumberWordTable &words, Random &random)
{
    QString open = cells.left(CellCount);
    QString text;
    int counter = 0;
    while (HasOpenCell(open)) {
        const int n = random.drawMarked(open);
        open = SetCell(open, n, u'0');
        text += words[n] + QStringLiteral(", ");
        if (++counter == EntriesPerLine) {
            text += QStringLiteral("\r\n");
            counter = 0;
        }
    }
    return text;
}

QByteArray GridSvg()
{
    QByteArray svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                     "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"50.2mm\" "
                     "height=\"50.2mm\" viewBox=\"0 0 2846 2846\">\n"
                     "<g stroke=\"black\" stroke-width=\"14\" fill=\"none\" stroke-linecap=\"square\">\n";
    const double inset = LineWidthUnits / 2;
    const double step = (GridUnits - LineWidthUnits) / 10.0;
    for (int i = 0; i <= 10; ++i) {
        const QByteArray at = QByteArray::number(inset + i * step, 'f', 1);
        const QByteArray from = QByteArray::number(inset, 'f', 1);
        const QByteArray to = QByteArray::number(GridUnits - inset, 'f', 1);
        svg += "<line x1=\"" + from + "\" y1=\"" + at + "\" x2=\"" + to + "\" y2=\"" + at + "\"/>\n";
        svg += "<line x1=\"" + at + "\" y1=\"" + from + "\" x2=\"" + at + "\" y2=\"" + to + "\"/>\n";
    }
    svg += "</g>\n</svg>\n";
    return svg;
}

QByteArray GridPng()
{
    QImage image(PngPixels, PngPixels, QImage::Format_ARGB32);
    image.fill(Qt::white);
    image.setDotsPerMeterX(PngDotsPerMeter);
    image.setDotsPerMeterY(PngDotsPerMeter);
    {
        QPainter painter(&image);
        QSvgRenderer(GridSvg()).render(&painter);
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}

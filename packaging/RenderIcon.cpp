// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders the program's SVG logo as a square PNG for the desktop's icon theme.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s logo.svg icon.png size\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const int size = QByteArray(argv[3]).toInt();
    QSvgRenderer logo(QString::fromLocal8Bit(argv[1]));
    if (!logo.isValid() || size <= 0) {
        std::fprintf(stderr, "%s: cannot render %s\n", argv[0], argv[1]);
        return 1;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    logo.render(&painter);
    painter.end();
    return icon.save(QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
}

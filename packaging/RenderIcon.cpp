// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// Build tool: renders an SVG picture of the program as a square image: a PNG for the
// desktop's icon theme, or (any other file name) its raw pixels, premultiplied ARGB32 in the
// machine's byte order, which a window takes as its icon without decoding anything.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s picture.svg image.png|image.argb size\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);
    const int size = QByteArray(argv[3]).toInt();
    QSvgRenderer picture(QString::fromLocal8Bit(argv[1]));
    if (!picture.isValid() || size <= 0) {
        std::fprintf(stderr, "%s: cannot render %s\n", argv[0], argv[1]);
        return 1;
    }
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    picture.render(&painter);
    painter.end();
    const QString output = QString::fromLocal8Bit(argv[2]);
    if (output.endsWith(QStringLiteral(".png")))
        return icon.save(output, "PNG") ? 0 : 1;
    QFile raw(output);
    const auto bytes = reinterpret_cast<const char *>(icon.constBits());
    return raw.open(QIODevice::WriteOnly) && raw.write(bytes, icon.sizeInBytes()) == icon.sizeInBytes()
        ? 0
        : 1;
}

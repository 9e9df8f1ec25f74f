// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowLook.h"

#include "AccessibleWindow.h"
#include "TwipLayout.h"

#include <QFileInfo>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <QWidget>

namespace WindowLook {

// Arial, which the windows were designed with, is on Linux an alias that fontconfig turns
// into Liberation Sans, a face of the same measures that the package brings along. Named by
// its alias, the face is found only through fontconfig's sorted list of all fonts, which
// costs the start as much as a whole font; named by itself, it is found at once. Scripts it
// lacks (Arabic) still fall back to the fonts that have them.
QFont SansFont(double points, bool bold)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void DrawFocusFrame(QPainter &painter, const QRect &area)
{
    constexpr int FocusFrameTwips = 15;
    const int width = std::max(1, ToPixels(FocusFrameTwips));
    QPen dots(Qt::black, width, Qt::CustomDashLine, Qt::FlatCap);
    dots.setDashPattern({1, 1}); // square dots as far apart as they are wide
    painter.setPen(dots);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(area).adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0));
}

namespace {

constexpr char ScreenPlaceProperty[] = "zepScreenPlace"; // QRectF: shares, screen twips
constexpr int WindowIconSizes[] = {16, 32, 64, 128};

// The icon drawn from the SVG file at build time, at the sizes a desktop takes for a window,
// as raw pixels: image files would make Qt look through its plugins first. The SVG file
// itself where there are no such pictures.
QIcon WindowIcon(const QString &svg)
{
    QIcon icon;
    for (int size : WindowIconSizes) {
        const QResource pixels(QStringLiteral(":/window-icons/%1-%2.argb")
                                   .arg(QFileInfo(svg).completeBaseName())
                                   .arg(size));
        if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression
            || pixels.size() != qint64(size) * size * 4)
            continue;
        const QImage picture(pixels.data(), size, size, QImage::Format_ARGB32_Premultiplied);
        icon.addPixmap(QPixmap::fromImage(picture));
    }
    return icon.isNull() ? QIcon(svg) : icon;
}

} // namespace

void PlaceOnScreen(QWidget &window, QSizeF screenTwips, double shareX, double shareY)
{
    window.setProperty(ScreenPlaceProperty, QRectF(QPointF(shareX, shareY), screenTwips));
    const QSize outer = window.frameGeometry().size();
    const QSizeF screen = screenTwips / TwipsPerPixel;
    const QPoint place(qRound((int(screen.width()) - outer.width()) * shareX),
                       qRound((int(screen.height()) - outer.height()) * shareY));
    if (window.pos() != place)
        window.move(place);
}

void PlaceAgain(QWidget &window)
{
    const QVariant kept = window.property(ScreenPlaceProperty);
    if (!kept.isValid())
        return;
    const QRectF place = kept.toRectF();
    PlaceOnScreen(window, place.size(), place.x(), place.y());
}

void SetUpWindow(QWidget &window, const QString &caption, const QString &icon, int widthTwips,
                 int heightTwips, const QColor &background)
{
    AccessibleWindow::install(window);
    window.setWindowTitle(caption);
    window.setWindowIcon(WindowIcon(icon));
    SetWindowTwips(window, QSize(widthTwips, heightTwips));
    SetControlFont(window, SansFont(WindowPoints, true));
    window.setAutoFillBackground(true);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, background);
    window.setPalette(colours);
}

} // namespace WindowLook

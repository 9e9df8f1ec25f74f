// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowLook.h"

#include "AccessibleWindow.h"
#include "TwipLayout.h"

#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QWidget>

namespace WindowLook {

QFont SansFont(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

namespace {

constexpr char ScreenPlaceProperty[] = "zepScreenPlace"; // QRectF: shares, screen twips
constexpr int WindowIconSizes[] = {16, 32, 64, 128};

// The icon drawn from the SVG file at build time, at the sizes a desktop takes for a window;
// the SVG file itself where there are no such pictures.
QIcon WindowIcon(const QString &svg)
{
    QIcon icon;
    for (int size : WindowIconSizes) {
        const QString png = QStringLiteral(":/window-icons/%1-%2.png")
                                .arg(QFileInfo(svg).completeBaseName())
                                .arg(size);
        if (QFile::exists(png))
            icon.addFile(png, QSize(size, size));
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
    SetControlFont(window, SansFont(9.75, true));
    window.setAutoFillBackground(true);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, background);
    window.setPalette(colours);
}

} // namespace WindowLook

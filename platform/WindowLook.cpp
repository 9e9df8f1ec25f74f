// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "WindowLook.h"

#include "AccessibleWindow.h"
#include "Twips.h"

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

void PlaceOnScreen(QWidget &window, QSizeF screenTwips, double shareX, double shareY)
{
    const QSize outer = window.frameGeometry().size();
    const QPoint place(qRound((ToPixels(int(screenTwips.width())) - outer.width()) * shareX),
                       qRound((ToPixels(int(screenTwips.height())) - outer.height()) * shareY));
    if (window.pos() != place)
        window.move(place);
}

void SetUpWindow(QWidget &window, const QString &caption, const QString &icon, int widthTwips,
                 int heightTwips, const QColor &background)
{
    AccessibleWindow::install(window);
    window.setWindowTitle(caption);
    window.setWindowIcon(QIcon(icon));
    window.setFixedSize(ToPixels(widthTwips), ToPixels(heightTwips));
    window.setFont(SansFont(9.75, true));
    window.setAutoFillBackground(true);
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, background);
    window.setPalette(colours);
}

} // namespace WindowLook

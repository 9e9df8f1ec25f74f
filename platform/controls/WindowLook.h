// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QSizeF>
#include <QString>

class QPainter;
class QRect;
class QWidget;

// Colours and fonts the program's windows share.
namespace WindowLook {
inline const QColor Cyan(0, 255, 255);
inline const QColor LightGrey(192, 192, 192);
inline const QColor LightYellow(255, 255, 224);

// The size of the windows' own font, which their labels use unless they name another.
constexpr double WindowPoints = 9.75;

// The sans-serif face of the windows at a size in points.
QFont SansFont(double points, bool bold);
// The dotted frame along the edges of a control that holds the focus.
void DrawFocusFrame(QPainter &painter, const QRect &area);

// A window of fixed inner size (in twips) with its caption, icon, background and the bold
// 9.75-point font that its controls use unless they name their own.
// Moves the window so that its left edge is share x of the free screen width, its top edge
// share y of the free height (the outer window size counts). The screen's twips are its
// own, 15 to a pixel at every scale factor.
void PlaceOnScreen(QWidget &window, QSizeF screenTwips, double shareX, double shareY);
// The last place on the screen again, for the window's new size.
void PlaceAgain(QWidget &window);

void SetUpWindow(QWidget &window, const QString &caption, const QString &icon,
                 int widthTwips, int heightTwips, const QColor &background);
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtScreen.h"

#include "Twips.h"

#include <QGuiApplication>
#include <QScreen>

QSizeF QtScreen::sizeTwips() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->availableGeometry().size() : QSize(1024, 768);
    return QSizeF(pixels) * TwipsPerPixel;
}

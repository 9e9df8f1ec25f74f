// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointF>
#include <QRect>

// Window layouts are given in twips; at scale factor 1, 15 twips are one logical pixel.
// All windows share one scale factor (see Zoom); these conversions follow it.
constexpr int TwipsPerPixel = 15;

double ScaleFactor();

// Whole pixels, rounded down, so that factor 1 gives exactly twips / 15.
int ToPixels(int twips);
// A point on a widget (logical pixels) in twips at the current factor.
QPointF ToTwips(QPointF pixels);

struct TwipRect
{
    int left;
    int top;
    int width;
    int height;

    QRect toPixels() const
    {
        return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
    }
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// Window layouts are given in twips; 15 twips are one logical pixel.
constexpr int TwipsPerPixel = 15;

constexpr int ToPixels(int twips) { return twips / TwipsPerPixel; }
constexpr int ToTwips(int pixels) { return pixels * TwipsPerPixel; }

struct TwipRect
{
    int left;
    int top;
    int width;
    int height;

    constexpr QRect toPixels() const
    {
        return QRect(ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height));
    }
};

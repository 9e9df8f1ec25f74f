// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The standard 16-colour palette; the boards use the indices named below.
struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

namespace PaletteIndex {
constexpr int LightGreen = 10;
constexpr int LightRed = 12;
constexpr int LightMagenta = 13;
constexpr int Yellow = 14;
}

Rgb PaletteColor(int index); // index 0..15; other values give black

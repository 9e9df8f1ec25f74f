// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QSizeF>

class QWidget;

// The one scale factor of all windows: logical pixels per design pixel of 15 twips.
// Changing it lays out every window of the program again.
class Zoom : public QObject
{
    Q_OBJECT

public:
    static constexpr double Step = 0.25;
    static constexpr double StartShare = 0.8;    // of the free screen height
    static constexpr double LargestShare = 0.95; // leaves room for the window frame

    static Zoom &instance();

    double factor() const { return m_factor; }
    double startFactor() const { return m_start; }
    double largestFactor() const { return m_largest; }

    // The start factor for a window of the given inner size on a free screen area: the
    // window about 80 % of the screen's height, never below 1, never larger than the screen.
    static double FittingFactor(QSizeF screenTwips, QSizeF windowTwips);
    // Takes the start and the largest factor from the screen and applies the start factor.
    void fitTo(QSizeF screenTwips, QSizeF windowTwips);

    // Clamped to 1 .. the largest factor.
    void setFactor(double factor);
    void zoomIn() { setFactor(m_factor + Step); }
    void zoomOut() { setFactor(m_factor - Step); }
    void reset() { setFactor(m_start); }

    // Ctrl+Plus, Ctrl+Minus and Ctrl+0, in every window of the program.
    static void installKeys(QWidget &window);

signals:
    void changed(double factor);

private:
    Zoom() = default;

    double m_factor = 1;
    double m_start = 1;
    double m_largest = 1;
};

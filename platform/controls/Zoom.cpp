// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "Zoom.h"

#include "TwipLayout.h"
#include "Twips.h"

#include <QShortcut>
#include <QWidget>
#include <algorithm>
#include <cmath>

double ScaleFactor() { return Zoom::instance().factor(); }

int ToPixels(int twips) { return int(std::floor(twips * ScaleFactor() / TwipsPerPixel)); }

QPointF ToTwips(QPointF pixels) { return pixels * TwipsPerPixel / ScaleFactor(); }

namespace {

double LargestFactor(QSizeF screenTwips, QSizeF windowTwips)
{
    return std::max(1.0, Zoom::LargestShare * std::min(screenTwips.width() / windowTwips.width(),
                                                  screenTwips.height() / windowTwips.height()));
}

} // namespace

Zoom &Zoom::instance()
{
    static Zoom zoom;
    return zoom;
}

double Zoom::FittingFactor(QSizeF screenTwips, QSizeF windowTwips)
{
    const double wanted = StartShare * screenTwips.height() / windowTwips.height();
    return std::clamp(wanted, 1.0, LargestFactor(screenTwips, windowTwips));
}

void Zoom::fitTo(QSizeF screenTwips, QSizeF windowTwips)
{
    m_largest = LargestFactor(screenTwips, windowTwips);
    m_start = FittingFactor(screenTwips, windowTwips);
    setFactor(m_start);
}

void Zoom::setFactor(double factor)
{
    factor = std::clamp(factor, 1.0, m_largest);
    if (factor == m_factor)
        return;
    m_factor = factor;
    RelayoutAll();
    emit changed(m_factor);
}

void Zoom::installKeys(QWidget &window)
{
    auto key = [&window](const QKeySequence &keys, void (Zoom::*step)()) {
        auto *shortcut = new QShortcut(keys, &window);
        shortcut->setContext(Qt::ApplicationShortcut);
        QObject::connect(shortcut, &QShortcut::activated, &instance(), step);
    };
    key(QKeySequence::ZoomIn, &Zoom::zoomIn);
    key(QKeySequence(Qt::CTRL | Qt::Key_Equal), &Zoom::zoomIn); // "+" shares this key on US keyboards
    key(QKeySequence::ZoomOut, &Zoom::zoomOut);
    key(QKeySequence(Qt::CTRL | Qt::Key_0), &Zoom::reset);
}

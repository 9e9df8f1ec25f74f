// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingSurface.h"

#include "Twips.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
constexpr int DotsPerMeterAt96Dpi = 3780; // fonts on the surface are sized for 96 dpi
}

DrawingSurface::DrawingSurface(QSize sizeTwips, const QColor &background, QWidget *parent)
    : QWidget(parent), m_sizeTwips(sizeTwips), m_background(background)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    applyScale();
}

void DrawingSurface::applyScale()
{
    setFixedSize(ToPixels(m_sizeTwips.width()), ToPixels(m_sizeTwips.height()));
    if (m_image.isNull())
        return;
    m_image = QImage();
    for (const Step &step : m_steps)
        run(step);
    update();
}

// The drawing speaks pixels of factor 1 (deviceUnitsPerTwip); the image's pixel ratio
// turns them into the screen's real pixels at the current factor.
QImage &DrawingSurface::backing() const
{
    if (!m_image.isNull())
        return m_image;
    const double ratio = ScaleFactor() * devicePixelRatio();
    const QSizeF design = QSizeF(m_sizeTwips) / TwipsPerPixel;
    m_image = QImage(int(std::ceil(design.width() * ratio)), int(std::ceil(design.height() * ratio)),
                     QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    m_image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    m_image.fill(m_background);
    return m_image;
}

void DrawingSurface::clear()
{
    m_steps.clear();
    if (!m_image.isNull())
        m_image.fill(m_background);
    m_cursor = QPointF(0, 0);
    update();
}

QColor DrawingSurface::colorAt(QPointF twips) const
{
    const QImage &image = backing();
    const QPointF pixel = twips * deviceUnitsPerTwip() * image.devicePixelRatio();
    return image.pixelColor(pixel.toPoint());
}

void DrawingSurface::paint(const std::function<void(QPainter &)> &step)
{
    m_steps.push_back({QRectF(), step});
    run(m_steps.back());
}

// Steps hidden completely under an opaque one are not kept: a board painted over and over
// keeps no more steps than it has cells.
void DrawingSurface::paintOpaque(const QRectF &area, const std::function<void(QPainter &)> &step)
{
    std::erase_if(m_steps, [&](const Step &kept) {
        return !kept.opaqueArea.isEmpty() && area.contains(kept.opaqueArea);
    });
    m_steps.push_back({area, step});
    run(m_steps.back());
}

void DrawingSurface::run(const Step &step)
{
    {
        QPainter painter(&backing());
        painter.setRenderHint(QPainter::TextAntialiasing);
        step.draw(painter);
    }
    update();
}

double DrawingSurface::deviceUnitsPerTwip() const { return 1.0 / TwipsPerPixel; }

QPaintDevice *DrawingSurface::metricsDevice() const
{
    return &backing();
}

// Widget and image meet pixel for pixel on the screen: one logical pixel of the widget is
// the screen's pixel ratio in image pixels.
void DrawingSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    const qreal ratio = devicePixelRatio();
    painter.drawImage(dirty, backing(), QRectF(QPointF(dirty.topLeft()) * ratio, QSizeF(dirty.size()) * ratio));
}

void DrawingSurface::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), ToTwips(event->position()));
}

void DrawingSurface::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(ToTwips(event->position()));
}

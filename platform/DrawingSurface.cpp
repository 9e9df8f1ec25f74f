// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DrawingSurface.h"

#include "Twips.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>

namespace {
constexpr int DotsPerMeterAt96Dpi = 3780; // fonts on the surface are sized for 96 dpi
}

DrawingSurface::DrawingSurface(QSize sizeTwips, const QColor &background, QWidget *parent)
    : QWidget(parent), m_background(background)
{
    const QSize pixels(ToPixels(sizeTwips.width()), ToPixels(sizeTwips.height()));
    setFixedSize(pixels);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    m_image = QImage(pixels * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.setDotsPerMeterX(DotsPerMeterAt96Dpi);
    m_image.setDotsPerMeterY(DotsPerMeterAt96Dpi);
    m_image.fill(m_background);
}

void DrawingSurface::clear()
{
    m_image.fill(m_background);
    m_cursor = QPointF(0, 0);
    update();
}

QColor DrawingSurface::colorAt(QPointF twips) const
{
    const QPointF pixel = twips * deviceUnitsPerTwip() * m_image.devicePixelRatio();
    return m_image.pixelColor(pixel.toPoint());
}

void DrawingSurface::paint(const std::function<void(QPainter &)> &step)
{
    {
        QPainter painter(&m_image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        step(painter);
    }
    update();
}

double DrawingSurface::deviceUnitsPerTwip() const { return 1.0 / TwipsPerPixel; }

QPaintDevice *DrawingSurface::metricsDevice() const
{
    return const_cast<QImage *>(&m_image);
}

void DrawingSurface::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    painter.drawImage(dirty, m_image, QRectF(QPointF(dirty.topLeft()) * m_image.devicePixelRatio(),
                                             QSizeF(dirty.size()) * m_image.devicePixelRatio()));
}

void DrawingSurface::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->position() * TwipsPerPixel);
}

void DrawingSurface::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position() * TwipsPerPixel);
}

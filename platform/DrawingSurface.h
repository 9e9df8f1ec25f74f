// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TwipCanvas.h"

#include <QImage>
#include <QWidget>

// A picture that keeps what is drawn on it in a backing image, so that nothing has to
// be redrawn when the window is uncovered. Drawing speaks twips.
class DrawingSurface : public QWidget, public TwipCanvas
{
    Q_OBJECT

public:
    DrawingSurface(QSize sizeTwips, const QColor &background, QWidget *parent = nullptr);

    // Text on the surface uses the canvas font, not the widget's.
    using TwipCanvas::font;
    using TwipCanvas::setFont;

    // The whole surface takes its background colour; the print cursor goes to (0, 0).
    void clear();
    QImage image() const { return m_image; }
    // Colour of the backing image at a point given in twips.
    QColor colorAt(QPointF twips) const;

signals:
    void mousePressed(Qt::MouseButton button, QPointF twips);
    void mouseMoved(QPointF twips);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    void paint(const std::function<void(QPainter &)> &step) override;
    double deviceUnitsPerTwip() const override;
    QPaintDevice *metricsDevice() const override;

private:
    QImage m_image;
    QColor m_background;
};

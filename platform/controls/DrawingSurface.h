// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Scalable.h"
#include "TwipCanvas.h"

#include <QImage>
#include <QWidget>
#include <vector>

// A picture that keeps what is drawn on it in a backing image, so that nothing has to
// be redrawn when the window is uncovered. Drawing speaks twips. The image has the
// screen's real resolution at the window's scale; the surface keeps the drawing steps since
// it was last cleared and runs them again when the scale changes. The image is made when it
// is first drawn on or shown, so a surface that stays hidden, or is scaled before its first
// drawing, costs no image.
class DrawingSurface : public QWidget, public TwipCanvas, public Scalable
{
    Q_OBJECT

public:
    DrawingSurface(QSize sizeTwips, const QColor &background, QWidget *parent = nullptr);

    // Text on the surface uses the canvas font, not the widget's.
    using TwipCanvas::font;
    using TwipCanvas::setFont;

    QSize sizeTwips() const { return m_sizeTwips; }
    // The whole surface takes its background colour; the print cursor goes to (0, 0).
    void clear();
    QImage image() const { return backing(); }
    // Colour of the backing image at a point given in twips.
    QColor colorAt(QPointF twips) const;
    // How many drawing steps the surface keeps for the next change of scale.
    int keptSteps() const { return int(m_steps.size()); }

    void applyScale() override;

signals:
    void mousePressed(Qt::MouseButton button, QPointF twips);
    void mouseMoved(QPointF twips);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

    void paint(const std::function<void(QPainter &)> &step) override;
    void paintOpaque(const QRectF &area, const std::function<void(QPainter &)> &step) override;
    double deviceUnitsPerTwip() const override;
    QPaintDevice *metricsDevice() const override;
    bool paintsPixels() const override { return true; }

private:
    struct Step
    {
        QRectF opaqueArea; // empty when the step may leave pixels below it showing
        std::function<void(QPainter &)> draw;
    };
    void run(const Step &step);
    QImage &backing() const;

    QSize m_sizeTwips;
    mutable QImage m_image; // null until first needed
    QColor m_background;
    std::vector<Step> m_steps;
};

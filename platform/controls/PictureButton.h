// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Scalable.h"

#include <QImage>
#include <QToolButton>
#include <future>

// A picture used as a button: an icon of 480 x 480 twips (32 x 32 pixels at factor 1) on a
// coloured background, reachable by keyboard and named for screen readers. The icon is
// drawn from its SVG file at the size it shows, so it stays sharp at every scale. A button
// out of sight draws its icon once it is ready to be shown (polished), on a drawing thread
// while the window gets ready, and takes it when it is shown, so that a picture or scale set
// before the window appears is drawn once and does not hold up the window.
class PictureButton : public QToolButton, public Scalable
{
    Q_OBJECT

public:
    static constexpr int IconTwips = 480;

    PictureButton(const QString &picture, const QString &name, const QColor &background,
                  QWidget *parent = nullptr);

    // Pictures are resource paths; two pictures are the same when their paths are.
    QString picture() const { return m_picture; }
    void setPicture(const QString &picture);
    QColor background() const { return m_background; }
    void setBackground(const QColor &background);
    void setIconTwips(int twips);

    void applyScale() override;

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void drawIconSoon();
    void takeIcon();

    QString m_picture;
    bool m_iconDrawn = false;
    std::future<QImage> m_drawing; // the icon on the drawing thread, when asked for there
    QColor m_background;
    int m_iconTwips = IconTwips;
};

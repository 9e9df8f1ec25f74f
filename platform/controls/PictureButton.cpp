// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureButton.h"

#include "Twips.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {
constexpr int FocusFrameTwips = 15;
}

PictureButton::PictureButton(const QString &picture, const QString &name,
                             const QColor &background, QWidget *parent)
    : QToolButton(parent)
{
    setToolTip(name);
    setAccessibleName(name);
    setAutoRaise(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    m_picture = picture;
    m_background = background;
    applyScale();
}

void PictureButton::setPicture(const QString &picture)
{
    m_picture = picture;
    showPicture(); // the style sheet stays: setting it again would lay out the button anew
}

void PictureButton::setBackground(const QColor &background)
{
    m_background = background;
    setStyleSheet(QStringLiteral("QToolButton { background-color: %1; border: none; }"
                                 "QToolButton:focus { border: %2px dotted black; }")
                      .arg(background.name())
                      .arg(std::max(1, ToPixels(FocusFrameTwips))));
}

void PictureButton::setIconTwips(int twips)
{
    m_iconTwips = twips;
    applyScale();
}

void PictureButton::applyScale()
{
    showPicture();
    setBackground(m_background);
}

void PictureButton::showPicture()
{
    const int side = ToPixels(m_iconTwips);
    setIconSize(QSize(side, side));
    const qreal ratio = devicePixelRatio();
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        QSvgRenderer(m_picture).render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    setIcon(QIcon(pixmap));
}

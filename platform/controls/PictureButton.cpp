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
    if (picture == m_picture)
        return;
    m_picture = picture;
    applyScale();
}

void PictureButton::setBackground(const QColor &background)
{
    m_background = background;
    const QString sheet = QStringLiteral("QToolButton { background-color: %1; border: none; }"
                                         "QToolButton:focus { border: %2px dotted black; }")
                              .arg(background.name())
                              .arg(std::max(1, ToPixels(FocusFrameTwips)));
    if (sheet != styleSheet()) // each new style sheet polishes the button anew
        setStyleSheet(sheet);
}

void PictureButton::setIconTwips(int twips)
{
    m_iconTwips = twips;
    applyScale();
}

void PictureButton::applyScale()
{
    const int side = ToPixels(m_iconTwips);
    setIconSize(QSize(side, side));
    m_iconDrawn = false;
    if (isVisible())
        drawIcon();
    setBackground(m_background);
}

void PictureButton::showEvent(QShowEvent *event)
{
    if (!m_iconDrawn)
        drawIcon();
    QToolButton::showEvent(event);
}

// A window painted without being shown (grabbed for a picture) still gets its icons.
void PictureButton::paintEvent(QPaintEvent *event)
{
    if (!m_iconDrawn)
        drawIcon();
    QToolButton::paintEvent(event);
}

void PictureButton::drawIcon()
{
    const qreal ratio = devicePixelRatio();
    QPixmap pixmap(iconSize() * ratio);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        QSvgRenderer(m_picture).render(&painter);
    }
    pixmap.setDevicePixelRatio(ratio);
    setIcon(QIcon(pixmap));
    m_iconDrawn = true;
}

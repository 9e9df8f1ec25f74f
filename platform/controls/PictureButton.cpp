// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureButton.h"

#include "Twips.h"
#include "WindowLook.h"

#include <QEvent>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QSvgRenderer>
#include <QThreadPool>
#include <memory>

namespace {

QImage Draw(const QString &picture, QSize pixels)
{
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QSvgRenderer(picture).render(&painter);
    return image;
}

// One thread draws the icons in the order asked, beside the user-interface thread; more
// threads would take turns with the window that waits for them.
QThreadPool &DrawingThread()
{
    static QThreadPool pool;
    static const bool once = (pool.setMaxThreadCount(1), true);
    Q_UNUSED(once);
    return pool;
}

} // namespace

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
    update();
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
    m_drawing = {};
    if (isVisible())
        takeIcon();
    else if (testAttribute(Qt::WA_WState_Polished))
        drawIconSoon();
    update();
}

bool PictureButton::event(QEvent *event)
{
    const bool handled = QToolButton::event(event);
    if (event->type() == QEvent::Polish && !m_iconDrawn && !m_drawing.valid())
        drawIconSoon();
    return handled;
}

void PictureButton::drawIconSoon()
{
    auto drawn = std::make_shared<std::promise<QImage>>();
    m_drawing = drawn->get_future();
    DrawingThread().start([drawn, picture = m_picture, pixels = iconSize() * devicePixelRatio()] {
        drawn->set_value(Draw(picture, pixels));
    });
}

void PictureButton::showEvent(QShowEvent *event)
{
    if (!m_iconDrawn)
        takeIcon();
    QToolButton::showEvent(event);
}

// The button draws itself: its colour, the icon in the middle, greyed when the button is
// off, and the dotted frame of the focus. A style sheet would cost every button a style
// of its own, polished and drawn through style rules, at the start of the window.
// A window painted without being shown (grabbed for a picture) still gets its icons.
void PictureButton::paintEvent(QPaintEvent *)
{
    if (!m_iconDrawn)
        takeIcon();
    QPainter painter(this);
    painter.fillRect(rect(), m_background);
    const QPixmap pixmap =
        icon().pixmap(iconSize(), devicePixelRatio(), isEnabled() ? QIcon::Normal : QIcon::Disabled);
    const QSize shown = (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
    painter.drawPixmap(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, shown, rect()), pixmap);
    if (hasFocus())
        WindowLook::DrawFocusFrame(painter, rect());
}

// The icon from the drawing thread, or drawn here when it was not asked for there.
void PictureButton::takeIcon()
{
    const qreal ratio = devicePixelRatio();
    QPixmap pixmap = QPixmap::fromImage(m_drawing.valid() ? m_drawing.get()
                                                          : Draw(m_picture, iconSize() * ratio));
    m_drawing = {};
    pixmap.setDevicePixelRatio(ratio);
    setIcon(QIcon(pixmap));
    m_iconDrawn = true;
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickLabel.h"

#include <QMouseEvent>

ClickLabel::ClickLabel(const QString &caption, const QColor &background, QWidget *parent)
    : QLabel(caption, parent)
{
    setAutoFillBackground(true);
    setBackground(background);
}

void ClickLabel::setBackground(const QColor &background)
{
    m_background = background;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
}

void ClickLabel::setTextColor(const QColor &color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, color);
    setPalette(colours);
}

void ClickLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit clicked();
    QLabel::mousePressEvent(event);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

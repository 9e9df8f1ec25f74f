// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureButton.h"

#include <QIcon>

PictureButton::PictureButton(const QString &picture, const QString &name,
                             const QColor &background, QWidget *parent)
    : QToolButton(parent)
{
    setToolTip(name);
    setAccessibleName(name);
    setIconSize(QSize(32, 32));
    setAutoRaise(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::PointingHandCursor);
    setPicture(picture);
    setBackground(background);
}

void PictureButton::setPicture(const QString &picture)
{
    m_picture = picture;
    setIcon(QIcon(picture));
}

void PictureButton::setBackground(const QColor &background)
{
    m_background = background;
    setStyleSheet(QStringLiteral("QToolButton { background-color: %1; border: none; }"
                                 "QToolButton:focus { border: 1px dotted black; }")
                      .arg(background.name()));
}

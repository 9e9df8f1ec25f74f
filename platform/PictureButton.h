// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QToolButton>

// A picture used as a button: an icon of 32 x 32 pixels on a coloured background,
// reachable by keyboard and named for screen readers.
class PictureButton : public QToolButton
{
    Q_OBJECT

public:
    PictureButton(const QString &picture, const QString &name, const QColor &background,
                  QWidget *parent = nullptr);

    // Pictures are resource paths; two pictures are the same when their paths are.
    QString picture() const { return m_picture; }
    void setPicture(const QString &picture);
    QColor background() const { return m_background; }
    void setBackground(const QColor &background);

private:
    QString m_picture;
    QColor m_background;
};

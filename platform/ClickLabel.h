// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label with a background colour that reports clicks.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(const QString &caption, const QColor &background, QWidget *parent = nullptr);

    QColor background() const { return m_background; }
    void setBackground(const QColor &background);
    void setTextColor(const QColor &color);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QColor m_background;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

// A label with a background colour that reports clicks. A label that can take the focus
// (a window's choice) shows a frame then and takes Space or Enter as a click.
class ClickLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ClickLabel(const QString &caption, const QColor &background, QWidget *parent = nullptr);

    QColor background() const { return m_background; }
    void setBackground(const QColor &background);
    void setTextColor(const QColor &color);
    // A text too wide for the label is shown whole in a smaller font, that text only.
    void setFitText(bool fit) { m_fitText = fit; }
    // The font the text is shown in.
    QFont shownFont() const;

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background;
    bool m_fitText = false;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ClickLabel.h"

#include "WindowLook.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ClickLabel::ClickLabel(const QString &caption, const QColor &background, QWidget *parent)
    : QLabel(caption, parent)
{
    // A name is shown as typed, never read as markup.
    setTextFormat(Qt::PlainText);
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

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    const int key = event->key();
    if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

QFont ClickLabel::shownFont() const
{
    constexpr double Step = 0.9;
    constexpr double SmallestShare = 0.4; // of the label's own size
    QFont shown = font();
    const double room = contentsRect().width() - 2 * margin();
    const double smallest = font().pointSizeF() * SmallestShare;
    while (m_fitText && QFontMetricsF(shown).horizontalAdvance(text()) > room
           && shown.pointSizeF() * Step >= smallest)
        shown.setPointSizeF(shown.pointSizeF() * Step);
    return shown;
}

void ClickLabel::paintEvent(QPaintEvent *event)
{
    if (const QFont shown = shownFont(); shown != font()) {
        QPainter painter(this);
        painter.setFont(shown);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(contentsRect().adjusted(margin(), margin(), -margin(), -margin()),
                         int(alignment()), text());
    } else {
        QLabel::paintEvent(event);
    }
    if (!hasFocus())
        return;
    QPainter painter(this);
    WindowLook::DrawFocusFrame(painter, rect());
}

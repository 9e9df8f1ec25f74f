// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "TwipCanvas.h"

#include "Palette.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>

#include <array>

QColor ToQColor(const Rgb &rgb) { return QColor(rgb.red, rgb.green, rgb.blue); }

void TwipCanvas::setFont(const QFont &font) { m_font = font; }

QPointF TwipCanvas::toDevice(QPointF twips) const { return twips * deviceUnitsPerTwip(); }

void TwipCanvas::box(const QRectF &twips)
{
    const QRectF rect(toDevice(twips.topLeft()), toDevice(twips.bottomRight()));
    const QPen pen(m_foreground, m_lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    const bool solid = m_fillStyle == FillStyle::Solid;
    const QBrush brush = solid ? QBrush(m_fillColor) : QBrush(Qt::NoBrush);
    const auto step = [rect, pen, brush](QPainter &painter) {
        painter.setPen(pen);
        painter.setBrush(brush);
        painter.drawRect(rect);
    };
    const double half = m_lineWidth / 2;
    const QRectF outer = rect.adjusted(-half, -half, half, half);
    if (!solid || m_fillColor.alpha() != 255 || m_foreground.alpha() != 255)
        paint(step);
    else if (paintsPixels() && m_lineWidth >= 1)
        // The outline as a filled frame: a wide outline is otherwise traced as a path, at
        // several times the cost, which a board of a hundred cells pays at every redraw. A
        // line thinner than a pixel is traced, which keeps it a pixel wide; as a frame it
        // would cover no pixel's centre at some places and vanish there.
        paintOpaque(outer, [outer, inner = rect.adjusted(half, half, -half, -half),
                            line = m_foreground, fill = m_fillColor](QPainter &painter) {
            painter.fillRect(outer, line);
            painter.fillRect(inner, fill);
        });
    else
        paintOpaque(outer, step);
    m_cursor = twips.bottomRight();
}

void TwipCanvas::line(QPointF from, QPointF to)
{
    const QPointF a = toDevice(from);
    const QPointF b = toDevice(to);
    paint([a, b, pen = QPen(m_foreground, m_lineWidth, Qt::SolidLine, Qt::FlatCap)](QPainter &painter) {
        painter.setPen(pen);
        painter.drawLine(a, b);
    });
    m_cursor = to;
}

void TwipCanvas::polygon(const QList<QPointF> &twips)
{
    QPolygonF corners;
    for (const QPointF &corner : twips)
        corners.append(toDevice(corner));
    const QPen pen(m_foreground, m_lineWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    const QBrush brush = m_fillStyle == FillStyle::Solid ? QBrush(m_fillColor) : QBrush(Qt::NoBrush);
    paint([corners, pen, brush](QPainter &painter) {
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(pen);
        painter.setBrush(brush);
        painter.drawPolygon(corners);
    });
}

void TwipCanvas::print(const QString &text, After after)
{
    if (!text.isEmpty()) {
        const QFontMetricsF metrics(m_font, metricsDevice());
        const QPointF baseline = toDevice(m_cursor) + QPointF(0, metrics.ascent());
        // Every line runs from left to right, also one that begins with an Arabic word: the
        // blank in front of a word stays in front of it, at the column.
        paint([baseline, text, font = m_font, colour = m_foreground](QPainter &painter) {
            painter.setFont(font);
            painter.setPen(colour);
            painter.setLayoutDirection(Qt::LeftToRight);
            painter.drawText(baseline, text);
        });
        m_cursor.rx() += textWidth(text);
    }
    if (after == After::EndLine)
        endLine();
}

void TwipCanvas::printAt(int column, const QString &text, After after)
{
    const double columnX = (column - 1) * averageCharWidth();
    if (m_cursor.x() > columnX)
        endLine();
    m_cursor.setX(columnX);
    print(text, after);
}

void TwipCanvas::endLine()
{
    m_cursor.setX(0);
    m_cursor.ry() += lineHeight();
}

QString TwipCanvas::asNumber(int number)
{
    return (number < 0 ? QString() : QStringLiteral(" ")) + QString::number(number)
        + QStringLiteral(" ");
}

// The width of a text column: the average width of ordinary text, the letters a to z and
// the blank weighted by how often they occur in writing (per thousand letters). The
// average that fonts report themselves is taken over all their glyphs and runs wider, so
// columns far right would leave the page.
double TwipCanvas::averageCharWidth() const
{
    static constexpr std::array<int, 26> LetterWeights{64, 14, 27, 35, 100, 20, 14, 42, 63,
                                                       3,  6,  35, 20, 56, 56,  17, 4,  49,
                                                       56, 71, 31, 10, 18, 3,   18, 2};
    constexpr int BlankWeight = 166;
    const QFontMetricsF metrics(m_font, metricsDevice());
    double width = BlankWeight * metrics.horizontalAdvance(u' ');
    for (int letter = 0; letter < int(LetterWeights.size()); ++letter)
        width += LetterWeights[letter] * metrics.horizontalAdvance(QChar(u'a' + letter));
    return width / 1000 / deviceUnitsPerTwip();
}

double TwipCanvas::lineHeight() const
{
    return QFontMetricsF(m_font, metricsDevice()).height() / deviceUnitsPerTwip();
}

double TwipCanvas::textWidth(const QString &text) const
{
    return QFontMetricsF(m_font, metricsDevice()).horizontalAdvance(text) / deviceUnitsPerTwip();
}

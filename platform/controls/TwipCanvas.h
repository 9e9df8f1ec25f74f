// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <functional>

class QPainter;
class QPaintDevice;
struct Rgb;

QColor ToQColor(const Rgb &rgb);

// Drawing in twips with a print cursor, shared by the drawing surfaces and the printer.
//
// Text output: an item may first move to text column n, which begins (n - 1) average
// character widths from the left edge; when the cursor already stands right of that
// column, the item goes to column n of the next line. After an item the cursor stays
// behind the text or the line is ended (x to 0, y one line height down).
class TwipCanvas
{
public:
    enum class After { Stay, EndLine };
    enum class FillStyle { Solid, Transparent };

    virtual ~TwipCanvas() = default;

    void setFont(const QFont &font);
    QFont font() const { return m_font; }
    void setForeground(const QColor &color) { m_foreground = color; }
    QColor foreground() const { return m_foreground; }
    void setFillColor(const QColor &color) { m_fillColor = color; }
    QColor fillColor() const { return m_fillColor; }
    void setFillStyle(FillStyle style) { m_fillStyle = style; }
    void setLineWidth(double deviceUnits) { m_lineWidth = deviceUnits; }
    void setLineWidthTwips(double twips) { m_lineWidth = twips * deviceUnitsPerTwip(); }

    QPointF printCursor() const { return m_cursor; }
    void setPrintCursor(QPointF twips) { m_cursor = twips; }

    // Outline in the foreground colour, interior in the fill colour (or untouched when
    // the fill style is transparent); the cursor ends at the bottom-right corner.
    void box(const QRectF &twips);
    // The cursor ends at the end point.
    void line(QPointF from, QPointF to);
    // A closed shape through the corners, drawn as a box is; the cursor stays.
    void polygon(const QList<QPointF> &twips);

    void print(const QString &text, After after = After::EndLine);
    void printAt(int column, const QString &text, After after = After::EndLine);
    void endLine();
    // A number as printed by a print statement: its sign place, digits, one blank.
    static QString asNumber(int number);

    double averageCharWidth() const; // twips
    double lineHeight() const;       // twips
    double textWidth(const QString &text) const;

protected:
    // Runs one drawing step on a painter over the device; coordinates are device units.
    // A step keeps copies of what it draws, so that a device may run it again later.
    virtual void paint(const std::function<void(QPainter &)> &step) = 0;
    // A step that paints every pixel of the rectangle (device units) opaquely.
    virtual void paintOpaque(const QRectF &, const std::function<void(QPainter &)> &step)
    {
        paint(step);
    }
    virtual double deviceUnitsPerTwip() const = 0;
    virtual QPaintDevice *metricsDevice() const = 0;
    // True where the steps end as pixels of an image, false where they stay lines and
    // areas of a page.
    virtual bool paintsPixels() const { return false; }

    QPointF toDevice(QPointF twips) const;

    QPointF m_cursor;

private:
    QFont m_font;
    QColor m_foreground = Qt::black;
    QColor m_fillColor = Qt::white;
    FillStyle m_fillStyle = FillStyle::Solid;
    double m_lineWidth = 1;
};

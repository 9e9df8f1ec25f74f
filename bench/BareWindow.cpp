// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The yardstick for the start on a desktop: the barest Qt Widgets window that shows what
// the child sees first, a line of text above a 10 x 10 grid with the numbers 1 to 100, at
// a given size. zep_bench starts it in turns with the program. Like any plain Qt window it
// draws only once it is on the screen, so its window maps before it has laid out a text.
//
//   zep_bare_window WIDTH HEIGHT
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class NumberGrid : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        constexpr int Cells = 10;
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        const double line = height() / 12.0;
        QFont font = painter.font();
        font.setPixelSize(qMax(1, int(line * 0.5)));
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRectF(0, 0, width(), line), Qt::AlignCenter,
                         QStringLiteral("siebenundvierzig"));

        const double side = qMin(width() - 1.0, height() - line - 1);
        const double cell = side / Cells;
        const QPointF corner((width() - side) / 2, line);
        font.setBold(false);
        font.setPixelSize(qMax(1, int(cell * 0.4)));
        painter.setFont(font);
        for (int i = 0; i <= Cells; ++i) {
            painter.drawLine(corner + QPointF(i * cell, 0), corner + QPointF(i * cell, side));
            painter.drawLine(corner + QPointF(0, i * cell), corner + QPointF(side, i * cell));
        }
        for (int n = 1; n <= Cells * Cells; ++n) {
            const QRectF box(corner + QPointF((n - 1) % Cells * cell, (n - 1) / Cells * cell),
                             QSizeF(cell, cell));
            painter.drawText(box, Qt::AlignCenter, QString::number(n));
        }
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    NumberGrid window;
    window.setFixedSize(QByteArray(argv[1]).toInt(), QByteArray(argv[2]).toInt());
    window.show();
    return app.exec();
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The yardstick for the start on a desktop: the barest Qt Widgets window that shows
// something, a 10 x 10 grid at a given size. zep_bench starts it in turns with the program.
//
//   zep_bare_window WIDTH HEIGHT
#include <QApplication>
#include <QPainter>
#include <QWidget>

namespace {

class Grid : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        constexpr int Cells = 10;
        QPainter painter(this);
        for (int i = 0; i <= Cells; ++i) {
            const double x = i * (width() - 1) / double(Cells);
            const double y = i * (height() - 1) / double(Cells);
            painter.drawLine(QPointF(x, 0), QPointF(x, height() - 1));
            painter.drawLine(QPointF(0, y), QPointF(width() - 1, y));
        }
    }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3)
        return 2;
    Grid grid;
    grid.setFixedSize(QByteArray(argv[1]).toInt(), QByteArray(argv[2]).toInt());
    grid.show();
    return app.exec();
}

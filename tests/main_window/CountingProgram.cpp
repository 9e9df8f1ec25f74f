// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The main window with the test doubles of the platform, on the library file given as the
// argument, for tests that drive it with real key and mouse events on a real display. F12
// in any of its windows prints one line:
//   HITS ERRORS ZAHLEN_X ZAHLEN_Y INFO_X INFO_Y CELL_X CELL_Y
// the two counters as shown, then the screen positions of the label "Zahlen", of the
// information button and of cell 96. Since the key travels the same queue as the input
// before it, the line tells what that input did.
#include "BoardSurface.h"
#include "ClickLabel.h"
#include "FakePlatform.h"
#include "Form1.h"
#include "Module1.h"
#include "PictureButton.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <cstdio>

namespace {

constexpr int ProbeCell = 96; // bottom row: clear of the information window

class CounterProbe : public QObject
{
public:
    explicit CounterProbe(Form1 &window) : m_window(window) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() != Qt::Key_F12)
            return false;
        if (event->type() == QEvent::KeyPress && !key->isAutoRepeat())
            print();
        return true;
    }

private:
    void print() const
    {
        const auto centre = [](const QWidget *widget) {
            return widget->mapToGlobal(widget->rect().center());
        };
        const QPoint zahlen = centre(m_window.Bezeichnung5);
        const QPoint info = centre(m_window.Bild8);
        const QRect cell = m_window.Bild11->cellPixels(ProbeCell);
        const QPoint board = m_window.Bild11->mapToGlobal(cell.center());
        std::printf("%s %s %d %d %d %d %d %d\n", qPrintable(m_window.Bezeichnung1->text()),
                    qPrintable(m_window.Bezeichnung2->text()), zahlen.x(), zahlen.y(), info.x(),
                    info.y(), board.x(), board.y());
        std::fflush(stdout);
    }

    Form1 &m_window;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QFile library(app.arguments().value(1));
    if (!library.open(QIODevice::ReadOnly))
        return 2;
    FakePlatform fake;
    fake.files.files.insert(QStringLiteral("ZEP100.TXT"), library.readAll());
    Module1 state;
    Form1 window(state, fake.platform);
    CounterProbe probe(window);
    app.installEventFilter(&probe); // after the window's own filter, so it sees F12 first
    window.Form_Load();
    window.show();
    return app.exec();
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// The main window with the test doubles of the platform, on the library file given as the
// first argument, for tests that drive it with real key and mouse events on a real display;
// with --boxes its boxes are the desktop's own, and the new-user box offers "Olena" and
// "Ben". F12 in any of its windows and boxes prints one line:
//   HITS ERRORS ZAHLEN_X ZAHLEN_Y INFO_X INFO_Y CELL_X CELL_Y USERS_X USERS_Y BOX|USER
// the two counters as shown, the screen positions of the label "Zahlen", of the
// information button, of cell 96 and of the new-user button, then the title of the open
// box ("-" for none) and the user's name. Since the key travels the same queue as the
// input before it, the line tells what that input did.
#include "BoardSurface.h"
#include "ClickLabel.h"
#include "FakePlatform.h"
#include "Form1.h"
#include "Module1.h"
#include "PictureButton.h"
#include "QtDialogs.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <cstdio>
#include <optional>

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
        QString places;
        for (const QPoint at : {centre(m_window.Bezeichnung5), centre(m_window.Bild8),
                                m_window.Bild11->mapToGlobal(m_window.Bild11->cellPixels(ProbeCell).center()),
                                centre(m_window.Bild10)})
            places += QStringLiteral("%1 %2 ").arg(at.x()).arg(at.y());
        const QWidget *box = QApplication::activeModalWidget();
        std::printf("%s %s %s%s|%s\n", qPrintable(m_window.Bezeichnung1->text()), qPrintable(m_window.Bezeichnung2->text()),
                    qPrintable(places), qPrintable(box ? box->windowTitle() : QStringLiteral("-")),
                    qPrintable(m_window.Bezeichnung9->text()));
        std::fflush(stdout);
    }
    static QPoint centre(const QWidget *widget) { return widget->mapToGlobal(widget->rect().center()); }

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
    std::optional<QtDialogs> boxes;
    if (app.arguments().contains(QStringLiteral("--boxes")))
        boxes.emplace();
    const Platform &f = fake.platform;
    const Platform platform{boxes ? static_cast<Dialogs &>(*boxes) : f.dialogs, f.printer, f.clipboard, f.random,
                            f.screen, f.files, f.program, f.speech, f.clock, f.run};
    Module1 state;
    Form1 window(state, platform);
    window.setNameSource([] { return QStringList{QStringLiteral("Olena"), QStringLiteral("Ben")}; });
    CounterProbe probe(window);
    app.installEventFilter(&probe); // after the window's own filter, so it sees F12 first
    window.Form_Load();
    window.show();
    return app.exec();
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

struct xcb_connection_t;

// A private desktop on which to time how soon a program's window appears and how soon its
// first picture is drawn into it: an X server (Xvfb) with a screen of the given size, the
// window manager openbox, a session bus of its own and, when asked, the accessibility bus
// that screen readers use. Everything lives in a temporary folder and ends with the object;
// nothing of the machine's own session is used.
class DesktopStart
{
public:
    enum class Accessibility { Off, On };

    DesktopStart(QSize screen, Accessibility accessibility);
    ~DesktopStart();

    // Empty when the desktop is up, else what failed.
    QString failure() const { return m_failure; }

    enum class Pictures { None, Keep };
    struct Start
    {
        double mappedMs = -1;     // from the program's start to the map of its window; -1: none
        double firstFrameMs = -1; // from the start to the first drawing into the window
        double cpuMs = -1;        // the processor time of all its threads up to the first frame
        QRect firstDrawn;         // the part of the window that the first drawing covered
        QSize inside;             // the window's inner size
        // With Pictures::Keep: the window's content read at the first drawing and a second
        // later, the drawings within that second and how many of them came before the first
        // picture was read (then it shows more than the first frame).
        QImage firstFrame, settled;
        int laterDrawings = 0;
        int drawnBeforePicture = 0;
    };
    // Starts the program in the folder, waits until the window manager has mapped its first
    // window and the program has drawn into it, and ends it.
    Start start(const QString &program, const QStringList &arguments, const QString &folder,
                Pictures pictures = Pictures::None);

private:
    bool startServer(QProcess &process, const QString &program, const QStringList &arguments);
    bool startDisplay(QSize screen);
    bool startSessionBus();
    bool startWindowManager();
    bool startAccessibilityBus();
    bool busHasName(const QString &name);
    // What the window shows; request gets the number of the request that read it.
    QImage windowPicture(unsigned window, QSize size, unsigned *request = nullptr);
    void fail(const QString &what);

    QTemporaryDir m_folder;
    QProcessEnvironment m_environment;
    QProcess m_display, m_sessionBus, m_windowManager, m_accessibilityBus;
    xcb_connection_t *m_connection = nullptr;
    unsigned m_root = 0;
    int m_damageEvents = -1; // the first event number of the damage extension
    QString m_failure;
};

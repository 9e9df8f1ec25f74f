// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

struct xcb_connection_t;

// A private desktop on which to time how soon a program's window appears: an X server
// (Xvfb) with a screen of the given size, the window manager openbox, a session bus of its
// own and, when asked, the accessibility bus that screen readers use. Everything lives in a
// temporary folder and ends with the object; nothing of the machine's own session is used.
class DesktopStart
{
public:
    enum class Accessibility { Off, On };

    DesktopStart(QSize screen, Accessibility accessibility);
    ~DesktopStart();

    // Empty when the desktop is up, else what failed.
    QString failure() const { return m_failure; }

    struct Start
    {
        double mappedMs = -1; // from the program's start to the map of its window; -1: none
        QSize inside;         // the window's inner size
    };
    // Starts the program in the folder, waits until the window manager maps its first
    // window, and ends it.
    Start start(const QString &program, const QStringList &arguments, const QString &folder);

private:
    bool startServer(QProcess &process, const QString &program, const QStringList &arguments);
    bool startDisplay(QSize screen);
    bool startSessionBus();
    bool startWindowManager();
    bool startAccessibilityBus();
    bool busHasName(const QString &name);
    void fail(const QString &what);

    QTemporaryDir m_folder;
    QProcessEnvironment m_environment;
    QProcess m_display, m_sessionBus, m_windowManager, m_accessibilityBus;
    xcb_connection_t *m_connection = nullptr;
    unsigned m_root = 0;
    QString m_failure;
};

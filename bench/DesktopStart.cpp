// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopStart.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>

namespace {

constexpr int ServerWaitMs = 10000;
constexpr int MapWaitMs = 20000;
const QString AccessibilityLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Waits for a condition that another process brings about.
bool Poll(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.hasExpired(ServerWaitMs))
            return false;
        QThread::msleep(20);
    }
    return true;
}

} // namespace

DesktopStart::DesktopStart(QSize screen, Accessibility accessibility)
{
    m_environment = QProcessEnvironment::systemEnvironment();
    const QString runtime = m_folder.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    m_environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    m_environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_folder.filePath(QStringLiteral("config")));
    m_environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_folder.filePath(QStringLiteral("cache")));
    m_environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    m_environment.remove(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"));
    for (QProcess *server : {&m_display, &m_sessionBus, &m_windowManager, &m_accessibilityBus})
        server->setProcessEnvironment(m_environment);
    if (!startDisplay(screen) || !startSessionBus() || !startWindowManager())
        return;
    if (accessibility == Accessibility::On) {
        if (!startAccessibilityBus())
            return;
        m_environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    }
}

DesktopStart::~DesktopStart()
{
    if (m_connection)
        xcb_disconnect(m_connection);
    for (QProcess *server : {&m_accessibilityBus, &m_windowManager, &m_sessionBus, &m_display}) {
        if (server->state() == QProcess::NotRunning)
            continue;
        server->terminate();
        if (!server->waitForFinished(ServerWaitMs))
            server->kill();
        server->waitForFinished(ServerWaitMs);
    }
}

void DesktopStart::fail(const QString &what)
{
    if (m_failure.isEmpty())
        m_failure = what;
}

bool DesktopStart::startServer(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.setProcessEnvironment(m_environment);
    process.start(program, arguments);
    if (!process.waitForStarted(ServerWaitMs)) {
        fail(program + QStringLiteral(" does not start"));
        return false;
    }
    return true;
}

bool DesktopStart::startDisplay(QSize screen)
{
    const QString size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    if (!startServer(m_display, QStringLiteral("Xvfb"),
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-nolisten"),
                      QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"), size}))
        return false;
    if (!Poll([&] { return m_display.waitForReadyRead(10) || m_display.canReadLine(); })) {
        fail(QStringLiteral("Xvfb gives no display"));
        return false;
    }
    const QString display = u':' + QString::fromLatin1(m_display.readLine().trimmed());
    m_environment.insert(QStringLiteral("DISPLAY"), display);
    m_connection = xcb_connect(display.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(m_connection)) {
        fail(QStringLiteral("no connection to Xvfb"));
        return false;
    }
    m_root = xcb_setup_roots_iterator(xcb_get_setup(m_connection)).data->root;
    // Windows that the window manager maps are reported as children of the root.
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_root, XCB_CW_EVENT_MASK, &events);
    xcb_flush(m_connection);
    return true;
}

bool DesktopStart::startSessionBus()
{
    if (!startServer(m_sessionBus, QStringLiteral("dbus-daemon"),
                     {QStringLiteral("--session"), QStringLiteral("--nofork"),
                      QStringLiteral("--print-address=1"),
                      QStringLiteral("--address=unix:dir=") + m_folder.path()}))
        return false;
    if (!Poll([&] { return m_sessionBus.waitForReadyRead(10) || m_sessionBus.canReadLine(); })) {
        fail(QStringLiteral("the session bus gives no address"));
        return false;
    }
    m_environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                         QString::fromLatin1(m_sessionBus.readLine().trimmed()));
    return true;
}

// openbox announces itself on the root window once it manages the screen.
bool DesktopStart::startWindowManager()
{
    if (!startServer(m_windowManager, QStringLiteral("openbox"), {}))
        return false;
    const auto managed = [&] {
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(
            m_connection, xcb_intern_atom(m_connection, 0, 24, "_NET_SUPPORTING_WM_CHECK"), nullptr);
        if (!atom)
            return false;
        xcb_get_property_reply_t *property = xcb_get_property_reply(
            m_connection,
            xcb_get_property(m_connection, 0, m_root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
        const bool found = property && xcb_get_property_value_length(property) > 0;
        free(property);
        free(atom);
        return found;
    };
    if (!Poll(managed)) {
        fail(QStringLiteral("openbox does not take the screen"));
        return false;
    }
    return true;
}

bool DesktopStart::busHasName(const QString &name)
{
    QProcess ask;
    ask.setProcessEnvironment(m_environment);
    ask.start(QStringLiteral("dbus-send"),
              {QStringLiteral("--session"), QStringLiteral("--print-reply"),
               QStringLiteral("--dest=org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
               QStringLiteral("org.freedesktop.DBus.NameHasOwner"), QStringLiteral("string:") + name});
    ask.waitForFinished(ServerWaitMs);
    return ask.readAllStandardOutput().contains("boolean true");
}

bool DesktopStart::startAccessibilityBus()
{
    if (!startServer(m_accessibilityBus, AccessibilityLauncher, {QStringLiteral("--launch-immediately")}))
        return false;
    if (!Poll([&] { return busHasName(QStringLiteral("org.a11y.Bus")); })) {
        fail(QStringLiteral("the accessibility bus does not answer"));
        return false;
    }
    return true;
}

DesktopStart::Start DesktopStart::start(const QString &program, const QStringList &arguments,
                                        const QString &folder)
{
    Start result;
    if (!m_failure.isEmpty())
        return result;
    while (xcb_generic_event_t *stale = xcb_poll_for_event(m_connection))
        free(stale);

    QList<QByteArray> words{program.toLocal8Bit()};
    for (const QString &argument : arguments)
        words.append(argument.toLocal8Bit());
    QList<QByteArray> variables;
    for (const QString &variable : m_environment.toStringList())
        variables.append(variable.toLocal8Bit());
    std::vector<char *> argv, envp;
    for (QByteArray &word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);
    for (QByteArray &variable : variables)
        envp.push_back(variable.data());
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, QFile::encodeName(folder).constData());
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    pid_t pid = 0;
    const auto started = std::chrono::steady_clock::now();
    const int error = posix_spawn(&pid, argv.front(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        fail(program + QStringLiteral(" does not start"));
        return result;
    }

    // The window manager takes the program's window into a frame of its own (a reparent)
    // and maps the frame: then the window is on the screen.
    xcb_window_t window = 0;
    pollfd connection{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    while (result.mappedMs < 0 && MillisecondsSince(started) < MapWaitMs) {
        xcb_generic_event_t *event = xcb_poll_for_event(m_connection);
        if (!event) {
            poll(&connection, 1, 100);
            continue;
        }
        const int type = event->response_type & 0x7f;
        if (type == XCB_REPARENT_NOTIFY)
            window = reinterpret_cast<xcb_reparent_notify_event_t *>(event)->window;
        else if (type == XCB_MAP_NOTIFY && window
                 && !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect)
            result.mappedMs = MillisecondsSince(started);
        free(event);
    }
    if (window) {
        if (xcb_get_geometry_reply_t *geometry = xcb_get_geometry_reply(
                m_connection, xcb_get_geometry(m_connection, window), nullptr)) {
            result.inside = QSize(geometry->width, geometry->height);
            free(geometry);
        }
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    if (result.mappedMs < 0)
        fail(program + QStringLiteral(" shows no window"));
    return result;
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "DesktopStart.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <poll.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>

namespace {

constexpr int ServerWaitMs = 10000;
constexpr int MapWaitMs = 20000;
constexpr int SettleMs = 1000;
const QString AccessibilityLauncher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");

double MillisecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The processor time of all threads of a running process so far, user and kernel.
double ProcessorMs(pid_t pid)
{
    clockid_t clock;
    timespec used{};
    if (clock_getcpuclockid(pid, &clock) != 0 || clock_gettime(clock, &used) != 0)
        return -1;
    return used.tv_sec * 1e3 + used.tv_nsec / 1e6;
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
    // A benchmark ended from outside (Ctrl+C, a closed pipe) takes its servers with it; the
    // program on them then loses its display and ends too.
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
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
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(m_connection, &xcb_damage_id);
    xcb_damage_query_version_reply_t *version = damage && damage->present
        ? xcb_damage_query_version_reply(m_connection, xcb_damage_query_version(m_connection, 1, 1), nullptr)
        : nullptr;
    free(version);
    if (!version) {
        fail(QStringLiteral("Xvfb has no damage extension"));
        return false;
    }
    m_damageEvents = damage->first_event;
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
                                        const QString &folder, Pictures pictures)
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

    // Every top-level window the program creates is watched for drawing from its creation
    // on. The window manager takes the program's window into a frame of its own (a
    // reparent) and maps the frame: then the window is on the screen. The program draws
    // into it once it is mapped; the first drawing is its first frame.
    std::vector<xcb_damage_damage_t> damages;
    xcb_window_t window = 0;
    unsigned pictureRequest = 0;
    const auto waiting = [&] {
        if (result.mappedMs < 0 || result.firstFrameMs < 0)
            return MillisecondsSince(started) < MapWaitMs;
        return pictures == Pictures::Keep && MillisecondsSince(started) < result.firstFrameMs + SettleMs;
    };
    pollfd connection{xcb_get_file_descriptor(m_connection), POLLIN, 0};
    while (waiting()) {
        xcb_generic_event_t *event = xcb_poll_for_event(m_connection);
        if (!event) {
            poll(&connection, 1, 20);
            continue;
        }
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (created->parent == m_root && !created->override_redirect) {
                damages.push_back(xcb_generate_id(m_connection));
                xcb_damage_create(m_connection, damages.back(), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(m_connection);
            }
        } else if (type == XCB_REPARENT_NOTIFY) {
            window = reinterpret_cast<xcb_reparent_notify_event_t *>(event)->window;
        } else if (type == XCB_MAP_NOTIFY && window
                   && !reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect) {
            if (result.mappedMs < 0)
                result.mappedMs = MillisecondsSince(started);
        } else if (type == m_damageEvents + XCB_DAMAGE_NOTIFY
                   && reinterpret_cast<xcb_damage_notify_event_t *>(event)->drawable == window) {
            const auto *drawn = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            if (result.firstFrameMs < 0) {
                result.firstFrameMs = MillisecondsSince(started);
                result.cpuMs = ProcessorMs(pid);
                result.firstDrawn = QRect(drawn->area.x, drawn->area.y, drawn->area.width,
                                          drawn->area.height);
                result.inside = QSize(drawn->geometry.width, drawn->geometry.height);
                if (pictures == Pictures::Keep)
                    result.firstFrame = windowPicture(window, result.inside, &pictureRequest);
            } else {
                ++result.laterDrawings;
                // An event carries the number of the last request of ours that the server
                // had done when it was made: one older than the picture's request was
                // drawn before the picture was taken.
                if (pictureRequest && qint16(drawn->sequence - quint16(pictureRequest)) < 0)
                    ++result.drawnBeforePicture;
            }
        }
        free(event);
    }
    if (pictures == Pictures::Keep && result.firstFrameMs >= 0)
        result.settled = windowPicture(window, result.inside);
    for (xcb_damage_damage_t damage : damages)
        xcb_damage_destroy(m_connection, damage);
    xcb_flush(m_connection);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    if (result.mappedMs < 0)
        fail(program + QStringLiteral(" shows no window"));
    else if (result.firstFrameMs < 0)
        fail(program + QStringLiteral(" draws nothing into its window"));
    return result;
}

QImage DesktopStart::windowPicture(unsigned window, QSize size, unsigned *request)
{
    const xcb_get_image_cookie_t asked = xcb_get_image(
        m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0, size.width(), size.height(), ~0u);
    if (request)
        *request = asked.sequence;
    xcb_get_image_reply_t *reply = xcb_get_image_reply(m_connection, asked, nullptr);
    QImage picture;
    if (reply && xcb_get_image_data_length(reply) == size.width() * size.height() * 4)
        picture = QImage(xcb_get_image_data(reply), size.width(), size.height(), QImage::Format_RGB32).copy();
    free(reply);
    return picture;
}

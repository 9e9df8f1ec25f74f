// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Prints the program's start-up time, its peak memory, how long the main window takes to
// load large pattern libraries and results files, and how soon a question is heard.
// Runs offscreen; the speech figure uses a private sound server that it starts itself.
//
//   zep_bench                     all figures
//   zep_bench --startup [factor]  (internal) one start-up, reported to the parent process
#include "Cells.h"
#include "EspeakSpeech.h"
#include "Form1.h"
#include "ListBox.h"
#include "Module1.h"
#include "ProgramModule.h"
#include "QtClipboard.h"
#include "QtClock.h"
#include "QtDialogs.h"
#include "QtFiles.h"
#include "QtPrinter.h"
#include "QtProgramControl.h"
#include "QtRandom.h"
#include "QtRunIdentity.h"
#include "QtScreen.h"
#include "SoundMonitor.h"
#include "Zoom.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int StartupRuns = 7;
constexpr int LoadRuns = 3;
constexpr int SpeechRuns = 20;

// Answers every box at once, so that a load that fails cannot wait for a click.
class SilentDialogs : public QtDialogs
{
public:
    Answer messageBox(const QString &, MessageStyle, const QString &) override
    {
        ++shown;
        return Answer::No;
    }
    int shown = 0;
};

// A screen on which the main window starts at the given scale factor.
class ScreenForFactor : public Screen
{
public:
    QSizeF sizeTwips() const override
    {
        const double height = factor * Form1::WindowHeight / Zoom::StartShare;
        return QSizeF(2 * height, height);
    }
    double factor = 1;
};

struct Services
{
    explicit Services(double factor) { screen.factor = factor; }

    SilentDialogs dialogs;
    QtPrinter printer{QtPrinter::Destination::PdfOnly};
    QtClipboard clipboard;
    QtRandom random;
    ScreenForFactor screen;
    QtFiles files;
    QtProgramControl program;
    EspeakSpeech speech;
    QtClock clock;
    QtRunIdentity run;
    Platform platform{dialogs, printer, clipboard, random, screen, files, program, speech, clock, run};
};

// The main window built as the program builds it, on a screen of the given scale.
struct ProgramWindow
{
    explicit ProgramWindow(double factor = 1) : services(factor), window(state, services.platform) {}
    // Loads and shows it, which asks the first question.
    void start()
    {
        window.Form_Load();
        window.show();
    }

    Services services;
    Module1 state;
    Form1 window;
};

long PeakMemoryKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

QByteArray PatternLibraryBytes(int patterns)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(patterns) * 116);
    for (int i = 0; i < patterns; ++i) {
        bytes += "Muster " + QByteArray::number(i) + "\r\n";
        QByteArray cells(100, '0');
        for (int k = 0; k < 20; ++k)
            cells[(i * 7 + k * 13) % 100] = '1';
        bytes += cells + "\r\n";
    }
    return bytes;
}

QByteArray ResultsBytes(int lines)
{
    QByteArray bytes;
    bytes.reserve(qsizetype(lines) * 24);
    for (int i = 0; i < lines; ++i)
        bytes += QByteArray::number(10000 + (i * 7919) % 10000).right(4) + "  Kind "
            + QByteArray::number(i % 500) + "\r\n";
    return bytes;
}

// The child process: start as the program does, report once the first exercise is asked.
int RunStartup(double factor)
{
    ProgramWindow program(factor);
    program.start();
    QTimer::singleShot(0, [&] {
        std::printf("ready %ld\n", PeakMemoryKiB());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QCoreApplication::exec();
}

void MeasureStartup(const QString &program, const QString &folder, double factor = 1)
{
    QList<double> times;
    long peak = 0;
    for (int run = 0; run < StartupRuns; ++run) {
        QProcess child;
        child.setWorkingDirectory(folder);
        QElapsedTimer clock;
        clock.start();
        child.start(program, {QStringLiteral("--startup"), QString::number(factor)});
        child.waitForReadyRead(30000);
        times.append(clock.nsecsElapsed() / 1e6);
        const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
        peak = std::max(peak, words.value(1).toLong());
        child.waitForFinished(30000);
    }
    std::sort(times.begin(), times.end());
    std::printf("start-up to first exercise:   %7.1f ms (median of %d, fastest %.1f ms)%s\n",
                times.at(times.size() / 2), StartupRuns, times.first(),
                factor == 1 ? "" : qPrintable(QStringLiteral(" at scale %1").arg(factor)));
    std::printf("peak memory at start-up:      %7.1f MB\n", peak / 1024.0);
}

double MeasureLoad(const QString &folder, const QByteArray &patterns, const QByteArray &results)
{
    QFile::remove(folder + QStringLiteral("/ZEP100.TXT"));
    QFile::remove(folder + QStringLiteral("/ZEP100.INI"));
    auto put = [&](const char *name, const QByteArray &bytes) {
        if (bytes.isEmpty())
            return;
        QFile file(folder + u'/' + QLatin1String(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
    };
    put("ZEP100.TXT", patterns);
    put("ZEP100.INI", results);
    double best = 1e9;
    for (int run = 0; run < LoadRuns; ++run) {
        ProgramWindow program;
        QElapsedTimer clock;
        clock.start();
        program.window.Form_Load();
        best = std::min(best, clock.nsecsElapsed() / 1e6);
    }
    return best;
}

// A results file grown far beyond use: the start reads only its beginning and goes on.
void MeasureHugeResultsFile(const QString &folder)
{
    constexpr qsizetype HugeBytes = 200 * 1024 * 1024;
    const QByteArray block = ResultsBytes(50000);
    QByteArray bytes;
    bytes.reserve(HugeBytes + block.size());
    while (bytes.size() < HugeBytes)
        bytes += block;
    const double ms = MeasureLoad(folder, PatternLibraryBytes(1), bytes);
    std::printf("start with a %lld MB results file: %6.1f ms\n",
                static_cast<long long>(bytes.size() / (1024 * 1024)), ms);
}

// A click's answer and a change of layout, each with its repaint, at the given scale; and
// the change of scale itself.
void MeasureAtScale(const QString &folder, double factor)
{
    constexpr int Rounds = 5;
    QDir::setCurrent(folder);
    ProgramWindow program(factor);
    program.start();
    Form1 &window = program.window;
    const Module1 &state = program.state;
    QApplication::processEvents();

    // Every answer right, the solved patterns included.
    constexpr int Answers = 200;
    QElapsedTimer clock;
    double answering = 0;
    for (int answer = 0; answer < Answers; ++answer) {
        const QPointF centre = CellBox(state.TargetNumber).center();
        clock.start();
        window.Bild11_MouseDown(Qt::LeftButton, centre);
        QApplication::processEvents();
        answering += clock.nsecsElapsed() / 1e6;
    }
    double layouts = 0;
    for (int round = 0; round < Rounds; ++round)
        for (int i = 0; i < window.Liste3->count(); ++i) {
            clock.start();
            window.Liste3->setSelectedPosition((window.Liste3->selectedPosition() + 1) % window.Liste3->count());
            QApplication::processEvents();
            layouts += clock.nsecsElapsed() / 1e6;
        }
    std::printf("at scale %.1f: a click's answer %.2f ms, a layout change %.2f ms\n", factor,
                answering / Answers, layouts / (Rounds * window.Liste3->count()));
    if (factor == 1)
        return;
    clock.start();
    for (int round = 0; round < Rounds; ++round) {
        Zoom::instance().setFactor(1);
        Zoom::instance().setFactor(factor);
        QApplication::processEvents();
    }
    std::printf("change of scale 1 <-> %.1f:   %7.1f ms\n", factor,
                clock.nsecsElapsed() / 1e6 / (2 * Rounds));
}

void MeasureScaledFigures(const QString &program, const QString &folder)
{
    QFile::remove(folder + QStringLiteral("/ZEP100.INI"));
    QFile::remove(folder + QStringLiteral("/ZEP100.TXT"));
    QFile::copy(QStringLiteral(ZEP_STARTER_LIBRARY), folder + QStringLiteral("/ZEP100.TXT"));
    MeasureStartup(program, folder, 2.5);
    for (double factor : {1.0, 2.5})
        MeasureAtScale(folder, factor);
}

// Runs the event loop until done() or the time is up.
bool WaitFor(const std::function<bool()> &done, std::chrono::milliseconds limit)
{
    const auto end = SoundMonitor::Clock::now() + limit;
    while (!done()) {
        if (SoundMonitor::Clock::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    }
    return true;
}

// Time from a Felder question being shown to its first loud sample arriving at the sound
// server's monitor (a little late rather than early: a sample counts when its 5 ms block
// arrives), with the engine warm.
void MeasureSpeech()
{
    using namespace std::chrono_literals;
    QTemporaryDir serverFolder;
    const QString server = serverFolder.filePath(QStringLiteral("server"));
    const QString script = QStringLiteral(ZEP_SOUND_SERVER_SCRIPT);
    if (QProcess::execute(QStringLiteral("sh"), {script, QStringLiteral("start"), server}) != 0) {
        std::printf("question to first sound:      no sound server could be started\n");
        return;
    }
    qputenv("PULSE_SERVER", "unix:" + server.toUtf8() + "/native");
    {
        SoundMonitor monitor;
        ProgramWindow program;
        program.start(); // says the first question, which warms the engine
        Form1 &window = program.window;
        auto quiet = [&] {
            const auto last = monitor.lastLoud();
            return last && SoundMonitor::Clock::now() - *last > 800ms;
        };
        WaitFor(quiet, 10s);
        QList<double> times;
        for (int run = 0; run < SpeechRuns; ++run) {
            monitor.reset();
            const auto asked = SoundMonitor::Clock::now();
            window.AskNextNumber();
            if (!WaitFor([&] { return monitor.firstLoud().has_value(); }, 5s))
                break;
            times.append(std::chrono::duration<double, std::milli>(*monitor.firstLoud() - asked)
                             .count());
            WaitFor(quiet, 5s);
        }
        std::sort(times.begin(), times.end());
        if (times.size() == SpeechRuns)
            std::printf("question to first sound:      %7.1f ms (median of %d, %.1f to %.1f ms)\n",
                        times.at(SpeechRuns / 2), SpeechRuns, times.first(), times.last());
        else
            std::printf("question to first sound:      not heard\n");
    }
    QProcess::execute(QStringLiteral("sh"), {script, QStringLiteral("stop"), server});
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProgramModule::LookIn(QStringLiteral(ZEP_MODULE_FOLDER));
    if (app.arguments().contains(QStringLiteral("--startup")))
        return RunStartup(app.arguments().value(2, QStringLiteral("1")).toDouble());

    QTemporaryDir folder;
    QFile::copy(QStringLiteral(ZEP_STARTER_LIBRARY), folder.filePath(QStringLiteral("ZEP100.TXT")));
    MeasureStartup(app.applicationFilePath(), folder.path());

    QDir::setCurrent(folder.path());
    for (int patterns : {1000, 10000, 100000}) {
        const double ms = MeasureLoad(folder.path(), PatternLibraryBytes(patterns), QByteArray());
        std::printf("load %6d patterns:         %7.1f ms (%.2f ms per 1000)\n", patterns, ms,
                    ms * 1000 / patterns);
    }
    const int lines = 100000;
    const double ms = MeasureLoad(folder.path(), PatternLibraryBytes(1), ResultsBytes(lines));
    std::printf("load %6d results lines:    %7.1f ms\n", lines, ms);
    std::printf("peak memory of this process:  %7.1f MB\n", PeakMemoryKiB() / 1024.0);
    MeasureHugeResultsFile(folder.path());
    MeasureScaledFigures(app.applicationFilePath(), folder.path());
    MeasureSpeech();
    return 0;
}

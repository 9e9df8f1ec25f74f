// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Prints the program's start-up time, its peak memory, and how long the main window
// takes to load large pattern libraries and results files. Runs offscreen.
//
//   zep_bench            all figures
//   zep_bench --startup  (internal) one start-up, reported to the parent process
#include "Form1.h"
#include "Module1.h"
#include "QtClipboard.h"
#include "QtDialogs.h"
#include "QtFiles.h"
#include "QtPrinter.h"
#include "QtProgramControl.h"
#include "QtRandom.h"
#include "QtScreen.h"

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

namespace {

constexpr int StartupRuns = 7;
constexpr int LoadRuns = 3;

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

struct Services
{
    SilentDialogs dialogs;
    QtPrinter printer{QtPrinter::Destination::PdfOnly};
    QtClipboard clipboard;
    QtRandom random;
    QtScreen screen;
    QtFiles files;
    QtProgramControl program;
    Platform platform{dialogs, printer, clipboard, random, screen, files, program};
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
int RunStartup()
{
    Services services;
    Module1 state;
    Form1 window(state, services.platform);
    window.Form_Load();
    window.show();
    QTimer::singleShot(0, [&] {
        std::printf("ready %ld\n", PeakMemoryKiB());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QCoreApplication::exec();
}

void MeasureStartup(const QString &program, const QString &folder)
{
    QList<double> times;
    long peak = 0;
    for (int run = 0; run < StartupRuns; ++run) {
        QProcess child;
        child.setWorkingDirectory(folder);
        QElapsedTimer clock;
        clock.start();
        child.start(program, {QStringLiteral("--startup")});
        child.waitForReadyRead(30000);
        times.append(clock.nsecsElapsed() / 1e6);
        const QList<QByteArray> words = child.readAllStandardOutput().trimmed().split(' ');
        peak = std::max(peak, words.value(1).toLong());
        child.waitForFinished(30000);
    }
    std::sort(times.begin(), times.end());
    std::printf("start-up to first exercise:   %7.1f ms (median of %d, fastest %.1f ms)\n",
                times.at(times.size() / 2), StartupRuns, times.first());
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
        Services services;
        Module1 state;
        Form1 window(state, services.platform);
        QElapsedTimer clock;
        clock.start();
        window.Form_Load();
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

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (app.arguments().contains(QStringLiteral("--startup")))
        return RunStartup();

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
    return 0;
}

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
//
// Prints the program's start-up time, its peak memory, how long the main window takes to
// load large pattern libraries and results files, how soon a question is heard, and what
// the learning record costs: an answer recorded, the teacher's window on a class's year,
// a child deleted from it.
// Runs offscreen; the speech figure uses a private sound server that it starts itself. The
// start on a desktop is timed on private X displays with a window manager, to the map of
// the window and to its first frame, against a bare Qt window of the same size that shows
// the same kind of content (zep_bare_window).
//
//   zep_bench                         all figures
//   zep_bench --first-frame [program] only the start on a desktop, of this build's program or another
//   zep_bench --frames [folder]       the first frames kept as pictures, to check what they show
//   zep_bench --record                only the learning record's figures
//   zep_bench --progress              only the numbers' stages (how well a child knows them)
//   zep_bench --teacher               only the record's window opened behind the password
//   zep_bench --startup [factor]      (internal) one start-up, reported to the parent process
#include "Cells.h"
#include "ClassRecord.h"
#include "DesktopStart.h"
#include "EspeakSpeech.h"
#include "FontConfigurationReader.h"
#include "Language.h"
#include "Form1.h"
#include "GivenAnswer.h"
#include "LearningRecorder.h"
#include "ListBox.h"
#include "Median.h"
#include "Module1.h"
#include "ProgramModule.h"
#include "ProgressFigures.h"
#include "QtClipboard.h"
#include "QtClock.h"
#include "QtDialogs.h"
#include "QtFiles.h"
#include "QtPrinter.h"
#include "QtProgramControl.h"
#include "QtRandom.h"
#include "QtRunIdentity.h"
#include "QtScreen.h"
#include "RecordFiles.h"
#include "RecordWindow.h"
#include "SoundMonitor.h"
#include "TeacherOpening.h"
#include "Twips.h"
#include "Zoom.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <optional>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <tuple>

namespace {

constexpr int StartupRuns = 7;
constexpr int DesktopRuns = 15;
constexpr int LoadRuns = 3;
constexpr int SpeechRuns = 20;
constexpr int RecordedAnswers = 2000;

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
int RunStartup(double factor, FontConfigurationReader &fonts)
{
    ProgramWindow program(factor);
    fonts.finish();
    program.start();
    QTimer::singleShot(0, [&] {
        std::printf("ready %ld\n", PeakMemoryKiB());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
    return QCoreApplication::exec();
}

void MeasureStartup(const QString &program, const QString &folder, double factor = 1,
                    const QString &screen = QString())
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
    const QString where = factor == 1 ? QString()
        : screen.isEmpty()             ? QStringLiteral(" at scale %1").arg(factor)
                                       : QStringLiteral(" at %1 (scale %2)").arg(screen).arg(factor);
    std::printf("start-up to first exercise:   %7.1f ms (median of %d, fastest %.1f ms)%s\n",
                times.at(times.size() / 2), StartupRuns, times.first(), qPrintable(where));
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
    const QSizeF uhd = QSizeF(3840, 2160) * TwipsPerPixel;
    MeasureStartup(program, folder,
                   Zoom::FittingFactor(uhd, QSizeF(Form1::WindowWidth, Form1::WindowHeight)),
                   QStringLiteral("3840x2160"));
    for (double factor : {1.0, 2.5})
        MeasureAtScale(folder, factor);
}

QString DesktopName(QSize screen, DesktopStart::Accessibility accessibility)
{
    return QStringLiteral("desktop %1x%2, accessibility bus %3")
        .arg(screen.width())
        .arg(screen.height())
        .arg(accessibility == DesktopStart::Accessibility::On ? "on" : "off");
}

// The machine's load over the last minute, to be noted beside the figures.
QString Load()
{
    QFile load(QStringLiteral("/proc/loadavg"));
    if (!load.open(QIODevice::ReadOnly))
        return QStringLiteral("?");
    return QString::fromLatin1(load.readLine().split(' ').value(0));
}

void PrintComparison(const char *what, const QList<double> &program, const QList<double> &bare)
{
    const double programFastest = *std::min_element(program.begin(), program.end());
    const double bareFastest = *std::min_element(bare.begin(), bare.end());
    std::printf("  %-12s program %6.1f ms, bare window %6.1f ms: ratio %.2f "
                "(fastest %.1f / %.1f ms: %.2f)\n",
                what, Median(program), Median(bare), Median(program) / Median(bare), programFastest,
                bareFastest, programFastest / bareFastest);
}

// The program and the bare window of the same size start in turns on a private desktop,
// the window fitted to its screen; each is timed from its start to the map of its window
// and to the first drawing into it.
void MeasureDesktopStart(const QString &program, const QString &folder, QSize screen,
                         DesktopStart::Accessibility accessibility)
{
    const QString where = DesktopName(screen, accessibility);
    const QString loadBefore = Load();
    DesktopStart desktop(screen, accessibility);
    const QString bare = QStringLiteral(ZEP_BARE_WINDOW);
    // The first start of each fills the caches and gives the size of the window.
    const QSize inside = desktop.start(program, {}, folder).inside;
    const QStringList size{QString::number(inside.width()), QString::number(inside.height())};
    desktop.start(bare, size, folder);
    QList<double> programMapped, bareMapped, programFrame, bareFrame, programCpu, bareCpu;
    for (int run = 0; run < DesktopRuns && desktop.failure().isEmpty(); ++run) {
        const DesktopStart::Start ours = desktop.start(program, {}, folder);
        const DesktopStart::Start theirs = desktop.start(bare, size, folder);
        programMapped.append(ours.mappedMs);
        programFrame.append(ours.firstFrameMs);
        programCpu.append(ours.cpuMs);
        bareMapped.append(theirs.mappedMs);
        bareFrame.append(theirs.firstFrameMs);
        bareCpu.append(theirs.cpuMs);
    }
    if (!desktop.failure().isEmpty()) {
        std::printf("%s: not measured: %s\n", qPrintable(where), qPrintable(desktop.failure()));
        return;
    }
    std::printf("%s, window %dx%d, medians of %d starts in turns (load %s, then %s):\n",
                qPrintable(where), inside.width(), inside.height(), DesktopRuns,
                qPrintable(loadBefore), qPrintable(Load()));
    PrintComparison("mapped:", programMapped, bareMapped);
    PrintComparison("first frame:", programFrame, bareFrame);
    PrintComparison("processor:", programCpu, bareCpu);
}

void MeasureDesktopStarts(const QString &folder, const QString &program = QStringLiteral(ZEP_PROGRAM))
{
    for (QSize screen : {QSize(1280, 1024), QSize(3840, 2160)})
        for (auto accessibility : {DesktopStart::Accessibility::Off, DesktopStart::Accessibility::On})
            MeasureDesktopStart(program, folder, screen, accessibility);
}

// The check that the first drawing is the picture with its content: one start of each on
// every desktop, the window read at the first drawing and a second later, both kept as PNG
// files in the folder.
void KeepFirstFrames(const QString &folder, const QString &pictures)
{
    QDir().mkpath(pictures);
    for (QSize screen : {QSize(1280, 1024), QSize(3840, 2160)})
        for (auto accessibility : {DesktopStart::Accessibility::Off, DesktopStart::Accessibility::On}) {
            DesktopStart desktop(screen, accessibility);
            const QSize inside = desktop.start(QStringLiteral(ZEP_PROGRAM), {}, folder).inside;
            const QStringList size{QString::number(inside.width()), QString::number(inside.height())};
            for (const auto &[name, program, arguments] :
                 {std::tuple{QStringLiteral("program"), QStringLiteral(ZEP_PROGRAM), QStringList()},
                  std::tuple{QStringLiteral("bare"), QStringLiteral(ZEP_BARE_WINDOW), size}}) {
                const DesktopStart::Start start =
                    desktop.start(program, arguments, folder, DesktopStart::Pictures::Keep);
                const QString where = DesktopName(screen, accessibility) + QStringLiteral(", ") + name;
                if (!desktop.failure().isEmpty() || start.firstFrame.isNull() || start.settled.isNull()) {
                    std::printf("%s: no picture: %s\n", qPrintable(where), qPrintable(desktop.failure()));
                    continue;
                }
                const QString file = QStringLiteral("%1/%2x%3-%4-%5")
                                         .arg(pictures)
                                         .arg(screen.width())
                                         .arg(screen.height())
                                         .arg(accessibility == DesktopStart::Accessibility::On ? "a11y" : "plain", name);
                start.firstFrame.save(file + QStringLiteral("-first.png"));
                start.settled.save(file + QStringLiteral("-settled.png"));
                qsizetype differing = 0;
                QRect changed;
                for (int y = 0; y < start.inside.height(); ++y)
                    for (int x = 0; x < start.inside.width(); ++x)
                        if (start.firstFrame.pixel(x, y) != start.settled.pixel(x, y)) {
                            ++differing;
                            changed |= QRect(x, y, 1, 1);
                        }
                const QRect &drawn = start.firstDrawn;
                std::printf("%s: first drawing %dx%d at %d,%d of %dx%d after %.1f ms; %d drawings "
                            "in the next second, %d of them before the picture was read; %lld "
                            "pixels differ from the window a second later (within %dx%d at %d,%d)\n",
                            qPrintable(where), drawn.width(), drawn.height(), drawn.x(), drawn.y(),
                            start.inside.width(), start.inside.height(), start.firstFrameMs,
                            start.laterDrawings, start.drawnBeforePicture,
                            static_cast<long long>(differing), changed.width(), changed.height(),
                            changed.x(), changed.y());
            }
        }
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

// Milliseconds from the start of action to the first loud sample at the sound server.
std::optional<double> MsToFirstSound(SoundMonitor &monitor, const std::function<void()> &action)
{
    using namespace std::chrono_literals;
    monitor.reset();
    const auto asked = SoundMonitor::Clock::now();
    action();
    if (!WaitFor([&] { return monitor.firstLoud().has_value(); }, 5s))
        return std::nullopt;
    return std::chrono::duration<double, std::milli>(*monitor.firstLoud() - asked).count();
}

// The language button between German and each second language in turn, every switch to a
// voice other than the one heard last: how long the switch itself takes (the words rebuilt,
// the exercise restarted) and how long until the first loud sample of the new voice.
template <typename Quiet>
void MeasureLanguageSwitches(ProgramWindow &program, SoundMonitor &monitor, const Quiet &quiet)
{
    using namespace std::chrono_literals;
    Form1 &window = program.window;
    QElapsedTimer cold;
    cold.start();
    Module1 scratch;
    scratch.Language = QStringLiteral("vi");
    scratch.BuildNumberWords();
    const double firstTableMs = cold.nsecsElapsed() / 1e6;
    QList<double> switches;
    QList<double> sounds;
    for (const Language &language : Language::all()) {
        if (language.code == u"de")
            continue;
        window.secondLanguage().choose(Language::toSetting(language.code)); // switches to it
        WaitFor(quiet, 5s);
        for (int turn = 0; turn < 2; ++turn) { // to German and back
            QElapsedTimer timer;
            const std::optional<double> heard = MsToFirstSound(monitor, [&] {
                timer.start();
                window.Bild12_Click();
                switches.append(timer.nsecsElapsed() / 1e6);
            });
            if (heard)
                sounds.append(*heard);
            WaitFor(quiet, 5s);
        }
    }
    QList<double> restarts; // what the switch does besides the language: the arrows' restarts
    for (int run = 0; run < switches.size(); ++run) {
        QElapsedTimer timer;
        timer.start();
        window.Bezeichnung7_Click();
        window.Bezeichnung8_Click();
        restarts.append(timer.nsecsElapsed() / 1e6);
        WaitFor(quiet, 5s);
    }
    std::sort(restarts.begin(), restarts.end());
    std::sort(switches.begin(), switches.end());
    std::sort(sounds.begin(), sounds.end());
    std::printf("first use of a word table:    %7.2f ms\n", firstTableMs);
    std::printf("language switch:              %7.2f ms (median of %lld, at most %.2f ms)\n",
                switches.at(switches.size() / 2), switches.size(), switches.last());
    std::printf("  of which the two restarts:  %7.2f ms (median)\n", restarts.at(restarts.size() / 2));
    if (sounds.size() == switches.size())
        std::printf("switch to first sound, new voice: %5.1f ms (median of %lld, at most %.1f ms)\n",
                    sounds.at(sounds.size() / 2), sounds.size(), sounds.last());
    else
        std::printf("switch to first sound, new voice: heard %lld of %lld\n", sounds.size(),
                    switches.size());
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
            const std::optional<double> heard = MsToFirstSound(monitor, [&] { window.AskNextNumber(); });
            if (!heard)
                break;
            times.append(*heard);
            WaitFor(quiet, 5s);
        }
        std::sort(times.begin(), times.end());
        if (times.size() == SpeechRuns)
            std::printf("question to first sound:      %7.1f ms (median of %d, %.1f to %.1f ms)\n",
                        times.at(SpeechRuns / 2), SpeechRuns, times.first(), times.last());
        else
            std::printf("question to first sound:      not heard\n");
        MeasureLanguageSwitches(program, monitor, quiet);
    }
    QProcess::execute(QStringLiteral("sh"), {script, QStringLiteral("stop"), server});
}

// An answer recorded on the user-interface thread: the line appended to the run's journal.
void MeasureRecording(const QString &folder)
{
    QDir::setCurrent(folder);
    Services services(1);
    LearningRecorder recorder(services.files, services.clock, services.run);
    QList<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < RecordedAnswers; ++i) {
        const int asked = i % 100 + 1;
        clock.start();
        recorder.questionAsked(asked);
        recorder.answerGiven({asked, i % 4 ? asked : 101 - asked, i % 4 != 0, Module1::FelderMode,
                              QStringLiteral("d"), QStringLiteral("Haus"), QStringLiteral("Mia")});
        times.append(clock.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    std::printf("an answer recorded:           %7.3f ms (median of %d, 99th percentile %.3f ms, slowest %.3f ms)\n",
                times.at(times.size() / 2), RecordedAnswers, times.at(times.size() * 99 / 100), times.last());
}

// The teacher's window on a class's year: opened with the first child's map, then every
// child chosen in turn; and the main window's start beside such a record.
void MeasureRecordWindow(const QString &program, const QString &folder)
{
    QElapsedTimer clock;
    clock.start();
    ClassRecord::Write(folder);
    std::printf("(a class's year of %d answers in %lld journals written in %.1f s)\n",
                ClassRecord::Children * ClassRecord::AnswersPerChild,
                static_cast<long long>(QDir(folder + u'/' + RecordFiles::Folder).count() - 2),
                clock.elapsed() / 1000.0);
    QDir::setCurrent(folder);
    QList<double> opening;
    double switching = 0;
    int switches = 0;
    for (int run = 0; run < LoadRuns; ++run) {
        Services services(1);
        RecordWindow window(services.platform);
        clock.start();
        window.open();
        QApplication::processEvents();
        opening.append(clock.nsecsElapsed() / 1e6);
        for (int child = 1; child < window.record().children.size(); ++child) {
            clock.start();
            window.chooseChild(child);
            QApplication::processEvents();
            switching += clock.nsecsElapsed() / 1e6;
            ++switches;
        }
    }
    std::sort(opening.begin(), opening.end());
    std::printf("record window open, first map:%7.1f ms (median of %d)\n", opening.at(opening.size() / 2), LoadRuns);
    std::printf("switching children:           %7.2f ms (mean of %d)\n", switching / switches, switches);
    std::printf("peak memory of this process:  %7.1f MB\n", PeakMemoryKiB() / 1024.0);
    QFile::copy(QStringLiteral(ZEP_STARTER_LIBRARY), folder + QStringLiteral("/ZEP100.TXT"));
    std::printf("beside that record: ");
    MeasureStartup(program, folder);
    ClassRecord::MeasureDeletion(folder);
}

} // namespace

int main(int argc, char **argv)
{
    FontConfigurationReader fonts;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ProgramModule::LookIn(QStringLiteral(ZEP_MODULE_FOLDER));
    if (app.arguments().contains(QStringLiteral("--startup")))
        return RunStartup(app.arguments().value(2, QStringLiteral("1")).toDouble(), fonts);
    fonts.finish();

    if (app.arguments().contains(QStringLiteral("--progress"))) {
        MeasureProgress();
        return 0;
    }
    QTemporaryDir recordFolder, classFolder;
    if (app.arguments().contains(QStringLiteral("--record"))) {
        MeasureRecording(recordFolder.path());
        MeasureRecordWindow(app.applicationFilePath(), classFolder.path());
        return 0;
    }
    if (app.arguments().contains(QStringLiteral("--teacher"))) {
        MeasureTeacherOpening(classFolder.path(), ClassRecord::Write);
        return 0;
    }
    QTemporaryDir folder;
    QFile::copy(QStringLiteral(ZEP_STARTER_LIBRARY), folder.filePath(QStringLiteral("ZEP100.TXT")));
    if (const qsizetype at = app.arguments().indexOf(QStringLiteral("--first-frame")); at >= 0) {
        MeasureDesktopStarts(folder.path(), app.arguments().value(at + 1, QStringLiteral(ZEP_PROGRAM)));
        return 0;
    }
    if (const qsizetype at = app.arguments().indexOf(QStringLiteral("--frames")); at >= 0) {
        KeepFirstFrames(folder.path(), app.arguments().value(at + 1, QStringLiteral("frames")));
        return 0;
    }
    if (app.arguments().contains(QStringLiteral("--speech"))) { // the speech figures alone
        QDir::setCurrent(folder.path());
        MeasureSpeech();
        return 0;
    }
    MeasureDesktopStarts(folder.path());
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
    MeasureRecording(recordFolder.path());
    MeasureRecordWindow(app.applicationFilePath(), classFolder.path());
    MeasureProgress();
    MeasureTeacherOpening(classFolder.path(), [](const QString &) {}); // the year is there
    return 0;
}

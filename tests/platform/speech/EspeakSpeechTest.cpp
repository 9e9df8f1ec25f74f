// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#include "EspeakSpeech.h"
#include "ProgramModule.h"
#include "SoundMonitor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;
using Clock = SoundMonitor::Clock;

// Runs the event loop until done() or the time is up.
bool WaitFor(const std::function<bool()> &done, std::chrono::milliseconds limit)
{
    const auto end = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

// Starts the engine with a word and waits until it reports the German voice missing; the
// English one must give the same reason. Empty when nothing is reported within 5 s.
QString MissingAfterAWord(EspeakSpeech &speech)
{
    speech.say(QStringLiteral("eins"), Voice::German);
    if (!WaitFor([&] { return !speech.missingReason(Voice::German).isEmpty(); }, 5s))
        return {};
    EXPECT_EQ(speech.missingReason(Voice::English), speech.missingReason(Voice::German));
    return speech.missingReason(Voice::German);
}

long Ms(Clock::duration duration)
{
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(duration).count());
}

// The program's speech with the sound server listened to.
class HeardSpeech : public testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(monitor.ok()) << "no test sound server: " << monitor.error().toStdString(); }
    // Waits until nothing was heard for half a second; how long the sound lasted.
    long heardMs()
    {
        WaitFor([&] { return Clock::now() - *monitor.lastLoud() > 500ms; }, 6s);
        return Ms(*monitor.lastLoud() - *monitor.firstLoud());
    }
    bool heard() { return WaitFor([&] { return monitor.firstLoud().has_value(); }, 5s); }

    SoundMonitor monitor;
    EspeakSpeech speech;
};

// A word said through the program's speech is played by the sound server: it is heard
// soon after it was asked for, for about as long as the word. Its start is reported once,
// as it begins to sound, and only for the last say: a word cut off before it sounded, or
// one said after it, reports nothing.
TEST_F(HeardSpeech, TheLastWordIsHeardAndItsStartReported)
{
    QList<Clock::time_point> starts;
    QObject::connect(&speech, &Speech::sayingStarted, [&] { starts.append(Clock::now()); });
    const Clock::time_point asked = Clock::now();
    speech.say(QStringLiteral("achtzehn"), Voice::German);
    speech.say(QStringLiteral("siebenundvierzig"), Voice::German);
    ASSERT_TRUE(heard());
    EXPECT_LT(Ms(*monitor.firstLoud() - asked), 2000);
    const long ms = heardMs();
    EXPECT_GE(ms, 600);
    EXPECT_LE(ms, 2000);
    EXPECT_GE(monitor.loudSamples(), 22050 / 4);
    ASSERT_EQ(starts.size(), 1);
    EXPECT_LT(std::abs(Ms(*monitor.firstLoud() - starts[0])), 250);
    speech.sayAfter(QStringLiteral("zwanzig"), Voice::German);
    WaitFor([&] { return false; }, 600ms);
    EXPECT_EQ(starts.size(), 1);
    EXPECT_TRUE(speech.missingReason(Voice::German).isEmpty());
    EXPECT_TRUE(speech.missingReason(Voice::English).isEmpty());
}

// A new word cuts off the old one at once; silence() cuts off without a new one.
TEST_F(HeardSpeech, ANewWordCutsOffTheOld)
{
    const QString long_ = QStringLiteral("siebenundsiebzig, siebenundsiebzig, siebenundsiebzig");
    speech.say(long_, Voice::German); // about four seconds
    ASSERT_TRUE(heard());
    speech.say(QStringLiteral("one"), Voice::English);
    EXPECT_LT(heardMs(), 1500);

    monitor.reset();
    speech.say(long_, Voice::German);
    ASSERT_TRUE(heard());
    speech.silence();
    EXPECT_LT(heardMs(), 500);
}

// A program installed without its speech module, or without a sound server, plays as
// before: the voices are reported missing, in plain German, and no call waits. (Qt's sound
// output connects once per process, so the cases below have tests of their own.)
TEST(EspeakSpeech, AMissingModuleOrSoundServerIsReportedInPlainGerman)
{
    QTemporaryDir folder;
    ProgramModule::LookIn(folder.path());
    EspeakSpeech withoutModule;
    ProgramModule::LookIn(QStringLiteral(ZEP_MODULE_FOLDER));
    EXPECT_EQ(MissingAfterAWord(withoutModule),
              "Vorlesen geht nicht: Die Sprachausgabe eSpeak NG fehlt oder lässt sich nicht starten.");
    qputenv("PULSE_SERVER", "unix:" + folder.filePath(QStringLiteral("none")).toUtf8());
    EspeakSpeech withoutServer;
    EXPECT_EQ(MissingAfterAWord(withoutServer), "Vorlesen geht nicht: Es wurde keine Tonausgabe gefunden.");
}

// A sound server that goes away in the middle of a word is no crash: the voices are reported
// missing, in plain German, and later words are dropped quietly.
TEST(EspeakSpeech, ASoundServerGoingAwayMidWordIsReported)
{
    QTemporaryDir folder;
    const auto server = [&](const char *action) {
        return QProcess::execute(QStringLiteral("sh"), {QStringLiteral(ZEP_SOUND_SERVER_SCRIPT),
                                                        QLatin1String(action), folder.path()});
    };
    ASSERT_EQ(server("start"), 0);
    qputenv("PULSE_SERVER", "unix:" + folder.filePath(QStringLiteral("native")).toUtf8());
    EspeakSpeech speech;
    const QString long_ = QStringLiteral("siebenundsiebzig, siebenundsiebzig, siebenundsiebzig");
    speech.say(long_, Voice::German);
    WaitFor([] { return false; }, 1500ms); // the engine is up and the word is playing
    ASSERT_TRUE(speech.missingReason(Voice::German).isEmpty());
    server("stop");
    for (int i = 0; i < 5; ++i) {
        speech.say(long_, Voice::German);
        WaitFor([] { return false; }, 200ms);
    }
    EXPECT_TRUE(WaitFor([&] { return !speech.missingReason(Voice::German).isEmpty(); }, 5s));
    EXPECT_EQ(speech.missingReason(Voice::German),
              "Vorlesen geht nicht: Es wurde keine Tonausgabe gefunden.");
}

// A server that takes the connection but never answers holds up neither a word nor the
// end of the program.
TEST(EspeakSpeech, AStuckSoundServerNeverBlocks)
{
    QTemporaryDir folder;
    sockaddr_un address{AF_UNIX, {}};
    qstrncpy(address.sun_path, QFile::encodeName(folder.filePath(QStringLiteral("stuck"))).constData(), sizeof address.sun_path);
    const int stuck = socket(AF_UNIX, SOCK_STREAM, 0); // takes connections, never answers
    ASSERT_EQ(bind(stuck, reinterpret_cast<sockaddr *>(&address), sizeof address), 0);
    ASSERT_EQ(listen(stuck, 8), 0);
    qputenv("PULSE_SERVER", QByteArray("unix:") + address.sun_path);
    QElapsedTimer clock;
    {
        EspeakSpeech speech;
        speech.say(QStringLiteral("eins"), Voice::German);
        WaitFor([] { return false; }, 400ms); // the engine is up and connecting
        clock.start();
        for (int i = 0; i < 20; ++i)
            speech.say(QStringLiteral("siebenundvierzig"), Voice::German);
        speech.silence();
        EXPECT_LT(clock.elapsed(), 50);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 300);
        EXPECT_TRUE(speech.missingReason(Voice::German).isEmpty()); // still connecting
        clock.restart();
    }
    EXPECT_LT(clock.elapsed(), 1000); // ending does not wait for the server either
    close(stuck);
}

} // namespace

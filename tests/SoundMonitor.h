// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QtEndian>

#include <chrono>
#include <optional>

// Listens to what the sound server plays, through the monitor of its default sink (read by
// the recorder parec), and notes when loud samples arrive while the event loop runs.
class SoundMonitor
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int Loud = 1000; // of 32767; the engine's speech peaks far above

    SoundMonitor()
    {
        QObject::connect(&m_recorder, &QProcess::readyReadStandardOutput, [this] { listen(); });
        m_recorder.start(QStringLiteral("parec"),
                         {QStringLiteral("--raw"), QStringLiteral("--device=@DEFAULT_MONITOR@"),
                          QStringLiteral("--format=s16le"), QStringLiteral("--rate=22050"),
                          QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=5")});
        // The monitor of a null sink delivers silence all the time: the first samples show
        // that the recorder is connected.
        m_recorder.waitForReadyRead(5000);
    }
    ~SoundMonitor()
    {
        m_recorder.terminate();
        m_recorder.waitForFinished();
    }

    bool ok() const { return m_connected; }
    QString error() { return m_recorder.errorString() + u' ' + QString::fromLocal8Bit(m_recorder.readAllStandardError()); }

    // Forgets what was heard so far.
    void reset()
    {
        m_firstLoud.reset();
        m_lastLoud.reset();
        m_loudSamples = 0;
    }
    std::optional<Clock::time_point> firstLoud() const { return m_firstLoud; }
    std::optional<Clock::time_point> lastLoud() const { return m_lastLoud; }
    long loudSamples() const { return m_loudSamples; }

private:
    void listen()
    {
        // The arrival of the samples stands for them: a little late, never early.
        const Clock::time_point now = Clock::now();
        m_connected = true;
        m_pending += m_recorder.readAllStandardOutput();
        long loud = 0;
        for (qsizetype i = 0; i + 1 < m_pending.size(); i += 2)
            loud += std::abs(qFromLittleEndian<qint16>(m_pending.constData() + i)) > Loud;
        m_pending = m_pending.right(m_pending.size() % 2);
        if (loud == 0)
            return;
        if (!m_firstLoud)
            m_firstLoud = now;
        m_lastLoud = now;
        m_loudSamples += loud;
    }

    QProcess m_recorder;
    QByteArray m_pending;
    bool m_connected = false;
    std::optional<Clock::time_point> m_firstLoud, m_lastLoud;
    long m_loudSamples = 0;
};

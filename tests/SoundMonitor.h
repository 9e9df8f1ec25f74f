// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

// Listens to what the sound server plays, through the monitor of its default sink (read by
// the recorder parec in a process of its own), and notes when loud samples arrive.
class SoundMonitor
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int Rate = 22050;
    static constexpr int BlockSamples = Rate / 200; // 5 ms
    static constexpr int Loud = 1000;               // of 32767; the engine's speech peaks far above

    SoundMonitor()
    {
        int out[2];
        if (pipe(out) != 0) {
            m_error = QStringLiteral("no pipe");
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        posix_spawn_file_actions_addclose(&actions, out[1]);
        const std::string rate = "--rate=" + std::to_string(Rate);
        const char *argv[] = {"parec", "--raw", "--device=@DEFAULT_MONITOR@", "--format=s16ne",
                              rate.c_str(), "--channels=1", "--latency-msec=5", nullptr};
        const int spawned = posix_spawnp(&m_recorder, "parec", &actions, nullptr,
                                         const_cast<char **>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(out[1]);
        m_input = out[0];
        if (spawned != 0) {
            m_recorder = 0;
            m_error = QStringLiteral("parec does not start");
            return;
        }
        m_thread = std::thread([this] { listen(); });
        // The monitor of a null sink delivers silence all the time: the first block shows
        // that the recorder is connected.
        const auto end = Clock::now() + std::chrono::seconds(5);
        while (!m_blocks && !m_closed && Clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (!m_blocks)
            m_error = QStringLiteral("parec hears nothing from the sound server");
    }

    ~SoundMonitor()
    {
        if (m_recorder > 0) {
            kill(m_recorder, SIGTERM);
            waitpid(m_recorder, nullptr, 0);
        }
        if (m_thread.joinable())
            m_thread.join(); // the pipe has closed with the recorder
        if (m_input >= 0)
            close(m_input);
    }

    bool ok() const { return m_blocks > 0; }
    QString error() const { return m_error; }

    // Forgets what was heard so far.
    void reset()
    {
        const std::lock_guard lock(m_mutex);
        m_firstLoud.reset();
        m_lastLoud.reset();
        m_loudSamples = 0;
    }
    std::optional<Clock::time_point> firstLoud() const
    {
        const std::lock_guard lock(m_mutex);
        return m_firstLoud;
    }
    std::optional<Clock::time_point> lastLoud() const
    {
        const std::lock_guard lock(m_mutex);
        return m_lastLoud;
    }
    long loudSamples() const
    {
        const std::lock_guard lock(m_mutex);
        return m_loudSamples;
    }

private:
    // Reads whole blocks of samples until the recorder ends.
    bool readBlock(std::int16_t *block)
    {
        auto *bytes = reinterpret_cast<char *>(block);
        std::size_t got = 0;
        while (got < BlockSamples * sizeof(std::int16_t)) {
            const ssize_t n = read(m_input, bytes + got, BlockSamples * sizeof(std::int16_t) - got);
            if (n <= 0)
                return false;
            got += std::size_t(n);
        }
        return true;
    }

    void listen()
    {
        std::int16_t block[BlockSamples];
        while (readBlock(block)) {
            // The arrival of the block stands for its samples: a little late, never early.
            const Clock::time_point now = Clock::now();
            ++m_blocks;
            long loud = 0;
            for (std::int16_t sample : block)
                loud += std::abs(sample) > Loud;
            if (loud == 0)
                continue;
            const std::lock_guard lock(m_mutex);
            if (!m_firstLoud)
                m_firstLoud = now;
            m_lastLoud = now;
            m_loudSamples += loud;
        }
        m_closed = true;
    }

    pid_t m_recorder = 0;
    int m_input = -1;
    QString m_error;
    std::thread m_thread;
    std::atomic<long> m_blocks = 0;
    std::atomic<bool> m_closed = false;
    mutable std::mutex m_mutex;
    std::optional<Clock::time_point> m_firstLoud, m_lastLoud;
    long m_loudSamples = 0;
};

// SPDX-FileCopyrightText: 2026 ZEP contributors
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <pulse/error.h>
#include <pulse/simple.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <thread>

// Listens to what the sound server plays, through the monitor of its default sink, on a
// thread of its own, and notes when loud samples arrive.
class SoundMonitor
{
public:
    using Clock = std::chrono::steady_clock;
    static constexpr int Rate = 22050;
    static constexpr int BlockSamples = Rate / 200; // 5 ms
    static constexpr int Loud = 1000;               // of 32767; the engine's speech peaks far above

    SoundMonitor()
    {
        const pa_sample_spec spec{PA_SAMPLE_S16NE, Rate, 1};
        const pa_buffer_attr buffer{std::uint32_t(-1), std::uint32_t(-1), std::uint32_t(-1),
                                    std::uint32_t(-1), BlockSamples * 2};
        int error = 0;
        m_stream = pa_simple_new(nullptr, "ZEP test", PA_STREAM_RECORD, "@DEFAULT_MONITOR@",
                                 "monitor", &spec, nullptr, &buffer, &error);
        if (!m_stream) {
            m_error = QString::fromUtf8(pa_strerror(error));
            return;
        }
        m_thread = std::thread([this] { listen(); });
    }

    ~SoundMonitor()
    {
        m_stop = true;
        if (m_thread.joinable())
            m_thread.join();
        if (m_stream)
            pa_simple_free(m_stream);
    }

    bool ok() const { return m_stream; }
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
    void listen()
    {
        std::int16_t block[BlockSamples];
        int error = 0;
        while (!m_stop && pa_simple_read(m_stream, block, sizeof block, &error) >= 0) {
            // The arrival of the block stands for its samples: a little late, never early.
            const Clock::time_point now = Clock::now();
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
    }

    pa_simple *m_stream = nullptr;
    QString m_error;
    std::thread m_thread;
    std::atomic<bool> m_stop = false;
    mutable std::mutex m_mutex;
    std::optional<Clock::time_point> m_firstLoud, m_lastLoud;
    long m_loudSamples = 0;
};

#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

// Times each frame of a frame benchmark on the thread's CPU clock (the machine is shared: the
// wall clock would count other programs' turns) and reports the median and the 99th percentile
// in milliseconds, beside the 16 ms a frame may take at 60 frames per second.
class QMFrameTimes
{
public:
    // Starts timing one frame; the frame ends when the returned object goes.
    class Frame
    {
    public:
        explicit Frame(QMFrameTimes &times);
        ~Frame();
        Frame(const Frame &) = delete;
        Frame &operator=(const Frame &) = delete;

    private:
        QMFrameTimes &m_times;
        std::int64_t m_start;
    };

    Frame frame() { return Frame(*this); }
    // Counters median_ms, p99_ms and within_budget (1 when the 99th percentile fits 16 ms).
    void report(benchmark::State &state);

private:
    static std::int64_t now();

    std::vector<std::int64_t> m_ns;
};

#include "QMFrameTimes.h"

#include <algorithm>
#include <ctime>

QMFrameTimes::Frame::Frame(QMFrameTimes &times)
    : m_times(times)
    , m_start(QMFrameTimes::now())
{}

QMFrameTimes::Frame::~Frame()
{
    m_times.m_ns.push_back(QMFrameTimes::now() - m_start);
}

std::int64_t QMFrameTimes::now()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return std::int64_t(t.tv_sec) * 1000000000 + t.tv_nsec;
}

void QMFrameTimes::report(benchmark::State &state)
{
    if (m_ns.empty())
        return;
    std::sort(m_ns.begin(), m_ns.end());
    const auto at = [this](double q) {
        return double(m_ns[size_t(q * double(m_ns.size() - 1))]) / 1e6;
    };
    state.counters["median_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["within_budget"] = at(0.99) <= 16.0 ? 1 : 0;
}

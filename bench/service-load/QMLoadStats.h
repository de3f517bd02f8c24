#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// What the requests of a load run came to, kind by kind: answers, refusals the load expects
// (a seat taken by another connection a moment earlier), errors and latencies.
class QMLoadStats
{
public:
    static constexpr int kinds = 35;
    enum class Outcome { Answered, Contended, Error };

    void record(int kind, Outcome outcome, std::chrono::microseconds latency);
    // Keeps the first few errors' descriptions for the summary.
    void describeError(std::string what);
    void merge(const QMLoadStats &other);

    long long requests() const;
    long long errors() const;
    const std::vector<std::string> &errorSamples() const { return m_errorSamples; }
    // One line per kind (requests, errors, contended, p50, p99, max), then the totals.
    void print(std::FILE *out, double seconds) const;

private:
    struct Kind
    {
        std::vector<std::uint32_t> micros;
        long long contended = 0;
        long long errors = 0;
    };
    std::array<Kind, kinds> m_kinds;
    std::vector<std::string> m_errorSamples;
};

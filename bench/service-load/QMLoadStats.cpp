#include "QMLoadStats.h"

#include "QMServiceClient.h"

#include <algorithm>

namespace {

constexpr size_t keptErrors = 10;

double percentile(std::vector<std::uint32_t> &sorted, double fraction)
{
    if (sorted.empty())
        return 0;
    const size_t index = std::min(sorted.size() - 1, static_cast<size_t>(fraction * sorted.size()));
    return sorted[index] / 1000.0;
}

} // namespace

void QMLoadStats::record(int kind, Outcome outcome, std::chrono::microseconds latency)
{
    Kind &k = m_kinds.at(kind);
    k.micros.push_back(
        static_cast<std::uint32_t>(std::clamp<long long>(latency.count(), 0, UINT32_MAX)));
    if (outcome == Outcome::Contended)
        ++k.contended;
    else if (outcome == Outcome::Error)
        ++k.errors;
}

void QMLoadStats::describeError(std::string what)
{
    if (m_errorSamples.size() < keptErrors)
        m_errorSamples.push_back(std::move(what));
}

void QMLoadStats::merge(const QMLoadStats &other)
{
    for (int i = 0; i < kinds; ++i) {
        Kind &k = m_kinds[i];
        const Kind &o = other.m_kinds[i];
        k.micros.insert(k.micros.end(), o.micros.begin(), o.micros.end());
        k.contended += o.contended;
        k.errors += o.errors;
    }
    for (const std::string &what : other.m_errorSamples)
        describeError(what);
}

long long QMLoadStats::requests() const
{
    long long n = 0;
    for (const Kind &k : m_kinds)
        n += static_cast<long long>(k.micros.size());
    return n;
}

long long QMLoadStats::errors() const
{
    long long n = 0;
    for (const Kind &k : m_kinds)
        n += k.errors;
    return n;
}

void QMLoadStats::print(std::FILE *out, double seconds) const
{
    std::fprintf(out, "%-4s %-32s %9s %7s %9s %9s %9s %9s\n", "kind", "path", "requests", "errors",
                 "contended", "p50 ms", "p99 ms", "max ms");
    std::vector<std::uint32_t> all;
    long long contended = 0;
    for (int i = 0; i < kinds; ++i) {
        std::vector<std::uint32_t> sorted = m_kinds[i].micros;
        std::sort(sorted.begin(), sorted.end());
        all.insert(all.end(), sorted.begin(), sorted.end());
        contended += m_kinds[i].contended;
        std::fprintf(out, "%-4d %-32s %9zu %7lld %9lld %9.2f %9.2f %9.2f\n", i,
                     QMServiceClient::kind(i).path.toStdString().c_str(), sorted.size(),
                     m_kinds[i].errors, m_kinds[i].contended, percentile(sorted, 0.50),
                     percentile(sorted, 0.99), sorted.empty() ? 0.0 : sorted.back() / 1000.0);
    }
    std::sort(all.begin(), all.end());
    std::fprintf(out, "%-4s %-32s %9zu %7lld %9lld %9.2f %9.2f %9.2f\n", "all", "", all.size(),
                 errors(), contended, percentile(all, 0.50), percentile(all, 0.99),
                 all.empty() ? 0.0 : all.back() / 1000.0);
    std::fprintf(out, "%.0f requests/s over %.1f s\n", seconds > 0 ? all.size() / seconds : 0.0,
                 seconds);
}

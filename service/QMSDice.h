#pragma once

#include <random>
#include <vector>

// The sample data's random choices: a fixed sequence, so every seed makes the same city.
class QMSDice
{
public:
    explicit QMSDice(unsigned seed)
        : m_random(seed)
    {}

    int between(int low, int high) // inclusive
    {
        return low + static_cast<int>(m_random() % static_cast<unsigned>(high - low + 1));
    }
    double real(double low, double high)
    {
        return low + (high - low) * (m_random() % 100000) / 100000.0;
    }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template<typename T> const T &pick(const std::vector<T> &list)
    {
        return list[m_random() % list.size()];
    }
    std::mt19937 &engine() { return m_random; }

private:
    std::mt19937 m_random;
};

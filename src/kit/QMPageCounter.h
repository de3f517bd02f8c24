#pragma once

#include <QtGlobal>

class QMScrollView;

// How many rows a growing list asks for: lists are always asked for from their first row, a
// page more each time the user wants more, ten pages at most. One counter per kind of list
// lives as long as the process, so a list opened again asks for as many as the last one reached.
class QMPageCounter
{
public:
    static constexpr int kPageSize = 10;
    static constexpr int kMaximumCount = 100;

    int count() const { return m_count; }
    void setCount(int count) { m_count = qBound(kPageSize, count, kMaximumCount + kPageSize); }

    // How many rows to ask for: never more than the ten pages, whatever the counter reached.
    int maxReturn() const { return qMin(m_count, kMaximumCount); }

    // A page more. True when it may be asked for; past the tenth page the member is told
    // "只能显示10页!" instead, every time.
    bool nextPage();

    // A list whose scrolling came to rest with its visible bottom within 10 points of its end:
    // the member wants a page more.
    static bool isScrolledToEnd(const QMScrollView &list);

    // An answer of that many rows filled what was asked for, so more may follow.
    bool isFull(qsizetype received) const { return received >= maxReturn(); }

private:
    int m_count = kPageSize;
};

#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>

// The one-line-per-request log, written to a file descriptor (stderr) by a thread of its own:
// a worker only appends its line, so it never waits for the file, the pipe or another worker's
// write. Lines reach the descriptor in batches, a moment after they are logged.
class QMSRequestLog
{
public:
    explicit QMSRequestLog(int fd = 2, std::size_t limit = 8 << 20);
    // Writes what is still waiting.
    ~QMSRequestLog();
    QMSRequestLog(const QMSRequestLog &) = delete;
    QMSRequestLog &operator=(const QMSRequestLog &) = delete;

    // Queues one line (with its newline). Past `limit` bytes waiting (nobody reads the pipe),
    // lines are counted and dropped rather than held.
    void write(std::string_view line);
    // Returns once every line queued so far has been written (or failed to be).
    void flush();

private:
    void drain();

    const int m_fd;
    const std::size_t m_limit;
    std::mutex m_mutex;
    std::condition_variable m_queued;
    std::condition_variable m_written;
    std::string m_waiting;
    std::size_t m_dropped = 0;
    bool m_writing = false;
    bool m_stopping = false;
    std::thread m_writer;
};

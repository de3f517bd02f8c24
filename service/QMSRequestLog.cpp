#include "QMSRequestLog.h"

#include <unistd.h>

#include <cerrno>

QMSRequestLog::QMSRequestLog(int fd, std::size_t limit)
    : m_fd(fd)
    , m_limit(limit)
    , m_writer([this] { drain(); })
{}

QMSRequestLog::~QMSRequestLog()
{
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_queued.notify_one();
    m_writer.join();
}

void QMSRequestLog::write(std::string_view line)
{
    bool idle = false;
    {
        std::lock_guard lock(m_mutex);
        if (m_waiting.size() + line.size() > m_limit) {
            ++m_dropped;
            return;
        }
        // A writer busy writing looks for more lines before it sleeps: only an idle one is woken.
        idle = m_waiting.empty() && !m_writing;
        m_waiting += line;
    }
    if (idle)
        m_queued.notify_one();
}

void QMSRequestLog::flush()
{
    std::unique_lock lock(m_mutex);
    m_written.wait(lock, [this] { return m_waiting.empty() && !m_writing; });
}

void QMSRequestLog::drain()
{
    std::string batch;
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_queued.wait(lock, [this] { return !m_waiting.empty() || m_dropped || m_stopping; });
        if (m_waiting.empty() && !m_dropped)
            return; // stopping, and everything is written
        batch.swap(m_waiting);
        if (m_dropped) {
            batch += "qm-service: " + std::to_string(m_dropped) +
                     " request lines dropped: nothing read the log\n";
            m_dropped = 0;
        }
        m_writing = true;
        lock.unlock();
        for (size_t done = 0; done < batch.size();) {
            const ssize_t n = ::write(m_fd, batch.data() + done, batch.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break; // a closed stderr: the lines have nowhere to go
            done += static_cast<size_t>(n);
        }
        batch.clear();
        lock.lock();
        m_writing = false;
        m_written.notify_all();
    }
}

#pragma once

#include "QMSConnection.h"

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// The service's one database file, in WAL mode so readers never wait for the writer. Hands out
// one connection per request from a pool; a connection goes back when its last holder drops it.
// The service owns the file while it runs: its commits are counted, another program's are not.
class QMSDatabase
{
public:
    explicit QMSDatabase(std::string path);
    ~QMSDatabase();
    QMSDatabase(const QMSDatabase &) = delete;
    QMSDatabase &operator=(const QMSDatabase &) = delete;

    std::shared_ptr<QMSConnection> connection();
    const std::string &path() const { return m_path; }
    // Commits so far through the pool's connections: what a request read is still what the
    // database holds while this has not moved since before its reads began.
    std::uint64_t commits() const { return m_pool.commits.load(); }

private:
    std::string m_path;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<QMSConnection>> m_idle;
    QMSConnection::Pool m_pool;
};

#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

class QMSConnection;

// The service's one database file, in WAL mode so readers never wait for the writer. Hands out
// one connection per request from a pool; a connection goes back when its last holder drops it.
class QMSDatabase
{
public:
    explicit QMSDatabase(std::string path);
    ~QMSDatabase();
    QMSDatabase(const QMSDatabase &) = delete;
    QMSDatabase &operator=(const QMSDatabase &) = delete;

    std::shared_ptr<QMSConnection> connection();
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
    std::mutex m_mutex;
    std::vector<std::unique_ptr<QMSConnection>> m_idle;
};

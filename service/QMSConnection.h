#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <unordered_map>

struct sqlite3;
struct sqlite3_stmt;

// One SQLite connection and its prepared statements; one thread uses it at a time.
class QMSConnection
{
public:
    explicit QMSConnection(const std::string &path);
    ~QMSConnection();
    QMSConnection(const QMSConnection &) = delete;
    QMSConnection &operator=(const QMSConnection &) = delete;

    // Runs SQL without parameters: schema, pragmas, transaction control.
    void exec(const char *sql);
    // Adds one to the counter after every commit of this connection, once the data is in the
    // log and visible to other connections (WAL mode only).
    void countCommits(std::atomic<std::uint64_t> &counter);
    long long lastInsertId() const;
    int changes() const;

    // A prepared statement for the text, kept for reuse; a fresh one while the kept one is busy.
    sqlite3_stmt *acquire(const std::string &sql);
    void release(sqlite3_stmt *statement);

    [[noreturn]] void fail(const char *what) const;

private:
    struct Cached
    {
        sqlite3_stmt *statement = nullptr;
        bool busy = false;
    };

    sqlite3 *m_db = nullptr;
    std::unordered_map<std::string, Cached> m_cache;
};

#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
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
    // What the connections of one database share: a count of their commits, and the turn to
    // write, which they take one after the other.
    struct Pool
    {
        std::atomic<std::uint64_t> commits{0};
        std::mutex writeTurn;
    };
    // Counts this connection's commits in the pool, each once its data is in the log and
    // visible to other connections (WAL mode only); transactions take the pool's write turn.
    void join(Pool &pool);
    // The turn a transaction on this connection waits for, if it belongs to a pool.
    std::mutex *writeTurn() const { return m_pool ? &m_pool->writeTurn : nullptr; }
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
    Pool *m_pool = nullptr;
    std::unordered_map<std::string, Cached> m_cache;
};

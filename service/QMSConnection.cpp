#include "QMSConnection.h"

#include <sqlite3.h>

#include <stdexcept>

QMSConnection::QMSConnection(const std::string &path)
{
    const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
    if (sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr) != SQLITE_OK) {
        const std::string message = m_db ? sqlite3_errmsg(m_db) : "out of memory";
        sqlite3_close(m_db);
        throw std::runtime_error("cannot open database " + path + ": " + message);
    }
    // Writers queue behind each other instead of failing at once.
    sqlite3_busy_timeout(m_db, 10000);
    exec("PRAGMA foreign_keys = ON; PRAGMA synchronous = NORMAL;");
}

QMSConnection::~QMSConnection()
{
    for (auto &[sql, cached] : m_cache)
        sqlite3_finalize(cached.statement);
    sqlite3_close(m_db);
}

void QMSConnection::exec(const char *sql)
{
    char *error = nullptr;
    if (sqlite3_exec(m_db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error("database: " + message);
    }
}

void QMSConnection::join(Pool &pool)
{
    m_pool = &pool;
    sqlite3_wal_hook(
        m_db,
        [](void *pool, sqlite3 *db, const char *name, int pages) {
            static_cast<Pool *>(pool)->commits.fetch_add(1);
            // A hook of our own replaces SQLite's automatic checkpoint: do what it did.
            if (pages >= 1000)
                sqlite3_wal_checkpoint_v2(db, name, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
            return SQLITE_OK;
        },
        &pool);
}

long long QMSConnection::lastInsertId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int QMSConnection::changes() const
{
    return sqlite3_changes(m_db);
}

sqlite3_stmt *QMSConnection::acquire(const std::string &sql)
{
    Cached &cached = m_cache[sql];
    if (cached.statement && !cached.busy) {
        cached.busy = true;
        return cached.statement;
    }
    sqlite3_stmt *statement = nullptr;
    const unsigned flags = cached.statement ? 0 : SQLITE_PREPARE_PERSISTENT;
    if (sqlite3_prepare_v3(m_db, sql.c_str(), static_cast<int>(sql.size()), flags, &statement,
                           nullptr) != SQLITE_OK)
        fail("prepare");
    if (!cached.statement) {
        cached.statement = statement;
        cached.busy = true;
    }
    return statement;
}

void QMSConnection::release(sqlite3_stmt *statement)
{
    const char *sql = sqlite3_sql(statement);
    auto found = sql ? m_cache.find(sql) : m_cache.end();
    if (found != m_cache.end() && found->second.statement == statement) {
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        found->second.busy = false;
    } else {
        sqlite3_finalize(statement);
    }
}

void QMSConnection::fail(const char *what) const
{
    throw std::runtime_error(std::string("database ") + what + ": " + sqlite3_errmsg(m_db));
}

#include "QMSStatement.h"

#include "QMSConnection.h"

#include <sqlite3.h>

QMSStatement::QMSStatement(QMSConnection &db, const std::string &sql)
    : m_db(db)
    , m_statement(db.acquire(sql))
{}

QMSStatement::~QMSStatement()
{
    m_db.release(m_statement);
}

QMSStatement &QMSStatement::withBlob(std::string_view bytes)
{
    if (sqlite3_bind_blob(m_statement, ++m_bound, bytes.data(), static_cast<int>(bytes.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        m_db.fail("bind");
    return *this;
}

QMSStatement &QMSStatement::bindNull(int index)
{
    if (sqlite3_bind_null(m_statement, index) != SQLITE_OK)
        m_db.fail("bind");
    return *this;
}

void QMSStatement::bindInteger(int index, long long value)
{
    if (sqlite3_bind_int64(m_statement, index, value) != SQLITE_OK)
        m_db.fail("bind");
}

void QMSStatement::bindReal(int index, double value)
{
    if (sqlite3_bind_double(m_statement, index, value) != SQLITE_OK)
        m_db.fail("bind");
}

void QMSStatement::bindText(int index, std::string_view value)
{
    if (sqlite3_bind_text(m_statement, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        m_db.fail("bind");
}

bool QMSStatement::step()
{
    const int result = sqlite3_step(m_statement);
    if (result == SQLITE_ROW)
        return true;
    if (result == SQLITE_DONE)
        return false;
    m_db.fail("step");
}

void QMSStatement::run()
{
    while (step()) {
    }
}

void QMSStatement::reset()
{
    sqlite3_reset(m_statement);
    sqlite3_clear_bindings(m_statement);
    m_bound = 0;
}

long long QMSStatement::integer(int column) const
{
    return sqlite3_column_int64(m_statement, column);
}

double QMSStatement::real(int column) const
{
    return sqlite3_column_double(m_statement, column);
}

std::string QMSStatement::text(int column) const
{
    const auto *data = reinterpret_cast<const char *>(sqlite3_column_text(m_statement, column));
    return data ? std::string(data, sqlite3_column_bytes(m_statement, column)) : std::string();
}

std::string QMSStatement::blob(int column) const
{
    const auto *data = static_cast<const char *>(sqlite3_column_blob(m_statement, column));
    return data ? std::string(data, sqlite3_column_bytes(m_statement, column)) : std::string();
}

bool QMSStatement::isNull(int column) const
{
    return sqlite3_column_type(m_statement, column) == SQLITE_NULL;
}

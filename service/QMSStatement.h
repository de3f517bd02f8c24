#pragma once

#include <string>
#include <string_view>
#include <type_traits>

class QMSConnection;
struct sqlite3_stmt;

// A prepared statement with bound parameters; every value reaches SQL through a binding.
class QMSStatement
{
public:
    QMSStatement(QMSConnection &db, const std::string &sql);
    ~QMSStatement();
    QMSStatement(const QMSStatement &) = delete;
    QMSStatement &operator=(const QMSStatement &) = delete;

    // Binds the values to the next parameters in order: 1, 2, ... on the first call.
    template<typename... Values> QMSStatement &with(const Values &...values)
    {
        (bindValue(++m_bound, values), ...);
        return *this;
    }
    // Binds bytes (a picture) to the next parameter.
    QMSStatement &withBlob(std::string_view bytes);
    QMSStatement &bindNull(int index);

    // Steps once: true while a row is there.
    bool step();
    // Steps to the end: for writes.
    void run();
    // Ready for another run with new values.
    void reset();

    long long integer(int column) const;
    double real(int column) const;
    std::string text(int column) const;
    std::string blob(int column) const;
    bool isNull(int column) const;

private:
    template<typename T> void bindValue(int index, const T &value)
    {
        if constexpr (std::is_same_v<T, std::nullptr_t>)
            bindNull(index);
        else if constexpr (std::is_same_v<T, bool>)
            bindInteger(index, value ? 1 : 0);
        else if constexpr (std::is_integral_v<T>)
            bindInteger(index, static_cast<long long>(value));
        else if constexpr (std::is_floating_point_v<T>)
            bindReal(index, static_cast<double>(value));
        else
            bindText(index, std::string_view(value));
    }
    void bindInteger(int index, long long value);
    void bindReal(int index, double value);
    void bindText(int index, std::string_view value);

    QMSConnection &m_db;
    sqlite3_stmt *m_statement;
    int m_bound = 0;
};

#pragma once

#include <mutex>

class QMSConnection;

// BEGIN IMMEDIATE on creation: the write lock is taken up front, so checks made inside hold
// until commit. Rolled back unless committed.
// Writers of one pool first queue for its write turn: a mutex hands over the moment a writer is
// done, where SQLite's busy handler would have them sleep for up to 100 ms at a time.
class QMSTransaction
{
public:
    explicit QMSTransaction(QMSConnection &db);
    ~QMSTransaction();
    QMSTransaction(const QMSTransaction &) = delete;
    QMSTransaction &operator=(const QMSTransaction &) = delete;

    void commit();

private:
    QMSConnection &m_db;
    std::unique_lock<std::mutex> m_turn;
    bool m_done = false;
};

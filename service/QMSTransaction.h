#pragma once

class QMSConnection;

// BEGIN IMMEDIATE on creation: the write lock is taken up front, so checks made inside hold
// until commit. Rolled back unless committed.
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
    bool m_done = false;
};

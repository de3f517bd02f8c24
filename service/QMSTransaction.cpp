#include "QMSTransaction.h"

#include "QMSConnection.h"

QMSTransaction::QMSTransaction(QMSConnection &db)
    : m_db(db)
{
    if (std::mutex *turn = db.writeTurn())
        m_turn = std::unique_lock(*turn);
    m_db.exec("BEGIN IMMEDIATE");
}

QMSTransaction::~QMSTransaction()
{
    if (m_done)
        return;
    try {
        m_db.exec("ROLLBACK");
    } catch (...) {
        // The connection rolled back by itself (for example after a failed commit).
    }
}

void QMSTransaction::commit()
{
    m_db.exec("COMMIT");
    m_done = true;
    if (m_turn)
        m_turn.unlock();
}

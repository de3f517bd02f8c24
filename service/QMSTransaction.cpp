#include "QMSTransaction.h"

#include "QMSConnection.h"

QMSTransaction::QMSTransaction(QMSConnection &db)
    : m_db(db)
{
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
}

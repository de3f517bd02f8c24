#include "QMSDatabase.h"

#include "QMSConnection.h"
#include "QMSSchema.h"

QMSDatabase::QMSDatabase(std::string path)
    : m_path(std::move(path))
{
    auto db = std::make_unique<QMSConnection>(m_path);
    db->exec("PRAGMA journal_mode = WAL;");
    db->join(m_pool);
    QMSSchema::create(*db);
    m_idle.push_back(std::move(db));
}

QMSDatabase::~QMSDatabase()
{
    // Fold the log back into the main file so the database is one file at rest.
    if (!m_idle.empty()) {
        try {
            m_idle.front()->exec("PRAGMA wal_checkpoint(TRUNCATE);");
        } catch (...) {
        }
    }
}

std::shared_ptr<QMSConnection> QMSDatabase::connection()
{
    std::unique_ptr<QMSConnection> db;
    {
        std::lock_guard lock(m_mutex);
        if (!m_idle.empty()) {
            db = std::move(m_idle.back());
            m_idle.pop_back();
        }
    }
    if (!db) {
        db = std::make_unique<QMSConnection>(m_path);
        db->join(m_pool);
    }
    return std::shared_ptr<QMSConnection>(db.release(), [this](QMSConnection *returned) {
        std::lock_guard lock(m_mutex);
        m_idle.emplace_back(returned);
    });
}

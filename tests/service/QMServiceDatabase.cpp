#include "QMServiceDatabase.h"

#include <sqlite3.h>

QStringList QMServiceDatabase::rows(const QString &path, const QString &sql)
{
    sqlite3 *db = nullptr;
    QStringList rows;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) ==
        SQLITE_OK) {
        sqlite3_busy_timeout(db, 5000);
        sqlite3_stmt *statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) ==
            SQLITE_OK) {
            while (sqlite3_step(statement) == SQLITE_ROW)
                rows.append(QString::fromUtf8(
                    reinterpret_cast<const char *>(sqlite3_column_text(statement, 0))));
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return rows;
}

long long QMServiceDatabase::number(const QString &path, const QString &sql)
{
    const QStringList found = rows(path, sql);
    return found.isEmpty() ? -1 : found.first().toLongLong();
}

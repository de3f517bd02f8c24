#pragma once

#include <QString>
#include <QStringList>

// Reads the service's database file directly (read-only, beside the running service), to check
// what the answers cannot show: stored hashes, seat rows, integrity after a crash.
class QMServiceDatabase
{
public:
    // The first column of every row, as text.
    static QStringList rows(const QString &path, const QString &sql);
    static long long number(const QString &path, const QString &sql);
};

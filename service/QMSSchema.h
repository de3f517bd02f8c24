#pragma once

class QMSConnection;

// The tables of the service. Times are Shanghai local time texts "yyyy-MM-dd HH:mm:ss", which
// sort as they read; hold deadlines are Unix seconds.
class QMSSchema
{
public:
    static void create(QMSConnection &db);
    // Removes every row, for a fresh seed.
    static void clear(QMSConnection &db);
};

#pragma once

#include <QDateTime>

class QMSConnection;

// Fills an empty database with the sample city: districts, cinemas with halls, films, screenings,
// members with their posts, replies, follows, plans and check-ins, and every picture. The same
// data on every seed (a fixed random sequence), placed relative to the time of seeding.
//
// The demo member signs in as demo@example.com / demo123; the others as user02@example.com …
// user31@example.com with the password member123.
class QMSSeeder
{
public:
    static bool isSeeded(QMSConnection &db);
    static void seed(QMSConnection &db, const QDateTime &now);
};

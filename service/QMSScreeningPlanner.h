#pragma once

#include <QDate>

class QMSConnection;

// Keeps screenings from yesterday to six days ahead, whatever day the service starts on (and
// yesterday too, for devices whose date is behind Shanghai's). A day is planned once; its
// screenings never change afterwards, so orders and plans keep pointing at them.
class QMSScreeningPlanner
{
public:
    static constexpr int daysBefore = 1;
    static constexpr int daysAfter = 6;

    // Plans each day of the window that has no screenings yet and refreshes the films' cinema
    // counts. Returns the number of days planned.
    static int ensureWindow(QMSConnection &db, const QDate &today);

private:
    static void planDay(QMSConnection &db, const QDate &day);
    static void countCinemas(QMSConnection &db, const QDate &today);
};

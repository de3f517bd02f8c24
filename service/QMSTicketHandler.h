#pragma once

class QMSContext;

// Seat maps and ticket orders (kinds 10 and 11). An order holds its seats until its deadline;
// a seat held or sold cannot be ordered again, and of two orders racing for one seat exactly one
// wins: the check and the taking happen in one write transaction, and the seat table's key
// refuses a second taker whatever happens.
class QMSTicketHandler
{
public:
    static void seatMap(QMSContext &context);
    static void order(QMSContext &context);

    static constexpr int maxSeats = 5;
};

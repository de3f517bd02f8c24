#pragma once

class QMSContext;

// Members nearby, plans, follows and check-ins (kinds 15, 16, 23, 24, 25, 29 and 30).
class QMSCommunityHandler
{
public:
    static void nearbyMembers(QMSContext &context);
    static void plans(QMSContext &context);
    static void follow(QMSContext &context);
    static void addPlan(QMSContext &context);
    static void checkIn(QMSContext &context);
    static void unfollow(QMSContext &context);
    static void follows(QMSContext &context);

    // The device checks 500 m itself; positions travel with three decimals (about 100 m).
    static constexpr double checkInMetres = 1000;
    static constexpr int checkInPoints = 5;
};

#pragma once

#include <QDate>
#include <QDateTime>

#include <string>

// Shanghai local time (UTC+8, no daylight saving), which is what a device in the city shows.
class QMSClock
{
public:
    static QDateTime now();
    static QDate today() { return now().date(); }
    static QDateTime fromUnix(long long seconds);

    // "yyyy-MM-dd HH:mm:ss"
    static std::string stamp(const QDateTime &time);
    // "yyyy-MM-dd"
    static std::string day(const QDate &date);
    // A "yyyy-MM-dd" text, or an invalid date.
    static QDate parseDay(const std::string &text);
};

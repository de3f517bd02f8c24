#include "QMSClock.h"

#include <QRegularExpression>

namespace {
constexpr int shanghaiOffset = 8 * 3600;
}

QDateTime QMSClock::now()
{
    return QDateTime::currentDateTimeUtc().toOffsetFromUtc(shanghaiOffset);
}

QDateTime QMSClock::fromUnix(long long seconds)
{
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::OffsetFromUTC, shanghaiOffset);
}

std::string QMSClock::stamp(const QDateTime &time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

std::string QMSClock::day(const QDate &date)
{
    return date.toString(QStringLiteral("yyyy-MM-dd")).toStdString();
}

QDate QMSClock::parseDay(const std::string &text)
{
    static const QRegularExpression form(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    const QString value = QString::fromStdString(text);
    if (!form.match(value).hasMatch())
        return {};
    return QDate::fromString(value, QStringLiteral("yyyy-MM-dd"));
}

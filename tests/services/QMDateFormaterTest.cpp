#include "services/QMDateFormater.h"

#include <gtest/gtest.h>

#include <QTimeZone>

#include <ctime>

namespace {
const QTimeZone kShanghai(8 * 3600);
const QDateTime kNow(QDate(2026, 12, 5), QTime(14, 7, 9), kShanghai);

QString ageOf(qint64 minutes)
{
    return QMDateFormater(kNow.addSecs(-minutes * 60)).dateIntervalSince(kNow);
}
} // namespace

TEST(DateTexts, AgeCountsWholeUnitsAboveEachLimit)
{
    const std::pair<qint64, const char *> ages[] = {
        {0, "0分钟前"},   {59, "59分钟前"},   {60, "60分钟前"},  {61, "1小时前"},  {119, "1小时前"},
        {120, "2小时前"}, {1440, "24小时前"}, {1441, "1天前"},   {10080, "7天前"}, {10081, "1周前"},
        {40320, "4周前"}, {40321, "1月前"},   {100000, "2月前"},
    };
    for (const auto &[minutes, text] : ages)
        EXPECT_EQ(ageOf(minutes), QString::fromUtf8(text)) << minutes;
    // Seconds are dropped, and the future counts like the past.
    EXPECT_EQ(QMDateFormater(kNow.addSecs(-119)).dateIntervalSince(kNow),
              QStringLiteral("1分钟前"));
    EXPECT_EQ(QMDateFormater(kNow.addSecs(90 * 60)).dateIntervalSince(kNow),
              QStringLiteral("1小时前"));
}

TEST(DateTexts, ServiceTextsAreShanghaiTimeOnAnyDevice)
{
    // The suite runs in the machine's zone; a device in New York must read the same instants.
    const QByteArray savedZone = qgetenv("TZ");
    for (const char *zone : {"UTC", "America/New_York", "Asia/Shanghai"}) {
        qputenv("TZ", zone);
        tzset();
        EXPECT_EQ(QMDateFormater::convertDateFromString(QStringLiteral("2011-03-05")),
                  QDateTime(QDate(2011, 3, 5), QTime(0, 0), kShanghai))
            << zone;
        EXPECT_EQ(QMDateFormater::convertDateFromString(QStringLiteral("2011-03-05 14:07:09")),
                  QDateTime(QDate(2011, 3, 5), QTime(14, 7, 9), kShanghai))
            << zone;
        // Leniently: an overflowing day rolls into the next month.
        EXPECT_EQ(QMDateFormater::convertDateFromString(QStringLiteral("2011-02-30")),
                  QDateTime(QDate(2011, 3, 2), QTime(0, 0), kShanghai))
            << zone;
        // Written back as it was written, and a post made now is "0分钟前", not hours old.
        EXPECT_EQ(QMDateFormater(QStringLiteral("2026-03-05 09:30:00")).dateStringWithFormat(0),
                  QStringLiteral("3-05 09:30"))
            << zone;
        const QString justNow = QDateTime::currentDateTime().toTimeZone(kShanghai).toString(
            QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        EXPECT_EQ(QMDateFormater(justNow).dateInterval(), QStringLiteral("0分钟前")) << zone;
    }
    if (savedZone.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", savedZone);
    tzset();
    const char *unreadable[] = {"", "yesterday", "2011-03-05 14:07", "05/03/2011",
                                "2011-03-05 14:07:09 tail"};
    for (const char *text : unreadable) {
        EXPECT_FALSE(QMDateFormater::convertDateFromString(QString::fromUtf8(text)).isValid())
            << text;
        const QMDateFormater formater{QString::fromUtf8(text)};
        EXPECT_TRUE(formater.dateInterval().isEmpty());
        EXPECT_TRUE(formater.dateStringWithFormat(0).isEmpty());
    }
}

TEST(DateTexts, FixedPatternsAreChineseAndUnknownKindsGiveNothing)
{
    const QMDateFormater formater(kNow);
    EXPECT_EQ(formater.dateStringWithFormat(0), QStringLiteral("12-05 02:07"));
    EXPECT_EQ(formater.dateStringWithFormat(1), QStringLiteral("十二月5日 周六"));
    EXPECT_EQ(formater.dateStringWithFormat(2), QStringLiteral("十二月5日"));
    EXPECT_EQ(formater.dateStringWithFormat(3), QStringLiteral("12月5日 14:07"));
    EXPECT_TRUE(formater.dateStringWithFormat(4).isEmpty());
}

#pragma once

#include <QDateTime>
#include <QString>

// The short Chinese date texts of the lists: how long ago something happened (5分钟前, 3天前), or
// a date written with a fixed pattern in the zh_CN locale. Dates arrive as the service's texts
// ("yyyy-MM-dd HH:mm:ss" or "yyyy-MM-dd"), Shanghai's wall-clock time, and are read and written
// in Shanghai's time zone, whatever the device's zone is.
class QMDateFormater
{
public:
    explicit QMDateFormater(const QDateTime &date);
    // A text that cannot be read gives no date; the texts of such a formatter are empty.
    explicit QMDateFormater(const QString &text);

    // "yyyy-MM-dd HH:mm:ss" when the text holds a ":", else "yyyy-MM-dd"; read leniently (a
    // 32nd of a month rolls over into the next). Invalid when the text does not fit.
    static QDateTime convertDateFromString(const QString &text);

    const QDateTime &date() const { return _date; }

    // The age of the date, in whole minutes, hours, days, weeks or months (of four weeks) of the
    // time between it and now, whichever way round.
    QString dateInterval() const;
    QString dateIntervalSince(const QDateTime &now) const;

    // The date written with the pattern of a kind: 0 "M-dd hh:mm", 1 "MMMMd'日' EE",
    // 2 "MMMMd'日'", 3 "M'月'd'日' HH:mm"; any other kind gives no text.
    QString dateStringWithFormat(unsigned kind) const;

private:
    QDateTime _date;
};

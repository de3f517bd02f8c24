#include "services/QMDateFormater.h"

#include <unicode/locid.h>
#include <unicode/parsepos.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>
#include <unicode/unistr.h>

#include <array>
#include <memory>

namespace {
icu::UnicodeString toUnicode(const QString &text)
{
    return icu::UnicodeString(reinterpret_cast<const char16_t *>(text.utf16()),
                              int32_t(text.size()));
}

QString fromUnicode(const icu::UnicodeString &text)
{
    return QString(reinterpret_cast<const QChar *>(text.getBuffer()), text.length());
}

// Patterns are ICU's: Qt's own date patterns mean other things. The service writes Shanghai's
// wall-clock time, so texts are read and written in Shanghai's zone whatever the device's is: a
// desktop elsewhere would otherwise call a post made a minute ago "8小时前".
std::unique_ptr<icu::SimpleDateFormat> makeFormat(const char *pattern)
{
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(icu::UnicodeString::fromUTF8(pattern),
                                                          icu::Locale("zh", "CN"), status);
    if (U_FAILURE(status))
        return nullptr;
    format->adoptTimeZone(icu::TimeZone::createTimeZone("Asia/Shanghai"));
    return format;
}
} // namespace

QMDateFormater::QMDateFormater(const QDateTime &date)
    : _date(date)
{}

QMDateFormater::QMDateFormater(const QString &text)
    : _date(convertDateFromString(text))
{}

QDateTime QMDateFormater::convertDateFromString(const QString &text)
{
    const auto format =
        makeFormat(text.contains(QLatin1Char(':')) ? "yyyy-MM-dd HH:mm:ss" : "yyyy-MM-dd");
    if (!format || text.isEmpty())
        return {};
    // Lenient about the calendar (a 32nd rolls over), not about the separators.
    format->setLenient(true);
    UErrorCode status = U_ZERO_ERROR;
    format->setBooleanAttribute(UDAT_PARSE_PARTIAL_LITERAL_MATCH, false, status);
    format->setBooleanAttribute(UDAT_PARSE_ALLOW_WHITESPACE, false, status);
    const icu::UnicodeString source = toUnicode(text);
    icu::ParsePosition position(0);
    const UDate date = format->parse(source, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != source.length())
        return {};
    return QDateTime::fromMSecsSinceEpoch(qint64(date));
}

QString QMDateFormater::dateInterval() const
{
    return dateIntervalSince(QDateTime::currentDateTime());
}

QString QMDateFormater::dateIntervalSince(const QDateTime &now) const
{
    if (!_date.isValid())
        return {};
    const qint64 minutes = qAbs(_date.secsTo(now)) / 60;
    struct Unit
    {
        qint64 minutes;
        const char *text;
    };
    static constexpr std::array<Unit, 4> units = {
        {{40320, "%1月前"}, {10080, "%1周前"}, {1440, "%1天前"}, {60, "%1小时前"}}};
    for (const Unit &unit : units) {
        if (minutes > unit.minutes)
            return QString::fromUtf8(unit.text).arg(minutes / unit.minutes);
    }
    return QString::fromUtf8("%1分钟前").arg(minutes);
}

QString QMDateFormater::dateStringWithFormat(unsigned kind) const
{
    static constexpr std::array<const char *, 4> patterns = {"M-dd hh:mm", "MMMMd'日' EE",
                                                             "MMMMd'日'", "M'月'd'日' HH:mm"};
    if (kind >= patterns.size() || !_date.isValid())
        return {};
    const auto format = makeFormat(patterns[kind]);
    if (!format)
        return {};
    icu::UnicodeString text;
    format->format(UDate(_date.toMSecsSinceEpoch()), text);
    return fromUnicode(text);
}

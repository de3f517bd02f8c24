#include "xml/QMXMLValueReader.h"

#include <QTimeZone>

#include <unicode/locid.h>
#include <unicode/parsepos.h>
#include <unicode/smpdtfmt.h>
#include <unicode/unistr.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <memory>
#include <string>

namespace {
bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view skipSpace(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && isSpace(text[i]))
        ++i;
    return text.substr(i);
}

// Reading of a date pattern is costly to set up: one formatter per thread, made on first use.
icu::SimpleDateFormat *dateFormatter()
{
    thread_local std::unique_ptr<icu::SimpleDateFormat> formatter = [] {
        UErrorCode status = U_ZERO_ERROR;
        auto f = std::make_unique<icu::SimpleDateFormat>(
            icu::UnicodeString("yyyy-MM-dd'T'HH:mm:ssZZZ"), icu::Locale("en_US_POSIX"), status);
        if (U_FAILURE(status))
            return std::unique_ptr<icu::SimpleDateFormat>();
        f->setLenient(false);
        return f;
    }();
    return formatter.get();
}
} // namespace

qint64 QMXMLValueReader::readLongLong(std::string_view text)
{
    text = skipSpace(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    qint64 value = 0; // accumulated as a negative number so that the minimum fits
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        const int digit = c - '0';
        if (value < (min + digit) / 10)
            return negative ? min : max;
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    return value == min ? max : -value;
}

qint32 QMXMLValueReader::readInt(std::string_view text)
{
    const qint64 v = readLongLong(text);
    if (v > std::numeric_limits<qint32>::max())
        return std::numeric_limits<qint32>::max();
    if (v < std::numeric_limits<qint32>::min())
        return std::numeric_limits<qint32>::min();
    return qint32(v);
}

qint32 QMXMLValueReader::readLong(std::string_view text)
{
    return qint32(quint32(quint64(readLongLong(text)) & 0xffffffffu));
}

qint16 QMXMLValueReader::readShort(std::string_view text)
{
    return qint16(quint16(quint32(readInt(text)) & 0xffffu));
}

double QMXMLValueReader::readDouble(std::string_view text)
{
    text = skipSpace(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Only plain decimal numbers: from_chars would also take "inf" and "nan".
    if (text.empty() || !((text.front() >= '0' && text.front() <= '9') || text.front() == '.'))
        return 0;
    double value = 0;
    const auto [end, error] =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    (void)end;
    if (error != std::errc() || !std::isfinite(value))
        return 0;
    return negative ? -value : value;
}

bool QMXMLValueReader::readBool(std::string_view text)
{
    text = skipSpace(text);
    if (!text.empty() && (text.front() == '+' || text.front() == '-'))
        text.remove_prefix(1);
    while (!text.empty() && text.front() == '0')
        text.remove_prefix(1);
    if (text.empty())
        return false;
    const char c = text.front();
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

QDateTime QMXMLValueReader::readDate(std::string_view text)
{
    std::string source(text);
    if (!source.empty() && source.back() == 'Z') {
        if (source.size() < 19)
            return {};
        source = source.substr(0, 19) + "+0000";
    }
    icu::SimpleDateFormat *formatter = dateFormatter();
    if (!formatter)
        return {};
    const icu::UnicodeString input = icu::UnicodeString::fromUTF8(source);
    icu::ParsePosition position(0);
    const UDate date = formatter->parse(input, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != input.length())
        return {};
    return QDateTime::fromMSecsSinceEpoch(qint64(date), QTimeZone::utc());
}

#pragma once

#include <QDateTime>

#include <string_view>

// How the text of an element becomes a scalar or a date. Integer readings skip leading white
// space, take an optional sign and the digits up to the first non-digit (nothing numeric reads as
// 0) and saturate instead of wrapping before being narrowed to the field's width.
class QMXMLValueReader
{
public:
    static qint64 readLongLong(std::string_view text);
    // Saturated to the 32-bit range.
    static qint32 readInt(std::string_view text);
    // A "long": the 64-bit reading kept to its low 32 bits.
    static qint32 readLong(std::string_view text);
    // The 32-bit reading kept to its low 16 bits, sign-extended.
    static qint16 readShort(std::string_view text);
    // The leading decimal number; none, or a non-finite one, reads as 0.
    static double readDouble(std::string_view text);
    // True when the text (after white space, a sign and leading zeros) starts with Y, y, T, t or
    // a digit 1 to 9.
    static bool readBool(std::string_view text);
    // "yyyy-MM-dd'T'HH:mm:ssZZZ"; a text ending in "Z" stands for UTC and is read from its first
    // 19 characters. Anything else gives an invalid QDateTime (no date).
    static QDateTime readDate(std::string_view text);
};

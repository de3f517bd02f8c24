#pragma once

#include "QMSXmlWriter.h"

#include <QDateTime>

#include <optional>
#include <string>
#include <string_view>

class QMSConnection;
class QMSQuery;

// Everything one request's handler works with: its parameters, the database, the answer being
// written, the time, and where the service is reached (for absolute picture addresses).
// The parameter readers refuse (throw QMSRefusal) with a clear text when a value is missing or
// malformed.
class QMSContext
{
public:
    struct Page
    {
        int from = 0;
        int maxnum = 10;
    };

    QMSContext(QMSConnection &db, const QMSQuery &query, std::string site, int holdSeconds);

    QMSConnection &db;
    const QMSQuery &query;
    QMSXmlWriter xml;
    const QDateTime now;
    const int holdSeconds;

    // "http://HOST:PORT/pictures/NAME"
    std::string picture(std::string_view name) const;
    // The picture of a record: 'm' posters, 'c' cinema photos, 'u' member portraits.
    std::string picture(char kind, long long id) const;
    // A film's `logo` and `smalllogo`: the same picture, so the details screen takes the poster
    // the shelf loaded.
    void posters(long long film);
    // "http://HOST:PORT" + path
    std::string address(std::string_view path) const;

    std::string text(std::string_view name) const;
    std::string required(std::string_view name) const;
    // A record id: decimal digits only; nothing for anything else, which matches no record.
    std::optional<long long> id(std::string_view name) const;
    long long integer(std::string_view name, long long min, long long max) const;
    double coordinate(std::string_view name, double limit) const;
    Page page() const;
    // The member whose `memberEncode` this is; refuses an unknown one.
    long long signedInMember() const;

    static std::optional<long long> parseId(const std::string &text);

private:
    std::string m_site;
};

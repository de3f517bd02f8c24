#include "QMSContext.h"

#include "QMSClock.h"
#include "QMSQuery.h"
#include "QMSRefusal.h"
#include "QMSStatement.h"

#include <charconv>
#include <cmath>

QMSContext::QMSContext(QMSConnection &db, const QMSQuery &query, std::string site, int holdSeconds)
    : db(db)
    , query(query)
    , now(QMSClock::now())
    , holdSeconds(holdSeconds)
    , m_site(std::move(site))
{}

std::string QMSContext::picture(std::string_view name) const
{
    std::string url = m_site;
    url += "/pictures/";
    url += name;
    return url;
}

std::string QMSContext::picture(char kind, long long id) const
{
    return picture(kind + std::to_string(id) + ".jpg");
}

void QMSContext::posters(long long film)
{
    const std::string poster = picture('m', film);
    xml.text("logo", poster);
    xml.text("smalllogo", poster);
}

std::string QMSContext::address(std::string_view path) const
{
    return m_site + std::string(path);
}

std::string QMSContext::text(std::string_view name) const
{
    return query.value(name);
}

std::string QMSContext::required(std::string_view name) const
{
    const std::string *value = query.find(name);
    if (!value || value->empty())
        throw QMSRefusal(400, "缺少参数：" + std::string(name));
    return *value;
}

std::optional<long long> QMSContext::id(std::string_view name) const
{
    return parseId(required(name));
}

long long QMSContext::integer(std::string_view name, long long min, long long max) const
{
    const std::string value = required(name);
    long long number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (ec != std::errc() || end != value.data() + value.size() || number < min || number > max)
        throw QMSRefusal(400, "参数格式错误：" + std::string(name));
    return number;
}

double QMSContext::coordinate(std::string_view name, double limit) const
{
    const std::string value = required(name);
    double number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (ec != std::errc() || end != value.data() + value.size() || !std::isfinite(number) ||
        std::fabs(number) > limit)
        throw QMSRefusal(400, "参数格式错误：" + std::string(name));
    return number;
}

QMSContext::Page QMSContext::page() const
{
    // A larger maxnum is answered with fewer rows, which never breaks "at most maxnum".
    Page page;
    page.from = static_cast<int>(integer("from", 0, 1000000));
    page.maxnum = static_cast<int>(std::min<long long>(integer("maxnum", 0, 1000000), 200));
    return page;
}

long long QMSContext::signedInMember() const
{
    const std::string token = required("memberEncode");
    QMSStatement session(db, "SELECT member FROM sessions WHERE token = ?");
    session.with(token);
    if (!session.step())
        throw QMSRefusal(403, "请先登录");
    return session.integer(0);
}

std::optional<long long> QMSContext::parseId(const std::string &text)
{
    if (text.empty() || text.size() > 15)
        return std::nullopt;
    long long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        number = number * 10 + (c - '0');
    }
    return number;
}

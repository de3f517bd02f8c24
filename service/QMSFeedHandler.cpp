#include "QMSFeedHandler.h"

#include "QMSCommentRecords.h"
#include "QMSGeo.h"
#include "QMSQuery.h"
#include "QMSRefusal.h"
#include "QMSStatement.h"

#include <cmath>
#include <optional>

namespace {

struct Filter
{
    std::string condition;
    std::function<void(QMSStatement &)> bind;
};

struct Position
{
    double latitude;
    double longitude;
};

std::optional<Position> storedPosition(QMSContext &context, long long member)
{
    QMSStatement query(context.db, "SELECT pointy, pointx FROM members WHERE id = ? AND "
                                   "pointx IS NOT NULL AND pointy IS NOT NULL");
    query.with(member);
    if (query.step() && QMSGeo::isKnown(query.real(0), query.real(1)))
        return Position{query.real(0), query.real(1)};
    return std::nullopt;
}

std::optional<long long> lastCheckIn(QMSContext &context, long long member)
{
    QMSStatement query(context.db,
                       "SELECT cinema FROM checkins WHERE member = ? ORDER BY id DESC LIMIT 1");
    query.with(member);
    if (query.step())
        return query.integer(0);
    return std::nullopt;
}

Filter areaFilter(QMSContext &context, long long member, const std::string &type,
                  std::optional<Position> sent)
{
    if (type == "city")
        return {"1", [](QMSStatement &) {
                }};
    if (type == "indexarea") {
        const auto centre = sent ? sent : storedPosition(context, member);
        if (!centre)
            return {"1", [](QMSStatement &) {
                    }};
        // Degrees scaled to metres on a plane: exact enough for a few kilometres.
        const double scale = std::cos(centre->latitude * M_PI / 180.0);
        const double limit = std::pow(QMSFeedHandler::areaMetres / 111320.0, 2);
        return {"c.member IN (SELECT id FROM members WHERE pointx IS NOT NULL AND "
                "((pointx - ?) * ?) * ((pointx - ?) * ?) + (pointy - ?) * (pointy - ?) <= ?)",
                [=](QMSStatement &query) {
                    query.with(centre->longitude, scale, centre->longitude, scale, centre->latitude,
                               centre->latitude, limit);
                }};
    }
    const auto cinema = lastCheckIn(context, member);
    if (!cinema)
        return {"0", [](QMSStatement &) {
                }};
    return {"((c.tag = 'cinema' AND c.relatedid = ?) "
            "OR c.screening IN (SELECT id FROM screenings WHERE cinema = ?) "
            "OR c.member IN (SELECT k.member FROM checkins k WHERE k.cinema = ? AND k.id = "
            "(SELECT MAX(id) FROM checkins WHERE member = k.member)))",
            [=](QMSStatement &query) {
                query.with(std::to_string(*cinema), *cinema, *cinema);
            }};
}

long long memberOf(QMSContext &context)
{
    return context.id("memberid").value_or(-1);
}

const char *const mentionsMember =
    "instr(c.body, '@' || (SELECT nickname FROM members WHERE id = ?)) > 0";

} // namespace

void QMSFeedHandler::memberPosts(QMSContext &context)
{
    const long long member = memberOf(context);
    // Newest first: the people-nearby map shows the first as the member's latest post.
    QMSCommentRecords::writeList(context, "commentList", "comment",
                                 "c.parent IS NULL AND c.member = ?",
                                 [&](QMSStatement &query) { query.with(member); });
}

void QMSFeedHandler::interest(QMSContext &context)
{
    const long long member = memberOf(context);
    const Filter area = areaFilter(context, member, context.text("type"), std::nullopt);
    // What concerns a member: posts by those they follow, posts addressed to them, mentions.
    const std::string condition =
        "c.parent IS NULL AND " + area.condition +
        " AND (c.member IN (SELECT CAST(relatedid AS INTEGER) FROM follows WHERE member = ? "
        "AND tag = 'member') OR (c.tag = 'member' AND c.relatedid = ?) OR " +
        mentionsMember + ")";
    QMSCommentRecords::writeList(context, "commentList", "comment", condition,
                                 [&](QMSStatement &query) {
                                     area.bind(query);
                                     query.with(member, std::to_string(member), member);
                                 });
}

void QMSFeedHandler::square(QMSContext &context)
{
    const long long member = memberOf(context);
    std::optional<Position> sent;
    if (context.query.has("pointx") || context.query.has("pointy")) {
        const double longitude = context.coordinate("pointx", 180);
        const double latitude = context.coordinate("pointy", 90);
        if (QMSGeo::isKnown(latitude, longitude))
            sent = Position{latitude, longitude};
    }
    const Filter area = areaFilter(context, member, context.text("type"), sent);
    QMSCommentRecords::writeList(context, "squareList", "comment",
                                 "c.parent IS NULL AND " + area.condition, area.bind);
}

void QMSFeedHandler::received(QMSContext &context)
{
    const long long member = memberOf(context);
    QMSCommentRecords::writeList(
        context, "reCommentList", "recomment",
        "c.member <> ? AND c.parent IN (SELECT id FROM comments WHERE member = ?)",
        [&](QMSStatement &query) { query.with(member, member); }, QMSCommentRecords::Ids::Thread);
}

void QMSFeedHandler::sent(QMSContext &context)
{
    const long long member = memberOf(context);
    QMSCommentRecords::writeList(
        context, "reCommentList", "recomment", "c.parent IS NOT NULL AND c.member = ?",
        [&](QMSStatement &query) { query.with(member); }, QMSCommentRecords::Ids::Thread);
}

void QMSFeedHandler::mentions(QMSContext &context)
{
    const long long member = memberOf(context);
    QMSCommentRecords::writeList(
        context, "commentList", "comment", mentionsMember,
        [&](QMSStatement &query) { query.with(member); }, QMSCommentRecords::Ids::Thread);
}
